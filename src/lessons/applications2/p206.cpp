#include "lessons/applications2/p206.h"

namespace vm {

Lesson ChapterProblemsALesson() {
    return {nullptr, kP206SceneList,
            {ChapterAProblems1And2Answer, ChapterAProblems3And4Answer, ChapterAProblem5Answer,
             ChapterAProblem6Answer}};
}

void RunChapterProblemsALesson(State& s) { RunLesson(s, ChapterProblemsALesson()); }

}  // namespace vm
