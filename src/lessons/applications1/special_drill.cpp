// Scene ⑤: a drill on the side ratios of the special right triangles. Four
// problems in turn, each with a fresh whole number n from 1 to 9, repeated
// until the pupil enters 1: (1) and (2) on the 45°-45°-90° triangle, (3)
// and (4) on the 30°-60°-90° one; the odd ones on the left half, the even
// ones on the right, so a finished problem stays beside the next.
#include <string>
#include <vector>

#include "formula/formula.h"
#include "frame/frame.h"
#include "lessons/applications1/special.h"
#include "lessons/common/drill.h"
#include "lessons/common/figure.h"
#include "lessons/common/marks.h"
#include "lessons/common/text.h"
#include "platform/colours.h"
#include "platform/runtime.h"

namespace vm {

namespace {

constexpr int kLabelPoint = 5;

struct Arc {
    int from, to;
    float side, step;
    bool given;  // labelled n cm, else "xcm"
};

struct Problem {
    const char* name;
    float erase_from, erase_to;  // x range of the erase below y 80
    float divisor;               // of the answer's coefficient; 0: none
    bool root_coefficient;       // T$(11): n in front of a root, nothing for 1
    bool thirty;                 // the 30°-60°-90° triangle
    float ggx, yoko;
    int right[3];                // right-angle mark: vertex, rays
    int angle[3];                // angle sector: vertex, rays
    float iti, radius;
    const char* degrees;
    Arc arcs[2];
    float margin;
};

const Problem kProblems[4] = {
    {"(1)", 0, 700, 0, true, false, 72, 10, {2, 1, 3}, {3, 2, 1}, -1, 50, "45°",
     {{1, 2, 1, 5, true}, {3, 1, 1, 9, false}}, 72},
    {"(2)", 650, 1350, 2, false, false, 650, 10, {2, 1, 3}, {3, 2, 1}, -1, 50, "45°",
     {{1, 2, 1, 5, false}, {3, 1, 1, 9, true}}, 750},
    // Narrower, so that problem (2) stays in view.
    {"(3)", 0, 600, 3, false, true, 72, 9, {3, 1, 2}, {1, 2, 3}, 1, 50, "60°",
     {{1, 3, -1, 9, false}, {2, 3, 1, 7, true}}, 72},
    {"(4)", 650, 1350, 2, true, true, 650, 10, {3, 1, 2}, {2, 3, 1}, 1, 70, "30°",
     {{2, 3, 1, 5, false}, {1, 2, 1, 9, true}}, 750},
};

// The working lines of a problem, from n as text (T$(1)) and the root's
// coefficient (T$(11)); the answer follows the last one.
std::vector<std::string> WorkingLines(int problem, const std::string& n,
                                      const std::string& coefficient) {
    switch (problem) {
        case 0: return {"1:!2ﾝ=" + n + ":x", "x="};
        case 1:
            return {"1:!2ﾝ=x:" + n, "!2ﾝx=" + n, "x=ﾀ" + n + "/!2ﾝﾀ=ﾀ" + n + "*!2ﾝ/2ﾀ="};
        case 2:
            return {"1:!3ﾝ=x:" + n, "!3ﾝx=" + n, "x=ﾀ" + n + "/!3ﾝﾀ=ﾀ" + n + "*!3ﾝ/3ﾀ="};
        default: return {"2:!3ﾝ=" + n + ":x", "2x=" + coefficient + "!3ﾝ", "x="};
    }
}

std::string Answer(int problem, const std::string& coefficient, const std::string& a2) {
    switch (problem) {
        case 0: return coefficient + "!2ﾝ";
        case 1: return a2 + "!2ﾝ";
        default: return a2 + "!3ﾝ";
    }
}

void ShowProblem(State& s, int k) {
    const Problem& p = kProblems[k];
    s.P.FillBox(p.erase_from, 80, p.erase_to, 1880, kBackground, kBackground);

    s.T_a(1) = RandInt(s, 9, 1);
    if (p.divisor > 0) {
        s.DS = s.T_a(1);
        s.DB = p.divisor;
        BuildFractionStrings(s);
    }
    FormatNumberTables(s);
    // Written after the tables, which rewrite every entry.
    if (p.root_coefficient) s.T_sa(11) = s.T_a(1) == 1 ? "" : s.T_sa(1);
    if (p.divisor > 0 && s.A2_s == "1") s.A2_s.clear();

    Frame(s, p.ggx, 90, p.yoko, 4, 50);
    s.P.SetDrawWidth(5);
    if (p.thirty) {
        const float x3 = 7;
        Put(s, {{1, x3, 4}, {2, x3 - 3 * Sqr(3), 1}, {3, x3, 1}, {kLabelPoint, 0, 4}});
    } else {
        Put(s, {{1, 4, 4}, {2, 4, 0}, {3, 8, 0}, {kLabelPoint, 0, 4}});
    }
    Polygon(s, {1, 2, 3}, "");
    RightAngle(s, p.right[0], p.right[1], p.right[2], 25, kRed);
    AngleMark(s, p.angle[0], p.angle[1], p.angle[2], p.radius, 0, kBlack, kGreen, p.degrees, kBlue,
              p.iti);
    const std::string given = s.T_sa(1) + "cm";
    for (const Arc& a : p.arcs)
        LengthArc(s, a.from, a.to, a.side, a.step, a.given ? given : "xcm", kBlueDotsBlackLabel);
    Label(s, kBlack, s.X_a(kLabelPoint), s.Y_a(kLabelPoint), p.name);
    WaitForKey(s);

    PlaceCursor(s, p.margin, s.GY2);
    for (const auto& line : WorkingLines(k, s.T_sa(1), s.T_sa(11))) {
        NewLine(s, 60, kBlack, line);
        WaitForKey(s);
    }
    Continue(s, kRed, Answer(k, s.T_sa(11), s.A2_s));
}

}  // namespace

void SpecialTrianglesSceneDrill(State& s) {
    ClearScreen(s);
    PlaceCursor(s, 72, 30);
    Write(s, kBlack, s.XI1, s.YI1, "問　xの値を求めなさい。");
    Drill(s, [](State& t) { ShowProblem(t, 0); });
    Drill(s, [](State& t) { ShowProblem(t, 1); });
    Drill(s, [](State& t) { ShowProblem(t, 2); });
    Drill(s, [](State& t) { ShowProblem(t, 3); });
    FixedLine(s, kPurple, "教科書P195 問2　をしなさい。");
}

}  // namespace vm
