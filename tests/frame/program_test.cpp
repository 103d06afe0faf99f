#include "frame/program.h"
#include "programs/common/programs.h"

#include <gtest/gtest.h>

#include "platform/runtime.h"
#include "state/binding.h"

namespace vm {

namespace {

ProgramInfo Info(ProgramId id, Routine menu) {
    ProgramInfo info;
    info.id = id;
    info.title = "Velmaris-X";
    info.binding = SharedBinding();
    info.main_menu = menu;
    return info;
}

}  // namespace

TEST(Startup, SeedIsTheSumOfHoursMinutesAndSeconds) {
    const struct {
        const char* time;
        float seed;
    } cases[] = {{"00:00:00", 0}, {"23:59:59", 141}, {"12:34:56", 102}};
    for (const auto& c : cases) {
        Platform p(0, 0, true);
        p.SetFixedTime(c.time);
        State s(p, ProgramId::A, SharedBinding());
        InitProgram(s, "Velmaris-A");
        EXPECT_EQ(s.A, c.seed) << c.time;
        // The generator was seeded with it.
        const float first = p.Rnd();
        p.Randomize(static_cast<uint32_t>(c.seed));
        EXPECT_EQ(p.Rnd(), first) << c.time;
    }
}

TEST(Startup, SetsFontPenColourFieldTitleAndArrays) {
    Platform p(0, 0, true);
    State s(p, ProgramId::C, SharedBinding());
    InitProgram(s, "Velmaris-C");
    EXPECT_EQ(s.CCC1, 4);
    EXPECT_EQ(p.GetDrawWidth(), 3);
    EXPECT_EQ(p.Font().name, "ｺﾞｼｯｸ");
    EXPECT_EQ(p.Font().size, 16);
    EXPECT_EQ(s.KAIX, 1040);
    EXPECT_EQ(s.KAIY, 648);
    EXPECT_EQ(s.TITLE_s, "Velmaris-C");
    EXPECT_EQ(s.X_a.Bound(), 40);
    EXPECT_EQ(s.T_a.Bound(), 80);
    EXPECT_EQ(s.G_a.Bound(), 10);
    EXPECT_EQ(s.G_a.Bound2(), 2);
    EXPECT_EQ(s.X_a(40), 0);
    EXPECT_EQ(s.T_sa(80), "");
    EXPECT_THROW(s.X_a(41), RuntimeError);
    EXPECT_THROW(s.X_a(-1), RuntimeError);
    EXPECT_THROW(s.G_a(11, 0), RuntimeError);
    EXPECT_THROW(s.G_a(1), RuntimeError);  // one index on a table of two
}

TEST(Startup, SurveyProgramHasItsOwnFieldAndTableSizes) {
    Platform p(0, 0, true);
    const ProgramInfo d = ProgramD();
    State s(p, d.id, d.binding, d.data);
    InitProgram(s, "Velmaris-D");
    EXPECT_EQ(s.KAIX, 1056);
    EXPECT_EQ(s.F_a.Bound(), 300);
    EXPECT_EQ(s.F_sa.Bound(), 50);
    EXPECT_EQ(s.T_a.Bound(), 50);
    EXPECT_EQ(s.V_a.Bound(), 50);
    EXPECT_EQ(s.Y_sa.Bound(), 20);
    EXPECT_EQ(s.U_a.Bound(), 40);
}

TEST(ErrorStop, ClearsTheScreenAndShowsLineAndNumber) {
    Platform p(0, 0, true);
    p.PushKeys({"1", "2"});  // keys pressed at the stop change nothing
    static int line = 0;
    const auto info = Info(ProgramId::A, [](State& s) {
        s.P.Line(0, 0, 100, 100, 0);
        s.P.SetFontName("Times New Roman");
        s.P.SetFontSize(8);
        s.P.SetFontItalic(true);
        s.CCC1 = 3;
        line = __LINE__ + 1;
        s.X = Div(1, 0);
    });
    EXPECT_EQ(RunProgram(info, p), kErrorStopStatus);
    const auto& log = p.Log();
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[log.size() - 2].kind, Op::Clear);
    const Op& msg = log.back();
    EXPECT_EQ(msg.kind, Op::Text);
    EXPECT_EQ(msg.x1, 288);
    EXPECT_EQ(msg.y1, 432);
    EXPECT_EQ(msg.colour, 13);
    EXPECT_EQ(msg.mh, 1);
    EXPECT_EQ(msg.text, " " + std::to_string(line) + ", 11" +
                            "エラーが発生しました。マウスで×をクリックして下さい。");
    // Drawn in the start-up face, whatever font was in force when the error
    // arose: the serif italic has no glyphs for the message.
    EXPECT_EQ(msg.font, FontState{});
    EXPECT_EQ(p.PendingKeys(), 2u);
}

TEST(ErrorStop, EveryRunTimeFaultEndsThere) {
    const Routine faults[] = {
        [](State& s) { s.X = Sqr(-4); },
        [](State& s) { s.X_a(99) = 1; },
        [](State& s) { s.A = CInt(1e6f); },
        [](State& s) { s.A = Chk(s.A / 0.0f); },
    };
    const int numbers[] = {kIllegalCall, kSubscript, kOverflow, kOverflow};
    for (size_t i = 0; i < std::size(faults); ++i) {
        Platform p(0, 0, true);
        RunProgram(Info(ProgramId::B, faults[i]), p);
        ASSERT_FALSE(p.Log().empty());
        const std::string text = p.Log().back().text;
        EXPECT_NE(text.find(", " + std::to_string(numbers[i]) + "エラー"), std::string::npos)
            << text;
    }
}

TEST(ErrorStop, SuspendedDrawingDoesNotHideTheMessage) {
    Platform p(0, 0, true);
    RunProgram(Info(ProgramId::A,
                    [](State& s) {
                        s.P.SuspendDrawing();
                        s.X = Div(1, 0);
                    }),
               p);
    ASSERT_EQ(p.Log().size(), 2u);
    EXPECT_EQ(p.Log().back().kind, Op::Text);
}

}  // namespace vm
