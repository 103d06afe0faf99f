#include <string>

#include "figures/figures.h"
#include "programs/common/programs.h"
#include "state/shared_forms.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {

// Records what each label call was given, then places the label.
struct LabelCall {
    float zx0, zy0, zx1, zy1, zx2, zy2, iti, nagasa, aaax;
    std::string text;
};
static std::vector<LabelCall> calls;
static void Spy(State& s) {
    calls.push_back({s.ZX0, s.ZY0, s.ZX1, s.ZY1, s.ZX2, s.ZY2, s.ITI, s.NAGASA, s.AAAX, s.AAA_s});
    shared::PlaceAngleLabel(s);
}

struct Polygon : RigTest {
    Polygon() {
        calls.clear();
        s.bind.PlaceAngleLabel = Spy;
    }
    void Vertices(std::vector<Point> v) {
        s.KAKU = static_cast<float>(v.size());
        for (size_t i = 0; i < v.size(); ++i) {
            s.G_a(static_cast<double>(i + 1), 1) = v[i].x;
            s.G_a(static_cast<double>(i + 1), 2) = v[i].y;
        }
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> out;
        for (const auto& c : calls) out.push_back(c.text);
        return out;
    }
};

TEST_F(Polygon, EdgesInOrderAtTheEdgeWidth) {
    Vertices({{100, 100}, {300, 100}, {300, 300}, {100, 300}});
    s.SIZE1 = 5, s.CCC2 = 3;
    p.SetDrawWidth(2);
    DrawPolygon(s);
    const auto lines = OfKind(Op::Line);
    ASSERT_EQ(lines.size(), 4u);
    const float ends[][4] = {
        {100, 100, 300, 100}, {300, 100, 300, 300}, {300, 300, 100, 300}, {100, 300, 100, 100}};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(lines[i].x1, ends[i][0]);
        EXPECT_EQ(lines[i].y1, ends[i][1]);
        EXPECT_EQ(lines[i].x2, ends[i][2]);
        EXPECT_EQ(lines[i].y2, ends[i][3]);
        EXPECT_EQ(lines[i].width, 5);
        EXPECT_EQ(lines[i].colour, 3);
    }
    EXPECT_EQ(p.GetDrawWidth(), 2);
    EXPECT_EQ(s.II, 5);
}

TEST_F(Polygon, LetterLabelsFromTheFirstCharacter) {
    const struct {
        const char* start;
        int kaku;
        std::vector<std::string> labels;
    } cases[] = {
        {"A", 4, {"A", "B", "C", "D"}},
        {"D", 3, {"D", "E", "F"}},
        {"E", 4, {"E", "F", "G", "H"}},
        {"PQ", 3, {"P", "Q", "R"}},
        {"Ａ", 3, {"Ａ", "Ｂ", "Ｃ"}},
    };
    for (const auto& c : cases) {
        calls.clear();
        std::vector<Point> v = {{100, 300}, {300, 300}, {300, 100}, {100, 100}};
        v.resize(static_cast<size_t>(c.kaku));
        Vertices(v);
        s.SIZE1 = 5, s.NAGASA = 20, s.AAA_s = c.start;
        p.SetDrawWidth(2);
        DrawPolygon(s);
        EXPECT_EQ(Texts(), c.labels);
        EXPECT_EQ(s.AAA_s, "");
        EXPECT_EQ(p.GetDrawWidth(), 2);
        EXPECT_EQ(s.NAGASA, 0);
    }
}

TEST_F(Polygon, ListLabelsSkipEmptyEntries) {
    Vertices({{100, 300}, {300, 300}, {300, 100}, {100, 100}});
    s.X_sa(1) = "A", s.X_sa(2) = "B", s.X_sa(3) = "", s.X_sa(4) = "D";
    s.NAGASA = 20, s.AAA_s = "1", s.SIZE1 = 5;
    DrawPolygon(s);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"A", "B", "", "D"}));
    EXPECT_EQ(Count(Op::Text), 3u);  // no label at vertex 3
    EXPECT_EQ(s.TII, 5);
}

TEST_F(Polygon, NoLabelsKeepTheCallersOptions) {
    Vertices({{100, 300}, {300, 300}, {100, 100}});
    s.NAGASA = 20, s.ITI = 1, s.AAAX = 3, s.AAAY = 4, s.MU_DO = 1, s.AAA_s = "";
    DrawPolygon(s);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(s.NAGASA, 20);
    EXPECT_EQ(s.ITI, 1);
    EXPECT_EQ(s.AAAX, 3);
    EXPECT_EQ(s.AAAY, 4);
    EXPECT_EQ(s.MU_DO, 1);
}

// The label's anchor: NAGASA out from the vertex along the label bisector.
static Point Anchor(const LabelCall& c) {
    Platform q(0, 0, false);
    State t(q, ProgramId::A, SharedBinding());
    t.ZX0 = c.zx0, t.ZY0 = c.zy0, t.ZX1 = c.zx1, t.ZY1 = c.zy1, t.ZX2 = c.zx2, t.ZY2 = c.zy2;
    t.ITI = c.iti;
    ComputeRayAngles(t);
    return {c.zx0 + c.nagasa * std::cos(t.HH5), c.zy0 - c.nagasa * std::sin(t.HH5)};
}

static bool InTriangle(Point p, Point a, Point b, Point c) {
    auto side = [](Point p, Point a, Point b) {
        return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
    };
    const float d1 = side(p, a, b), d2 = side(p, b, c), d3 = side(p, c, a);
    return (d1 > 0 && d2 > 0 && d3 > 0) || (d1 < 0 && d2 < 0 && d3 < 0);
}

TEST_F(Polygon, CounterClockwiseVerticesGetTheirLabelsOutside) {
    const Point a{100, 300}, b{300, 300}, c{100, 100};
    const struct {
        std::vector<Point> v;
        bool outside;
    } cases[] = {{{a, b, c}, true}, {{a, c, b}, false}};
    for (const auto& k : cases) {
        calls.clear();
        Vertices(k.v);
        s.NAGASA = 20, s.AAA_s = "A", s.AAAX = 9;
        DrawPolygon(s);
        ASSERT_EQ(calls.size(), 3u);
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(calls[i].nagasa, 20);  // the same distance for every label
            EXPECT_EQ(calls[i].iti, -1);
            EXPECT_EQ(calls[i].aaax, i == 0 ? 9 : 0);  // offsets reach the first only
            const Point an = Anchor(calls[i]);
            EXPECT_NEAR(Dist(an.x, an.y, calls[i].zx0, calls[i].zy0), 20, 1e-3);
            EXPECT_EQ(!InTriangle(an, a, b, c), k.outside) << i;
        }
    }
    // The triangle's labels lie on the outer bisectors: at the right angle
    // (100, 300) straight away from the hypotenuse.
    calls.clear();
    Vertices({a, b, c});
    s.NAGASA = 20, s.AAA_s = "A";
    DrawPolygon(s);
    const Point an = Anchor(calls[0]);
    EXPECT_NEAR(an.x, 100 - 20 / std::sqrt(2.0f), 1e-2);
    EXPECT_NEAR(an.y, 300 + 20 / std::sqrt(2.0f), 1e-2);
}

TEST_F(Polygon, SecondRayGoesToTheVertexAfterNext) {
    Vertices({{100, 100}, {300, 100}, {300, 300}, {100, 300}, {50, 200}});
    s.NAGASA = 10, s.AAA_s = "A";
    DrawPolygon(s);
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls[3].zx0, 100);  // vertex 4
    EXPECT_EQ(calls[3].zx1, 50);   // vertex 5
    EXPECT_EQ(calls[3].zx2, 100);  // vertex 1
    EXPECT_EQ(calls[3].zy2, 100);
    EXPECT_EQ(calls[4].zx1, 100);  // vertex 5: then 1 and 2
    EXPECT_EQ(calls[4].zx2, 300);
    EXPECT_EQ(s.ZX0, 50);
    EXPECT_EQ(s.ZX1, 100);
    EXPECT_EQ(s.ZX2, 300);
}

TEST_F(Polygon, MoreVerticesThanTheTableIsARunTimeError) {
    s.KAKU = 11, s.SIZE1 = 5;
    EXPECT_THROW(DrawPolygon(s), RuntimeError);
    s.KAKU = 21, s.AAA_s = "1";
    EXPECT_THROW(LabelPolygonFromList(s), RuntimeError);
}

}  // namespace vm::test
