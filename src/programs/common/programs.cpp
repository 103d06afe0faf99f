#include "programs/common/programs.h"

#include <cctype>
#include <cstdio>
#include <exception>
#include <utility>

#include "frame/binding.h"
#include "lessons/applications2/summit.h"
#include "lessons/theorem/intro.h"
#include "platform/window.h"

namespace vm {

namespace {

ProgramInfo Make(ProgramId id, const char* title, MainMenuTable menu) {
    ProgramInfo p;
    p.id = id;
    p.title = title;
    p.binding = SharedBinding();
    p.menu = std::move(menu);
    p.main_menu = ShowMainMenu;
    return p;
}

// Each table ends with an empty item (its number and a full-width blank)
// and the quit item. An item without a lesson draws the menu again; the
// lessons put their entries in as they are built.

// The Pythagorean theorem.
MainMenuTable TheoremMenuTable() {
    return {{
        {"1　導入", RunIntroductionLesson},
        {"2　三平方の定理"},
        {"3　定理の逆"},
        {"4　P192(三平方 基本の問題)"},
        {"5　"},
        {"6　終了"},
    }};
}

// Applications of the theorem, part 1.
MainMenuTable ApplicationsOneMenuTable() {
    return {{
        {"1　対角線,正三角形,3辺の比"},
        {"2　問題演習"},
        {"3　2点間の距離,平面図形"},
        {"4　直方体,錐体"},
        {"5　"},
        {"6　終了"},
    }};
}

// Applications of the theorem, part 2 (also under the second title).
MainMenuTable ApplicationsTwoMenuTable() {
    return {{
        {"1　どれくらい遠くから見えるかな?", RunSummitViewLesson},
        {"2　いろいろな問題"},
        {"3　P205(三平方 基本の問題)"},
        {"4　P206(章の問題A)"},
        {"5　P207(章の問題B)"},
        {"6　"},
        {"7　終了"},
    }};
}

// Sample surveys.
MainMenuTable SampleSurveyMenuTable() {
    return {{
        {"1　標本調査"},
        {"2　平均値の推定"},
        {"3　標本調査の利用"},
        {"4　章の問題A"},
        {"5　"},
        {"6　終了"},
    }};
}

}  // namespace

ProgramInfo ProgramA() { return Make(ProgramId::A, "Velmaris-A", TheoremMenuTable()); }
ProgramInfo ProgramB() { return Make(ProgramId::B, "Velmaris-B", ApplicationsOneMenuTable()); }
ProgramInfo ProgramC() { return Make(ProgramId::C, "Velmaris-C", ApplicationsTwoMenuTable()); }
ProgramInfo ProgramD() { return Make(ProgramId::D, "Velmaris-D", SampleSurveyMenuTable()); }
ProgramInfo ProgramE() { return Make(ProgramId::E, "Velmaris-E", ApplicationsTwoMenuTable()); }

std::optional<ProgramInfo> ProgramByName(const std::string& name) {
    std::string n = name;
    if (n.size() > 9 && n.compare(0, 9, "Velmaris-") == 0) n = n.substr(9);
    if (n.size() != 1) return std::nullopt;
    switch (std::tolower(static_cast<unsigned char>(n[0]))) {
        case 'a': return ProgramA();
        case 'b': return ProgramB();
        case 'c': return ProgramC();
        case 'd': return ProgramD();
        case 'e': return ProgramE();
        default: return std::nullopt;
    }
}

int RunInWindow(const ProgramInfo& info) {
    try {
        WindowPlatform window;
        return RunProgram(info, window);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", info.title.c_str(), e.what());
        return 1;
    }
}

}  // namespace vm
