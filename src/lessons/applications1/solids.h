// Velmaris-B's lesson on lengths in space: the diagonal of a cuboid and of
// a cube, the height and volume of cones and of a square pyramid.
#pragma once

#include "frame/lesson.h"
#include "state/state.h"

namespace vm {

// The lesson (main-menu item 4): goal screen, then the scene list.
Lesson SolidsLesson();
void RunSolidsLesson(State& s);
// Leaves XI1 = 44, YI1 = 305 and XI2 at the end of the goal sentence.
void ShowSolidsGoal(State& s);

// The lesson's cuboid in the frame's pixels, numbered as the cuboid drawing
// reads it: 1 B, 2 F, 3 C, 4 G, 5 D, 6 H, 7 A, 8 E. Leaves A = 5, B = 2.5.
void ComputeSolidsCuboidPoints(State& s);

// ① The diagonal BH of a 4 by 2 by 3 cuboid, its two right triangles filled.
void CuboidDiagonalExample(State& s);
// ② Problem 11: edges 5, 3 and 4 cm.
void CuboidDiagonalAnswer(State& s);
// ③ Problem 12: edges a, b and c.
void CuboidDiagonalFormula(State& s);
// ④ Problem 13: the diagonal of a cube of edge 6 cm, text only.
void CubeDiagonalAnswer(State& s);
// ⑤ A cone of slant height 13 cm and radius 5 cm: its height and volume.
void ConeVolumeExample(State& s);
// ⑥ Problem 14: slant height 6 cm, height 4 cm.
void ConeVolumeProblem(State& s);
// ⑦ Problem 15: the regular square pyramid O-ABCD, base 6 cm, edges 5 cm.
void SquarePyramidProblem(State& s);
// ⑦'s figure from the points 0 to 4 (O, A, B, C, D): lengths, edges, hidden
// edges dotted, letters. Leaves the pen width at 5.
void DrawSquarePyramid(State& s);

}  // namespace vm
