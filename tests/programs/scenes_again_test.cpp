// The scenes that draw a fixed page, chosen again: each clears the screen
// and draws its page anew, the same whether it ran just before or the other
// scenes of its lesson did. A row per lesson.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "programs/common/programs.h"
#include "support/log.h"
#include "support/rig.h"
#include "support/scene.h"

namespace vm::test {
namespace {

struct Visit {
    int item;   // the scene's number in the lesson's list
    int waits;  // its step waits
};

struct AgainCase {
    std::string name;
    ProgramInfo (*program)();
    int lesson;                // its main-menu item
    std::vector<Visit> scenes;  // its scenes of a fixed page
};
void PrintTo(const AgainCase& c, std::ostream* os) { *os << c.name; }

std::vector<AgainCase> Lessons() {
    return WithVelmarisE<AgainCase>({
        {"VelmarisA2Theorem", ProgramA, 2, {{1, 10}, {2, 7}, {3, 0}, {5, 6}}},
        {"VelmarisA3Converse", ProgramA, 3, {{2, 0}, {3, 7}, {5, 4}}},
        {"VelmarisA4BasicProblems", ProgramA, 4, {{1, 0}, {2, 0}}},
        {"VelmarisB1Special", ProgramB, 1, {{1, 23}, {2, 9}, {3, 12}, {4, 4}, {6, 0}}},
        {"VelmarisC3P205", ProgramC, 3, {{1, 21}, {2, 9}, {3, 7}}},
        {"VelmarisC4P206", ProgramC, 4, {{1, 6}, {2, 11}, {3, 10}, {4, 12}}},
        {"VelmarisC5P207", ProgramC, 5, {{1, 9}, {2, 11}, {3, 7}, {4, 9}, {5, 11}}},
    });
}

std::string Choose(const Visit& v) { return std::to_string(v.item) + "\\n" + AnyKeys(v.waits); }

// The program run into the lesson through the visits and out by the quit
// items; a spare key shows it ended by them and not for want of keys.
Ended RunVisits(const AgainCase& c, const std::vector<Visit>& visits) {
    const ProgramInfo info = c.program();
    std::string keys = LessonKeys(c.lesson);
    for (const Visit& v : visits) keys += Choose(v);
    const Ended e = RunKeys(info, keys + QuitKeys(info, c.lesson) + "z");
    EXPECT_FALSE(e.error);
    EXPECT_EQ(e.status, 0);
    EXPECT_EQ(e.unread, 1u);
    return e;
}

// The k-th visit drew the same as the j-th, from its screen clear to the
// list asked after it. Only the pen width of the boxes may differ: they
// take the width in force, and straight after start-up that is not the
// width the scenes leave.
void ExpectSameVisits(const std::vector<Op>& log, const std::vector<size_t>& lists, size_t j,
                      size_t k) {
    const auto from = [&](size_t v) {
        const auto clears = Find(log, IsScreenClear, lists[v], lists[v + 1]);
        return clears.empty() ? lists[v + 1] : clears[0];
    };
    const size_t a = from(j), b = from(k);
    ASSERT_LT(a, lists[j + 1]) << "no screen clear";
    ASSERT_EQ(lists[j + 1] - a, lists[k + 1] - b);
    for (size_t i = 0; a + i < lists[j + 1]; ++i)
        ASSERT_TRUE(Alike(log[a + i], log[b + i]))
            << "op " << i << ": " << Describe(log[a + i]) << " / " << Describe(log[b + i]);
}

class SceneAgain : public ::testing::TestWithParam<AgainCase> {};

// Each scene chosen twice in a row.
TEST_P(SceneAgain, DrawsTheSameChosenTwiceInARow) {
    for (const Visit& v : GetParam().scenes) {
        SCOPED_TRACE("scene " + std::to_string(v.item));
        const Ended e = RunVisits(GetParam(), {v, v});
        const auto lists = Find(e.log, IsSceneList);
        ASSERT_EQ(lists.size(), 3u);
        ExpectSameVisits(e.log, lists, 0, 1);
        EXPECT_EQ(CountOffCanvas(e.log, lists[0], lists[2]), 0u);
    }
}

// All the scenes in turn, then all again: each the second time after the
// others ran.
TEST_P(SceneAgain, DrawsTheSameAfterTheOtherScenes) {
    const auto& scenes = GetParam().scenes;
    std::vector<Visit> visits = scenes;
    visits.insert(visits.end(), scenes.begin(), scenes.end());
    const Ended e = RunVisits(GetParam(), visits);
    const auto lists = Find(e.log, IsSceneList);
    ASSERT_EQ(lists.size(), visits.size() + 1);
    for (size_t k = 0; k < scenes.size(); ++k) {
        SCOPED_TRACE("scene " + std::to_string(scenes[k].item));
        ExpectSameVisits(e.log, lists, k, k + scenes.size());
    }
    EXPECT_EQ(CountOffCanvas(e.log, lists[0], lists.back()), 0u);
}

INSTANTIATE_TEST_SUITE_P(Programs, SceneAgain, ::testing::ValuesIn(Lessons()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace vm::test
