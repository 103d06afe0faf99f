// Scenes ② and ③ of the mean-estimation lesson: samples of ten typed by
// the pupil and samples of fifty drawn at random, each with its total and
// mean on a result line that stays while further samples are taken.
#include <cmath>
#include <string>

#include "frame/frame.h"
#include "lessons/common/drill.h"
#include "lessons/common/text.h"
#include "lessons/survey/estimation.h"
#include "lessons/survey/survey_draw.h"
#include "platform/colours.h"
#include "platform/runtime.h"

namespace vm {

namespace {

std::string NumberText(State& s, float v) {
    s.A_s = Str(v);
    StripSpaces(s);
    return s.A_s;
}

// The title, the population and the table's columns; `rows` rows from y 80.
void SetUp(State& s, float title_x, const std::string& title, int rows) {
    ClearScreen(s);
    s.XI0 = 30;
    s.YI1 = 20;
    Label(s, kBlue, title_x, 10, title);
    FillSugarPopulation(s);
    s.X_a(0) = s.XI0;
    s.X_a(1) = s.X_a(0) + 80;
    s.HABA = 90;
    for (int k = 2; k <= 10; ++k) s.X_a(k) = s.X_a(k - 1) + s.HABA;
    s.Y_a(0) = s.YI1 + 60;
    for (int r = 1; r <= rows; ++r) s.Y_a(r) = s.Y_a(r - 1) + 50;
    s.AINP = 3;
    s.YI1 = s.Y_a(rows);
}

void TableCell(State& s, float x, float y, int fill, const std::string& text) {
    survey::Cell(s, x, y, 90, 50, kBlack, kBlue, fill, text);
}

// A fresh table: its band erased, its header cells drawn, the sample's
// numbers and values cleared.
void NewTable(State& s, float bottom) {
    s.P.FillBox(0, s.Y_a(0), 1800, bottom + 30, kBackground, kBackground);
    for (int k = 1; k <= 50; ++k) {
        s.T_a(k) = 0;
        s.V_a(k) = 0;
    }
}

// "(n回) 合計 t  平均 m" one line below the last.
void ResultLine(State& s, int sample, long tenths, int size) {
    Write(s, kPurple, s.XI0, s.YI1 + 50, "(" + std::to_string(sample) + "回) ");
    Continue(s, kBlack, "合計 ");
    Continue(s, kBlue, TenthsText(tenths));
    Write(s, kBlack, s.XI2 + 76, s.YI1, "平均 ");
    Continue(s, kBlue, MeanText(tenths, size));
    s.H = static_cast<float>(std::lround(tenths * 10.0 / size)) / 100;
}

bool TakenBefore(State& s, int position) {
    for (int k = 1; k < position; ++k)
        if (s.T_a(k) == s.T_a(position)) return true;
    return false;
}

}  // namespace

void RunSampleOfTenScene(State& s) {
    SetUp(s, 132, " <乱数表による標本調査での推定> 標本の大きさ10", 2);
    // Totals are kept for any number of samples, not in slots.
    for (int sample = 1; s.AINP != 1; ++sample) {
        NewTable(s, s.Y_a(2));
        TableCell(s, s.X_a(0), s.Y_a(0), kAmber, "NO");
        TableCell(s, s.X_a(0), s.Y_a(1), kWhite, "糖度");
        long tenths = 0;
        for (int no = 1; no <= 10; ++no) {
            // The prompt is written once; a number refused reopens the field.
            s.AA_s = "NOを入力してください";
            for (;;) {
                AskNumberAtBottom(s);
                s.T_a(no) = s.AINP;
                const float t = s.T_a(no);
                // Only whole numbers name a tomato.
                if (t < 1 || t > 300 || t != std::floor(t)) continue;
                if (TakenBefore(s, no)) continue;
                break;
            }
            s.V_a(no) = s.F_a(s.T_a(no));
            tenths += Tenths(s.V_a(no));
            s.T_sa(1) = NumberText(s, s.T_a(no));
            s.T_sa(2) = NumberText(s, s.V_a(no));
            TableCell(s, s.X_a(no), s.Y_a(0), kAmber, s.T_sa(1));
            TableCell(s, s.X_a(no), s.Y_a(1), kWhite, s.T_sa(2));
        }
        EraseBottomLine(s);
        WaitForKey(s);
        ResultLine(s, sample, tenths, 10);
        AskNextStep(s);
    }
}

void RunRandomSampleOfFiftyScene(State& s) {
    SetUp(s, 120, " <RAND関数による標本調査での推定> 標本の大きさ50", 5);
    for (int sample = 1; s.AINP != 1; ++sample) {
        NewTable(s, s.Y_a(5));
        TableCell(s, s.X_a(0), s.Y_a(0), kWhite, "糖度");
        long tenths = 0;
        for (int no = 1; no <= 50; ++no) {
            if (no % 10 == 1) WaitForKey(s);
            // A number drawn before is drawn again at once.
            do s.T_a(no) = RandInt(s, 300, 1);
            while (TakenBefore(s, no));
            s.V_a(no) = s.F_a(s.T_a(no));
            tenths += Tenths(s.V_a(no));
            s.T_sa(2) = NumberText(s, s.V_a(no));
            s.YOKO = static_cast<float>(no % 10 == 0 ? 10 : no % 10);
            const int row = (no - 1) / 10;
            TableCell(s, s.X_a(s.YOKO), s.Y_a(row), kWhite, s.T_sa(2));
        }
        WaitForKey(s);
        ResultLine(s, sample, tenths, 50);
        AskNextStep(s);
    }
}

}  // namespace vm
