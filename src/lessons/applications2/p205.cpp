#include "lessons/applications2/p205.h"

namespace vm {

Lesson ChapterBasicProblemsLesson() {
    return {nullptr, kP205SceneList,
            {BasicProblem1Answer, BasicProblem2Answer, BasicProblem3Answer}};
}

void RunChapterBasicProblemsLesson(State& s) { RunLesson(s, ChapterBasicProblemsLesson()); }

}  // namespace vm
