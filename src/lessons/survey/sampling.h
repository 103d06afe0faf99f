// Sample surveys: lesson 1 of Velmaris-D. Television ratings, sample
// survey against census, population and sample, balls drawn from a bag,
// and ways of drawing a sample at random.
#pragma once

#include "frame/lesson.h"
#include "state/state.h"

namespace vm {

Lesson SampleSurveyLesson();
// The "<めあて>" screen, shown once on entry.
void ShowSampleSurveyGoal(State& s);

// The scenes: each clears the screen, steps through its texts and figures
// one key at a time and returns after its last line.
void RunTvRatingScene(State& s);
void RunCensusAndSampleScene(State& s);
void RunPopulationAndSampleScene(State& s);
void RunSongSurveyScene(State& s);
void RunCommuteSampleScene(State& s);
void RunRandomExtractionScene(State& s);

// The bags of scene ④: the population bag (50 balls) and the sample bag
// (15 balls) of the upper, mixed picture and of the lower, layered one.
void DrawMixedPopulationBag(State& s);
void DrawLayeredPopulationBag(State& s);
void DrawMixedSampleBag(State& s);
void DrawLayeredSampleBag(State& s);

// The icosahedral random-number die in the frame last drawn: centre at
// grid (5, 5), outer radius 5 units.
void DrawRandomNumberDie(State& s);

inline constexpr const char* kSampleSurveySceneList =
    " ①視聴率調査　②標本調査　③母集団,問1,2　④213Q　⑤例　⑥抽出方法　⑦終了";

}  // namespace vm
