// Velmaris-A's introduction lesson: a triangle ABC with a square on each
// side (P on BC, Q on CA, R on AB) whose corners C and A the pupil moves
// with the arrow keys, reading the areas after every move.
#pragma once

#include <initializer_list>

#include "frame/lesson.h"
#include "lessons/common/figure.h"
#include "state/state.h"

namespace vm {

// The lesson's 40 by 40 grid of 16-pixel units at (48, 50), drawn
// invisibly for its origin; the points are turned into pixels.
void PlaceOnIntroGrid(State& s, std::initializer_list<GridPoint> points);

// The lesson (main-menu item 1): goal, key wait, figure, scene menu.
Lesson IntroductionLesson();
void RunIntroductionLesson(State& s);

// The goal screen; leaves XI1, YI1, XI2 after its last line.
void ShowIntroductionGoal(State& s);
// Clears the screen and draws the starting triangle with its squares.
void DrawIntroductionFigure(State& s);
// From the pixel rows 0 (foot of A), 1 (A), 2 (B), 3 (C) and the x of row 11
// (the text column) of X()/Y(): the squares (rows 4 to 9), the triangle with
// its letters, the square and side letters and the question. Rows 0, 2 and 3
// must lie on one horizontal line with B left of C and of the foot, A above.
// Leaves the pen width at 5.
void DrawSquaresFigure(State& s);
// Erases the key prompt and writes the theorem at row 14 of X()/Y(), shifted
// left; relies on the colour and pen width the last ShowKeyPrompt saved.
void ShowTheoremStatement(State& s);

// Scene ①: arrow keys move C (← →) and A (↑ ↓), Enter ends the scene.
void MoveTriangleScene(State& s);
// Clears the screen and draws the moved triangle with angle C, the areas and
// the side lengths.
void RedrawMovedTriangle(State& s);

}  // namespace vm
