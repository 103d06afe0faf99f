#include "lessons/common/figure.h"

#include <cmath>
#include <vector>

#include "figures/figures.h"
#include "platform/colours.h"

namespace vm {

namespace {

Point At(State& s, int i) { return {s.X_a(i), s.Y_a(i)}; }

}  // namespace

void Frame(State& s, float ggx, float ggy, float yoko, float tate, float size) {
    s.GGX = ggx;
    s.GGY = ggy;
    s.YOKO = yoko;
    s.TATE = tate;
    s.CCC2 = kBackground;
    s.SIZE = size;
    DrawGrid(s);
}

void Put(State& s, int i, float gx, float gy) {
    s.X_a(i) = s.GX0 + s.SIZE * gx;
    s.Y_a(i) = s.GY0 - s.SIZE * gy;
}

void Put(State& s, std::initializer_list<GridPoint> points) {
    for (const auto& p : points) Put(s, p.i, p.gx, p.gy);
}

void Polar(State& s, int i, int from, float r, float deg) {
    const float a = deg * s.PI / 180;
    s.X_a(i) = s.X_a(from) + r * std::cos(a);
    s.Y_a(i) = s.Y_a(from) - r * std::sin(a);
}

void Disc(State& s, int i, float r, int colour) { s.P.Dot(s.X_a(i), s.Y_a(i), r, colour); }

void Segment(State& s, int i, int j, int colour) {
    s.P.Line(s.X_a(i), s.Y_a(i), s.X_a(j), s.Y_a(j), colour);
}

void Triangle(State& s, int i, int j, int k, int fill) {
    s.P.FillPolygon({At(s, i), At(s, j), At(s, k)}, kBlack, fill);
}

void Outline(State& s, std::initializer_list<int> points, int colour) {
    std::vector<Point> pts;
    for (const int i : points) pts.push_back(At(s, i));
    if (!pts.empty()) pts.push_back(pts.front());
    s.P.Connect(pts, colour);
}

void Plane(State& s, float ggx, float ggy, float x1, float x2, float y1, float y2, float size,
           int grid, float nasi) {
    s.GGX = ggx;
    s.GGY = ggy;
    s.AA1 = x1;
    s.AA2 = x2;
    s.BB1 = y1;
    s.BB2 = y2;
    s.SIZE = size;
    s.CCC2 = static_cast<float>(grid);
    s.NASI = nasi;
    DrawCoordinatePlane(s);
}

void PlanePoint(State& s, float x, float y, float r, int c, const std::string& label, float dx,
                float dy) {
    s.XG = x;
    s.YG = y;
    s.R = r;
    s.CCC3 = static_cast<float>(c);
    s.AAA_s = label;
    s.KASANARIX = dx;
    s.KASANARIY = dy;
    PlotLabelledPoint(s);
}

void LengthArc(State& s, int i, int j, float side, float step, const std::string& label,
               const ArcLook& look) {
    s.ZX0 = s.X_a(i);
    s.ZY0 = s.Y_a(i);
    s.ZX1 = s.X_a(j);
    s.ZY1 = s.Y_a(j);
    s.HOUKOU = side;
    s.TAKASA = look.height;
    s.HABA = step;
    s.CCC2 = static_cast<float>(look.dots);
    s.CCC1 = static_cast<float>(look.ink);
    s.AAA_s = label;
    s.AAAX = look.dx;
    s.AAAY = look.dy;
    DrawDimensionArc(s);
}

void Corner(State& s, int k, int i, int j) {
    s.ZX0 = s.X_a(k);
    s.ZY0 = s.Y_a(k);
    s.ZX1 = s.X_a(i);
    s.ZY1 = s.Y_a(i);
    s.ZX2 = s.X_a(j);
    s.ZY2 = s.Y_a(j);
}

void RightAngle(State& s, int k, int i, int j, float side, int colour) {
    Corner(s, k, i, j);
    s.NAGASA = side;
    s.CCC2 = static_cast<float>(colour);
    s.ITI = 1;
    DrawRightAngleMark(s);
}

}  // namespace vm
