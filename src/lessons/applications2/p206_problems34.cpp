// Chapter A problems 3 and 4: sides from the special side ratios, then a
// cone whose curved surface is a half disc of radius 10 cm.
#include "frame/frame.h"
#include "lessons/applications2/p206.h"
#include "lessons/applications2/textbook.h"
#include "lessons/common/cone.h"
#include "platform/colours.h"

namespace vm {

using namespace textbook;

namespace {

using namespace cone;

// The cone's slant sides, base and slant height: 35 px a unit.
void DrawCone(State& s) {
    Frame(s, 880, 150, 9, 9, 35);
    Cone(s, 8);
    LengthArc(s, kApex, kLeft, 1, 4, "10㎝", kBlueEdgeLength);
}

}  // namespace

void ChapterAProblems3And4Answer(State& s) {
    ClearScreen(s);
    PlaceCursor(s, 40, 30);
    TitleTag(s, kP206, s.XI1, s.YI1);
    NumberTag(s, "3", s.XI1, s.YI1 + 60);
    WaitForKey(s);
    Continue(s, kBlack, "(1)6:AC=2:1");
    NewLine(s, 60, kBlack, "2AC=6だから ");
    Continue(s, kBlack, "AC=");
    Continue(s, kRed, "3cm");
    NewLine(s, 60, kBlack, "3:BC=1:!3ﾝ");
    NewLine(s, 60, kBlack, "BC=");
    Continue(s, kRed, "3!3ﾝcm");
    WaitForKey(s);
    NewLine(s, 70, kBlack, "(2) AB=AC だから ");
    NewLine(s, 60, kBlack, "AC=");
    Continue(s, kRed, "7cm");
    NewLine(s, 70, kBlack, "7:BC=1:!2ﾝ");
    NewLine(s, 60, kBlack, "BC=");
    Continue(s, kRed, "7!2ﾝcm");
    WaitForKey(s);
    NumberTag(s, "4", s.XI1 + 520, 30);
    DrawCone(s);
    WaitForKey(s);

    // Problem 4: its first line beside the tag on the title row, the others
    // in the column from x 570.
    PlaceCursor(s, 570, 30);
    Write(s, kBlue, s.XI2 + 20, s.YI1, "底面の半径は、");
    WaitForKey(s);
    Continue(s, kBlue, "10*ﾀ180/360ﾀ=5cm");
    LengthArc(s, kLeft, kCentre, 1, 7, "5㎝", kBlueEdgeLength);
    WaitForKey(s);
    NewLine(s, 50, kBlack, "高さを hcm とすると");
    ConeHeight(s);
    LengthArc(s, kApex, kCentre, -1, 5, "h㎝", kBlueLength);
    WaitForKey(s);
    NewLine(s, 60, kBlack, "10^2=");
    Continue(s, kBlack, "5^2+h^2");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "h^2=");
    Continue(s, kBlack, "100-25=75");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "h>0 だから、");
    NewLine(s, 60, kBlack, "h=!75ﾝ=");
    Continue(s, kRed, "5!3ﾝcm");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "体積は");
    WaitForKey(s);
    NewLine(s, 80, kBlack, " ﾀ1/3ﾀ*π*5^2*5!3ﾝ");
    NewLine(s, 80, kRed, "=ﾀ125!3ﾝ/3ﾀπcm^3");
}

}  // namespace vm
