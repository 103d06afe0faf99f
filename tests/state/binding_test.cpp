// Every revisable routine is reached through the program's binding, also
// from the shared code that calls it: a binding whose slot holds a counting
// stand-in must see the call.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "figures/figures.h"
#include "formula/formula.h"
#include "frame/frame.h"
#include "frame/menu.h"
#include "lessons/common/figure.h"
#include "programs/common/programs.h"
#include "state/shared_forms.h"
#include "support/rig.h"

namespace vm::test {
namespace {

int hits = 0;
Routine forward = nullptr;

// Counts, then does what the shared form does so that the caller goes on.
void StandIn(State& s) {
    ++hits;
    forward(s);
}

struct Case {
    const char* caller;
    Routine Binding::*slot;
    std::string keys;
    std::function<void(State&)> run;
};

void Vertices(State& s) {
    const float v[][2] = {{100, 300}, {300, 300}, {300, 100}};
    s.KAKU = 3;
    for (int i = 0; i < 3; ++i) {
        s.G_a(i + 1, 1) = v[i][0];
        s.G_a(i + 1, 2) = v[i][1];
    }
}

const MainMenuTable kQuitOnly{{{"1　", {}}, {"2　終了", {}}}};

const Case kCases[] = {
    {"the scene menu asks", &Binding::AskNumberAtBottom, "1\n",
     [](State& s) { RunLesson(s, Lesson{nullptr, "①終了", {}}); }},
    {"the scene menu erases", &Binding::EraseBottomLine, "1\n",
     [](State& s) { RunLesson(s, Lesson{nullptr, "①終了", {}}); }},
    {"the main menu erases its prompt", &Binding::EraseMenuPrompt, "2\n",
     [](State& s) { s.menu = &kQuitOnly; ShowMainMenu(s); }},
    {"the main menu clears", &Binding::ClearWorkArea, "2\n",
     [](State& s) { s.menu = &kQuitOnly; ShowMainMenu(s); }},
    {"a step wait inside a figure routine", &Binding::WaitForKey, "{Any}{Any}{Any}{Any}",
     [](State& s) {
         s.SOSU = 12;
         FactorIntoPrimes(s);
         s.XTAKE = 100, s.YTAKE = 100, s.NASI = 1;
         DrawFactorLadder(s);
     }},
    {"a markup text", &Binding::DrawFormulaGlyphs, "",
     [](State& s) { s.AA_s = "x=3", s.X = 100, s.Y = 100; DrawMarkupText(s); }},
    {"a fraction in a markup text", &Binding::DrawStackedFraction, "",
     [](State& s) { s.AA_s = "ﾀ1/2ﾀ", s.X = 100, s.Y = 100; DrawMarkupText(s); }},
    {"a framed text's glyphs", &Binding::DrawFormulaGlyphs, "",
     [](State& s) {
         s.A_s = "x=3", s.X = 100, s.Y = 100, s.HABA = 80, s.TATE = 60, s.CCC2 = 0, s.CCC3 = 15;
         DrawFramedText(s);
     }},
    {"a cell", &Binding::DrawCellText, "",
     [](State& s) {
         s.A_s = "12", s.X = 100, s.Y = 100, s.HABA = 80, s.TATE = 60, s.CCC2 = 0, s.CCC3 = 15;
         DrawCellText(s);
     }},
    {"a dimension arc's label", &Binding::PlaceAngleLabel, "",
     [](State& s) {
         s.ZX0 = 100, s.ZY0 = 300, s.ZX1 = 300, s.ZY1 = 300;
         s.HABA = 5, s.TAKASA = 2, s.HOUKOU = 1, s.CCC2 = 0, s.AAA_s = "5cm";
         DrawDimensionArc(s);
     }},
    {"a polygon's vertex letters", &Binding::PlaceAngleLabel, "",
     [](State& s) {
         Vertices(s);
         s.SIZE1 = 5, s.NAGASA = 20, s.AAA_s = "A";
         DrawPolygon(s);
     }},
    {"a scene's figure frame", &Binding::DrawGrid, "",
     [](State& s) { Frame(s, 100, 100, 10, 10, 20); }},
    {"a slope triangle", &Binding::DrawArrow, "",
     [](State& s) {
         s.GX3 = 300, s.GY3 = 300, s.GX4 = 100, s.GY4 = 400, s.SIZE = 50, s.HYOUJI_s = "yy";
         DrawSlopeTriangle(s);
     }},
    {"a coordinate plane", &Binding::DrawCoordinatePlane, "",
     [](State& s) {
         s.GGX = 100, s.GGY = 100, s.YOKO = 10, s.TATE = 10, s.SIZE = 20;
         DrawCoordinatePlane(s);
     }},
    {"a labelled point", &Binding::PlotLabelledPoint, "", [](State& s) { PlotLabelledPoint(s); }},
    {"a graph", &Binding::PlotGraph, "", [](State& s) { PlotGraph(s); }},
    {"a curve", &Binding::PlotCurve, "", [](State& s) { PlotCurve(s); }},
    {"a vertical line", &Binding::PlotVerticalLine, "", [](State& s) { PlotVerticalLine(s); }},
};

TEST(Binding, SharedCallersReachTheProgramsForms) {
    for (const Case& c : kCases) {
        Rig r;
        forward = SharedBinding().*c.slot;
        r.s.bind.*c.slot = StandIn;
        r.Keys(c.keys);
        hits = 0;
        try {
            c.run(r.s);
        } catch (const WindowClosed&) {
        } catch (const RuntimeError&) {
            // What the routine makes of default inputs does not matter here.
        }
        EXPECT_GT(hits, 0) << c.caller;
    }
}

TEST(Binding, EverySlotIsCovered) {
    Binding seen;
    for (const Case& c : kCases) seen.*c.slot = StandIn;
#define VM_SLOT_COVERED(name) EXPECT_NE(seen.name, nullptr) << #name;
    VM_REVISABLE_ROUTINES(VM_SLOT_COVERED)
#undef VM_SLOT_COVERED
}

}  // namespace
}  // namespace vm::test
