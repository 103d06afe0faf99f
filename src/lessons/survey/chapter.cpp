#include "lessons/survey/chapter.h"

#include <string>

#include "formula/formula.h"
#include "frame/frame.h"
#include "lessons/common/text.h"
#include "lessons/survey/survey_draw.h"
#include "platform/colours.h"

namespace vm {

namespace {

void Framed(State& s, float x, float y, float haba, int ink, int border, int fill,
            const std::string& text) {
    s.X = x;
    s.Y = y;
    s.A_s = text;
    s.HABA = haba;
    s.TATE = 50;
    s.CCC1 = static_cast<float>(ink);
    s.CCC2 = static_cast<float>(border);
    s.CCC3 = static_cast<float>(fill);
    DrawFramedText(s);
    s.XI2 = s.X;
    s.YI1 = s.Y;
}

// The heading box at (x, y) and the scene's number 44 px right of it.
void Head(State& s, float x, float y, const std::string& number) {
    ClearScreen(s);
    Framed(s, x, y, 484, kBlack, kBlue, kAmber, "P220(章の問題A)");
    Framed(s, s.XI2 + 44, s.YI1, 40, kAmber, kDeepNavy, kBlue, number);
}

void Start(State& s, const std::string& number) {
    s.XI1 = 108;
    s.YI1 = 30;
    Head(s, s.XI1, s.YI1, number);
}

}  // namespace

Lesson SurveyChapterProblemsLesson() {
    return {nullptr,
            kSurveyChapterSceneList,
            {RunCensusOrSampleAnswers, RunRedAndWhiteBallAnswers, RunWhiteBallCountAnswers,
             RunBiasedSurveyAnswers}};
}

void RunCensusOrSampleAnswers(State& s) {
    Start(s, "1");
    WaitForKey(s);
    NumberedLine(s, 60, kBlack, "(1)　");
    Continue(s, kRed, "標本調査");
    NumberedLine(s, 60, kBlack, "(2)　");
    Continue(s, kRed, "全数調査");
    NumberedLine(s, 60, kBlack, "(3)　");
    Continue(s, kRed, "標本調査");
    NumberedLine(s, 60, kBlack, "(4)　");
    Continue(s, kRed, "全数調査");
}

void RunRedAndWhiteBallAnswers(State& s) {
    s.XI0 = 30;
    s.XI1 = s.XI0 + 54;
    s.YI1 = 20;
    Head(s, s.XI0, s.YI1, "2");
    struct Row {
        const char* cells[7];
        int ink, fill;
    };
    const Row rows[] = {
        {{"", "1回目", "2回目", "3回目", "4回目", "5回目", "合計"}, kBlue, kWhite},
        {{"赤玉", "19", "22", "21", "18", "20", "100"}, kRed, kWhite},
        {{"白玉", "11", "8", "9", "12", "10", "50"}, kWhite, kDeepNavy},
    };
    float y = s.YI1 + 60;
    for (const Row& row : rows) {
        for (int i = 0; i <= 6; ++i) s.T_sa(i) = row.cells[i];
        s.X = s.XI1;
        for (int i = 0; i <= 6; ++i) {
            s.II = static_cast<float>(i);
            survey::Cell(s, s.X, y, 120, 50, row.ink, kPurple, row.fill, s.T_sa(i));
        }
        s.YI1 = y;
        y += 50;
    }
    Write(s, kPurple, s.XI0, s.YI1 + 60, "(1)");
    WaitForKey(s);
    Continue(s, kBlack, "100/5=");
    Continue(s, kRed, "20(個)");
    Write(s, kPurple, s.XI0, s.YI1 + 70, "(2)");
    WaitForKey(s);
    Continue(s, kBlack, "ﾀ20/30ﾀ=");
    Continue(s, kRed, "ﾀ2/3ﾀ");
    Write(s, kPurple, s.XI0, s.YI1 + 70, "(3)");
    WaitForKey(s);
    Continue(s, kBlue, "赤玉は、");
    Continue(s, kBlack, "600*ﾀ2/3ﾀ=");
    Continue(s, kBlue, "400");
    WaitForKey(s);
    NewLine(s, 60, kBlue, "白玉は、");
    Continue(s, kBlack, "600-400=");
    Continue(s, kBlue, "200");
    NewLine(s, 80, kRed, "答 赤玉…およそ400個,白玉…およそ200個");
}

void RunWhiteBallCountAnswers(State& s) {
    Start(s, "3");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "白色のボールの個数をx個とすると");
    NewLine(s, 60, kBlack, "3:30=50:(x+50)");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "3(x+50)=1500");
    NewLine(s, 60, kBlack, "3x+150=1500");
    NewLine(s, 60, kBlack, "3x=1500-150=1350");
    NewLine(s, 70, kBlack, " x=ﾀ1350/3ﾀ=");
    Continue(s, kBlue, "450");
    NewLine(s, 80, kRed, "答 およそ450個");
}

void RunBiasedSurveyAnswers(State& s) {
    Start(s, "4");
    WaitForKey(s);
    NewLine(s, 60, kRed, "適切ではない。");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "アンケート調査をすれば、若者のデータが多く集まり、");
    NewLine(s, 60, kBlack, "かたよったデータを抽出したことになってしまう。");
    NewLine(s, 60, kBlack, "標本を無作為に抽出したことにはならないため、");
    NewLine(s, 60, kBlack, "日本に住んでいる人たちの傾向はつかめない。");
}

}  // namespace vm
