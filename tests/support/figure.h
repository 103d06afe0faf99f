// Queries on the figures of a drawing log: the dotted arcs and lines, the
// right-angle marks, the lines of a figure and where labels stand.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"
#include "support/log.h"

namespace vm::test {

// A dotted arc or line: a run of consecutive half-pixel dots, as drawn.
struct DotRun {
    size_t first = 0;  // the index of its first dot in the log
    std::vector<Op> dots;
    const Op& Middle() const { return dots[dots.size() / 2]; }
};
std::vector<DotRun> DotRuns(const std::vector<Op>& log, size_t from = 0, size_t to = kNone);
std::vector<size_t> Sizes(const std::vector<DotRun>& runs);

// A cone's base as the cones draw it, in one colour: 181 dots of its front
// half below the axis at y `axis`, the middle one `depth` below it, then 26
// sparse dots of its back above the axis, the middle one `depth` above it.
void ExpectConeBase(const DotRun& base, float axis, float depth, int colour);

// The side of the run's middle dot against the way from (x1, y1) to
// (x2, y2) on the screen: above 0 on its right, below 0 on its left.
float SideOf(const DotRun& run, float x1, float y1, float x2, float y2);
// Whether p lies strictly on the other side of the line a-b than c.
bool Outside(Point p, Point a, Point b, Point c);
// A dimension arc along the side a-b of the triangle whose third corner is
// c, drawn outside it: every dot but the two ends strictly outside, the
// ends on the side within a pixel.
bool ArcOutside(const DotRun& run, Point a, Point b, Point c);

// The right-angle marks: open three-point polylines with two sides of `side`.
std::vector<Op> RightAngleMarks(const std::vector<Op>& log, float side = 40);
// Lines of the figure, not strokes of glyphs: from x0 on, above the band.
std::vector<Op> FigureLines(const std::vector<Op>& log, float x0);
// The polyline has these points, within `tol`, and this colour.
void ExpectPolyline(const Op& op, const std::vector<Point>& want, int colour,
                    float tol = 1e-3f);

// The places of the first glyphs of a plain text (one op a character)
// drawn in a colour.
std::vector<Point> LabelsOf(const std::vector<Op>& log, const std::string& text, int colour);

}  // namespace vm::test
