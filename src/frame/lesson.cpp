#include "frame/lesson.h"

#include "frame/frame.h"
#include "formula/formula.h"
#include "platform/colours.h"
#include "platform/runtime.h"

namespace vm {

void RunLesson(State& s, const Lesson& lesson) {
    if (lesson.goal) lesson.goal(s);
    if (lesson.scene_list.empty() && lesson.scenes.empty()) return;
    const float n = static_cast<float>(lesson.scenes.size() + 1);
    s.P.PrepareTexts(lesson.texts);
    for (;;) {
        // The scene menu's re-entry point.
        s.AA_s = lesson.scene_list;
        AskNumberAtBottom(s);
        s.SENTAKU = s.AINP;
        s.AINP = 10;
        EraseBottomLine(s);
        if (s.SENTAKU < 1 || s.SENTAKU > n) continue;
        // Every accepted value (1 to n) rounds to an item from 1 to n.
        const int item = CInt(s.SENTAKU);
        if (item >= static_cast<int>(n)) {
            s.P.PrepareTexts({});  // the main menu needs none of them
            return;
        }
        const Routine scene = lesson.scenes[static_cast<size_t>(item - 1)];
        if (scene) scene(s);
    }
}

void GoalScreen(State& s, const std::vector<std::string>& sentences) {
    s.XI1 = 44;
    s.YI1 = 240;
    s.CCC1 = kBlue;
    s.X = s.XI1;
    s.Y = s.YI1;
    s.AA_s = "<めあて>";
    DrawMarkupText(s);
    s.XI2 = s.X;
    s.YI1 = s.Y;
    for (const auto& sentence : sentences) {
        s.CCC1 = kBlack;
        s.X = s.XI1;
        s.Y = s.YI1 + 65;
        s.AA_s = sentence;
        DrawMarkupText(s);
        s.XI2 = s.X;
        s.YI1 = s.Y;
    }
}

}  // namespace vm
