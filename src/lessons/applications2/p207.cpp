#include "lessons/applications2/p207.h"

namespace vm {

Lesson ChapterProblemsBLesson() {
    return {nullptr, kP207SceneList,
            {ChapterBProblem1Answer, ChapterBProblem2Answer, ChapterBProblem3Answer,
             ChapterBProblem4Answer, ChapterBProblem5Answer}};
}

void RunChapterProblemsBLesson(State& s) { RunLesson(s, ChapterProblemsBLesson()); }

}  // namespace vm
