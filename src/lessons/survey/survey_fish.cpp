// Scenes ③ to ⑤ of the survey-use lesson: fish in a pond counted by
// capture and recapture, and two surveys whose samples are biased.
#include "frame/frame.h"
#include "lessons/common/figure.h"
#include "lessons/common/text.h"
#include "lessons/survey/survey_draw.h"
#include "lessons/survey/survey_use.h"
#include "platform/colours.h"
#include "platform/runtime.h"

namespace vm {

namespace {

constexpr int kPond = 1, kPondBottom = 2, kFirstCatch = 3, kFirstCatchBottom = 4,
              kSecondCatch = 5, kSecondCatchBottom = 6;

void Start(State& s) {
    ClearScreen(s);
    s.XI0 = 30;
    s.XI1 = s.XI0 + 36;
    s.YI1 = 20;
}

// One fish: an empty square cell at the pen, the pen left at its right.
void Fish(State& s, float x, float y, int border, int fill) {
    survey::Cell(s, x, y, s.SIZE, s.SIZE, static_cast<int>(s.CCC1), border, fill, "");
}

// The frame around a figure's corners a and b, drawn over its cells.
void FrameBox(State& s, int a, int b) {
    s.P.Box(s.X_a(a) - 4, s.Y_a(a) - 4, s.X_a(b) + 4, s.Y_a(b) + 4, kRed);
}

// A row of n fish from (x, y); the pen ends after the last.
void FishRow(State& s, float x, float y, int n, int border, int fill) {
    Fish(s, x, y, border, fill);
    for (int i = 1; i < n; ++i) Fish(s, s.X, s.Y, border, fill);
}

}  // namespace

void DrawPondFish(State& s) {
    for (int row = 0; row < 5; ++row) {
        s.CCC1 = kBlack;
        Fish(s, s.X_a(kPond), s.Y_a(kPond) + s.SIZE * static_cast<float>(row), kBlack, kWhite);
        for (int i = 1; i < 12; ++i) {
            Fish(s, s.X, s.Y, kBlack, kWhite);
            s.XI2 = s.X;
            s.YI1 = s.Y;
        }
        Label(s, kBlack, s.X, s.Y, "……");
    }
    FrameBox(s, kPond, kPondBottom);
}

void DrawMarkedFish(State& s) {
    const int fill = static_cast<int>(s.CCC3);
    s.CCC1 = kBlue;
    for (int row = 0; row < 3; ++row)
        for (int c = 0; c < 3; ++c)
            Fish(s, s.X_a(kFirstCatch) + s.SIZE * static_cast<float>(c),
                 s.Y_a(kFirstCatch) + s.SIZE * static_cast<float>(row), kBlack, fill);
    Label(s, fill == kWhite ? kBlack : fill, s.X_a(kFirstCatch) + 20,
          s.Y_a(kFirstCatch) + 3 * s.SIZE, "……");
    FrameBox(s, kFirstCatch, kFirstCatchBottom);
}

void DrawRecapturedFish(State& s) {
    for (int row = 0; row < 4; ++row) {
        // The top row: the marked fish of the second catch.
        const int colour = row == 0 ? kGreen : kBlack;
        s.CCC1 = static_cast<float>(colour);
        FishRow(s, s.X_a(kSecondCatch), s.Y_a(kSecondCatch) + s.SIZE * static_cast<float>(row),
                6, kBlack, row == 0 ? kGreen : kWhite);
        Label(s, colour, s.X, s.Y, "……");
    }
    FrameBox(s, kSecondCatch, kSecondCatchBottom);
}

void RunFishEstimateScene(State& s) {
    ClearScreen(s);
    s.XI1 = 36;
    s.YI1 = 30;
    Write(s, kBlue, s.XI1, s.YI1, "教科書P217 問4解答");
    Frame(s, 748, 90, 14, 12, 35);
    Put(s, {{1, 0, 5}, {2, 14, 0}, {3, 0, 11}, {4, 3, 7}, {5, 6, 11}, {6, 14, 7}});
    s.P.SetDrawWidth(5);
    const float x1 = s.X_a(kPond), y1 = s.Y_a(kPond);
    const float x5 = s.X_a(kSecondCatch), y5 = s.Y_a(kSecondCatch);
    const float up = s.Y_a(kFirstCatchBottom) + 8, down = y1 - 8;
    DrawPondFish(s);
    WaitForKey(s);
    // The first catch leaves the pond: its first row goes, and the second
    // row is drawn again with its upper edge.
    s.CCC1 = kBlue;
    FishRow(s, x1, y1, 14, kWhite, kWhite);
    FishRow(s, x1, y1 + s.SIZE, 12, kBlack, kWhite);
    survey::ArrowAt(s, x1 + 1.5f * s.SIZE, up, x1 + 1.5f * s.SIZE, down, 10, 20, 1, 0);
    s.CCC3 = kWhite;
    DrawMarkedFish(s);
    Label(s, kRed, x1, s.GY1 - 10, "1890匹");
    WaitForKey(s);
    s.CCC3 = kGreen;
    DrawMarkedFish(s);
    WaitForKey(s);
    // The marked fish go back into the pond.
    s.P.FillBox(s.GGX, 0, s.GGX + 1760, 1800, kBackground, kBackground);
    DrawPondFish(s);
    Label(s, kRed, x1, y1 + s.SIZE, "1890匹");
    s.P.FillBox(s.X_a(kFirstCatch) - 4, s.Y_a(kFirstCatch) - 4, s.X_a(kFirstCatchBottom) + 4,
                s.Y_a(kFirstCatchBottom) + 4, kRed, kWhite);
    s.CCC1 = kGreen;
    FishRow(s, x1, y1, 12, kBlack, kGreen);
    Label(s, kGreen, s.X, s.Y, "……");
    survey::ArrowAt(s, x1 + 1.5f * s.SIZE, up, x1 + 1.5f * s.SIZE, down, 10, 20, -1, 2);
    WaitForKey(s);
    DrawRecapturedFish(s);
    survey::ArrowAt(s, x5 + 4 * s.SIZE, up, x5 + 4 * s.SIZE, down, 10, 20, 1, 0);
    Label(s, kRed, x5 + 80, y5 - 60, "1525匹");
    Label(s, kRed, x5, y5 + s.SIZE, "215匹");
    WaitForKey(s);
    s.XI0 = 30;
    s.XI1 = s.XI0 + 54;
    s.YI1 = 30;
    WaitForKey(s);
    Write(s, kPurple, s.XI0, s.YI1 + 50, "(1)");
    WaitForKey(s);
    Label(s, kRed, x1 + 120, y1 - 60, "母集団");
    WaitForKey(s);
    Label(s, kRed, x5, y5 - 60, "標本");
    WaitForKey(s);
    Continue(s, kBlack, "母集団…池にいる魚全体");
    NewLine(s, 50, kBlack, "標本…2度目に捕獲した魚");
    WaitForKey(s);
    Write(s, kPurple, s.XI0, s.YI1 + 50, "(2)");
    WaitForKey(s);
    Continue(s, kBlack, "印をつけた魚が、湖全体に");
    NewLine(s, 50, kBlack, "かたよりなく広がるから");
    WaitForKey(s);
    Write(s, kPurple, s.XI0, s.YI1 + 50, "(3)");
    WaitForKey(s);
    Continue(s, kBlack, "湖全体の魚の数をx匹とすると");
    NewLine(s, 60, kBlack, "215:1525=1890:x");
    WaitForKey(s);
    // The one computed value of the lesson, in single precision.
    s.T_a(1) = 2882250;
    s.T_a(2) = s.T_a(1) / 215;
    for (int i = 1; i <= 2; ++i) {
        s.A_s = Str(s.T_a(i));
        StripSpaces(s);
        s.T_sa(i) = s.A_s;
    }
    NewLine(s, 60, kBlack, "215x=1525*1890");
    WaitForKey(s);
    NewLine(s, 70, kBlack, " x=ﾀ1525*1890/215ﾀ=");
    WaitForKey(s);
    Continue(s, kBlue, s.T_sa(2));
    NewLine(s, 80, kRed, "答 およそ13400匹");
}

void RunStationSurveyScene(State& s) {
    Start(s);
    Write(s, kPurple, s.XI0, s.YI1, "Q");
    Continue(s, kBlack, "「みんなが選ぶ卒業ソングランキング」は、ある駅前の街頭で、");
    NewLine(s, 50, kBlack, "100人にアンケート調査を行った結果をまとめたものです。");
    NewLine(s, 50, kBlack, "この調査の方法や結論は、適切であるといえますか?");
    WaitForKey(s);
    Write(s, kPurple, s.XI0, s.YI1 + 50, "①");
    Continue(s, kBlue, "母集団と標本は何ですか?");
    WaitForKey(s);
    NewLine(s, 50, kBlack, "母集団は「みんな（全国民）」、標本は「ある駅前を通る人100人」");
    WaitForKey(s);
    Write(s, kPurple, s.XI0, s.YI1 + 50, "②");
    Continue(s, kBlue, "標本はかたよりなく取り出されていますか?");
    WaitForKey(s);
    NewLine(s, 50, kBlack, "ある駅前を通る人に限定されている");
    WaitForKey(s);
    NewLine(s, 100, kBlack, "したがって、");
    Continue(s, kRed, "適切であるとはいえない");
    WaitForKey(s);
    NewLine(s, 80, kPurple, "教科書P218 問1　をしなさい。");
}

void RunRegularBuyersScene(State& s) {
    Start(s);
    Write(s, kPurple, s.XI0, s.YI1, "教科書P218 問1 解答");
    WaitForKey(s);
    NewLine(s, 60, kRed, "よくない");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "アンケート調査の対象者を、定期購入を利用している人から選んでいて、");
    NewLine(s, 50, kBlack, "食品を購入したすべての人から無作為に抽出したとはいえないから");
}

}  // namespace vm
