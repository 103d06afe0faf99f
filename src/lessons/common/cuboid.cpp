#include "lessons/common/cuboid.h"

#include "figures/figures.h"
#include "lessons/common/figure.h"
#include "lessons/common/marks.h"
#include "lessons/common/text.h"
#include "platform/colours.h"

namespace vm {

using namespace cuboid;

namespace {

// Point i := (wi * i1 + wj * j1) / (wi + wj), x and y alike.
void Mean(State& s, int i, int i1, float wi, int j1, float wj) {
    s.X_a(i) = (wi * s.X_a(i1) + wj * s.X_a(j1)) / (wi + wj);
    s.Y_a(i) = (wi * s.Y_a(i1) + wj * s.Y_a(j1)) / (wi + wj);
}

// Each face lists its corners so that every corner of the view is lettered
// by exactly one face; an empty label writes nothing.
struct Face {
    int corner[4];
    const char* label[4];
};
constexpr Face kFaces[] = {
    {{kA, kB, kC, kD}, {"A", "B", "", "D"}},
    {{kB, kF, kG, kC}, {"", "F", "G", ""}},
    {{kC, kG, kH, kD}, {"C", "", "H", ""}},
};

// The three edge lengths of the view, drawn thinner than the figure.
void DrawLengths(State& s) {
    s.P.SetDrawWidth(3);
    LengthArc(s, kG, kH, 1, 7, "4㎝", kBlueEdgeLength);
    LengthArc(s, kF, kG, 1, 2, "5㎝", kBlueEdgeLength);
    LengthArc(s, kB, kF, 1, 5, "3㎝", kBlueEdgeLength);
    s.P.SetDrawWidth(5);
}

struct NetLetter {
    int corner;
    const char* letter;
    float dx, dy;
};
// Above the corner (dy -48) along the top, below it (dy 4) further down;
// B and F stand left of the fold, C and G right of it.
constexpr NetLetter kNetLetters[] = {
    {11, "D", -19, -48}, {12, "A", -19, -48}, {13, "B", -40, -48}, {14, "A", -19, -48},
    {15, "D", -19, -48}, {16, "H", -19, -48}, {17, "G", -19, 4},   {18, "C", 4, 4},
    {19, "G", 4, -24},   {20, "H", -19, 4},   {21, "E", -19, 4},   {22, "F", -40, 4},
    {23, "E", -19, 4},   {24, "H", -19, 4},
};

}  // namespace

void ComputeCuboidPoints(State& s) {
    s.P.SetDrawWidth(5);
    // Not to scale: the front face 8 by 5 units, every receding edge 3 right
    // and 3 up.
    Put(s, {{kB, 0, 6}, {kF, 0, 1}, {kC, 8, 6}, {kG, 8, 1},
            {kD, 11, 9}, {kH, 11, 4}, {kA, 3, 9}, {kE, 3, 4}});
    // An edge is divided in the view as on the solid.
    Mean(s, kOnCD, kC, 3, kD, 5);
    Mean(s, kOnFG, kF, 4, kG, 3);
    Mean(s, kOnAE, kA, 5, kE, 4);
    Mean(s, kOnEF, kF, 5, kE, 3);
    Mean(s, kOnDA, kD, 4, kA, 3);
    Mean(s, kOnCG, kG, 5, kC, 4);

    // The net is to scale, a unit a centimetre.
    Frame(s, 570, 120, 18, 12, 35);
    Put(s, {{11, 0, 7},   {12, 5, 7},   {13, 9, 7},  {14, 9, 11}, {15, 14, 11},
            {16, 17, 11}, {17, 17, 7},  {18, 14, 7}, {19, 14, 4}, {20, 14, 0},
            {21, 9, 0},   {22, 9, 4},   {23, 5, 4},  {24, 0, 4}});
}

void DrawCuboid(State& s) {
    for (const Face& f : kFaces) {
        for (int k = 0; k < 4; ++k) s.X_sa(k + 1) = f.label[k];
        Polygon(s, {f.corner[0], f.corner[1], f.corner[2], f.corner[3]}, "1");
    }
    DottedLine(s, kA, kE, 7, kBlack);
    DottedLine(s, kF, kE, 7, kBlack);
    DottedLine(s, kH, kE, 7, kBlack);
    Label(s, kBlack, s.X_a(kE) - 36, s.Y_a(kE) - 40, "E");
    if (s.data.cuboid_lengths) DrawLengths(s);
}

void DrawCuboidNet(State& s) {
    Outline(s, {11, 13, 14, 16, 17, 18, 20, 21, 22, 24}, kBlack);
    // The folds: A-E, D-C, B-F, B-C, F-G.
    const int folds[][2] = {{12, 23}, {15, 18}, {13, 22}, {13, 18}, {22, 19}};
    for (const auto& f : folds) DottedLine(s, f[0], f[1], 10, kBlack);
    for (const NetLetter& l : kNetLetters)
        Label(s, kBlack, s.X_a(l.corner) + l.dx, s.Y_a(l.corner) + l.dy, l.letter);
    DrawLengths(s);
}

void StartCuboidFigure(State& s) {
    Frame(s, 120, 120, 12, 10, 30);
    ComputeCuboidPoints(s);
    DrawCuboid(s);
}

void ViewPath(State& s, int k, int c) {
    Segment(s, kB, k, c);
    Segment(s, k, kH, c);
}

}  // namespace vm
