#include "support/rig.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "formula/formula.h"
#include "support/log.h"

#ifndef VELMARIS_TEST_OUTPUT
#define VELMARIS_TEST_OUTPUT "test-output"
#endif

namespace vm::test {

Rig::Rig(const ProgramInfo& info, bool render, const std::string& time)
    : p(render ? 1440 : 0, render ? 900 : 0, true), s(p, info.id, info.binding, info.data) {
    s.menu = &info.menu;
    p.SetFixedTime(time);
    InitProgram(s, info.title);
    s.menu = nullptr;  // the table is the caller's; a rig runs no main menu
    p.ClearLog();
}

void Rig::Keys(const std::string& script) { p.PushKeys(ParseKeys(script)); }

void Rig::AnyKeys(int n) { p.PushKeys(std::vector<std::string>(static_cast<size_t>(n), " ")); }

bool Rig::Run(Routine r) {
    try {
        r(s);
        return true;
    } catch (const WindowClosed&) {
        return false;
    }
}

bool Rig::Run(const Lesson& lesson) {
    try {
        RunLesson(s, lesson);
        return true;
    } catch (const WindowClosed&) {
        return false;
    }
}

std::vector<Op> Rig::OfKind(Op::Kind kind) const { return test::OfKind(p.Log(), kind); }

std::vector<std::string> Rig::Ops() const { return Describe(p.Log()); }

std::vector<std::string> Rig::Write(const std::string& text, float x, float y) {
    p.ClearLog();
    s.AA_s = text;
    s.X = x;
    s.Y = y;
    DrawMarkupText(s);
    return Ops();
}

float Rig::Width(const std::string& text) {
    s.A_s = text;
    s.X = 0;
    s.Y = 0;
    MeasureText(s);
    return s.LLT;
}

std::string Rig::Png(const std::string& name) {
    const std::string path = OutputPath(name);
    p.WritePng(path);
    return path;
}

void ExpectPoints(State& s, const std::vector<PointAt>& points, float tol) {
    for (const PointAt& p : points) {
        EXPECT_NEAR(s.X_a(p.i), p.x, tol) << "point " << p.i;
        EXPECT_NEAR(s.Y_a(p.i), p.y, tol) << "point " << p.i;
    }
}

std::vector<Op> RunAlone(const ProgramInfo& info, Routine scene, int waits) {
    Rig r(info);
    r.AnyKeys(waits);
    EXPECT_TRUE(r.Run(scene));
    EXPECT_EQ(r.Unread(), 0u);
    return r.Log();
}

Ended RunKeys(const ProgramInfo& info, const std::string& keys, const std::string& time) {
    Platform p(0, 0, true);
    p.SetFixedTime(time);
    p.PushKeys(ParseKeys(keys));
    Ended e;
    e.status = RunProgram(info, p);
    e.unread = p.PendingKeys();
    e.log = p.Log();
    e.error = ShowsError(e.log);
    return e;
}

std::string AnyKeys(int n) {
    std::string k;
    for (int i = 0; i < n; ++i) k += "{Any}";
    return k;
}

std::string TimeForSeed(int seed) {
    const int h = std::min(seed, 23), m = std::min(seed - h, 59), sec = seed - h - m;
    char buf[40];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", h, m, sec);
    return buf;
}

const Binding& SurveyBinding() {
    static const Binding b = ProgramD().binding;
    return b;
}

float SurveyEnd(const std::string& text, float x) {
    return PenAfter(text, x, nullptr, &SurveyBinding());
}

std::string OutputPath(const std::string& name) {
    const std::filesystem::path dir = VELMARIS_TEST_OUTPUT;
    std::filesystem::create_directories(dir);
    return (dir / name).string();
}

}  // namespace vm::test
