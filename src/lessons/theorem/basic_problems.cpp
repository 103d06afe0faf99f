// Velmaris-A's basic-problem answers: two pages of four answered items
// under a title tag and the problem's number tag, drawn whole at once.
#include "formula/formula.h"
#include "frame/frame.h"
#include "lessons/common/text.h"
#include "lessons/theorem/converse_lesson.h"
#include "platform/colours.h"

namespace vm {

namespace {

struct Item {
    const char* label;
    const char* equation;
    const char* reasoning;
    const char* result;
};

void AnswerPage(State& s, const char* number, const Item (&items)[4]) {
    ClearScreen(s);
    Tags(s, "P192(三平方 基本の問題)", number, 72, 30, 44);
    PlaceCursor(s, 114, 30);
    for (const Item& item : items) {
        Write(s, kBlue, s.XI1 - 76, s.YI1 + 70, item.label);
        Continue(s, kBlack, item.equation);
        NewLine(s, 60, kBlack, item.reasoning);
        Continue(s, kRed, item.result);
    }
}

}  // namespace

Lesson TheoremBasicProblemsLesson() {
    return {nullptr,
            "P192(三平方 基本の問題)の解答　①→問題1　②→問題2　 ③終了",
            {BasicProblemOneAnswer, BasicProblemTwoAnswer}};
}

void RunTheoremBasicProblemsLesson(State& s) { RunLesson(s, TheoremBasicProblemsLesson()); }

void BasicProblemOneAnswer(State& s) {
    AnswerPage(s, "1",
               {{"(1)", "x^2=6^2+3^2=36+9=45", "x>0だから x=!45ﾝ=", "3!5ﾝ"},
                {"(2)", "x^2=3^2-2^2=9-4=5", "x>0だから x=", "!5ﾝ"},
                {"(3)", "x^2=(!5ﾝ)^2+(!3ﾝ)^2=5+3=8", "x>0だから x=!8ﾝ=", "2!2ﾝ"},
                {"(4)", "x^2=8^2-4^2=64-16=48", "x>0だから x=!48ﾝ=", "4!3ﾝ"}});
}

void BasicProblemTwoAnswer(State& s) {
    AnswerPage(s, "2",
               {{"ア ", "5^2+7^2=25+49=74", "9^2=81 だから ", "直角三角形ではない"},
                {"イ ", "(!2ﾝ)^2+(!3ﾝ)^2=2+3=5", "(!5ﾝ)^2=5 だから ", "直角三角形である"},
                {"ウ ", "0.6^2+0.8^2=0.36+0.64=1", "1^2=1 だから ", "直角三角形である"},
                {"エ ", "1^2+(!3ﾝ)^2=1+3=4", "2^2=4 だから ", "直角三角形である"}});
}

}  // namespace vm
