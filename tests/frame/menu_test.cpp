#include <gtest/gtest.h>

#include <cmath>

#include "frame/lesson.h"
#include "frame/menu.h"
#include "programs/common/programs.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm {
namespace {

using test::Ended;
using test::IsScreenClear;

Ended RunKeys(const ProgramInfo& info, const std::string& keys) {
    Ended e = test::RunKeys(info, keys);
    EXPECT_EQ(e.status, 0);
    return e;
}

bool IsPanel(const Op& op) { return test::IsMenuPanel(op); }
size_t Menus(const Ended& e) { return test::Count(e.log, test::IsMenuPanel); }
bool ShowsError(const Ended& e) { return e.error; }

// A lesson entry that only records that it was entered and how.
struct Entered {
    int lesson = 0;
    int times = 0;
    std::string typed;
    float value = 0;
    bool screen_cleared = false;
    float kaix = 0;
    size_t to_prepare = 0;
};
Entered entered;

template <int N>
void RecordLesson(State& s) {
    entered.lesson = N;
    ++entered.times;
    entered.typed = s.AINP_s;
    entered.value = s.AINP;
    entered.kaix = s.KAIX;
    entered.to_prepare = s.P.TextsToPrepare();
    entered.screen_cleared = IsScreenClear(s.P.Log().back()) && s.AA_s.empty();
}

ProgramInfo WithRecordingLessons(ProgramInfo info) {
    const Routine entries[] = {RecordLesson<1>, RecordLesson<2>, RecordLesson<3>,
                               RecordLesson<4>, RecordLesson<5>};
    for (size_t i = 0; i + 2 < info.menu.items.size(); ++i) info.menu.items[i].lesson = Lesson{entries[i], "", {}};
    return info;
}

TEST(MainMenu, QuitNumberEndsEachProgram) {
    const struct {
        ProgramInfo info;
        const char* quit;
        const char* title;
        size_t items;
    } programs[] = {
        {ProgramA(), "6", "Velmaris-A", 6}, {ProgramB(), "6", "Velmaris-B", 6},
        {ProgramC(), "7", "Velmaris-C", 7}, {ProgramD(), "6", "Velmaris-D", 6},
        {ProgramE(), "7", "Velmaris-E", 7},
    };
    for (const auto& p : programs) {
        EXPECT_EQ(p.info.title, p.title);
        ASSERT_EQ(p.info.menu.items.size(), p.items) << p.title;
        EXPECT_EQ(p.info.menu.items.back().text, std::string(p.quit) + "　終了");
        EXPECT_EQ(p.info.menu.items[p.items - 2].text, std::string(1, char('0' + p.items - 1)) + "　");
        const Ended e = RunKeys(p.info, std::string(p.quit) + "\n{Any}");
        EXPECT_EQ(e.unread, 1u) << p.title;
        EXPECT_EQ(Menus(e), 1u) << p.title;
        // One more than the quit number is out of range: drawn again.
        const std::string over(1, char(p.quit[0] + 1));
        const Ended again = RunKeys(p.info, over + "\n" + p.quit + "\n{Any}");
        EXPECT_EQ(again.unread, 1u) << p.title;
        EXPECT_EQ(Menus(again), 2u) << p.title;
    }
}

TEST(MainMenu, EntriesThatDrawTheMenuAgain) {
    // Out of range, empty, a lone minus, the empty item, a fraction whose
    // leading number is not a lesson, and fractions over zero.
    const char* entries[] = {"0", "8", "-1", "-", "", "6", "6/2", "-3/-1", "1/0",
                             "5/", "/", "0/0", "6.7", "999999999", "0.4"};
    for (const char* entry : entries) {
        const Ended e = RunKeys(WithRecordingLessons(ProgramC()), std::string(entry) + "\n7\n{Any}");
        EXPECT_EQ(Menus(e), 2u) << entry;
        EXPECT_EQ(e.unread, 1u) << entry;
        EXPECT_FALSE(ShowsError(e)) << entry;
    }
}

TEST(MainMenu, QuitByFraction) {
    for (const char* entry : {"14/2", "7.0", "21/3"}) {
        const Ended e = RunKeys(ProgramC(), std::string(entry) + "\n{Any}");
        EXPECT_EQ(Menus(e), 1u) << entry;
        EXPECT_EQ(e.unread, 1u) << entry;
    }
    const Ended b = RunKeys(ProgramB(), "12/2\n{Any}");
    EXPECT_EQ(b.unread, 1u);
}

TEST(MainMenu, JumpsOnTheLeadingNumberOfTheText) {
    const struct {
        const char* entry;
        int lesson;
        float value;
    } cases[] = {
        {"1", 1, 1}, {"5", 5, 5}, {"3/1", 3, 3}, {"4/2", 4, 2}, {"2.4", 2, 2.4f}, {"2/1/4", 2, 2},
    };
    for (const auto& c : cases) {
        entered = {};
        const Ended e = RunKeys(WithRecordingLessons(ProgramC()), std::string(c.entry) + "\n7\n{Any}");
        EXPECT_EQ(entered.lesson, c.lesson) << c.entry;
        EXPECT_EQ(entered.times, 1) << c.entry;
        EXPECT_EQ(entered.typed, c.entry);
        EXPECT_FLOAT_EQ(entered.value, c.value) << c.entry;
        EXPECT_TRUE(entered.screen_cleared) << c.entry;
        EXPECT_EQ(entered.kaix, 1056);
        // The lesson's return brings the whole menu back.
        EXPECT_EQ(Menus(e), 2u) << c.entry;
        EXPECT_EQ(e.unread, 1u) << c.entry;
    }
}

TEST(MainMenu, SurveyProgramDispatch) {
    // Quit number 6, five targets: the value decides range and quit, the
    // leading number of the text the lesson.
    const struct {
        const char* entry;
        int lesson;    // 0: none entered
        size_t menus;  // menus drawn in the run (1: the entry itself quit)
    } cases[] = {
        {"12/2", 0, 1}, {"10/5", 0, 2}, {"3/1", 3, 2}, {"4", 4, 2},
        {"5", 0, 2},    {"7", 0, 2},    {"0", 0, 2},   {"", 0, 2},
    };
    for (const auto& c : cases) {
        entered = {};
        const Ended e =
            RunKeys(WithRecordingLessons(ProgramD()), std::string(c.entry) + "\n6\n{Any}");
        EXPECT_EQ(entered.lesson, c.lesson) << c.entry;
        EXPECT_EQ(Menus(e), c.menus) << c.entry;
        EXPECT_EQ(e.unread, c.menus == 1 ? 3u : 1u) << c.entry;
    }
}

// While the menu waits, the texts the lessons draw on entry wait to be
// prepared.
TEST(MainMenu, AsksForTheLessonsEntryTextsToBePrepared) {
    const TextSeed seeds[] = {{"三", "ｺﾞｼｯｸ", 16, true, false, 2, 2, 44, 305, 0},
                              {"角", "ｺﾞｼｯｸ", 16, true, false, 2, 2, 76, 305, 0}};
    ProgramInfo info = WithRecordingLessons(ProgramA());
    info.menu.entry_texts = seeds;
    entered = {};
    RunKeys(info, "1\n6\n{Any}");
    EXPECT_EQ(entered.lesson, 1);
    EXPECT_EQ(entered.to_prepare, 2u);
}

TEST(MainMenu, ItemsWithoutLessonsDrawTheMenuAgain) {
    // Items 1 to 4 of Velmaris-A are lessons; only the empty item 5 is not.
    const Ended e = RunKeys(ProgramA(), "5\n5/1\n6\n{Any}");
    EXPECT_EQ(Menus(e), 3u);
    EXPECT_EQ(e.unread, 1u);
}

TEST(MainMenu, ScreenLayout) {
    // Velmaris-A starts its field at x 1040; the first menu moves it to 1056.
    const Ended e = RunKeys(ProgramA(), "5\n6\n");
    const auto& log = e.log;
    // Work area, whole screen, panel, in this order, at the start of each menu.
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[0].kind, Op::FillBox);
    EXPECT_EQ(log[0].x1, 0);
    EXPECT_EQ(log[0].y1, 54);
    EXPECT_EQ(log[0].x2, 1440);
    EXPECT_EQ(log[0].y2, 900);
    EXPECT_TRUE(IsScreenClear(log[1]));
    EXPECT_TRUE(IsPanel(log[2]));
    // Heading and items: where each text starts and its colour.
    struct Line {
        float x, y;
        int colour;
    };
    std::vector<Line> starts;
    float last_y = -1;
    int last_colour = -1;
    for (size_t i = 3; i < log.size() && !(log[i].kind == Op::Text && log[i].colour == 0); ++i) {
        const Op& op = log[i];
        if (op.kind != Op::Text) continue;
        if (op.colour != last_colour || std::abs(op.y1 - last_y) > 30)
            starts.push_back({op.x1, op.y1, op.colour});
        last_y = op.y1;
        last_colour = op.colour;
    }
    ASSERT_EQ(starts.size(), 7u);
    EXPECT_EQ(starts[0].x, 264);
    EXPECT_EQ(starts[0].y, 30);
    EXPECT_EQ(starts[0].colour, 15);
    for (int n = 1; n <= 6; ++n) {
        EXPECT_EQ(starts[n].x, 44) << n;
        EXPECT_EQ(starts[n].y, 120 + 60 * (n - 1)) << n;
        EXPECT_EQ(starts[n].colour, n % 2 == 1 ? 13 : 15) << n;
    }
    // The question, drawn before the entry and again by it, and the field.
    std::vector<const Op*> q;
    for (const auto& op : log)
        if (op.kind == Op::Text && op.text == "番") q.push_back(&op);
    ASSERT_EQ(q.size(), 4u);  // two menus, twice each
    for (const Op* op : q) {
        EXPECT_EQ(op->x1, 816);
        EXPECT_EQ(op->y1, 648);
        EXPECT_EQ(op->colour, 0);
    }
    bool label = false, digit = false, erased = false;
    for (const auto& op : log) {
        label |= op.kind == Op::Text && op.text == "入" && op.x1 == 1008 && op.y1 == 648;
        digit |= op.kind == Op::Text && op.text == "５" && op.x1 == 1056 && op.colour == 5;
        erased |= op.kind == Op::FillBox && op.x1 == 816 && op.y1 == 640 && op.x2 == 1872 &&
                  op.y2 == 690;
    }
    EXPECT_TRUE(label);
    EXPECT_TRUE(digit);
    EXPECT_TRUE(erased);
}

TEST(MainMenu, RunsThroughTheProgramsBinding) {
    // A program's own erasers are the ones the menu uses.
    static int clears = 0, erases = 0;
    ProgramInfo info = ProgramD();
    info.binding.ClearWorkArea = [](State&) { ++clears; };
    info.binding.EraseMenuPrompt = [](State&) { ++erases; };
    const Ended e = RunKeys(info, "5\n6\n");
    EXPECT_EQ(clears, 2);
    EXPECT_EQ(erases, 2);
    EXPECT_EQ(e.unread, 0u);
}

}  // namespace
}  // namespace vm
