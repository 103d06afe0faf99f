#include "lessons/applications1/solids.h"

#include <string>

#include "frame/frame.h"
#include "lessons/common/cone.h"
#include "lessons/common/figure.h"
#include "lessons/common/text.h"
#include "platform/colours.h"

namespace vm {

using namespace cone;

void ConeVolumeExample(State& s) {
    ClearScreen(s);
    PlaceCursor(s, 108, 30);
    Write(s, kBlue, s.XI1 - 36, s.YI1, "問　円錐の体積を求めなさい。");
    Frame(s, 836, 90, 12, 10, 35);
    Cone(s, 8);
    WaitForKey(s);
    s.P.SetDrawWidth(3);
    LengthArc(s, kLeft, kCentre, 1, 7, "5㎝", kBlueEdgeLength);
    LengthArc(s, kApex, kLeft, 1, 2, "13㎝", kBlueEdgeLength);
    s.P.SetDrawWidth(5);
    WaitForKey(s);
    NewLine(s, 60, kBlue, "高さをhcmとすると");
    ConeHeight(s);
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
    PlaceCursor(s, 54, 30);
    Write(s, kBlue, s.XI1, s.YI1, "教科書P200 問14 解答  ");
    Frame(s, 836, 90, 12, 10, 35);
    Cone(s, 8);
    ConeHeight(s);
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
