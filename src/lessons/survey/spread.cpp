// Scene ④ of the mean-estimation lesson: how widely the means of many
// samples spread for the sample sizes 5, 10 and 50, on one chart.
#include "formula/formula.h"
#include "frame/frame.h"
#include "lessons/common/text.h"
#include "lessons/survey/charts.h"
#include "lessons/survey/estimation.h"
#include "platform/colours.h"

namespace vm {

namespace {

// The chart: sugar contents 6.5 to 8.0 across, one row per sample size.
void DrawSpreadChart(State& s) {
    s.U_a(2) = 440;
    s.V_a(2) = s.YI1 + 10;
    s.GGX = s.U_a(2);
    s.GGY = s.V_a(2);
    s.YOKO = 8;
    s.TATE = 4;
    s.SIZEX = 80;
    s.SIZEY = 60;
    const char* columns[] = {"", "6.5", "", "7.0", "", "7.5", "", "8.0", "", "糖度"};
    for (int c = 0; c <= 9; ++c) s.X_sa(c) = columns[c];
    const char* rows[] = {"", "50", "10", "5", "標本の大きさ"};
    for (int r = 0; r <= 4; ++r) s.Y_sa(r) = rows[r];
    DrawChartGrid(s);
    s.AIDA = s.SIZEY;
    // The title of the across axis, under its end.
    s.CCC1 = kBlack;
    s.X = s.GX0 + 8 * s.SIZEX - 40;
    s.Y = s.GY0 + 4;
    s.AA_s = s.X_sa(9);
    DrawLabelText(s);

    // Five-number summaries in grid columns: v stands for 6.25 + 0.25·v.
    const float plots[3][5] = {
        {0.8f, 1.8f, 2.9f, 4.6f, 7.2f},
        {1, 2.15f, 3.1f, 3.9f, 5},
        {2.2f, 2.55f, 2.91f, 3.3f, 4.35f},
    };
    for (int k = 0; k < 3; ++k) {
        for (int i = 0; i < 5; ++i) s.HH_a(i + 1) = plots[k][i];
        s.GGX = s.U_a(2);
        s.GY3 = s.GY1 + static_cast<float>(k + 1) * s.AIDA;
        s.SIZEX = 80;
        s.TANIX = 1;
        s.YOKO1X = 1;
        s.SIZEY = 40;
        s.CCC2 = kBlue;
        s.HEI = -1;
        DrawBoxPlot(s);
    }
}

}  // namespace

void RunSpreadBySampleSizeScene(State& s) {
    ClearScreen(s);
    s.XI0 = 30;
    s.XI1 = s.XI0 + 36;
    s.YI1 = 20;
    Label(s, kBlue, s.XI0, s.YI1, "標本の大きさと平均値のばらつきの関係を考えよう");
    WaitForKey(s);
    Write(s, kPurple, s.XI0, s.YI1 + 50, "※箱ひげ図");
    WaitForKey(s);
    DrawSpreadChart(s);
    Write(s, kBlue, s.XI0, s.YI1 + 100, "母集団の平均値");
    Write(s, kBlue, s.XI1, s.YI1 + 50, "7.0");
    WaitForKey(s);
    Write(s, kPurple, s.XI0, s.YI1 + 100, "図からわかることは?");
    WaitForKey(s);
    Write(s, kPurple, s.XI0, s.YI1 + 50, "①");
    Continue(s, kBlue, "中央値 ");
    WaitForKey(s);
    Continue(s, kBlack, "どれも母集団の平均値に近い値になっている");
    WaitForKey(s);
    Write(s, kPurple, s.XI0, s.YI1 + 50, "②");
    Continue(s, kBlue, "箱の横の長さ ");
    WaitForKey(s);
    Continue(s, kBlack, "標本の大きさが大きいほど短くなっている");
    WaitForKey(s);
    Write(s, kPurple, s.XI0, s.YI1 + 50, "③");
    Continue(s, kBlue, "ひげの横の長さ ");
    WaitForKey(s);
    Continue(s, kBlack, "標本の大きさが大きいほど短くなっている");
    WaitForKey(s);
    Write(s, kRed, s.XI0, s.YI1 + 60, "標本の大きさが大きいほど、標本の平均のばらつきは小さくなる");
}

}  // namespace vm
