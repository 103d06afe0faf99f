#include "lessons/theorem/menu.h"

#include "lessons/theorem/converse_lesson.h"
#include "lessons/theorem/intro.h"
#include "lessons/theorem/theorem_lesson.h"

namespace vm {

// Each table ends with an empty item (its number and a full-width blank)
// and the quit item. An item without a lesson draws the menu again.
MainMenuTable TheoremMenuTable() {
    return {{
        {"1　導入", IntroductionLesson()},
        {"2　三平方の定理", TheoremLesson()},
        {"3　定理の逆", ConverseLesson()},
        {"4　P192(三平方 基本の問題)", TheoremBasicProblemsLesson()},
        {"5　", {}},
        {"6　終了", {}},
    }};
}

}  // namespace vm
