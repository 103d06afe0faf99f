// Estimating a mean: lesson 2 of Velmaris-D. The mean sugar content of 300
// mini tomatoes estimated from samples of ten typed from a random-number
// table and of fifty drawn at random, and the spread of sample means
// against the sample size on box-and-whisker charts.
#pragma once

#include <string>

#include "frame/lesson.h"
#include "state/state.h"

namespace vm {

Lesson MeanEstimationLesson();
void ShowMeanEstimationGoal(State& s);

// Scene ①: the task, and how tomato numbers are read from a random-number
// table.
void RunRandomNumberTableScene(State& s);
// Scene ②: samples of ten tomato numbers typed by the pupil.
void RunSampleOfTenScene(State& s);
// Scene ③: samples of fifty drawn at random.
void RunRandomSampleOfFiftyScene(State& s);
// Scene ④: box-and-whisker plots of sample means for three sample sizes.
void RunSpreadBySampleSizeScene(State& s);

// The population: the 300 sugar contents in F(1) to F(300).
void FillSugarPopulation(State& s);

// Every sugar content has one decimal: a sample's total is kept in whole
// tenths, so that it is exact, and shown with its one decimal ("84.5",
// "80"); the mean is the total over the sample size to the nearest
// hundredth ("8.45", "7.03", "7").
int Tenths(float value);
std::string TenthsText(long tenths);
std::string MeanText(long tenths, int size);

inline constexpr const char* kMeanEstimationSceneList =
    " ①P215Q　②無作為10個　③無作為50個　④ばらつき　⑤終了";

}  // namespace vm
