// Scenes ⑤ and ⑥: choosing a fair sample, and three ways of drawing one at
// random (a random-number die, a spreadsheet, a random-number table).
#include <cmath>
#include <vector>

#include "figures/figures.h"
#include "frame/frame.h"
#include "lessons/common/figure.h"
#include "lessons/common/marks.h"
#include "lessons/common/text.h"
#include "lessons/survey/sampling.h"
#include "platform/colours.h"

namespace vm {

namespace {

void Start(State& s) {
    ClearScreen(s);
    s.XI0 = 40;
    s.XI1 = 80;
    s.YI1 = 30;
}

// The die's frame stands at a fixed place right of the texts, so that the
// die shows in the same place however often the scene is run.
constexpr float kDieFrameLeft = 780;

constexpr int kCentre = 0, kOuter = 0, kInner = 10;

}  // namespace

void RunCommuteSampleScene(State& s) {
    Start(s);
    Write(s, kBlue, s.XI0, s.YI1, "例");
    Write(s, kBlack, s.XI1, s.YI1, "ある中学校の3年生360人の通学時間について、標本調査で調べる");
    NewLine(s, 50, kBlack, "ことになった。次の標本の選び方のうち、適切なものはどれですか。");
    NewLine(s, 50, kBlue, "①");
    Continue(s, kBlack, "　男子全員を選ぶ。");
    NewLine(s, 50, kBlue, "②");
    Continue(s, kBlack, "　各クラスの出席番号が4の倍数の生徒を選ぶ。");
    NewLine(s, 50, kBlue, "③");
    Continue(s, kBlack, "　ある1つのクラス全員を選ぶ。");
    WaitForKey(s);
    NewLine(s, 60, kRed, "答 ②");
}

void RunRandomExtractionScene(State& s) {
    Start(s);
    Write(s, kRed, s.XI1, s.YI1, "<無作為に抽出する方法>");
    Write(s, kBlack, s.XI0, s.YI1 + 50, "(1)");
    Continue(s, kBlue, "乱数さい");
    Continue(s, kBlack, "…正二十面体で、0～9までの数字が2個ずつ書かれている。");
    NewLine(s, 50, kPurple, " 3個を、百、十、一の位に対応させる。");
    Frame(s, kDieFrameLeft, 350, 10, 11, 25);
    DrawRandomNumberDie(s);
    s.U_a(5) = s.GX1;
    s.V_a(5) = s.GY1 - 30;
    Label(s, kBlue, s.U_a(5), s.V_a(5), "正二十面体");
    WaitForKey(s);
    Write(s, kBlack, s.XI0, s.YI1 + 80, "(2)");
    Continue(s, kBlue, "コンピュータ");
    NewLine(s, 50, kPurple, " エクセルで、数式「=INT(RAND()*300+1)」を入力する。");
    WaitForKey(s);
    // The die and its caption go; the third way takes their place.
    s.P.FillBox(0, s.YI1 + 50, 1760, s.YI1 + 50 + 1800, kBackground, kBackground);
    Write(s, kBlack, s.XI0, s.YI1 + 80, "(3)");
    Continue(s, kBlue, "乱数表");
    Continue(s, kBlack, "…0～9までの数字を不規則に並べた表。");
    NewLine(s, 50, kPurple, " 出発点を決め、かってに決めた方向へ、1けたなら1つずつ、");
    NewLine(s, 50, kPurple, " 3けたなら3つずつ、数字に対応させる。");
    WaitForKey(s);
    Write(s, kBlack, s.XI0, s.YI1 + 80, "どの方法でも、同じ数の場合や資料にない番号のときは、それを除く。");
}

// A regular icosahedron seen along the axis through two opposite faces: a
// filled hexagon, the back face's edges dotted, the front face's solid,
// each inner vertex joined to three outline vertices.
void DrawRandomNumberDie(State& s) {
    Put(s, kCentre, 5, 5);
    s.P.SetDrawWidth(5);
    auto ring = [&](int base, float r) {
        for (int i = 1; i <= 6; ++i) {
            s.R_a(i) = (static_cast<float>(i - 1) * 60 + 90) * s.PI / 180;
            s.X_a(base + i) = s.X_a(kCentre) + r * std::cos(s.R_a(i));
            s.Y_a(base + i) = s.Y_a(kCentre) - r * std::sin(s.R_a(i));
        }
        // A copy of the first vertex after the last, so that i + 1 needs no wrap.
        s.X_a(base + 7) = s.X_a(base + 1);
        s.Y_a(base + 7) = s.Y_a(base + 1);
    };
    ring(kOuter, 5 * s.SIZE);
    ring(kInner, 3 * s.SIZE);

    std::vector<Point> face;
    for (int i = 1; i <= 7; ++i) face.push_back({s.X_a(kOuter + i), s.Y_a(kOuter + i)});
    s.P.FillPolygon(face, kAmber, kAmber);

    // The back triangle 11-13-15 and its edges to the outline, dotted.
    s.P.SetDrawWidth(4);
    for (int j = 1; j <= 5; j += 2) {
        const int before = j == 1 ? 6 : j - 1;
        DottedLine(s, kInner + j, kOuter + before, 6, kBlack);
        DottedLine(s, kInner + j, kOuter + j, 14, kBlack);
        DottedLine(s, kInner + j, kOuter + j + 1, 6, kBlack);
        DottedLine(s, kInner + j, kInner + j + 2, 6, kBlack);
    }
    // The front triangle 12-14-16 and its edges to the outline, solid.
    s.P.SetDrawWidth(5);
    s.CCC2 = kBlack;
    for (int j = 2; j <= 6; j += 2) {
        const int before = j == 2 ? 6 : j - 2;
        Segment(s, kInner + j, kInner + before, kBlack);
        Segment(s, kInner + j, kOuter + j - 1, kBlack);
        Segment(s, kInner + j, kOuter + j, kBlack);
        Segment(s, kInner + j, kOuter + j + 1, kBlack);
    }
    for (int i = 1; i <= 6; ++i) {
        s.G_a(i, 1) = s.X_a(kOuter + i);
        s.G_a(i, 2) = s.Y_a(kOuter + i);
    }
    s.KAKU = 6;
    s.SIZE1 = 5;
    s.NAGASA = 10;
    s.AAA_s = "";
    DrawPolygon(s);
}

}  // namespace vm
