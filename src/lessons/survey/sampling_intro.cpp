// Scenes ① to ③: television ratings, sample survey against census, and
// population and sample with the figure of the two ellipses.
#include "formula/formula.h"
#include "frame/frame.h"
#include "lessons/common/figure.h"
#include "lessons/common/marks.h"
#include "lessons/common/text.h"
#include "lessons/survey/sampling.h"
#include "lessons/survey/survey_draw.h"
#include "platform/colours.h"

namespace vm {

namespace {

void Start(State& s) {
    ClearScreen(s);
    s.XI1 = 40;
    s.YI1 = 30;
}

// A heading 10 px above the first line.
void Heading(State& s, float c, const std::string& text) {
    Write(s, c, s.XI1, s.YI1 - 10, text);
}

// After a heading, 20 px on.
void AfterHeading(State& s, float c, const std::string& text) {
    Write(s, c, s.XI2 + 20, s.YI1, text);
}

// Points of the population-and-sample figure.
constexpr int kPopulation = 1, kPopulationName = 2, kPopulationText = 3, kPopulationDots = 4,
              kRightTail = 5, kRightHead = 6;
constexpr int kSample = 11, kSampleName = 12, kSampleText = 13, kSampleDots = 14, kDownTail = 15,
              kDownHead = 16, kSurvey = 17, kSampleTrend = 21, kLeftTail = 22, kLeftHead = 23,
              kPopulationTrend = 24, kSizeHeading = 31, kAnswers = 32;

void Ellipse(State& s, int centre, float size) {
    s.P.Sector(s.X_a(centre), s.Y_a(centre), 5 * size, kBlack, kAmber, 0.666667f);
}

// n dots of half a unit's radius, 1.5 units apart, from point first.
void DotRow(State& s, int first, int n, float size) {
    for (int i = 0; i < n; ++i)
        s.P.Dot(s.X_a(first) + 1.5f * size * static_cast<float>(i), s.Y_a(first), size / 2,
                kPurple);
}

void Set(State& s, int i, float x, float y) {
    s.X_a(i) = x;
    s.Y_a(i) = y;
}

}  // namespace

void RunTvRatingScene(State& s) {
    Start(s);
    Heading(s, kPurple, "Q ");
    AfterHeading(s, kBlack, "テレビ番組の視聴率は、どのように調べているのだろうか？");
    WaitForKey(s);
    NewLine(s, 70, kBlue, "テレビのある世帯全部の調査は行われていない。");
    WaitForKey(s);
    NewLine(s, 70, kBlue, "一部の世帯を調べ、視聴率を出している。");
    WaitForKey(s);
    NewLine(s, 70, kPurple, "<調査の工夫>");
    WaitForKey(s);
    NewLine(s, 50, kBlue, "①");
    Continue(s, kBlack, "　放送エリア（32地区）ごとに調査する。");
    WaitForKey(s);
    NewLine(s, 50, kBlue, "②");
    Continue(s, kBlack, "　世帯は、統計学の理論に基づいてランダムに選ばれている。");
    WaitForKey(s);
    NewLine(s, 50, kBlue, "③");
    Continue(s, kBlack, "　地区により2年～3年の周期で全ての世帯が入れ替わるように");
    NewLine(s, 50, kBlack, "　 ローテーションされている。");
}

void RunCensusAndSampleScene(State& s) {
    Start(s);
    Heading(s, kRed, "<標本調査と全数調査>");
    WaitForKey(s);
    NewLine(s, 50, kBlue, "標本調査");
    NewLine(s, 50, kBlack, "　集団の一部を調査して、集団全体の傾向を推測する調査");
    WaitForKey(s);
    Continue(s, kBlue, "(視聴率調査)");
    WaitForKey(s);
    NewLine(s, 50, kBlue, "全数調査");
    NewLine(s, 50, kBlack, "　集団全部について調査すること");
    WaitForKey(s);
    Continue(s, kBlue, "(国勢調査)");
    WaitForKey(s);
    NewLine(s, 50, kBlack, "人口および世帯に関するデータを調べる「全数調査」5年ごとに実施");
    NewLine(s, 50, kBlack, "性別や年齢、配偶の関係、就業の状態や世帯の構成");
    WaitForKey(s);
    NewLine(s, 60, kPurple, "次の調査は、それぞれ標本調査、全数調査のどちらですか?");
    WaitForKey(s);
    // The answers are written later, 30 px after each question.
    NewLine(s, 50, kBlack, "(1)学校での健康診断");
    Set(s, 1, s.X + 30, s.YI1);
    NewLine(s, 50, kBlack, "(2)世論調査");
    Set(s, 2, s.X + 30, s.YI1);
    NewLine(s, 50, kBlack, "  世間一般の意見を明らかにする目的で行われる統計的社会調査");
    WaitForKey(s);
    Write(s, kBlue, s.X_a(1), s.Y_a(1), "全数調査");
    WaitForKey(s);
    Write(s, kBlue, s.X_a(2), s.Y_a(2), "標本調査");
}

void RunPopulationAndSampleScene(State& s) {
    Start(s);
    Heading(s, kBlack, "<P213 問1>");
    AfterHeading(s, kBlue, "缶詰の品質調査は標本調査　なぜ？");
    WaitForKey(s);
    NewLine(s, 50, kBlack, "全部の缶詰を調べると、商品として売り物にならなくなるから。");
    WaitForKey(s);
    NewLine(s, 70, kBlue, "Q 標本調査が行われるのはどんな場合?");
    WaitForKey(s);
    NewLine(s, 50, kBlack, "全数調査だと、多くの手間や時間、費用がかかる場合");
    WaitForKey(s);
    NewLine(s, 50, kBlack, "製品をこわすおそれがある場合");
    WaitForKey(s);

    // Page 2: population and sample side by side, each in its own frame.
    Start(s);
    survey::Cell(s, 40, 30, 228, 50, kRed, kBlue, kAmber, "標本調査");
    s.XI2 = s.X;
    s.YI1 = s.Y;
    const float size = 38;
    Frame(s, s.XI1, s.YI1 + 70, 13, 8, size);
    Put(s, kPopulation, 5, 4);
    const float x1 = s.X_a(kPopulation), y1 = s.Y_a(kPopulation);
    Set(s, kPopulationName, x1 - 57, y1 - 75);
    Set(s, kPopulationText, x1 - 190, y1 - 25);
    Set(s, kPopulationDots, x1 - 4 * size + 10, y1 + 50);
    Set(s, kRightTail, x1 + 5.5f * size, y1);
    Set(s, kRightHead, s.X_a(kRightTail) + 2 * size, y1);
    Set(s, kPopulationTrend, x1 - 95, s.GY2 + 2 * size + 30);

    Frame(s, s.GX2, s.GY1, 13, 8, size);
    Put(s, kSample, 5, 4);
    const float x11 = s.X_a(kSample), y11 = s.Y_a(kSample);
    Set(s, kSampleName, x11 - 38, y11 - 75);
    Set(s, kSampleText, x11 - 171, y11 - 25);
    Set(s, kSampleDots, x11 - 2 * size + 10, y11 + 50);
    Set(s, kDownTail, x11, s.GY2);
    Set(s, kDownHead, x11, s.GY2 + 2 * size);
    Set(s, kSurvey, x11 + size, s.GY2 + size / 2);
    Set(s, kSampleTrend, x11 - 114, s.Y_a(kDownHead) + 30);
    Set(s, kLeftTail, s.GX1, s.Y_a(kSampleTrend) + 25);
    Set(s, kLeftHead, s.GX1 - 2 * size, s.Y_a(kLeftTail));
    Set(s, kSizeHeading, s.GX1, 30);
    Set(s, kAnswers, s.GX2 - 3 * size + 10, 30);

    auto label = [&](float c, int i, const std::string& text) {
        Label(s, c, s.X_a(i), s.Y_a(i), text);
    };
    auto cell = [&](int i, const std::string& text) {
        survey::Cell(s, s.X_a(i), s.Y_a(i), 228, 50, kBlack, kBlue, kCyan, text);
    };
    Ellipse(s, kPopulation, size);
    label(kRed, kPopulationName, "母集団");
    DotRow(s, kPopulationDots, 6, size);
    WaitForKey(s);
    label(kBlack, kPopulationText, "傾向を知りたい集団全体");
    WaitForKey(s);
    survey::Arrow(s, kRightTail, kRightHead, 20, 16, -1, 1);
    Ellipse(s, kSample, size);
    label(kRed, kSampleName, "標本");
    DotRow(s, kSampleDots, 3, size);
    WaitForKey(s);
    label(kBlack, kSampleText, "取り出した一部の資料");
    WaitForKey(s);
    survey::Arrow(s, kDownTail, kDownHead, 20, 16, -1, 1);
    label(kBlack, kSurvey, "調査");
    WaitForKey(s);
    cell(kSampleTrend, "標本の傾向");
    WaitForKey(s);
    survey::Arrow(s, kLeftTail, kLeftHead, 20, 16, -1, 1);
    // The dots fall on the arrow itself; the label stands 20 px above it.
    LengthArc(s, kLeftTail, kLeftHead, 1, 10, "推測", {kBlue, kRed, 0, 0, -20});
    cell(kPopulationTrend, "母集団の傾向");
    WaitForKey(s);
    Write(s, kBlue, s.X_a(kSizeHeading), s.Y_a(kSizeHeading), "標本の大きさ");
    Write(s, kBlack, s.X_a(kSizeHeading), s.YI1 + 50, "取り出した資料の個数");
    WaitForKey(s);
    FixedLine(s, kPurple, "教科書P213 問2 をやろう。");
    WaitForKey(s);
    s.XI1 = s.X_a(kAnswers);
    s.YI1 = 30;
    Write(s, kBlue, s.XI1, s.YI1, "<解答>");
    NewLine(s, 50, kBlack, "母集団…");
    WaitForKey(s);
    NewLine(s, 50, kRed, "ある都市の有権者");
    NewLine(s, 50, kRed, "74358人");
    NewLine(s, 50, kBlack, "標本…");
    WaitForKey(s);
    NewLine(s, 50, kRed, "選び出した");
    NewLine(s, 50, kRed, "1000人");
    NewLine(s, 50, kBlack, "標本の大きさ…");
    WaitForKey(s);
    NewLine(s, 50, kRed, "1000");
}

}  // namespace vm
