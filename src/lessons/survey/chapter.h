// Chapter problems A: lesson 4 of Velmaris-D, the worked answers to four
// chapter problems, a scene each.
#pragma once

#include "frame/lesson.h"
#include "state/state.h"

namespace vm {

Lesson SurveyChapterProblemsLesson();

void RunCensusOrSampleAnswers(State& s);
void RunRedAndWhiteBallAnswers(State& s);
void RunWhiteBallCountAnswers(State& s);
void RunBiasedSurveyAnswers(State& s);

// The lesson has no goal screen: its list opens with its title.
inline constexpr const char* kSurveyChapterSceneList =
    "P220(章の問題A)の解答 ①　②　③　④→問題　  ⑤終了";

}  // namespace vm
