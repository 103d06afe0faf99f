#include <gtest/gtest.h>

#include "formula/formula.h"
#include "frame/program.h"
#include "lessons/theorem/intro.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm {
namespace {

using test::CountMarkup;
using test::Rig;

struct Picture {
    const char* angle;
    const char *p, *q, *r, *pq, *a, *b, *c;
};

// Every measure text of the picture, at its place and in its colour.
void ExpectPicture(const std::vector<Op>& log, const Picture& w, const std::string& what) {
    auto once = [&](const std::string& text, float x, float y, int colour) {
        EXPECT_EQ(CountMarkup(log, text, x, y, colour), 1) << what << ": " << text;
    };
    once(std::string("∠C=") + w.angle + "°", 896, 102, 7);
    once(std::string("P= ") + w.p + "cm^2", 896, 162, 0);
    once(std::string("Q= ") + w.q + "cm^2", 896, 212, 0);
    once(std::string("R= ") + w.r + "cm^2", 896, 262, 0);
    once(std::string("P+Q= ") + w.pq + "cm^2", 896, 312, 3);
    once(std::string("a= ") + w.a + "cm", 896, 404, 0);
    once(std::string("b= ") + w.b + "cm", 896, 454, 0);
    once(std::string("c= ") + w.c + "cm", 896, 504, 0);
    once("Ｐ,Q,Rの関係は？", 896, 30, 0);
}

// Right-angle marks: three-point polylines in colour 5.
std::vector<Op> RightAngleMarks(const std::vector<Op>& log) {
    std::vector<Op> out;
    for (const Op& op : log)
        if (op.kind == Op::Polyline && op.colour == 5 && op.pts.size() == 3) out.push_back(op);
    return out;
}

// Runs the scene with the keys (the first only starts it; Enter ends it).
void RunScene(Rig& r, const std::string& keys) {
    r.p.PushKeys(ParseKeys(keys));
    MoveTriangleScene(r.s);
}

TEST(MoveTriangleScene, ShowsTheMeasuresAfterEachMove) {
    const struct {
        const char* keys;
        float xc, ya;
        Picture want;
        bool right_angle;
    } cases[] = {
        {"", 480, 322, {"76", "144", "68", "164", "212", "12", "8.2", "12.8"}, false},
        {"{Left}{Left}", 448, 322, {"90", "100", "64", "164", "164", "10", "8", "12.8"}, true},
        // C on its left bound (the extra presses keep it there): obtuse.
        {"{Left}{Left}{Left}{Left}{Left}{Left}{Left}{Left}{Left}", 368, 322,
         {"122", "25", "89", "164", "114", "5", "9.4", "12.8"}, false},
        // C on its right bound: acute.
        {"{Right}{Right}{Right}{Right}", 528, 322,
         {"58", "225", "89", "164", "314", "15", "9.4", "12.8"}, false},
        // A 20 cm high over C: P+Q = R still.
        {"{Left}{Left}{Up}{Up}{Up}{Up}{Up}{Up}{Up}{Up}{Up}{Up}{Up}{Up}{Up}", 448, 130,
         {"90", "100", "400", "500", "500", "10", "20", "22.4"}, true},
        // Both corners at their far bounds: square R partly off the window,
        // b written with one decimal only.
        {"{Right}{Right}{Right}{Up}{Up}{Up}{Up}{Up}{Up}{Up}{Up}{Up}{Up}{Up}{Up}", 528, 130,
         {"76", "225", "425", "500", "650", "15", "20.6", "22.4"}, false},
        // A on its lower bound, 7 cm.
        {"{Down}{Down}{Down}", 480, 338, {"74.1", "144", "53", "149", "197", "12", "7.3", "12.2"},
         false},
    };
    for (const auto& c : cases) {
        Rig r;
        RunScene(r, std::string("{Any}") + c.keys + "\\n");
        const auto picture = test::SinceLastClear(r.p.Log());
        ExpectPicture(picture, c.want, c.keys);
        EXPECT_FLOAT_EQ(r.s.X_a(3), c.xc) << c.keys;
        EXPECT_FLOAT_EQ(r.s.Y_a(1), c.ya) << c.keys;
        EXPECT_EQ(RightAngleMarks(picture).size(), c.right_angle ? 1u : 0u) << c.keys;
        EXPECT_EQ(r.s.T_sa(1), c.want.angle) << c.keys;
        // Every arrow key redraws the whole screen, clamped or not.
        const int arrows = static_cast<int>(ParseKeys(c.keys).size());
        EXPECT_EQ(test::CountClears(r.p.Log()), 1 + arrows) << c.keys;
        EXPECT_EQ(test::CountKeyPrompts(r.p.Log()), 2 + arrows) << c.keys;
        EXPECT_EQ(r.p.PendingKeys(), 0u) << c.keys;
        // Enter writes the theorem over the last picture.
        EXPECT_EQ(CountMarkup(picture, "∠C=90°ならば a^2+b^2=c^2", 680, 562, 5), 1) << c.keys;
        EXPECT_EQ(r.s.CCC1, 5);
    }
}

// Over every lattice position in range: the mark, the angle text "90" and
// P+Q = R go together, and exactly when C stands below A.
TEST(RedrawMovedTriangle, RightAngleExactlyWithCBelowA) {
    Rig r;
    r.s.X_a(0) = 448, r.s.Y_a(0) = 450;
    r.s.X_a(1) = 448;
    r.s.X_a(2) = 288, r.s.Y_a(2) = 450;
    r.s.Y_a(3) = 450;
    r.s.X_a(11) = 896, r.s.Y_a(11) = 162;
    r.s.X_a(13) = 896, r.s.Y_a(13) = 354;
    for (float xc = 368; xc <= 528; xc += 16) {
        for (float ya = 130; ya <= 338; ya += 16) {
            r.p.ClearLog();
            r.s.X_a(3) = xc;
            r.s.Y_a(1) = ya;
            RedrawMovedTriangle(r.s);
            const bool below = xc == 448;
            const std::string at = std::to_string(xc) + "," + std::to_string(ya);
            EXPECT_EQ(RightAngleMarks(r.p.Log()).size(), below ? 1u : 0u) << at;
            EXPECT_EQ(r.s.T_sa(1) == "90", below) << at;
            EXPECT_EQ(r.s.T_a(8) == r.s.T_a(7), below) << at;
            EXPECT_EQ(r.s.T_sa(1).find(' '), std::string::npos) << at;
        }
    }
}

TEST(MoveTriangleScene, RightAngleMarkIsASquareAtC) {
    Rig r;
    RunScene(r, "{Any}{Left}{Left}\\n");
    const auto marks = RightAngleMarks(test::SinceLastClear(r.p.Log()));
    ASSERT_EQ(marks.size(), 1u);
    // Side 30 along CA (up) and CB (left), far corner at (418, 420).
    std::vector<std::pair<float, float>> got;
    for (const Point& pt : marks[0].pts) got.emplace_back(pt.x, pt.y);
    const std::pair<float, float> corner{418, 420};
    EXPECT_TRUE(test::Near(got[1].first, corner.first, 0.05f) &&
                test::Near(got[1].second, corner.second, 0.05f))
        << got[1].first << "," << got[1].second;
    for (size_t i : {0u, 2u}) {
        const bool on_ca = test::Near(got[i].first, 448, 0.05f) && test::Near(got[i].second, 420, 0.05f);
        const bool on_cb = test::Near(got[i].first, 418, 0.05f) && test::Near(got[i].second, 450, 0.05f);
        EXPECT_TRUE(on_ca || on_cb) << got[i].first << "," << got[i].second;
    }
    EXPECT_EQ(marks[0].width, 5);
    EXPECT_EQ(r.s.NAGASA, 30);
    EXPECT_EQ(r.s.ITI, -1);
    EXPECT_EQ(r.s.CCC2, 5);
}

TEST(MoveTriangleScene, FirstKeyOnlyStartsTheScene) {
    // Whatever the first key is, an arrow or even Enter, it neither moves a
    // corner nor ends the scene: the starting picture follows.
    for (const char* first : {"{Right}", "{Up}", "\\n"}) {
        Rig r;
        RunScene(r, std::string(first) + "\\n");
        EXPECT_EQ(r.s.X_a(3), 480) << first;
        EXPECT_EQ(r.s.Y_a(1), 322) << first;
        EXPECT_EQ(r.p.PendingKeys(), 0u) << first;
        EXPECT_EQ(test::CountClears(r.p.Log()), 1) << first;
        EXPECT_EQ(test::CountKeyPrompts(r.p.Log()), 2) << first;
        ExpectPicture(test::SinceLastClear(r.p.Log()),
                      {"76", "144", "68", "164", "212", "12", "8.2", "12.8"}, first);
    }
}

TEST(MoveTriangleScene, OtherKeysOnlyAskAgain) {
    Rig r;
    RunScene(r, "{Any}{Left}x5{BS} {Left}\\n");
    EXPECT_EQ(r.s.X_a(3), 448);
    EXPECT_EQ(test::CountClears(r.p.Log()), 3);  // start and the two arrows
    EXPECT_EQ(test::CountKeyPrompts(r.p.Log()), 1 + 7);
}

TEST(MoveTriangleScene, EachEntryStartsFromTheStartingTriangle) {
    Rig r;
    RunScene(r, "{Any}{Left}{Left}{Up}\\n");
    EXPECT_EQ(r.s.X_a(3), 448);
    r.p.ClearLog();
    RunScene(r, "{Any}\\n");
    EXPECT_EQ(r.s.X_a(3), 480);
    EXPECT_EQ(r.s.Y_a(1), 322);
    // The first wait shows the prompt over the last picture: nothing cleared
    // before it.
    const auto& log = r.p.Log();
    ASSERT_FALSE(log.empty());
    size_t first_prompt = log.size(), first_clear = log.size();
    for (size_t i = 0; i < log.size(); ++i) {
        const Op& op = log[i];
        if (op.kind == Op::FillBox && op.x1 == 16 && op.y1 == 657 && first_prompt == log.size())
            first_prompt = i;
        if (op.kind == Op::FillBox && op.x2 == 1760 && first_clear == log.size()) first_clear = i;
    }
    EXPECT_LT(first_prompt, first_clear);
}

}  // namespace
}  // namespace vm
