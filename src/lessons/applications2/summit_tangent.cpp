// Scene 3: the length of the tangent PA by the theorem in the right triangle
// OAP, OA being the earth's radius and OP that radius plus the mountain.
#include <cmath>

#include "figures/figures.h"
#include "frame/frame.h"
#include "lessons/applications2/summit.h"
#include "lessons/applications2/summit_draw.h"
#include "platform/colours.h"
#include "platform/runtime.h"

namespace vm {

using namespace summit;

namespace {

constexpr int kO = 0, kTouch = 4, kSummit = 13, kBelow = 14;

}  // namespace

void SummitSceneTangentLength(State& s) {
    ClearScreen(s);
    StartTextColumn(s);
    s.XI1 = s.XI0;  // this scene's lines start under its number
    s.P.SetDrawWidth(kPen);
    const Section sec = SetUpSection(s);
    s.X_a(kBelow) = s.X_a(kO);
    s.Y_a(kBelow) = s.Y_a(kO) - sec.R1;

    DrawSection(s, sec);
    Segment(s, kO, kSummit, kBlack);
    DrawTangentPA(s, sec, -46, -25);

    Write(s, kPurple, s.XI0, s.YI1, "③ ");
    Write(s, kBlack, s.XI2, s.YI1, "PAの長さを求めよう");
    WaitForKey(s);

    Write(s, kBlue, s.XI2, s.YI1, " 富士山の高さ…3776m");
    Write(s, kPurple, s.XI2, s.YI1, " 地球の半径…6378km");
    LengthArc(s, kO, kTouch, -1, 5, "6378km", {kPurple, kBlue, 20});
    LengthArc(s, kSummit, kBelow, -1, 10, "3.776km", {kPurple, kBlue, 40});
    WaitForKey(s);

    NewLine(s, 50, kBlack, "OP=6378+3.776=6381.776(km)");
    WaitForKey(s);

    NewLine(s, 50, kBlack, "PA=xkm とすると");
    MarkRightAngleAtTangent(s, 20);
    LengthArc(s, kSummit, kTouch, 1, 5, "xkm", {kPurple, kBlue, 20});
    WaitForKey(s);

    NewLine(s, 50, kBlue, "x^2=6381.776^2-6378^2");
    WaitForKey(s);

    NewLine(s, 50, kBlack, "  =(6381.776+6378)*");
    NewLine(s, 50, kBlack, "    (6381.776-6378)");
    WaitForKey(s);

    NewLine(s, 50, kBlack, "  =12759.776*3.776");
    WaitForKey(s);

    NewLine(s, 50, kBlack, "  =48180.914176");
    WaitForKey(s);

    NewLine(s, 50, kBlack, "x>0 だから");
    WaitForKey(s);

    NewLine(s, 60, kBlue, "x=!48180.914176ﾝ");
    WaitForKey(s);

    // The root of the exact square, kept in single precision: 219.5015 to
    // seven digits. (Squaring 6381.776 in single precision instead would
    // lose the last digit.)
    s.T_a(1) = static_cast<float>(std::sqrt(48180.914176));
    s.T_sa(1) = NumText(s.T_a(1));
    NewLine(s, 50, kRed, " =" + s.T_sa(1));
    WaitForKey(s);

    NewLine(s, 50, kRed, "約 220km");
}

}  // namespace vm
