// Velmaris-D's second lesson, estimating a mean: the population, the
// scenes of the random-number table and of the spread, and samples of ten
// and of fifty with their exact totals and means.
#include "lessons/survey/estimation.h"

#include <map>
#include <regex>

#include "frame/frame.h"
#include <gtest/gtest.h>

#include "formula/formula.h"
#include "support/log.h"
#include "support/rig.h"
#include "support/scene.h"

namespace vm::test {
namespace {

TEST(MeanEstimation, PopulationConstants) {
    Rig r(ProgramD());
    r.s.F_a(0) = -1;
    FillSugarPopulation(r.s);
    long tenths = 0;
    int smallest = 0, largest = 0;
    for (int n = 1; n <= 300; ++n) {
        const float v = r.s.F_a(n);
        tenths += Tenths(v);
        EXPECT_NEAR(v * 10, static_cast<float>(Tenths(v)), 1e-3) << n;
        if (v == 4.1f) ++smallest;
        if (v == 9.6f) ++largest;
        EXPECT_GE(v, 4.1f);
        EXPECT_LE(v, 9.6f);
    }
    EXPECT_EQ(tenths, 21105);
    EXPECT_EQ(smallest, 1);
    EXPECT_EQ(largest, 1);
    EXPECT_EQ(r.s.F_a(78), 4.1f);
    EXPECT_EQ(r.s.F_a(274), 9.6f);
    EXPECT_EQ(r.s.F_a(10), 8.0f);
    EXPECT_EQ(r.s.F_a(0), -1);
}

TEST(MeanEstimation, TotalsAndMeansAreExactDecimals) {
    struct Case {
        long tenths;
        int size;
        const char *total, *mean;
    };
    const Case cases[] = {
        {845, 10, "84.5", "8.45"}, {537, 10, "53.7", "5.37"}, {800, 10, "80", "8"},
        {750, 10, "75", "7.5"},    {3513, 50, "351.3", "7.03"}, {3500, 50, "350", "7"},
        {3644, 50, "364.4", "7.29"}, {3437, 50, "343.7", "6.87"}, {41, 10, "4.1", "0.41"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TenthsText(c.tenths), c.total);
        EXPECT_EQ(MeanText(c.tenths, c.size), c.mean) << c.tenths << "/" << c.size;
    }
}

const std::vector<SceneCase>& Scenes() {
    static const std::vector<SceneCase> scenes = {
        {1, 10,
         {{kLabel, "ミニトマト300個の糖度の平均値を、標本調査で推定しよう", 30, 20, 3},
          {kAt, "※", 30, 70, 7},
          {kAt, "10個を無作為に抽出して、平均値を求めよう。", 66, 70, 0},
          {kAt, "<乱数表の使い方>", 30, 120, 7},
          {kLabel, "6", 66 + 1.5f, 183, 0},
          {kLabel, "7", 66 + 30 * 19 + 1.5f, 183, 0},
          {kAt, "①", 30, 240, 7},
          {kAt, "出発点を決める", 66, 240, 0},
          {kLabel, "0", 96 + 1.5f, 183, 0, kAnyKey, 2},
          {kAt, "②", 30, 290, 7},
          {kAt, "3つ区切って、3けたの数をつくる", 66, 290, 0},
          {kAt, "31", SurveyEnd("3つ区切って、3けたの数をつくる", 66) + 30, 290, 3},
          {kAt, "③", 30, 340, 7},
          {kAt, "3つ区切って、3けたの数をつくる", 66, 340, 0},
          {kAt, "554", SurveyEnd("3つ区切って、3けたの数をつくる", 66) + 30, 340, 3},
          {kAt, "300をこえるから捨てる。(使わない)", 66, 390, 5},
          {kAt, "④", 30, 440, 7},
          {kAt, "3つ区切って、3けたの数をつくる", 66, 440, 0},
          {kAt, "268", SurveyEnd("3つ区切って、3けたの数をつくる", 66) + 30, 440, 3}}},
        {4, 10,
         {{kLabel, "標本の大きさと平均値のばらつきの関係を考えよう", 30, 20, 3},
          {kAt, "※箱ひげ図", 30, 70, 7},
          {kAt, "母集団の平均値", 30, 170, 3},
          {kAt, "7.0", 66, 220, 3},
          {kAt, "図からわかることは?", 30, 320, 7},
          {kAt, "①", 30, 370, 7},
          {kAfter, "中央値 ", 0, 370, 3},
          {kAfter, "どれも母集団の平均値に近い値になっている", 0, 370, 0},
          {kAt, "②", 30, 420, 7},
          {kAfter, "箱の横の長さ ", 0, 420, 3},
          {kAfter, "標本の大きさが大きいほど短くなっている", 0, 420, 0},
          {kAt, "③", 30, 470, 7},
          {kAfter, "ひげの横の長さ ", 0, 470, 3},
          {kAfter, "標本の大きさが大きいほど短くなっている", 0, 470, 0},
          {kAt, "標本の大きさが大きいほど、標本の平均のばらつきは小さくなる", 30, 530, 5}}},
    };
    return scenes;
}

class MeanEstimationScene : public ::testing::TestWithParam<SceneCase> {};

TEST_P(MeanEstimationScene, WaitsAndTextsInOrder) { CheckScene(ProgramD(), 2, GetParam()); }

INSTANTIATE_TEST_SUITE_P(MeanEstimation, MeanEstimationScene, ::testing::ValuesIn(Scenes()), SceneName);

TEST(MeanEstimation, HighlightsOfTheRandomNumberRow) {
    Rig r(ProgramD());
    r.AnyKeys(10);
    ASSERT_TRUE(r.Run(RunRandomNumberTableScene));
    std::map<int, int> fill;  // cell number -> last fill
    for (const Op& op : OfKind(r.Log(), Op::FillBox)) {
        if (op.y1 != 180 || op.x2 - op.x1 != 30) continue;
        fill[static_cast<int>((op.x1 - 66) / 30) + 1] = op.fill;
    }
    ASSERT_EQ(fill.size(), 21u);
    for (const auto& [cell, f] : fill) {
        const bool used = cell == 2 || cell == 4 || cell == 5 || cell == 11 || cell == 13 ||
                          cell == 14;
        const bool thrown = cell == 7 || cell == 8 || cell == 10;
        EXPECT_EQ(f, used ? 11 : thrown ? 13 : 15) << cell;
    }
    EXPECT_EQ(r.s.HABA, 30);
}

TEST(MeanEstimation, SpreadChart) {
    Rig r(ProgramD());
    r.AnyKeys(10);
    ASSERT_TRUE(r.Run(RunSpreadBySampleSizeScene));
    // Boxes 224, 140 and 60 wide, from the top row down.
    std::vector<float> widths;
    for (const Op& op : OfKind(r.Log(), Op::FillBox))
        if (op.colour == 3 && op.fill == 15) widths.push_back(op.x2 - op.x1);
    ASSERT_EQ(widths.size(), 3u);
    EXPECT_NEAR(widths[0], 224, 0.01);
    EXPECT_NEAR(widths[1], 140, 0.01);
    EXPECT_NEAR(widths[2], 60, 0.01);
    EXPECT_EQ(r.s.GX0, 440);
    EXPECT_EQ(r.s.GY1, 80);
    EXPECT_EQ(CountMarkup(r.Log(), "糖度", 1040, 324, 0, DrawLabelText), 1);
    EXPECT_EQ(CountMarkup(r.Log(), "7.0", 680 - 39, 324, 0, DrawLabelText), 1);
    EXPECT_EQ(CountMarkup(r.Log(), "標本の大きさ", 440 - 8 - 180, 80 - 13, 0, DrawLabelText),
              1);
}

// The result lines of a run: the glyphs of each line at y >= `from`
// joined, the blanks drawn as text included.
std::vector<std::string> ResultLines(const std::vector<Op>& log, float from) {
    std::map<float, std::string> lines;
    for (const Op& op : log) {
        if (op.kind != Op::Text) continue;
        // A point stands 14 px below its line's top.
        const float y = op.text == "." ? op.y1 - 14 : op.y1;
        if (y >= from && y < 900 && y != 666 && y != 648 && static_cast<int>(y - from) % 50 == 0)
            lines[y] += op.text;
    }
    std::vector<std::string> out;
    for (const auto& [y, text] : lines) out.push_back(text);
    return out;
}

std::string Typed(int from, int to) {
    std::string k;
    for (int n = from; n <= to; ++n) k += std::to_string(n) + "\\n";
    return k;
}

TEST(SampleOfTen, TypedSamplesGiveExactTotalsAndMeans) {
    // 1 to 10, then 291 to 300; the first gate takes another sample, the
    // second ("2/2", whose value is 1) ends the scene.
    const Ended run = RunKeys(ProgramD(), "2\\n2\\n" + Typed(1, 10) + "{Any}3\\n" +
                                              Typed(291, 300) + "{Any}2/2\\n5\\n6\\n");
    EXPECT_EQ(run.unread, 0u);
    EXPECT_FALSE(run.error);
    const auto lines = ResultLines(run.log, 230);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "(1回) 合計 84.5平均 8.45");
    EXPECT_EQ(lines[1], "(2回) 合計 53.7平均 5.37");
    // The values of the first sample, as the table shows them.
    const char* values[] = {"9.4", "8.9", "8.7", "7.4", "8.5", "8.4", "8.2", "9.5", "7.5", "8"};
    for (int k = 1; k <= 10; ++k) {
        const float x = 20 + 90.0f * static_cast<float>(k);
        const float w = SurveyEnd(values[k - 1], 0);
        EXPECT_EQ(CountMarkup(run.log, values[k - 1], x + (90 - w) / 2, 133, 0, nullptr,
                              &SurveyBinding()),
                  1)
            << values[k - 1];
    }
    // The result pieces: "平均 " 76 px after the total.
    const float total_end = SurveyEnd("84.5", SurveyEnd("合計 ", SurveyEnd("(1回) ", 30)));
    EXPECT_EQ(CountMarkup(run.log, "平均 ", total_end + 76, 230, 0, nullptr, &SurveyBinding()),
              1);
    // One prompt a position, one wait a sample.
    EXPECT_EQ(CountMarkup(run.log, "NOを入力してください", 16, 666, 0, DrawPromptText), 20);
    EXPECT_EQ(CountStepWaits(run.log), 2u);
}

TEST(SampleOfTen, RefusedEntriesCostOneMoreEntryEachAndChangeNothing) {
    const std::string refused =
        "0\\n301\\n-1\\n\\n2.5\\n7/2\\n5/0\\n/\\n-\\n.\\n1.2.3\\n1234567890\\n";
    // Each refused entry once before the first number, and the first number
    // again before the second.
    const Ended run = RunKeys(ProgramD(), "2\\n2\\n" + refused + "1\\n1\\n" + Typed(2, 10) +
                                              "{Any}1\\n5\\n6\\n");
    EXPECT_EQ(run.unread, 0u);
    EXPECT_FALSE(run.error);
    EXPECT_FALSE(ShowsError(run.log));
    const auto lines = ResultLines(run.log, 230);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "(1回) 合計 84.5平均 8.45");
    // Ten number cells and the header: eleven orange cells, no more.
    size_t numbers = 0;
    for (const Op& op : OfKind(run.log, Op::FillBox))
        if (op.fill == 13 && op.y1 == 80) ++numbers;
    EXPECT_EQ(numbers, 11u);
    EXPECT_EQ(CountMarkup(run.log, "NOを入力してください", 16, 666, 0, DrawPromptText), 10);
}

TEST(SampleOfTen, TwelfthSampleCompletes) {
    std::string keys = "2\\n2\\n";
    for (int n = 1; n <= 12; ++n) keys += Typed(n, n + 9) + "{Any}" + (n < 12 ? "3" : "1") + "\\n";
    const Ended run = RunKeys(ProgramD(), keys + "5\\n6\\n");
    EXPECT_EQ(run.unread, 0u);
    EXPECT_FALSE(run.error);
    EXPECT_NE(FindText(run.log, "(12回)"), kNone);
    EXPECT_NE(FindText(run.log, "(11回)"), kNone);
}

TEST(SampleOfFifty, SamplesUnderManySeeds) {
    // Values of the population and how often each occurs in it.
    Rig pop(ProgramD());
    FillSugarPopulation(pop.s);
    std::map<int, int> occurs;
    for (int n = 1; n <= 300; ++n) ++occurs[Tenths(pop.s.F_a(n))];

    const std::regex line(R"(\((\d+)回\) 合計 ([0-9.]+)平均 ([0-9.]+))");
    for (const char* time : {"00:00:00", "01:02:03", "09:15:40", "12:34:56", "23:59:59"}) {
        SCOPED_TRACE(time);
        const Ended run = RunKeys(ProgramD(),
                                  "2\\n3\\n" + AnyKeys(6) + "3\\n" + AnyKeys(6) + "\\n" +
                                      AnyKeys(6) + "1\\n5\\n6\\n",
                                  time);
        EXPECT_EQ(run.unread, 0u);
        EXPECT_FALSE(run.error);
        // The value cells of each sample: the text after each 90 x 50 box
        // with border 3 and fill 15 right of the header column.
        std::vector<std::vector<int>> samples;
        std::string* cell = nullptr;
        std::vector<std::string> texts;
        for (const Op& op : run.log) {
            if (op.kind == Op::FillBox && op.y1 == 80 && op.x1 == 0) samples.emplace_back();
            if (op.kind == Op::FillBox && op.colour == 3 && op.fill == 15 && op.x1 >= 110) {
                texts.emplace_back();
                cell = &texts.back();
                samples.back().push_back(static_cast<int>(texts.size() - 1));
                continue;
            }
            if (op.kind == Op::FillBox || op.kind == Op::Box) cell = nullptr;
            if (op.kind == Op::Text && cell != nullptr && op.y1 < 330) *cell += op.text;
        }
        ASSERT_EQ(samples.size(), 3u);
        const auto lines = ResultLines(run.log, 380);
        ASSERT_EQ(lines.size(), 3u);
        for (size_t n = 0; n < 3; ++n) {
            ASSERT_EQ(samples[n].size(), 50u);
            std::map<int, int> shown;
            long tenths = 0;
            for (const int i : samples[n]) {
                const int t = Tenths(std::stof(texts[static_cast<size_t>(i)]));
                ++shown[t];
                tenths += t;
            }
            for (const auto& [v, count] : shown) EXPECT_LE(count, occurs[v]) << v;
            std::smatch m;
            ASSERT_TRUE(std::regex_match(lines[n], m, line)) << lines[n];
            EXPECT_EQ(m[1].str(), std::to_string(n + 1));
            EXPECT_EQ(m[2].str(), TenthsText(tenths));
            EXPECT_EQ(m[3].str(), MeanText(tenths, 50));
        }
        // Six waits a sample.
        EXPECT_EQ(CountStepWaits(run.log), 18u);
    }
}

}  // namespace
}  // namespace vm::test

namespace vm::test {
namespace {

TEST(SampleOfFifty, EleventhSampleCompletes) {
    std::string keys = "2\\n3\\n";
    for (int n = 1; n <= 11; ++n) keys += AnyKeys(6) + (n < 11 ? "3" : "1") + "\\n";
    const Ended run = RunKeys(ProgramD(), keys + "5\\n6\\n", "08:00:00");
    EXPECT_EQ(run.unread, 0u);
    EXPECT_FALSE(run.error);
    EXPECT_NE(FindText(run.log, "(11回)"), kNone);
}

}  // namespace
}  // namespace vm::test
