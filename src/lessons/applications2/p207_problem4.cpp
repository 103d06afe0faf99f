// Chapter B problem 4: the shortest string once round a cone, from its
// development, a sector of 120°.
#include <cmath>

#include "frame/frame.h"
#include "lessons/applications2/p207.h"
#include "lessons/applications2/textbook.h"
#include "lessons/common/marks.h"
#include "platform/colours.h"
#include "platform/runtime.h"

namespace vm {

using namespace textbook;

namespace {

// The cone: the base diameter's ends 1 (A) and 2, the base centre 5, the
// apex 6, and 7 the middle of the right slant side.
constexpr int kA = 1, kRightEnd = 2, kBase = 5, kApex = 6, kMidSide = 7;
// The development: the sector's centre O, the arc's ends 1 and 2 (both A),
// H the chord's midpoint, the base circle's centre 4 and its radius's end 5.
constexpr int kO = 0, kA1 = 1, kA2 = 2, kH = 3, kCircle = 4, kRadius = 5;

void DrawCone(State& s) {
    Frame(s, 504, 200, 10, 15, 20);
    Put(s, {{kA, 0, 3}, {kRightEnd, 10, 3}, {kBase, 5, 3}, {kApex, 5, 13}});
    Midpoint(s, kMidSide, kApex, kRightEnd);
    const float dx = s.X_a(kApex) - s.X_a(kA), dy = s.Y_a(kApex) - s.Y_a(kA);
    const float r2 = Sqr(dx * dx + dy * dy);
    const float r1 = 5 * s.SIZE;
    // The curved surface, then the base over the lower end of its arc.
    AngleMark(s, kApex, kA, kRightEnd, r2, 0, kBlack, kCyan, "", kBlack);
    s.P.Sector(s.X_a(kBase), s.Y_a(kBase), r1, kLightGrey, kCyan, 1.0f / 3);
    LengthArc(s, kA, kRightEnd, -1, 5, "", {kBlack, kBlack, r1 / 3});
    LengthArc(s, kA, kRightEnd, 1, 1, "", {kBlack, kBlack, r1 / 3});
    Label(s, kBlack, s.X_a(kA) - 35, s.Y_a(kA) - 40, "A");
    LengthArc(s, kA, kApex, -1, 3, "9cm", {kBlack, kBlue, 0});
    // "3cm" under the radius's middle, 25 px lower still.
    LengthArc(s, kA, kBase, 1, 4, "3cm", {kBlack, kBlue, 0, 0, 25});
    // The string: a dense front part and a sparse back part, 10 px high.
    LengthArc(s, kA, kMidSide, 1, 3, "", {kRed, kBlack, -10});
    LengthArc(s, kA, kMidSide, -1, 10, "", {kRed, kBlack, -10});
}

void DrawDevelopment(State& s) {
    Frame(s, 720, 70, 18, 16, 25);
    Put(s, kO, 10, 15);
    const float r1 = 9 * s.SIZE;
    const float dhra = 210 * s.PI / 180, dhrb = -30 * s.PI / 180, dhrc = 270 * s.PI / 180;
    const float x0 = s.X_a(kO), y0 = s.Y_a(kO);
    s.X_a(kA1) = x0 + r1 * std::cos(dhra);
    s.Y_a(kA1) = y0 - r1 * std::sin(dhra);
    s.X_a(kA2) = x0 + r1 * std::cos(dhrb);
    s.Y_a(kA2) = y0 - r1 * std::sin(dhrb);
    // H halves the product, the chord lying half the radius below O.
    s.X_a(kH) = x0 + r1 * std::cos(dhrc) / 2;
    s.Y_a(kH) = y0 - r1 * std::sin(dhrc) / 2;
    s.X_a(kCircle) = x0 + 12 * s.SIZE * std::cos(dhrc);
    s.Y_a(kCircle) = y0 - 12 * s.SIZE * std::sin(dhrc);
    s.X_a(kRadius) = s.X_a(kCircle) + 3 * s.SIZE;
    s.Y_a(kRadius) = s.Y_a(kCircle);
    Segment(s, kO, kA1, kBlack);
    Segment(s, kO, kA2, kBlack);
    Label(s, kBlack, x0 - 18, y0 - 48, "O");
    Label(s, kBlack, s.X_a(kA1) - 48, s.Y_a(kA1) - 24, "A");
    Label(s, kBlack, s.X_a(kA2) + 4, s.Y_a(kA2) - 24, "A");
    // The lower 120°: clockwise on the screen from 1/12 to 5/12 of a turn.
    s.P.Circle(x0, y0, r1, kBlack, 1, 1.0f / 12, 5.0f / 12);
    s.P.Circle(s.X_a(kCircle), s.Y_a(kCircle), 3 * s.SIZE, kBlack);
    Segment(s, kCircle, kRadius, kBlack);
    LengthArc(s, kO, kA1, 1, 3, "9cm", kBlueLength);
    LengthArc(s, kCircle, kRadius, 1, 9, "3cm", kBlueLength);
}

}  // namespace

void ChapterBProblem4Answer(State& s) {
    ClearScreen(s);
    PlaceCursor(s, 40, 30);
    s.P.SetDrawWidth(kPen);
    Tags(s, kP207, "4", s.XI1, s.YI1, 44);
    DrawCone(s);
    WaitForKey(s);
    DrawDevelopment(s);
    WaitForKey(s);
    Write(s, kBlue, s.XI1, s.YI1 + 60, "<解答>");
    Continue(s, kBlack, "側面のおうぎ形の中心角は");
    NewLine(s, 70, kBlack, "360°*ﾀ2*π*3/2*π*9ﾀ=360°*ﾀ1/3ﾀ=");
    Continue(s, kBlue, "120°");
    AngleMark(s, kO, kA1, kA2, 30, 1, kBlue, kBlue, "120°", kBlue);
    WaitForKey(s);
    Segment(s, kA1, kA2, kRed);
    WaitForKey(s);
    Label(s, kBlack, s.X_a(kH) - 18, s.Y_a(kH) + 6, "H");
    Segment(s, kO, kH, kBlack);
    RightAngle(s, kH, kA1, kO, 25, kRed);
    WaitForKey(s);
    // ITI -1 marks the 30° angle OAH, not the reflex angle beside it.
    AngleMark(s, kA1, kO, kH, 50, 1, kBlue, kBlue, "30°", kBlue, -1);
    WaitForKey(s);
    NewLine(s, 80, kBlack, "△OAHにおいて");
    NewLine(s, 60, kBlack, "9:AH=");
    WaitForKey(s);
    Continue(s, kBlack, "2:!3ﾝ");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "2AH=9!3ﾝ");
    NewLine(s, 60, kBlack, "AH=ﾀ9/2ﾀ!3ﾝ だから");
    NewLine(s, 60, kBlack, "求める長さは、");
    WaitForKey(s);
    NewLine(s, 80, kBlack, "2*ﾀ9/2ﾀ!3ﾝ=");
    Continue(s, kRed, "9!3ﾝ(cm)");
}

}  // namespace vm
