#include "lessons/survey/estimation.h"

#include <cmath>
#include <initializer_list>

#include "frame/frame.h"
#include "lessons/common/text.h"
#include "lessons/survey/survey_draw.h"
#include "platform/colours.h"

namespace vm {

Lesson MeanEstimationLesson() {
    return {ShowMeanEstimationGoal,
            kMeanEstimationSceneList,
            {RunRandomNumberTableScene, RunSampleOfTenScene, RunRandomSampleOfFiftyScene,
             RunSpreadBySampleSizeScene}};
}

void ShowMeanEstimationGoal(State& s) { GoalScreen(s, {"標本調査を実際にやってみよう。"}); }

int Tenths(float value) { return static_cast<int>(std::lround(value * 10)); }

std::string TenthsText(long tenths) {
    std::string t = std::to_string(tenths / 10);
    if (tenths % 10 != 0) t += "." + std::to_string(tenths % 10);
    return t;
}

std::string MeanText(long tenths, int size) {
    // Hundredths of the mean: tenths·10/size, to the nearest whole number.
    const long h = (tenths * 10 * 2 + size) / (2 * size);
    std::string t = std::to_string(h / 100);
    const long cents = h % 100;
    if (cents == 0) return t;
    t += "." + std::to_string(cents / 10);
    if (cents % 10 != 0) t += std::to_string(cents % 10);
    return t;
}

namespace {

// The random-number row of the demonstration: seven two-digit groups, each
// followed by an empty cell.
constexpr const char* kRow[21] = {"6", "0", "", "3", "1", "", "5", "5", "", "4", "2",
                                  "",  "6", "8", "", "5", "3", "", "2", "7", ""};

// Cell i of the row drawn again in a highlight colour; the text cursor
// stays with the sentence.
void Highlight(State& s, std::initializer_list<int> cells, int fill) {
    for (const int i : cells)
        survey::Cell(s, s.X_a(i), s.Y_a(1), 30, 50, kBlack, kWhite, fill, s.T_sa(i));
}

}  // namespace

void RunRandomNumberTableScene(State& s) {
    ClearScreen(s);
    s.XI0 = 30;
    s.XI1 = s.XI0 + 36;
    s.YI1 = 20;
    Label(s, kBlue, s.XI0, s.YI1, "ミニトマト300個の糖度の平均値を、標本調査で推定しよう");
    WaitForKey(s);
    Write(s, kPurple, s.XI0, s.YI1 + 50, "※");
    Write(s, kBlack, s.XI1, s.YI1, "10個を無作為に抽出して、平均値を求めよう。");
    WaitForKey(s);
    Write(s, kPurple, s.XI0, s.YI1 + 50, "<乱数表の使い方>");
    s.HABA = 30;
    s.X_a(1) = s.XI1;
    for (int i = 2; i <= 21; ++i) s.X_a(i) = s.X_a(i - 1) + s.HABA;
    s.Y_a(1) = s.YI1 + 60;
    for (int i = 1; i <= 21; ++i) s.T_sa(i) = kRow[i - 1];
    s.XI2 = s.X_a(1);
    for (int i = 1; i <= 21; ++i) {
        survey::Cell(s, s.XI2, s.Y_a(1), 30, 50, kBlack, kWhite, kWhite, s.T_sa(i));
        s.XI2 = s.X;
        s.YI1 = s.Y;
    }
    WaitForKey(s);
    Write(s, kPurple, s.XI0, s.YI1 + 60, "①");
    Write(s, kBlack, s.XI1, s.YI1, "出発点を決める");
    Highlight(s, {2}, kCyan);
    WaitForKey(s);
    Write(s, kPurple, s.XI0, s.YI1 + 50, "②");
    Write(s, kBlack, s.XI1, s.YI1, "3つ区切って、3けたの数をつくる");
    Highlight(s, {4, 5}, kCyan);
    WaitForKey(s);
    Write(s, kBlue, s.XI2 + 30, s.YI1, "31");
    WaitForKey(s);
    Write(s, kPurple, s.XI0, s.YI1 + 50, "③");
    Write(s, kBlack, s.XI1, s.YI1, "3つ区切って、3けたの数をつくる");
    Highlight(s, {7, 8, 10}, kAmber);
    WaitForKey(s);
    Write(s, kBlue, s.XI2 + 30, s.YI1, "554");
    WaitForKey(s);
    Write(s, kRed, s.XI1, s.YI1 + 50, "300をこえるから捨てる。(使わない)");
    WaitForKey(s);
    Write(s, kPurple, s.XI0, s.YI1 + 50, "④");
    Write(s, kBlack, s.XI1, s.YI1, "3つ区切って、3けたの数をつくる");
    Highlight(s, {11, 13, 14}, kCyan);
    WaitForKey(s);
    Write(s, kBlue, s.XI2 + 30, s.YI1, "268");
}

}  // namespace vm
