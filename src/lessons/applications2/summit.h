// How far away can the summit of Mt Fuji be seen? Lesson 1 of Velmaris-C
// (and of Velmaris-E): flat ground against a round earth, the tangent from
// the summit by compass and ruler, its length by the theorem, the 220 km
// circle on a map, and higher places beyond that circle.
#pragma once

#include "frame/lesson.h"
#include "state/state.h"

namespace vm {

// The lesson (main-menu item 1); its run returns when the last scene-menu
// item ("⑥終了") is chosen.
Lesson SummitViewLesson();
void RunSummitViewLesson(State& s);
// The "<めあて>" screen, shown once on entry.
void ShowSummitGoal(State& s);

// The scenes: each starts from a cleared screen, steps through its figure
// and texts one key at a time and returns after its last line, leaving its
// picture on the screen.
void SummitSceneFigure(State& s);
void SummitSceneConstruction(State& s);
void SummitSceneTangentLength(State& s);
void SummitSceneMap(State& s);
void SummitSceneHigherPlaces(State& s);

// The scene list on the bottom band.
inline constexpr const char* kSummitSceneList =
    " ①図で　②作図　③PAの長さ　④地図で　⑤220km以上から　⑥終了";

}  // namespace vm
