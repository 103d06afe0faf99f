// The main menu: the program's home screen. Its loop is the re-entry point
// that every lesson comes back to by returning, so going round menu,
// lessons and scenes for a whole run never deepens the stack.
#include "frame/menu.h"

#include "formula/formula.h"
#include "frame/frame.h"
#include "platform/colours.h"
#include "platform/runtime.h"

namespace vm {

namespace {


void DrawMenu(State& s, const MainMenuTable& table) {
    ClearWorkArea(s);
    ClearScreen(s);
    s.P.FillBox(22, 10, 22 + 1320, 10 + 600, kWhite, kDarkTeal);
    s.CCC1 = kWhite;
    s.X = 264;
    s.Y = 30;
    s.AA_s = "＜" + s.TITLE_s + "　メニュー＞";
    DrawMarkupText(s);
    for (size_t i = 0; i < table.items.size(); ++i) {
        s.CCC1 = i % 2 == 0 ? kAmber : kWhite;
        s.X = 44;
        s.Y = 120 + 60 * static_cast<float>(i);
        s.AA_s = table.items[i].text;
        DrawMarkupText(s);
    }
    s.CCC1 = kBlack;
    s.X = s.KAIX - 240;
    s.Y = s.KAIY;
    s.AA_s = "番号を入力して下さい。";
    DrawPromptText(s);
}

// The item a typed text jumps to: the leading number of the text made
// whole, which differs from the entry's value when a fraction was typed
// ("4/2" passes the range test as 2 and jumps to item 4). Anything that is
// not one of the table's targets gives 0.
size_t JumpTarget(const std::string& typed, size_t targets) {
    const float v = Val(typed);
    if (!(v > -1 && v < static_cast<float>(targets) + 1)) return 0;  // bounds the conversion
    const int n = CInt(v);
    return n >= 1 && static_cast<size_t>(n) <= targets ? static_cast<size_t>(n) : 0;
}

}  // namespace

void ShowMainMenu(State& s) {
    if (s.menu == nullptr || s.menu->items.empty()) throw RuntimeError(kIllegalCall);
    const MainMenuTable& table = *s.menu;
    const float quit = static_cast<float>(table.items.size());
    // First entry only: from here on every number of the run is read here.
    s.KAIX = 1056;
    s.KAIY = 648;
    for (;;) {
        DrawMenu(s, table);
        s.P.PrepareTexts(table.entry_texts);
        AskMenuNumber(s);
        EraseMenuPrompt(s);
        if (s.AINP == quit) return;
        if (s.AINP < 1 || s.AINP > quit) continue;
        // Every lesson is entered on a cleared screen.
        ClearScreen(s);
        const size_t n = JumpTarget(s.AINP_s, table.items.size() - 1);
        if (n == 0) continue;
        const auto& lesson = table.items[n - 1].lesson;
        if (lesson) RunLesson(s, *lesson);
    }
}

}  // namespace vm
