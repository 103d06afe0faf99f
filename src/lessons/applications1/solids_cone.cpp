#include "lessons/applications1/solids.h"

#include <string>

#include "frame/frame.h"
#include "lessons/common/figure.h"
#include "lessons/common/marks.h"
#include "lessons/common/text.h"
#include "platform/colours.h"

namespace vm {

namespace {

enum : int { kApex = 1, kLeft = 2, kCentre = 3, kRight = 4 };

// The cone from the side, in the lesson's frame at pen width 5: its slant
// sides, the radius to the left, the base as an ellipse (the front half a
// close row of dots, the back half dotted) and the letters A, B, O. Not to
// scale: the height is 8 units and the radius 4.
void DrawCone(State& s) {
    Frame(s, 836, 90, 12, 10, 35);
    s.P.SetDrawWidth(5);
    Put(s, {{kLeft, 1, 1}, {kApex, 5, 9}, {kCentre, 5, 1}, {kRight, 9, 1}});
    Segment(s, kApex, kLeft, kBlack);
    Segment(s, kApex, kRight, kBlack);
    Segment(s, kLeft, kCentre, kBlack);
    LengthArc(s, kLeft, kRight, 1, 1, "", {kBlack, kBlue, 30});
    LengthArc(s, kLeft, kRight, -1, 7, "", {kBlack, kBlue, 30});
    Label(s, kBlack, s.X_a(kApex) - 20, s.Y_a(kApex) - 48, "A");
    Label(s, kBlack, s.X_a(kLeft) - 48, s.Y_a(kLeft) - 24, "B");
    Label(s, kBlack, s.X_a(kCentre) + 8, s.Y_a(kCentre) - 24, "O");
}

// The height AO with its right angle at O.
void DrawHeight(State& s) {
    Segment(s, kApex, kCentre, kBlack);
    RightAngle(s, kCentre, kLeft, kApex, 30, kRed);
}

}  // namespace

void ConeVolumeExample(State& s) {
    ClearScreen(s);
    s.XI1 = 108;
    s.YI1 = 30;
    Write(s, kBlue, s.XI1 - 36, s.YI1, "問　円錐の体積を求めなさい。");
    DrawCone(s);
    WaitForKey(s);
    s.P.SetDrawWidth(3);
    LengthArc(s, kLeft, kCentre, 1, 7, "5㎝", kBlueEdgeLength);
    LengthArc(s, kApex, kLeft, 1, 2, "13㎝", kBlueEdgeLength);
    s.P.SetDrawWidth(5);
    WaitForKey(s);
    NewLine(s, 60, kBlue, "高さをhcmとすると");
    DrawHeight(s);
    s.P.SetDrawWidth(3);
    LengthArc(s, kApex, kCentre, -1, 2, "h㎝", kBlueLength);
    WaitForKey(s);
    NewLine(s, 60, kBlack, "13^2=");
    WaitForKey(s);
    Continue(s, kBlack, "5^2+h^2");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "h^2=");
    WaitForKey(s);
    Continue(s, kBlack, "13^2-5^2=169-25=144");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "h>0 だから、");
    NewLine(s, 60, kBlack, "h=!144ﾝ=");
    WaitForKey(s);
    Continue(s, kBlue, "12");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "体積は");
    WaitForKey(s);
    NewLine(s, 80, kBlack, "ﾀ1/3ﾀ*π*5^2*12=");
    WaitForKey(s);
    Continue(s, kBlack, "π*25*4=");
    WaitForKey(s);
    Continue(s, kBlue, "100π");
    WaitForKey(s);
    NewLine(s, 60, kRed, "答　100πcm^3");
    WaitForKey(s);
    FixedLine(s, kBlack, "教科書P200 問14　をしなさい。");
}

void ConeVolumeProblem(State& s) {
    ClearScreen(s);
    s.XI1 = 54;
    s.YI1 = 30;
    Write(s, kBlue, s.XI1, s.YI1, "教科書P200 問14 解答  ");
    DrawCone(s);
    DrawHeight(s);
    s.P.SetDrawWidth(3);
    LengthArc(s, kApex, kCentre, -1, 2, "4㎝", kBlueLength);
    LengthArc(s, kLeft, kCentre, 1, 7, "r㎝", kBlueEdgeLength);
    LengthArc(s, kApex, kLeft, 1, 2, "6㎝", kBlueEdgeLength);
    s.P.SetDrawWidth(5);
    NewLine(s, 60, kBlue, "底面の半径をrcmとすると");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "6^2=r^2+4^2");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "r^2=6^2-4^2=36-16=20");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "r>0 だから、");
    Continue(s, kBlack, "r=!20ﾝ=");
    Continue(s, kBlue, "2!5ﾝ");
    NewLine(s, 80, kBlack, "体積は");
    WaitForKey(s);
    NewLine(s, 80, kBlack, "ﾀ1/3ﾀ*π*(2!5ﾝ)^2*4=ﾀ1/3ﾀ*π*20*4=");
    Continue(s, kRed, "ﾀ80/3ﾀπ");
    NewLine(s, 80, kRed, "答　ﾀ80/3ﾀπcm^3");
    Write(s, kBlack, 308, 590, "教科書P200 問15　をしなさい。");
}

}  // namespace vm
