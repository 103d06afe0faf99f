#include "support/scene.h"

#include <algorithm>

#include "support/figure.h"
#include "support/rig.h"

namespace vm::test {

void PrintTo(const SceneCase& c, std::ostream* os) { *os << "scene " << c.item; }

std::string SceneName(const ::testing::TestParamInfo<SceneCase>& info) {
    return "Scene" + std::to_string(info.param.item);
}

namespace {

const Lesson& LessonOf(const ProgramInfo& info, int lesson) {
    return *info.menu.items.at(static_cast<size_t>(lesson - 1)).lesson;
}

}  // namespace

std::string LessonKeys(int lesson) { return std::to_string(lesson) + "\\n"; }

std::string QuitKeys(const ProgramInfo& info, int lesson) {
    return std::to_string(LessonOf(info, lesson).scenes.size() + 1) + "\\n" +
           std::to_string(info.menu.items.size()) + "\\n";
}

SceneRun::SceneRun(const ProgramInfo& info, int lesson, int item, const std::string& keys,
                   bool quit) {
    const Ended e = RunKeys(info, LessonKeys(lesson) + std::to_string(item) + "\\n" + keys +
                                      (quit ? QuitKeys(info, lesson) : ""));
    log = e.log;
    unread = e.unread;
    error = e.error;
    lists = Find(log, IsSceneList);
    clears = Find(log, IsScreenClear, begin(), end());
    waits = Find(log, IsStepWait, begin(), end());
}

SceneRun::SceneRun(const ProgramInfo& info, int lesson, int item, int waits, bool quit)
    : SceneRun(info, lesson, item, AnyKeys(waits), quit) {}

namespace {

std::string Where(const Line& l, float x) {
    return "\"" + l.text + "\" at (" + Num(x) + ", " + Num(l.y) + ") in colour " +
           std::to_string(l.colour) + (l.key == kAnyKey ? "" : " after key " + std::to_string(l.key));
}

// Finds the texts of a scene in order, each in its part and drawn there as
// often as its line says; `first` and `last` get the first and last glyph of
// the last line. False after a failure.
bool ExpectLines(const SceneRun& run, const Binding& binding, bool face,
                 const std::vector<Line>& lines, size_t* first, size_t* last) {
    size_t at = run.PageStart();
    float cursor = 0;
    for (const Line& l : lines) {
        const bool keyed = l.key != kAnyKey;
        const size_t part = keyed ? run.KeyStart(static_cast<size_t>(l.key)) : run.PageStart();
        const size_t from = std::max(at, part);
        const size_t to = keyed ? run.KeyEnd(static_cast<size_t>(l.key)) : run.end();
        const float x = l.place == kAfter ? cursor + l.x : l.x;
        *first = kNone;
        if (l.place == kAnywhere) {
            *first = FindText(run.log, l.text, from, to, last);
        } else {
            const auto want = TextOps(l.text, x, l.y, l.colour, l.writer, &binding);
            EXPECT_FALSE(want.empty()) << l.text;
            if (want.empty()) return false;
            std::vector<size_t> texts;
            for (size_t i = from; i < to && i < run.log.size(); ++i)
                if (run.log[i].kind == Op::Text) texts.push_back(i);
            for (size_t i = 0; i + want.size() <= texts.size() && *first == kNone; ++i) {
                const Op& start = run.log[texts[i]];
                // A mark's label goes where its mark puts it.
                const float dx = l.place == kMark ? start.x1 - want[0].x1 : 0;
                const float dy = l.place == kMark ? start.y1 - want[0].y1 : 0;
                bool same = true;
                for (size_t j = 0; j < want.size() && same; ++j) {
                    Op moved = want[j];
                    moved.x1 += dx;
                    moved.y1 += dy;
                    same = SameGlyph(run.log[texts[i + j]], moved, face);
                }
                if (!same) continue;
                *first = texts[i];
                *last = texts[i + want.size() - 1];
            }
            // How often it stands there in its part; a mark's label has no
            // place of its own.
            if (l.place != kMark && *first != kNone) {
                const int times = CountMarkup(Slice(run.log, part, to), l.text, x, l.y, l.colour,
                                              l.writer, &binding);
                EXPECT_EQ(times, l.times) << Where(l, x);
            }
        }
        EXPECT_NE(*first, kNone) << Where(l, x);
        if (*first == kNone) return false;
        at = *last + 1;
        if (l.place == kAt || l.place == kAfter) cursor = PenAfter(l.text, x, l.writer, &binding);
    }
    return !lines.empty();
}

}  // namespace

void CheckScene(const ProgramInfo& info, int lesson, const SceneCase& c) {
    const std::string keys = c.keys.empty() ? AnyKeys(c.waits) : c.keys;
    const SceneRun run(info, lesson, c.item, keys);
    const auto& log = run.log;
    EXPECT_FALSE(run.error);
    EXPECT_EQ(run.unread, 0u);
    ASSERT_EQ(run.lists.size(), 2u);
    // The main menu before and after: the scene took none of the keys after it.
    EXPECT_EQ(CountMenuPanels(log, 0, run.begin()), 1u);
    EXPECT_EQ(CountMenuPanels(log, run.end()), 1u);
    ASSERT_EQ(run.clears.size(), static_cast<size_t>(c.clears));
    ASSERT_EQ(run.waits.size(), static_cast<size_t>(c.waits));
    const auto gates = Find(log, IsNextStepGate, run.begin(), run.end());
    EXPECT_EQ(gates.size(), static_cast<size_t>(c.gates));

    size_t first = kNone, last = kNone;
    // Velmaris-D's glyph writer leaves the face to whatever was set before.
    const bool face = info.id != ProgramId::D;
    const bool found = ExpectLines(run, info.binding, face, c.lines, &first, &last);
    const float band = BandTop(info.id);
    if (found && c.lines.back().key == kAnyKey) {
        // The last text comes after the last wait and gate.
        if (!run.waits.empty()) {
            EXPECT_GT(first, run.waits.back()) << "the last line comes after the last wait";
        }
        if (!gates.empty()) {
            EXPECT_GT(first, gates.back()) << "the last line comes after the last gate";
        }
    }
    if (found && c.ends_with_last_line) {
        // Nothing is written or erased on the page between its last text and
        // the list.
        for (size_t i = last + 1; i < run.end(); ++i) {
            const Op& op = log[i];
            const bool text = op.kind == Op::Text, erase = op.kind == Op::FillBox && op.fill == 15;
            if ((text || erase) && op.y1 < band) {
                ADD_FAILURE() << "after the last text: " << Describe(op);
            }
        }
    }
    // The last step draws: the list is not asked before the picture is done.
    if (!run.waits.empty()) {
        size_t drawn = 0;
        for (size_t i = run.waits.back() + 1; i < run.end(); ++i)
            drawn += (log[i].kind == Op::Text || log[i].kind == Op::Line) && log[i].y1 < band;
        EXPECT_GT(drawn, 0u) << "nothing drawn after the last wait";
    }
    for (const Box& b : c.boxes) {
        size_t n = 0, in_part = 0;
        for (size_t i = run.begin(); i < run.end(); ++i) {
            const Op& op = log[i];
            if (!IsFilledBox(op, b.x1, b.y1, b.x2, b.y2, b.fill) || op.colour != b.border) continue;
            ++n;
            in_part += i >= run.KeyStart(static_cast<size_t>(b.key)) &&
                       i < run.KeyEnd(static_cast<size_t>(b.key));
        }
        EXPECT_EQ(n, 1u) << "box at " << b.x1 << "," << b.y1;
        EXPECT_EQ(in_part, 1u) << "box at " << b.x1 << "," << b.y1 << " after key " << b.key;
    }
    // One key fewer leaves the scene waiting: the list is not asked again.
    if (c.keys.empty() && c.waits > 0) {
        const SceneRun short_run(info, lesson, c.item, c.waits - 1, false);
        EXPECT_FALSE(short_run.error);
        EXPECT_EQ(short_run.lists.size(), 1u);
    }
}

void ExpectMarks(const SceneRun& run, size_t part, const std::vector<Mark>& marks, size_t skip) {
    const auto runs = DotRuns(run.log, run.KeyStart(part), run.KeyEnd(part));
    ASSERT_EQ(runs.size(), skip + marks.size()) << "part " << part;
    for (size_t k = skip; k < runs.size(); ++k) {
        const Mark& m = marks[k - skip];
        EXPECT_EQ(runs[k].dots.size(), m.dots) << part << "/" << k;
        EXPECT_EQ(runs[k].dots[0].colour, m.colour) << part << "/" << k;
        EXPECT_EQ(SideOf(runs[k], m.x1, m.y1, m.x2, m.y2) > 0, m.right) << part << "/" << k;
    }
}

void ExpectRefills(const std::vector<Op>& visit, const std::vector<size_t>& boxes,
                   const std::vector<std::string>& answers) {
    const size_t n = answers.size();
    ASSERT_EQ(boxes.size(), 2 * n);
    for (size_t k = 0; k < n; ++k) {
        const size_t refill = boxes[k + n];
        EXPECT_TRUE(Alike(visit[boxes[k]], visit[refill])) << "box " << k + 1;
        const size_t next = k + 1 < n ? boxes[k + n + 1] : visit.size();
        EXPECT_NE(FindText(visit, Glyphs(answers[k]), refill, next), kNone) << "box " << k + 1;
    }
}

std::vector<Op> SceneOps(const std::vector<Op>& log, size_t k) {
    const auto lists = Find(log, IsSceneList);
    if (k + 1 >= lists.size()) return {};
    const auto clears = Find(log, IsScreenClear, lists[k], lists[k + 1]);
    if (clears.empty()) return {};
    return Slice(log, clears[0] + 1, lists[k + 1]);
}

}  // namespace vm::test
