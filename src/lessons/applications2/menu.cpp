#include "lessons/applications2/menu.h"

#include "lessons/applications2/p205.h"
#include "lessons/applications2/p206.h"
#include "lessons/applications2/p207.h"
#include "lessons/applications2/problems.h"
#include "lessons/applications2/summit.h"

namespace vm {

// Each table ends with an empty item (its number and a full-width blank)
// and the quit item. An item without a lesson draws the menu again.
MainMenuTable FurtherApplicationsMenuTable() {
    return {{
        {"1　どれくらい遠くから見えるかな?", SummitViewLesson()},
        {"2　いろいろな問題", VariousProblemsLesson()},
        {"3　P205(三平方 基本の問題)", ChapterBasicProblemsLesson()},
        {"4　P206(章の問題A)", ChapterProblemsALesson()},
        {"5　P207(章の問題B)", ChapterProblemsBLesson()},
        {"6　", {}},
        {"7　終了", {}},
    }};
}

}  // namespace vm
