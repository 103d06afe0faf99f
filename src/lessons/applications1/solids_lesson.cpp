#include "lessons/applications1/solids.h"

#include "frame/frame.h"
#include "lessons/common/text.h"
#include "platform/colours.h"

namespace vm {

Lesson SolidsLesson() {
    return {ShowSolidsGoal,
            " ①直方体　②問11　③問12　④問13　⑤円錐　⑥問14　⑦問15　⑧終了",
            {CuboidDiagonalExample, CuboidDiagonalAnswer, CuboidDiagonalFormula, CubeDiagonalAnswer, ConeVolumeExample,
             ConeVolumeProblem, SquarePyramidProblem}};
}

void RunSolidsLesson(State& s) { RunLesson(s, SolidsLesson()); }

void ShowSolidsGoal(State& s) {
    GoalScreen(s, {"三平方の定理を利用して空間のいろいろな長さを求めよう。"});
}

void CubeDiagonalAnswer(State& s) {
    ClearScreen(s);
    PlaceCursor(s, 36, 30);
    Write(s, kBlue, s.XI1, s.YI1, "教科書P199 問13 解答");
    NewLine(s, 60, kBlack, "立方体の対角線は、");
    NewLine(s, 60, kBlack, " !6^2+6^2+6^2ﾝ");
    NewLine(s, 60, kBlack, "=!3*6^2ﾝ");
    NewLine(s, 60, kBlack, "=6!3ﾝ");
    NewLine(s, 60, kRed, "答　6!3ﾝcm");
}

}  // namespace vm
