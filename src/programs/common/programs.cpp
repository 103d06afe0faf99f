#include "programs/common/programs.h"

#include <cctype>
#include <cstdio>
#include <exception>
#include <utility>

#include "lessons/applications1/menu.h"
#include "lessons/applications2/menu.h"
#include "lessons/survey/charts.h"
#include "lessons/survey/menu.h"
#include "lessons/theorem/menu.h"
#include "platform/fonts.h"
#include "platform/window.h"
#include "programs/texts/texts.h"
#include "state/shared_forms.h"

namespace vm {

Binding SharedBinding() {
    Binding b;
#define VM_BIND_SHARED(name) b.name = shared::name;
    VM_REVISABLE_ROUTINES(VM_BIND_SHARED)
#undef VM_BIND_SHARED
    return b;
}

namespace {

ProgramInfo Make(ProgramId id, const char* title, MainMenuTable menu, ProgramTexts texts) {
    ProgramInfo p;
    p.id = id;
    p.title = title;
    p.binding = SharedBinding();
    p.menu = std::move(menu);
    p.main_menu = ShowMainMenu;
    p.menu.entry_texts = texts.entry;
    for (const LessonTextTable& t : texts.lessons) {
        if (t.item < 1 || t.item > p.menu.items.size()) continue;
        if (auto& lesson = p.menu.items[t.item - 1].lesson) lesson->texts = t.texts;
    }
    return p;
}

}  // namespace

ProgramInfo ProgramA() {
    return Make(ProgramId::A, "Velmaris-A", TheoremMenuTable(), TextsOfA());
}
ProgramInfo ProgramB() {
    return Make(ProgramId::B, "Velmaris-B", ApplicationsMenuTable(), TextsOfB());
}
ProgramInfo ProgramC() {
    ProgramInfo p = Make(ProgramId::C, "Velmaris-C", FurtherApplicationsMenuTable(), TextsOfC());
    p.data.cuboid_lengths = true;
    return p;
}
// Velmaris-D draws with its own forms of several shared routines.
ProgramInfo ProgramD() {
    ProgramInfo p = Make(ProgramId::D, "Velmaris-D", SurveyMenuTable(), TextsOfD());
    p.data = SurveyProgramData();
    BindSurvey(p.binding);
    return p;
}
ProgramInfo ProgramE() {
    ProgramInfo p = Make(ProgramId::E, "Velmaris-E", FurtherApplicationsMenuTable(), TextsOfC());
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

int RunInWindow(const ProgramInfo& info, std::function<void()> on_shown) {
    try {
        // Starting SDL's video and opening the window take longer than
        // anything else before the menu shows: they go on while the fonts
        // are checked and the menu is drawn on the canvas.
        WindowPlatform window(WindowPlatform::Opening::Meanwhile, info.title);
        window.on_shown = std::move(on_shown);
        ReportMissingFonts(info.title);
        const int status = RunProgram(info, window);
        window.ThrowIfNotOpened();
        return status;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", info.title.c_str(), e.what());
        return 1;
    }
}

}  // namespace vm
