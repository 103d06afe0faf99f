#include "frame/lesson.h"

#include "frame/frame.h"
#include "platform/runtime.h"

namespace vm {

void RunLesson(State& s, const Lesson& lesson) {
    if (lesson.goal) lesson.goal(s);
    const float n = static_cast<float>(lesson.scenes.size() + 1);
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
        if (item >= static_cast<int>(n)) return;
        const Routine scene = lesson.scenes[static_cast<size_t>(item - 1)];
        if (scene) scene(s);
    }
}

}  // namespace vm
