#include "programs/common/programs.h"

#include <cctype>
#include <cstdio>
#include <exception>
#include <thread>
#include <utility>

#include "frame/binding.h"
#include "lessons/applications1/menu.h"
#include "lessons/applications2/menu.h"
#include "lessons/survey/charts.h"
#include "lessons/survey/menu.h"
#include "lessons/theorem/menu.h"
#include "platform/fonts.h"
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

}  // namespace

ProgramInfo ProgramA() { return Make(ProgramId::A, "Velmaris-A", TheoremMenuTable()); }
ProgramInfo ProgramB() { return Make(ProgramId::B, "Velmaris-B", ApplicationsMenuTable()); }
ProgramInfo ProgramC() {
    ProgramInfo p = Make(ProgramId::C, "Velmaris-C", FurtherApplicationsMenuTable());
    p.data.cuboid_lengths = true;
    return p;
}
// Velmaris-D draws with its own forms of several shared routines.
ProgramInfo ProgramD() {
    ProgramInfo p = Make(ProgramId::D, "Velmaris-D", SurveyMenuTable());
    p.data = SurveyProgramData();
    BindSurvey(p.binding);
    return p;
}
ProgramInfo ProgramE() {
    ProgramInfo p = Make(ProgramId::E, "Velmaris-E", FurtherApplicationsMenuTable());
    p.data.cuboid_lengths = true;
    return p;
}

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

int RunInWindow(const ProgramInfo& info, std::function<void()> on_idle) {
    // Starting fontconfig, checking the fonts and loading the face of the
    // menu need no window: they go on while SDL opens it, and the menu is
    // drawn once both are done.
    std::string menu_text = info.title;
    for (const MenuItem& item : info.menu.items) menu_text += item.text;
    std::jthread fonts([&info, &menu_text] {
        ReportMissingFonts(info.title);
        LoadFaces(menu_text);
    });
    try {
        WindowPlatform window;
        window.on_idle = std::move(on_idle);
        fonts.join();
        return RunProgram(info, window);
    } catch (const std::exception& e) {
        if (fonts.joinable()) fonts.join();
        std::fprintf(stderr, "%s: %s\n", info.title.c_str(), e.what());
        return 1;
    }
}

}  // namespace vm
