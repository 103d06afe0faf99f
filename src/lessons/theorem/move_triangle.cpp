#include <string>

#include "figures/figures.h"
#include "formula/formula.h"
#include "frame/frame.h"
#include "lessons/theorem/intro.h"
#include "lessons/common/figure.h"
#include "lessons/common/text.h"
#include "platform/colours.h"
#include "platform/runtime.h"

namespace vm {

namespace {

const char kMovePrompt[] = "←→（C),↑↓(A)で点を動かす。Enterキーで決定";

void AskMoveKey(State& s) {
    s.CCC1 = kBlack;
    s.AA_s = kMovePrompt;
    ShowKeyPrompt(s);
}

// Squared distance in grid units (16 pixels a centimetre): whole numbers on
// the lattice, so the areas are never rounded.
float SquareArea(float dx, float dy) { return (dx / 16) * (dx / 16) + (dy / 16) * (dy / 16); }

// A side length in centimetres, rounded to one decimal.
float SideLength(float dx, float dy) {
    return static_cast<float>(CInt(Sqr(dx * dx + dy * dy) * 10 / 16)) / 10;
}

}  // namespace

void MoveTriangleScene(State& s) {
    // Every run starts from the starting triangle. In grid units: the foot
    // of A, A, B, C, the anchors of the measures, the lengths and the theorem.
    PlaceOnIntroGrid(s, {{0, 25, 15}, {1, 25, 23}, {2, 15, 15}, {3, 27, 15},
                         {11, 53, 33}, {13, 53, 21}, {14, 53, 8}});

    // The first key only starts the scene, whatever it is.
    AskMoveKey(s);
    RedrawMovedTriangle(s);

    for (;;) {
        AskMoveKey(s);
        const std::string& k = s.I_s;
        if (k == key::kEnter) {
            ShowTheoremStatement(s);
            return;
        }
        if (k == key::kRight) s.X_a(3) = s.X_a(3) + 16;
        else if (k == key::kLeft) s.X_a(3) = s.X_a(3) - 16;
        else if (k == key::kDown) s.Y_a(1) = s.Y_a(1) + 16;
        else if (k == key::kUp) s.Y_a(1) = s.Y_a(1) - 16;
        else continue;  // any other key: ask again, draw nothing

        // C between 5 cm right of B and 5 cm right of the foot; A between
        // 7 cm and 20 cm above the base line.
        if (s.X_a(2) + 80 > s.X_a(3)) s.X_a(3) = s.X_a(2) + 80;
        else if (s.X_a(0) + 80 < s.X_a(3)) s.X_a(3) = s.X_a(0) + 80;
        if (s.Y_a(0) - 112 < s.Y_a(1)) s.Y_a(1) = s.Y_a(0) - 112;
        else if (s.Y_a(0) - 320 > s.Y_a(1)) s.Y_a(1) = s.Y_a(0) - 320;

        // Redrawn even when a bound kept the corner where it was.
        RedrawMovedTriangle(s);
    }
}

void RedrawMovedTriangle(State& s) {
    ClearScreen(s);
    DrawSquaresFigure(s);

    // The interior angle at C, from ray CA to ray CB.
    auto aim_at_c = [&s] { Corner(s, 3, 1, 2); };
    aim_at_c();
    s.ITI = 1;
    ComputeAngleSize(s);
    s.T_sa(1) = s.KAKUDO_s;
    Label(s, kPurple, s.X_a(11), s.Y_a(11) - 60, "∠C=" + s.T_sa(1) + "°");
    if (s.T_sa(1) == "90") {
        aim_at_c();
        s.CCC2 = kRed;
        s.NAGASA = 30;
        s.HONSU = 0;
        s.ITI = -1;
        DrawRightAngleMark(s);
    }

    // Areas of the squares. The number keeps the blank that the number
    // text puts before it ("P= 144cm^2").
    const float xa = s.X_a(1), ya = s.Y_a(1), xb = s.X_a(2), yb = s.Y_a(2);
    const float xc = s.X_a(3), yc = s.Y_a(3);
    s.T_a(5) = SquareArea(xc - xb, 0);
    s.T_a(6) = SquareArea(xa - xc, ya - yc);
    s.T_a(7) = SquareArea(xa - xb, ya - yb);
    s.T_a(8) = s.T_a(5) + s.T_a(6);
    const float x = s.X_a(11), y = s.Y_a(11);
    Label(s, kBlack, x, y, "P=" + Str(s.T_a(5)) + "cm^2");
    Label(s, kBlack, x, y + 50, "Q=" + Str(s.T_a(6)) + "cm^2");
    Label(s, kBlack, x, y + 100, "R=" + Str(s.T_a(7)) + "cm^2");
    Label(s, kBlue, x, y + 150, "P+Q=" + Str(s.T_a(8)) + "cm^2");

    // Side lengths in centimetres.
    s.T_a(2) = (xc - xb) / 16;
    s.T_a(3) = SideLength(xa - xc, ya - yc);
    s.T_a(4) = SideLength(xa - xb, ya - yb);
    const float y13 = s.Y_a(13);
    Label(s, kBlack, s.X_a(13), y13 + 50, "a=" + Str(s.T_a(2)) + "cm");
    Label(s, kBlack, s.X_a(13), y13 + 100, "b=" + Str(s.T_a(3)) + "cm");
    Label(s, kBlack, s.X_a(13), y13 + 150, "c=" + Str(s.T_a(4)) + "cm");
}

}  // namespace vm
