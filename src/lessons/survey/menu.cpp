#include "lessons/survey/menu.h"

#include "lessons/survey/chapter.h"
#include "lessons/survey/estimation.h"
#include "lessons/survey/sampling.h"
#include "lessons/survey/survey_use.h"

namespace vm {

// Each table ends with an empty item (its number and a full-width blank)
// and the quit item. An item without a lesson draws the menu again.
MainMenuTable SurveyMenuTable() {
    return {{
        {"1　標本調査", SampleSurveyLesson()},
        {"2　平均値の推定", MeanEstimationLesson()},
        {"3　標本調査の利用", SurveyUseLesson()},
        {"4　章の問題A", SurveyChapterProblemsLesson()},
        {"5　", {}},
        {"6　終了", {}},
    }};
}

ProgramData SurveyProgramData() {
    ProgramData d;
    d.field_x = 1056;
    d.f_texts = 50;
    d.f_numbers = 300;
    d.t_texts = 50;
    d.t_numbers = 50;
    d.v_numbers = 50;
    return d;
}

}  // namespace vm
