// Scene ④: which 30 of 300 pupils to ask, and balls drawn from a bag: a
// well-mixed bag gives a sample with the bag's mix, a layered one does not.
#include "frame/frame.h"
#include "lessons/common/figure.h"
#include "lessons/common/text.h"
#include "lessons/survey/sampling.h"
#include "lessons/survey/survey_draw.h"
#include "platform/colours.h"

namespace vm {

namespace {

// Points of one picture; the lower picture's are these plus 10.
constexpr int kBagTop = 1, kBagBottom = 2, kArrowTail = 3, kArrowHead = 4, kSampleTop = 5,
              kSampleBottom = 6, kRowLabel = 7, kVerdict = 8;
constexpr int kLower = 10;
constexpr int kBottomEdge = 31;

// The points of a picture in the frame just drawn, typed as the chain of
// steps from the bag's corner.
void PutPicture(State& s, int base) {
    const float x1 = 0, y1 = 5;
    const float x2 = x1 + 10, y2 = y1 - 5;
    const float x3 = x2 + 0.5f, y3 = y2 + 2.5f;
    const float x4 = x3 + 2, y4 = y3;
    const float x5 = x4 + 0.7f, y5 = y2 + 3;
    const float x6 = x5 + 5, y6 = y2;
    Put(s, {{base + kBagTop, x1, y1},
            {base + kBagBottom, x2, y2},
            {base + kArrowTail, x3, y3},
            {base + kArrowHead, x4, y4},
            {base + kSampleTop, x5, y5},
            {base + kSampleBottom, x6, y6},
            {base + kRowLabel, -1.5f, y1 + 1},
            {base + kVerdict, x5, y5 + 2}});
}

// A bag from corner point m to corner point n with rows x columns balls on
// the frame's lattice, coloured 5 where colour5(row, column) says, else 3.
template <class Rule>
void DrawBag(State& s, int m, int n, int rows, int columns, Rule colour5) {
    s.P.SetDrawWidth(8);
    s.P.FillBox(s.X_a(m) - 6, s.Y_a(m) - 6, s.X_a(n) + 6, s.Y_a(n) + 6, kBlack, kCyan);
    s.P.SetDrawWidth(5);
    const float r = s.SIZE / 2 - 3;
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < columns; ++col) {
            s.CCC3 = colour5(row, col) ? kRed : kBlue;
            s.P.Dot(s.X_a(m) + s.SIZE / 2 + s.SIZE * static_cast<float>(col),
                    s.Y_a(m) + s.SIZE / 2 + s.SIZE * static_cast<float>(row), r,
                    static_cast<int>(s.CCC3));
        }
    }
}

}  // namespace

void DrawMixedPopulationBag(State& s) {
    // Every other ball, the pattern moving one column on per row.
    DrawBag(s, kBagTop, kBagBottom, 5, 10, [](int row, int col) {
        const int first = row % 4;
        return col >= first && col <= first + 6 && (col - first) % 2 == 0;
    });
}

void DrawLayeredPopulationBag(State& s) {
    DrawBag(s, kLower + kBagTop, kLower + kBagBottom, 5, 10, [](int row, int) { return row < 2; });
}

void DrawMixedSampleBag(State& s) {
    DrawBag(s, kSampleTop, kSampleBottom, 3, 5,
            [](int row, int col) { return col >= row && col <= row + 2 && (col - row) % 2 == 0; });
}

void DrawLayeredSampleBag(State& s) {
    DrawBag(s, kLower + kSampleTop, kLower + kSampleBottom, 3, 5,
            [](int row, int) { return row < 2; });
}

void RunSongSurveyScene(State& s) {
    ClearScreen(s);
    s.XI0 = 30;
    s.XI1 = s.XI0 + 36;
    s.YI1 = 20;
    Write(s, kPurple, s.XI0, s.YI1, "Q ");
    Continue(s, kBlack, "全校生徒300人から30人を選んで、流してほしい卒業ソングを");
    NewLine(s, 50, kBlack, "調査するとき、30人をどのように選べばよいだろう？");
    WaitForKey(s);
    Write(s, kPurple, s.XI0, s.YI1 + 50, "①");
    Continue(s, kBlue, "この調査の母集団と標本は?");
    WaitForKey(s);
    NewLine(s, 50, kBlack, "母集団…");
    WaitForKey(s);
    Continue(s, kRed, "全校生徒300人");
    NewLine(s, 50, kBlack, "標本…");
    WaitForKey(s);
    Continue(s, kRed, "選んだ生徒30人");
    WaitForKey(s);
    Write(s, kPurple, s.XI0, s.YI1 + 70, "②");
    Continue(s, kBlue, "標本をかたよりなく取り出すにはどうしたらよいだろう?");
    WaitForKey(s);

    // Page 2: the two bags, mixed above and layered below.
    ClearScreen(s);
    s.XI1 = 40;
    s.YI1 = 30;
    s.P.SetDrawWidth(5);
    Write(s, kBlue, s.XI1, s.YI1, "「取り出し方」");
    Continue(s, kPurple, "母集団と標本の赤玉と青玉の割合は同じ？");
    Frame(s, 120, 90, 18, 6, 35);
    PutPicture(s, 0);
    Frame(s, s.GX1, s.GY2, 18, 6, 35);
    PutPicture(s, kLower);
    s.Y_a(kBottomEdge) = s.GY2;

    DrawMixedPopulationBag(s);
    Label(s, kRed, s.X_a(kRowLabel), s.Y_a(kRowLabel), "ア");
    DrawLayeredPopulationBag(s);
    Label(s, kRed, s.X_a(kLower + kRowLabel), s.Y_a(kLower + kRowLabel), "イ");
    WaitForKey(s);
    DrawMixedSampleBag(s);
    survey::Arrow(s, kArrowTail, kArrowHead, 20, 16, -1, 1);
    WaitForKey(s);
    Write(s, kRed, s.X_a(kVerdict), s.Y_a(kVerdict), "かたよりがない");
    Write(s, kPurple, s.XI2, s.YI1 + 50, "同じと考えられる");
    WaitForKey(s);
    DrawLayeredSampleBag(s);
    survey::Arrow(s, kLower + kArrowTail, kLower + kArrowHead, 20, 16, -1, 1);
    WaitForKey(s);
    Write(s, kRed, s.X_a(kLower + kVerdict), s.Y_a(kLower + kVerdict), "かたよりがある");
    Write(s, kPurple, s.XI2 - 40, s.YI1 + 50, "同じとは考えられない");
    WaitForKey(s);
    s.XI1 = 120;
    s.YI1 = s.Y_a(kBottomEdge);
    NewLine(s, 20, kRed, "無作為に抽出する");
    NewLine(s, 50, kBlack, "かたよりがないように、母集団から標本を取り出すこと");
}

}  // namespace vm
