#include "lessons/applications1/plane.h"

#include <cmath>
#include <utility>

#include "figures/figures.h"
#include "frame/frame.h"
#include "lessons/common/drill.h"
#include "lessons/common/figure.h"
#include "lessons/common/marks.h"
#include "lessons/common/text.h"
#include "platform/colours.h"

namespace vm {

namespace {

void DrawDistanceProblem(State& s) {
    ClearScreen(s);
    const float t1 = RandInt(s, 4, 2);
    const float f1 = RandInt(s, 5, 1);
    const float t2 = RandInt(s, 5, 1);
    const float f2 = RandInt(s, 4, 2);
    const float p = RandInt(s, 2, 1);
    PoseDistanceProblem(s, t1, f1, t2, f2, p);
}

}  // namespace

void TwoPointDistanceDrill(State& s) {
    ClearScreen(s);
    Drill(s, DrawDistanceProblem);
    FixedLine(s, kPurple, "教科書P197 問8　をしなさい。");
}

void PoseDistanceProblem(State& s, float t1, float f1, float t2, float f2, float p) {
    // A and B in opposite quadrants, the second and the fourth.
    s.T_a(1) = t1, s.F_a(1) = f1;
    s.T_a(2) = t2, s.F_a(2) = f2;
    s.P_n = p;
    if (s.P_n == 1) {
        s.T_a(1) = -s.T_a(1);
        s.F_a(2) = -s.F_a(2);
    } else {
        s.F_a(1) = -s.F_a(1);
        s.T_a(2) = -s.T_a(2);
    }
    s.T_a(3) = s.T_a(1);
    s.F_a(3) = s.F_a(2);
    s.T_a(4) = std::fabs(s.T_a(2) - s.T_a(1));
    s.T_a(5) = std::fabs(s.F_a(1) - s.F_a(3));
    s.T_a(6) = s.T_a(4) * s.T_a(4);
    s.T_a(7) = s.T_a(5) * s.T_a(5);
    s.T_a(8) = s.T_a(6) + s.T_a(7);
    s.R1B = s.T_a(8);
    SimplifySquareRoot(s);
    s.RAB_sa(1) = s.RAB_s;
    s.RABM_sa(1) = s.RABM_s;
    FormatNumberTables(s);

    Plane(s, 748, 120, -6, 6, -6, 6, 40, 10);

    // C stands below the upper point, level with the lower one.
    s.X_a(1) = s.T_a(1), s.Y_a(1) = s.F_a(1);
    s.X_a(2) = s.T_a(2), s.Y_a(2) = s.F_a(2);
    if (s.F_a(1) > s.F_a(2)) s.X_a(3) = s.X_a(1), s.Y_a(3) = s.Y_a(2);
    else s.X_a(3) = s.X_a(2), s.Y_a(3) = s.Y_a(1);
    s.X_sa(1) = "A";
    s.X_sa(2) = "B";
    for (int i = 1; i <= 2; ++i) {
        PlanePoint(s, s.X_a(i), s.Y_a(i), 7, kBlue, s.X_sa(i), 10, -10);
    }
    s.P.SetDrawWidth(5);
    for (int i = 1; i <= 3; ++i) Put(s, 10 + i, s.X_a(i), s.Y_a(i));
    const bool a_lower = s.Y_a(1) < s.Y_a(2);

    PlaceCursor(s, 72, 30);
    Write(s, kBlack, s.XI1, s.YI1,
          "問　２点A(" + s.T_sa(1) + "," + s.F_sa(1) + ")、B(" + s.T_sa(2) + "," + s.F_sa(2) +
              ")の距離を求めなさい。");
    WaitForKey(s);

    Segment(s, 11, 12, kBlue);
    Segment(s, 11, 13, kBlue);
    Segment(s, 13, 12, kBlue);
    // The side that puts the letter away from the triangle.
    s.ITI = a_lower ? -1 : 1;
    Corner(s, 13, 11, 12);
    s.AAA_s = "C";
    s.CCC1 = kBlue;
    s.NAGASA = 10;
    s.AAAX = 0;
    s.AAAY = 0;
    PlaceAngleLabel(s);
    RightAngle(s, 13, 11, 12, 40, kRed);
    WaitForKey(s);

    // Each leg as the right (upper) coordinate minus the left (lower) one:
    // the texts swap, the numbers stay.
    if (s.T_a(2) < 0) {
        std::swap(s.T_sa(1), s.T_sa(2));
        s.X_sa(1) = "AC";
    } else {
        s.X_sa(1) = "BC";
    }
    NewLine(s, 80, kBlack, s.X_sa(1) + "=" + s.T_sa(2) + "-(" + s.T_sa(1) + ")=" + s.T_sa(4));
    LengthArc(s, a_lower ? 11 : 12, 13, -1, 5, s.T_sa(4), kBlackDotsRedLabel);
    if (s.F_a(1) < 0) {
        std::swap(s.F_sa(1), s.F_sa(2));
        s.X_sa(1) = "BC";
    } else {
        s.X_sa(1) = "AC";
    }
    NewLine(s, 60, kBlack, s.X_sa(1) + "=" + s.F_sa(1) + "-(" + s.F_sa(2) + ")=" + s.T_sa(5));
    LengthArc(s, a_lower ? 12 : 11, 13, 1, 5, s.T_sa(5), kBlackDotsRedLabel);
    WaitForKey(s);

    NewLine(s, 60, kBlack, "AB=xとすると、");
    LengthArc(s, 11, 12, a_lower ? 1 : -1, 5, "x", kBlackDotsRedLabel);
    NewLine(s, 60, kBlack, "x^2=" + s.T_sa(4) + "^2+" + s.T_sa(5) + "^2");
    NewLine(s, 60, kBlack, "  =" + s.T_sa(6) + "+" + s.T_sa(7));
    NewLine(s, 60, kBlack, "  =" + s.T_sa(8));
    NewLine(s, 60, kBlack, "x>0 だから、x=" + s.RABM_sa(1));
    Continue(s, kRed, s.RAB_sa(1));
}

}  // namespace vm
