// Using sample surveys: lesson 3 of Velmaris-D. Defective products and
// aluminium cans estimated from samples, fish in a pond by capture and
// recapture, and surveys whose samples are biased.
#pragma once

#include "frame/lesson.h"
#include "state/state.h"

namespace vm {

Lesson SurveyUseLesson();
void ShowSurveyUseGoal(State& s);

void RunDefectiveEstimateScene(State& s);
void RunCanEstimateScene(State& s);
void RunFishEstimateScene(State& s);
void RunStationSurveyScene(State& s);
void RunRegularBuyersScene(State& s);

// The figures of the first and third scenes, on points 1 to 6 of the
// table: the products as blocks of dots, the fish as squares.
void DrawProductPopulation(State& s);
void DrawProductSample(State& s);
void DrawPondFish(State& s);
void DrawMarkedFish(State& s);
void DrawRecapturedFish(State& s);

inline constexpr const char* kSurveyUseSceneList =
    " ①例1　②問3　③問4　④P218Q　⑤問1　⑥終了";

}  // namespace vm
