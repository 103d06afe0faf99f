// Velmaris-B's lesson on lengths in the plane: the distance between two
// points (an example, a random drill and the textbook's answers), the
// length of a chord and of a tangent.
#pragma once

#include "frame/lesson.h"
#include "state/state.h"

namespace vm {

// The lesson (main-menu item 3): goal screen, then the scene list.
Lesson PlaneDistancesLesson();
void RunPlaneDistancesLesson(State& s);
// Leaves XI1 = 44, YI1 = 305 and XI2 at the end of the goal sentence.
void ShowPlaneDistancesGoal(State& s);

// ① A(5,4), B(-1,-3): the right triangle ABC and d = √85.
void TwoPointDistanceExample(State& s);
// ② Random problems until the pupil enters 1, then the textbook hint.
void TwoPointDistanceDrill(State& s);
// One problem of the drill from its five draws: the sizes t1, f1, t2, f2
// of the coordinates (t1, f2 from 2 to 5, f1, t2 from 1 to 5) and the sign
// case p. With p = 1 A is (-t1, f1) and B (t2, -f2), otherwise A is
// (t1, -f1) and B (-t2, f2). Three key waits; the gate is the caller's.
void PoseDistanceProblem(State& s, float t1, float f1, float t2, float f2, float p);
// ③ The answers of problem 8, all at once.
void TwoPointDistanceAnswers(State& s);
// ④ The chord of a circle of radius 7 cm, 2 cm from the centre.
void ChordLengthExample(State& s);
// ⑤ Problem 9: radius 6 cm, half chord 4 cm.
void ChordProblemAnswer(State& s);
// ⑥ Problem 10: the tangent from A, OA 6 cm, radius 2 cm.
void TangentProblemAnswer(State& s);

}  // namespace vm
