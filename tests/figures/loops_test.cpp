#include "figures/common.h"
#include "figures/figures.h"
#include "state/binding.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {

using Loops = RigTest;

TEST_F(Loops, CountedLoopRunsOnceBeforeItsFirstTest) {
    const struct {
        float from, to;
        int passes;
        float after;
    } cases[] = {{1, 3, 3, 4}, {0, 0, 1, 1}, {1, 0, 1, 2}, {1, 2.5f, 2, 3}, {-2, 2, 5, 3}};
    for (const auto& c : cases) {
        float counter = 0;
        int passes = 0;
        fig::CountedLoop(counter, c.from, c.to, [&] { ++passes; });
        EXPECT_EQ(passes, c.passes) << c.from << ".." << c.to;
        EXPECT_EQ(counter, c.after);
    }
}

// Past 2^24 a single-precision counter no longer moves when 1 is added: the
// loop would never reach its bound. That is a run-time error, not a hang.
TEST_F(Loops, CounterThatCannotMoveStopsTheProgram) {
    float counter = 0;
    int passes = 0;
    EXPECT_THROW(fig::CountedLoop(counter, 16777216.0f, 16777300.0f, [&] { ++passes; }),
                 RuntimeError);
    EXPECT_EQ(passes, 1);
    passes = 0;
    EXPECT_THROW(fig::CountedLoop(counter, std::nanf(""), 3, [&] { ++passes; }), RuntimeError);
    EXPECT_EQ(passes, 1);
    // A plane whose x range lies that far out.
    s.GGX = 100, s.GGY = 100, s.SIZE = 1, s.CCC2 = 10;
    s.AA1 = 16777216, s.AA2 = 16777300, s.BB1 = 0, s.BB2 = 5;
    EXPECT_THROW(DrawCoordinatePlane(s), RuntimeError);
}

}  // namespace vm::test
