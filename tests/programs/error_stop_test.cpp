// A fault inside a real scene, reached through a program's real main menu,
// ends in the error stop: whatever kind of fault it is, whatever face was
// selected when it struck.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>

#include "frame/program.h"
#include "platform/canvas.h"
#include "platform/runtime.h"
#include "programs/common/programs.h"
#include "state/binding.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm {
namespace {

int fault_line = 0;

// The first step wait inside a scene (a scene has been chosen once the
// scene menu set SENTAKU) faults, with a formula's serif italic selected.
bool InScene(State& s) {
    if (s.SENTAKU < 1) return false;
    s.P.SetFontName("Times New Roman");
    s.P.SetFontSize(8);
    s.P.SetFontBold(true);
    s.P.SetFontItalic(true);
    return true;
}

void WaitOrDivideByZero(State& s) {
    if (InScene(s)) {
        fault_line = __LINE__ + 1;
        s.X = Div(1, 0);
    }
    SharedBinding().WaitForKey(s);
}

void WaitOrIndexAString(State& s) {
    if (InScene(s)) s.AA_s = std::string("ab").substr(5);
    SharedBinding().WaitForKey(s);
}

void WaitOrRunOutOfMemory(State& s) {
    if (InScene(s)) throw std::bad_alloc();
    SharedBinding().WaitForKey(s);
}

void WaitOrThrowANumber(State& s) {
    if (InScene(s)) throw 42;
    SharedBinding().WaitForKey(s);
}

TEST(ErrorStop, AFaultInASceneReachedFromTheMainMenuShowsTheErrorScreen) {
    const struct {
        const char* name;
        Routine wait;
        int number;
    } faults[] = {
        {"run-time error", WaitOrDivideByZero, kDivByZero},
        {"library exception", WaitOrIndexAString, kInternal},
        {"memory", WaitOrRunOutOfMemory, kOutOfMemory},
        {"not an exception class", WaitOrThrowANumber, kInternal},
    };
    for (const auto& f : faults) {
        SCOPED_TRACE(f.name);
        ProgramInfo info = ProgramC();
        info.binding.WaitForKey = f.wait;
        Platform p(1440, 900, true);
        p.SetFixedTime("10:20:30");
        // Lesson 1 from the main menu, scene 1 from its scene menu, then keys
        // that only a run which goes on would read.
        p.PushKeys(ParseKeys("1\n1\n{Any}{Any}{Any}"));
        fault_line = 0;
        testing::internal::CaptureStderr();
        const int status = RunProgram(info, p);
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(status, kErrorStopStatus);

        const auto& log = p.Log();
        EXPECT_GT(test::Count(log, test::IsMenuPanel), 0u);
        EXPECT_GT(test::CountSceneLists(log), 0u);
        ASSERT_GE(log.size(), 2u);
        EXPECT_EQ(log[log.size() - 2].kind, Op::Clear);
        const Op& msg = log.back();
        ASSERT_TRUE(test::IsErrorText(msg));
        const std::string where =
            " " + std::to_string(fault_line) + ", " + std::to_string(f.number);
        EXPECT_EQ(msg.text.rfind(where + "エラーが発生しました", 0), 0u) << msg.text;
        EXPECT_EQ(msg.x1, 288);
        EXPECT_EQ(msg.y1, 432);
        EXPECT_EQ(msg.colour, 13);
        EXPECT_EQ(msg.font, FontState{});
        EXPECT_TRUE(p.Canvas()->HasGlyphs(msg.font, msg.text));
        EXPECT_GT(test::InkIn(p, 288, 432, 1000, 452), 500);
        EXPECT_EQ(p.PendingKeys(), 3u);
        if (f.number == kDivByZero) p.WritePng(test::OutputPath("error-stop-in-scene.png"));

        const std::string told = "Velmaris-C: error stop at line " + std::to_string(fault_line) +
                                 ", error " + std::to_string(f.number);
        EXPECT_NE(said.find(told), std::string::npos) << said;
    }
}

}  // namespace
}  // namespace vm
