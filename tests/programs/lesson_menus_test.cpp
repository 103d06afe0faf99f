// Every lesson's scene list as a pupil meets it from the main menu: the goal
// screen on entry only, the list at the foot of the screen, choices taken by
// their value (fractions too), refused ones asked again over the untouched
// page, and the way back to the main menu. A row per lesson of every program.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "frame/frame.h"
#include "programs/common/programs.h"
#include "support/log.h"
#include "support/rig.h"
#include "support/scene.h"

namespace vm::test {
namespace {

// A choice at the list that opens a scene: what is typed, the step waits
// of the scene and a text it shows (placed, as often as drawn in one visit).
struct Opening {
    std::string entry;
    int waits;
    Line shows;
    std::string keys = {};  // what the scene reads, when not a key for each wait
    int clears = 1;         // the screen clears of the scene
};

struct LessonCase {
    std::string name;
    ProgramInfo (*program)();
    int lesson;              // its main-menu item
    std::vector<Line> goal;  // its goal screen, shown on entry; none: no goal screen
    std::string list;        // its scene list, as written
    std::string shown;       // the glyphs the band shows for it
    float list_end;          // where the band's last glyph ends
    std::vector<std::string> refused;  // entries that ask again
    std::vector<Opening> opening;      // entries that open a scene; the first is visited twice
    std::vector<std::string> leaving;  // entries that lead back to the main menu
    std::string entry_keys = {};       // the keys the entry reads before the list
};
void PrintTo(const LessonCase& c, std::ostream* os) { *os << c.name; }

// A goal screen: the heading, then its sentences.
std::vector<Line> Goal(std::vector<Line> sentences) {
    std::vector<Line> all = {{kAt, "<めあて>", 44, 240, 3}};
    all.insert(all.end(), sentences.begin(), sentences.end());
    return all;
}

std::vector<LessonCase> Lessons() {
    return WithVelmarisE<LessonCase>({
        {"VelmarisA1Introduction", ProgramA, 1,
         Goal({{kAt, "三角形の各辺を1辺とする3つの正方形の面積の関係を調べよう。", 44, 305, 0}}),
         "①操作　②終了", "①操作　②終了", 128,
         {"0", "3"},
         {{"1", 0, {kAt, "Ｐ,Q,Rの関係は？", 896, 30, 0, kAnyKey, 3}, "{Any}{Left}{Left}\\n", 3}},
         {"2", "4/2"},
         "{Any}"},
        {"VelmarisA2Theorem", ProgramA, 2,
         Goal({{kAt, "1 三平方の定理を証明しよう。", 44, 305, 0},
               {kAt, "2 三平方の定理を使って、問題を解こう。", 44, 370, 0}}),
         " ①証明　②別証　③説明　④練習　⑤問１　⑥終了",
         "　①証明　②別証　③説明　④練習　⑤問１　⑥終了", 400,
         {"0", "-1", "7", "0.5", "6.5", "", "1/0", "/", "10"},
         {{"3", 0, {kAt, "<三平方の定理>", 108, 30, 3}}},
         {"6", "12/2"}},
        {"VelmarisA3Converse", ProgramA, 3,
         Goal({{kAt, "1 三平方の定理の逆を考えよう。", 44, 305, 0},
               {kAt, "2 三平方の定理の逆を使って、問題を解こう。", 44, 370, 0}}),
         " ①導入課題　②説明　③証明　④練習　⑤問1　⑥終了",
         "　①導入課題　②説明　③証明　④練習　⑤問１　⑥終了", 432,
         {"", "0", "-1", "6.5", "7", "1/0", "/", "5/"},
         {{"4/2", 0, {kAt, "<三平方の定理の逆>", 108, 30, 3}}},
         {"6", "12/2"}},
        {"VelmarisA4BasicProblems", ProgramA, 4, {},
         "P192(三平方 基本の問題)の解答　①→問題1　②→問題2　 ③終了",
         "Ｐ１９２（三平方　基本の問題）の解答　①→問題１　②→問題２　　③終了", 576,
         {"", "0", "-1", "3.5", "4", "1/0", "/"},
         {{"4/2", 0, {kAt, "ア ", 38, 100, 3}}},
         {"3", "6/2"}},
        {"VelmarisB1Special", ProgramB, 1,
         Goal({{kAt, "1 直角三角形をつくり、", 44, 305, 0},
               {kAt, "  三平方の定理を利用していろいろな長さを求めよう。", 44, 370, 0},
               {kAt, "2　特別な直角三角形の3辺の比を使って問題を解こう。", 44, 435, 0}}),
         " ①P193Q　②正方形　③正三角形　④３辺の比　⑤練習　⑥問2　⑦終了",
         "　①Ｐ１９３Ｑ　②正方形　③正三角形　④３辺の比　⑤練習　⑥問２　⑦終了", 592,
         {"8", "0", "-1", "0.4", "", "1/0", "5/", "/"},
         {{"6", 0, {kAt, "問2 解答", 36, 30, 3}}},
         {"7", "14/2"}},
        {"VelmarisB2Exercises", ProgramB, 2,
         Goal({{kAt, "いろいろな問題を三平方の定理や3辺の比を利用して解決しよう。", 44, 305, 0}}),
         " ①問３　②問4　③問5　④問6　⑤問7　⑥終了", "　①問３　②問４　③問５　④問６　⑤問７　⑥終了",
         400,
         {"", "0", "7", "-1", "6.5", "1/0", "5/", "/"},
         {{"5", 10, {kAt, "問7 解答", 36, 30, 3}}, {"6/2", 6, {kAt, "問5 解答", 36, 30, 3}}},
         {"6", "12/2"}},
        {"VelmarisB3PlaneDistances", ProgramB, 3,
         Goal({{kAt, "三平方の定理を利用して平面のいろいろな長さを求めよう。", 44, 305, 0}}),
         " ①2点距離　②練習　③問8　④弦の長さ　⑤問9　⑥問10　⑦終了",
         "　①２点距離　②練習　③問８　④弦の長さ　⑤問９　⑥問１０　⑦終了", 544,
         {"", "0", "8", "-1", "1/0"},
         {{"3", 0, {kAt, "問8 解答", 36, 30, 3}},
          {"6/3", 3, {kAt, "問　２点A(", 72, 30, 0}, "{Any}{Any}{Any}1\\n", 2}},
         {"7", "14/2"}},
        {"VelmarisB4Solids", ProgramB, 4,
         Goal({{kAt, "三平方の定理を利用して空間のいろいろな長さを求めよう。", 44, 305, 0}}),
         " ①直方体　②問11　③問12　④問13　⑤円錐　⑥問14　⑦問15　⑧終了",
         "　①直方体　②問１１　③問１２　④問１３　⑤円錐　⑥問１４　⑦問１５　⑧終了", 624,
         {"", "0", "9", "-1", "8.5", "1/0"},
         {{"4", 0, {kAt, "教科書P199 問13 解答", 36, 30, 3}},
          {"10/2", 14, {kAt, "問　円錐の体積を求めなさい。", 72, 30, 3}}},
         {"8", "16/2"}},
        {"VelmarisC1Summit", ProgramC, 1,
         Goal({{kAt, "富士山の山頂はどれくらい遠くから見えるか調べよう。", 44, 305, 0}}),
         " ①図で　②作図　③PAの長さ　④地図で　⑤220km以上から　⑥終了",
         "　①図で　②作図　③ＰΑの長さ　④地図で　⑤２２０ｋｍ以上から　⑥終了", 576,
         {"", "0", "-2", "7", "0.5", "6.5", "13/2"},
         {{"4", 6, {kAt, "富士山を中心に半径220kmの円をかこう", 91, 20, 0}},
          {"9/3", 11, {kAt, "PAの長さを求めよう", 91, 20, 0}},
          {"1", 10, {kAt, "図で考えよう", 91, 70, 0}},
          {"5", 6, {kAt, "山などの高い場所", 30, 80, 5}}},
         {"6", "12/2"}},
        {"VelmarisC2Problems", ProgramC, 2,
         Goal({{kAt, "三平方の定理を利用していろいろな問題を考えよう。", 44, 305, 0}}),
         " ①最短距離CG　②CD　③FG　④最短　⑤問１　⑥問2　⑦問3みおり　⑧問3そうま　⑨終了",
         "　①最短距離ＣＧ　②ＣＤ　③ＦＧ　④最短　⑤問１　⑥問２　⑦問３みおり　⑧問３そうま　⑨終了",
         752,
         {"", "0", "10", "-3", "2/3", "9.5", "1/0", "/", "5/"},
         {{"14/2", 10, {kAt, "教科書P204 問3 みおりさんの考え  ", 36, 30, 3}}},
         {"9", "18/2"}},
        {"VelmarisC3P205", ProgramC, 3, {},
         "P205(三平方 基本の問題)の解答　①→問題1　②→問題2　 ③→問題3　④→終了",
         "Ｐ２０５（三平方　基本の問題）の解答　①→問題１　②→問題２　　③→問題３　④→終了", 688,
         {"0", "5", "4.5", "1/2", "", "1/0", "5/", "/", "0/0", "-1", "abc", "99999999999"},
         {{"1", 21, {kAt, "(1)", 38, 100, 0}},
          {"2", 9, {kAt, "(1)対角線の長さは、1辺の!2ﾝ倍 ", 38, 100, 0}},
          {"3", 7, {kAt, "(1) !3^2+4^2+12^2ﾝ", 38, 100, 0}},
          {"6/2", 7, {kAt, "(1) !3^2+4^2+12^2ﾝ", 38, 100, 0}}},
         {"4", "8/2"}},
        {"VelmarisC4P206", ProgramC, 4, {},
         "P206(章の問題A)の解答　①→問題1,2　②→問題3,4　 ③→問題5　④→問題6　⑤終了",
         "Ｐ２０６（章の問題Α）の解答　①→問題１，２　②→問題３，４　　③→問題５　④→問題６　⑤終了",
         768,
         {"0", "6", "-1", "5.5", "", "1/0", "5/", "/", "0/0", "x", "1/2"},
         {{"1", 6, {kAt, "(1)x^2=5^2+4^2=25+16=41", 38, 160, 0}},
          {"4", 12, {kAt, "正三角形Pの高さをhとすると", 72, 90, 3}},
          {"8/2", 12, {kAt, "正三角形Pの高さをhとすると", 72, 90, 3}}},
         {"5", "10/2"}},
        {"VelmarisC5P207", ProgramC, 5, {},
         "P207(章の問題B)の解答　①問題1　②問題2　 ③問題3　④問題4　⑤問題5　⑥終了",
         "Ｐ２０７（章の問題Ｂ）の解答　①問題１　②問題２　　③問題３　④問題４　⑤問題５　⑥終了", 720,
         {"0", "7", "-1", "6.5", "", "1/0", "5/", "/", "0/0", "q"},
         {{"1", 9, {kAt, "AC=xcmとすると", 38, 90, 3}},
          {"5", 11, {kAt, "(1)", 30, 80, 3}},
          {"10/2", 11, {kAt, "(1)", 30, 80, 3}}},
         {"6", "12/2"}},
        {"VelmarisD1SampleSurvey", ProgramD, 1,
         Goal({{kAt, "集団全体の傾向を推測するために、", 44, 305, 0},
               {kAt, "どのような調査が行われているか調べよう。", 44, 355, 0}}),
         " ①視聴率調査　②標本調査　③母集団,問1,2　④213Q　⑤例　⑥抽出方法　⑦終了",
         "　①視聴率調査　②標本調査　③母集団，問１，２　④２１３Ｑ　⑤例　⑥抽出方法　⑦終了", 688,
         {"0", "8", ""},
         {{"5", 1, {kAt, "例", 40, 30, 3}}, {"10/2", 1, {kAt, "例", 40, 30, 3}}},
         {"7", "14/2"}},
        {"VelmarisD2MeanEstimation", ProgramD, 2,
         Goal({{kAt, "標本調査を実際にやってみよう。", 44, 305, 0}}),
         " ①P215Q　②無作為10個　③無作為50個　④ばらつき　⑤終了",
         "　①Ｐ２１５Ｑ　②無作為１０個　③無作為５０個　④ばらつき　⑤終了", 544,
         {"0", "6", "", "1/0"},
         {{"4", 10, {kAt, "※箱ひげ図", 30, 70, 7}}, {"8/2", 10, {kAt, "※箱ひげ図", 30, 70, 7}}},
         {"5", "10/2"}},
        {"VelmarisD3SurveyUse", ProgramD, 3,
         Goal({{kAt, "標本調査を利用して、母集団全体の数量を推測しよう。", 44, 305, 0}}),
         " ①例1　②問3　③問4　④P218Q　⑤問1　⑥終了", "　①例１　②問３　③問４　④Ｐ２１８Ｑ　⑤問１　⑥終了",
         448,
         {"0", "7"},
         {{"5", 2, {kAt, "教科書P218 問1 解答", 30, 20, 7}}},
         {"6", "12/2"}},
        {"VelmarisD4Chapter", ProgramD, 4, {},
         "P220(章の問題A)の解答 ①　②　③　④→問題　  ⑤終了",
         "Ｐ２２０（章の問題Α）の解答　①　②　③　④→問題　　　⑤終了", 512,
         {"0", "6", "-1"},
         {{"1", 1, {kAt, "(1)　", 36, 90, 0}}},
         {"5", "10/2"}},
    });
}

class LessonMenu : public ::testing::TestWithParam<LessonCase> {
protected:
    // A program run into the lesson; a spare key after the quit items shows
    // that the program ended by them and not for want of keys.
    Ended Run(const std::string& keys) const {
        const LessonCase& c = GetParam();
        return RunKeys(Info(), LessonKeys(c.lesson) + c.entry_keys + keys + "z");
    }
    const ProgramInfo& Info() const {
        if (!info_) info_ = GetParam().program();
        return *info_;
    }
    const Lesson& TheLesson() const {
        return *Info().menu.items.at(static_cast<size_t>(GetParam().lesson - 1)).lesson;
    }
    // The keys of the lesson's last item, of the main menu's, and of both.
    std::string LessonQuit() const { return std::to_string(TheLesson().scenes.size() + 1) + "\\n"; }
    std::string MainQuit() const { return std::to_string(Info().menu.items.size()) + "\\n"; }
    std::string Quit() const { return LessonQuit() + MainQuit(); }
    static std::string Choose(const Opening& o) {
        return o.entry + "\\n" + (o.keys.empty() ? AnyKeys(o.waits) : o.keys);
    }
    int Drawn(const std::vector<Op>& log, const Line& l, size_t from, size_t to) const {
        return CountMarkup(Slice(log, from, to), l.text, l.x, l.y, l.colour, l.writer,
                           &Info().binding);
    }
    // Ended cleanly by the quit items, the spare key left.
    static void ExpectEnded(const Ended& e) {
        EXPECT_FALSE(e.error);
        EXPECT_EQ(e.status, 0);
        EXPECT_EQ(e.unread, 1u);
    }

private:
    mutable std::optional<ProgramInfo> info_;
};

// Entered twice, a scene visited twice in between: the goal screen each time
// the lesson is entered and never after a scene, the list at the foot with
// the glyphs the prompt writer shows, the scene's text once each visit.
TEST_P(LessonMenu, GoalOnEntryOnlyAndTheListAtTheFoot) {
    const LessonCase& c = GetParam();
    ASSERT_FALSE(c.opening.empty());
    const Opening& visit = c.opening.front();
    const Ended e = Run(Choose(visit) + Choose(visit) + LessonQuit() + LessonKeys(c.lesson) +
                        c.entry_keys + Quit());
    ExpectEnded(e);
    const auto& log = e.log;
    const auto panels = Find(log, IsMenuPanel);
    ASSERT_EQ(panels.size(), 3u);
    const auto lists = Find(log, IsSceneList);
    ASSERT_EQ(lists.size(), 4u);
    ASSERT_TRUE(panels[0] < lists[0] && lists[2] < panels[1] && panels[1] < lists[3] &&
                lists[3] < panels[2]);
    const float band = BandTop(Info().id);
    for (const auto& [from, list] : {std::pair{panels[0], lists[0]}, std::pair{panels[1], lists[3]}}) {
        if (c.goal.empty()) {
            // Only the band changes between the menu's clear and the list.
            size_t clear = from;
            for (size_t i = from; i < list; ++i)
                if (IsScreenClear(log[i])) clear = i;
            for (size_t i = clear + 1; i < list; ++i) EXPECT_GE(log[i].y1, band) << Describe(log[i]);
        }
        for (const Line& l : c.goal) EXPECT_EQ(Drawn(log, l, from, list), 1) << l.text;
    }
    EXPECT_EQ(FindText(log, "<めあて>", lists[0], lists[2]), kNone) << "goal shown after a scene";
    for (size_t k : {0u, 1u})
        EXPECT_EQ(Drawn(log, visit.shows, lists[k], lists[k + 1]), visit.shows.times) << visit.entry;
    // The list: as the lesson writes it, by the prompt writer at the foot.
    EXPECT_EQ(TheLesson().scene_list, c.list);
    EXPECT_EQ(CountMarkup(log, c.list, 16, 666, 0, DrawPromptText, &Info().binding), 4);
    size_t last = kNone;
    const size_t first = FindText(log, c.shown, panels[0], kNone, &last);
    ASSERT_NE(first, kNone) << c.shown;
    EXPECT_LE(first, lists[0]);
    EXPECT_GE(last, lists[0]);
    EXPECT_EQ(log[first].x1, 16);
    EXPECT_EQ(log[first].y1, 666);
    EXPECT_EQ(log[first].colour, 0);
    EXPECT_EQ(log[last].x1 + 16, c.list_end);
    // A glyph to a cell of 16 px, blanks too: a half-width blank before a
    // number takes a whole cell. The pen stops where the last cell ends.
    for (size_t i = first; i <= last; ++i)
        EXPECT_EQ(log[i].x1, 16 + 16 * static_cast<float>(i - first)) << Describe(log[i]);
    EXPECT_EQ(PenAfter(c.list, 16, DrawPromptText, &Info().binding), c.list_end);
}

// The refused entries one after the other: each asks the list again on a
// cleared band, the page untouched, no goal, no scene.
TEST_P(LessonMenu, RefusedChoicesAskAgainOverTheUntouchedPage) {
    const LessonCase& c = GetParam();
    std::string keys;
    for (const auto& r : c.refused) keys += r + "\\n";
    const Ended e = Run(keys + Quit());
    ExpectEnded(e);
    const auto& log = e.log;
    const auto lists = Find(log, IsSceneList);
    ASSERT_EQ(lists.size(), c.refused.size() + 1);
    for (size_t k = 0; k + 1 < lists.size(); ++k) {
        SCOPED_TRACE("\"" + c.refused[k] + "\"");
        EXPECT_EQ(Count(log, IsScreenClear, lists[k], lists[k + 1]), 0u);
        EXPECT_EQ(Count(log, IsStepWait, lists[k], lists[k + 1]), 0u);
        EXPECT_EQ(Count(log, IsNextStepGate, lists[k], lists[k + 1]), 0u);
        EXPECT_EQ(Count(log, IsBandErase, lists[k], lists[k + 1]), 1u);
        // Only the band and the number field just above it change.
        for (size_t i = lists[k]; i < lists[k + 1]; ++i)
            EXPECT_GE(log[i].y1, 600) << Describe(log[i]);
    }
    EXPECT_EQ(FindText(log, "<めあて>", lists[0]), kNone);
    EXPECT_EQ(CountMenuPanels(log), 2u);
}

// Each choice that opens a scene, by its value: one clear, the scene's
// waits and its text, then the list again and the way out.
TEST_P(LessonMenu, ChoicesOpenTheSceneOfTheirValue) {
    for (const Opening& o : GetParam().opening) {
        SCOPED_TRACE("\"" + o.entry + "\"");
        const Ended e = Run(Choose(o) + Quit());
        ExpectEnded(e);
        const auto& log = e.log;
        const auto lists = Find(log, IsSceneList);
        ASSERT_EQ(lists.size(), 2u);
        EXPECT_GE(Count(log, IsBandErase, lists[0], lists[1]), 1u);
        EXPECT_EQ(Count(log, IsScreenClear, lists[0], lists[1]), static_cast<size_t>(o.clears));
        EXPECT_EQ(CountStepWaits(log, lists[0], lists[1]), static_cast<size_t>(o.waits));
        EXPECT_EQ(Drawn(log, o.shows, lists[0], lists[1]), o.shows.times) << o.shows.text;
        EXPECT_EQ(FindText(log, "<めあて>", lists[0]), kNone);
        EXPECT_EQ(CountMenuPanels(log, lists[1]), 1u);
    }
}

// The last item, by its value, leads back to the main menu at once.
TEST_P(LessonMenu, LeavingChoicesGoBackToTheMainMenu) {
    for (const std::string& entry : GetParam().leaving) {
        SCOPED_TRACE("\"" + entry + "\"");
        const Ended e = Run(entry + "\\n" + MainQuit());
        ExpectEnded(e);
        const auto lists = Find(e.log, IsSceneList);
        ASSERT_EQ(lists.size(), 1u);
        EXPECT_EQ(CountMenuPanels(e.log, lists[0]), 1u);
        EXPECT_NE(FindText(e.log, "メニュー", lists[0]), kNone);
    }
}

INSTANTIATE_TEST_SUITE_P(Programs, LessonMenu, ::testing::ValuesIn(Lessons()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace vm::test
