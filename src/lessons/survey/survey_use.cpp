// Scenes ① and ② of the survey-use lesson: defective products among 6000
// and aluminium cans among 240, each found by a rate and by a proportion.
#include "lessons/survey/survey_use.h"

#include "frame/frame.h"
#include "lessons/common/figure.h"
#include "lessons/common/text.h"
#include "lessons/survey/survey_draw.h"
#include "platform/colours.h"

namespace vm {

namespace {

constexpr int kPopulationTop = 1, kPopulationBottom = 2, kArrowHead = 4, kSampleTop = 5,
              kSampleBottom = 6;

void Start(State& s) {
    ClearScreen(s);
    s.XI0 = 30;
    s.XI1 = s.XI0 + 36;
    s.YI1 = 20;
}

// A framed block of dots from corner point a to corner point b; each row
// in its colour and followed by its ellipsis.
template <class RowColour>
void DotBlock(State& s, int a, int b, int rows, int columns, RowColour colour,
              const std::string& more) {
    const float xa = s.X_a(a), ya = s.Y_a(a);
    s.P.SetDrawWidth(8);
    s.P.FillBox(xa - 6, ya - 6, s.X_a(b) + 6, s.Y_a(b) + 6, kRed, kAmber);
    s.P.SetDrawWidth(5);
    const float r = s.SIZE / 2 - 3;
    for (int row = 0; row < rows; ++row) {
        s.CCC3 = static_cast<float>(colour(row));
        for (int c = 0; c < columns; ++c)
            s.P.Dot(xa + s.SIZE / 2 + s.SIZE * static_cast<float>(c),
                    ya + s.SIZE / 2 + s.SIZE * static_cast<float>(row), r,
                    static_cast<int>(s.CCC3));
        Label(s, s.CCC3, xa + s.SIZE / 2 + s.SIZE * static_cast<float>(columns),
              ya + s.SIZE * static_cast<float>(row), more);
    }
}

}  // namespace

Lesson SurveyUseLesson() {
    return {ShowSurveyUseGoal,
            kSurveyUseSceneList,
            {RunDefectiveEstimateScene, RunCanEstimateScene, RunFishEstimateScene,
             RunStationSurveyScene, RunRegularBuyersScene}};
}

void ShowSurveyUseGoal(State& s) {
    GoalScreen(s, {"標本調査を利用して、母集団全体の数量を推測しよう。"});
}

void DrawProductPopulation(State& s) {
    DotBlock(s, kPopulationTop, kPopulationBottom, 5, 11,
             [](int row) { return row % 2 == 0 ? kBlue : kGreen; }, "……");
}

void DrawProductSample(State& s) {
    DotBlock(s, kSampleTop, kSampleBottom, 4, 6,
             [](int row) { return row < 2 ? kBlue : kGreen; }, "…");
    // The defective products of the sample: the first three of its third row.
    const float r = s.SIZE / 2 - 3;
    for (int c = 0; c < 3; ++c)
        s.P.Dot(s.X_a(kSampleTop) + s.SIZE / 2 + s.SIZE * static_cast<float>(c),
                s.Y_a(kSampleTop) + s.SIZE / 2 + 2 * s.SIZE, r, kBlack);
}

void RunDefectiveEstimateScene(State& s) {
    Start(s);
    Write(s, kBlack, s.XI0, s.YI1, "ある工場で製造した製品6000個から、500個を無作為に抽出して検査したら");
    Write(s, kBlack, s.XI0, s.YI1 + 50, "不良品が3個あった。不良品は全部で何個と考えられますか?");
    Frame(s, 704, 200, 14, 12, 35);
    Put(s, {{1, 0, 5}, {2, 14, 0}, {3, 0, 11}, {4, 3, 7}, {5, 6, 11}, {6, 14, 7}});
    s.P.SetDrawWidth(5);
    WaitForKey(s);
    DrawProductPopulation(s);
    Label(s, kRed, s.X_a(kPopulationTop), s.Y_a(kPopulationTop) - 60, "母集団(6000個)");
    WaitForKey(s);
    DrawProductSample(s);
    // Up from the population's frame to just under the sample's.
    const float x = s.X_a(kSampleTop) + 4 * s.SIZE;
    survey::ArrowAt(s, x, s.Y_a(kArrowHead) + 8, x, s.Y_a(kPopulationTop) - 8, 10, 20, 1, 0);
    Label(s, kRed, s.X_a(kSampleTop), s.Y_a(kSampleTop) - 60, "標本(500個)");
    Write(s, kPurple, s.XI0, s.YI1 + 50, "<解1>");
    WaitForKey(s);
    Write(s, kBlack, s.XI2 + 20, s.YI1 + 20, "不良品の割合は、");
    WaitForKey(s);
    Continue(s, kBlue, "ﾀ3/500ﾀ=0.006");
    WaitForKey(s);
    Write(s, kBlue, s.XI0, s.YI1 + 70, "6000個では ");
    WaitForKey(s);
    Continue(s, kBlack, "6000*ﾀ3/500ﾀ=");
    WaitForKey(s);
    Continue(s, kRed, "36(個)");
    Write(s, kPurple, s.XI0, s.YI1 + 80, "<解2>");
    WaitForKey(s);
    Continue(s, kBlack, "不良品全体の個数をx個とすると");
    NewLine(s, 60, kBlack, "500:6000=");
    WaitForKey(s);
    Continue(s, kBlack, "3:x");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "500x=3*6000");
    WaitForKey(s);
    NewLine(s, 70, kBlack, " x=ﾀ3*6000/500ﾀ=");
    WaitForKey(s);
    Continue(s, kBlack, "3*12=");
    Continue(s, kBlue, "36");
    NewLine(s, 60, kRed, "答 およそ36個");
    WaitForKey(s);
    FixedLine(s, kPurple, "教科書P217 問3　をしなさい。");
}

void RunCanEstimateScene(State& s) {
    Start(s);
    Write(s, kBlue, s.XI1, s.YI1, "教科書P217 問3解答");
    Write(s, kPurple, s.XI0, s.YI1 + 50, "<解1>");
    WaitForKey(s);
    Write(s, kBlack, s.XI2 + 20, s.YI1 + 20, "アルミ缶の割合は、");
    WaitForKey(s);
    Continue(s, kBlue, "ﾀ28/32ﾀ=ﾀ7/8ﾀ");
    WaitForKey(s);
    Write(s, kBlue, s.XI0, s.YI1 + 70, "240個では ");
    WaitForKey(s);
    Continue(s, kBlack, "240*ﾀ7/8ﾀ=");
    WaitForKey(s);
    Continue(s, kRed, "210(個)");
    Write(s, kPurple, s.XI0, s.YI1 + 80, "<解2>");
    WaitForKey(s);
    Continue(s, kBlack, "アルミ缶全体の個数をx個とすると");
    NewLine(s, 60, kBlack, "32:240=");
    WaitForKey(s);
    Continue(s, kBlack, "28:x");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "32x=240*28");
    WaitForKey(s);
    NewLine(s, 70, kBlack, " x=ﾀ240*28/32ﾀ=");
    WaitForKey(s);
    Continue(s, kBlack, "30*7=");
    Continue(s, kBlue, "210");
    NewLine(s, 60, kRed, "答 およそ210個");
}

}  // namespace vm
