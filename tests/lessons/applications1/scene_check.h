// Checks shared by the tests of Velmaris-B's lessons: a scene's texts in
// order with their places and colours, its dotted arcs, its marks.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/state.h"

namespace vm::test::page {

// Where a text stands: at (x, y); after the last text on its line; a label
// at (x, y) that leaves the cursor; a mark's label, wherever its mark puts
// it (only its glyphs' places relative to each other are checked).
enum Place { kAt, kAfter, kLabel, kMark };
struct Line {
    Place place;
    std::string text;
    float x, y;
    int colour;
    Routine writer = nullptr;  // DrawMarkupText unless told
};

// Where a markup text ends when written from x.
float EndOf(const std::string& text, float x, Routine writer = nullptr);

// Checks that the texts appear in [from, to) of the log in this order, each
// as its writer draws it at its place and in its colour (other texts may
// come between); returns the index of the first glyph of the last one, or
// kNone after a failure.
size_t ExpectTextsInOrder(const std::vector<Op>& log, size_t from, size_t to,
                          const std::vector<Line>& lines);

// The dotted arcs and lines: runs of consecutive half-pixel dots.
std::vector<std::vector<Point>> DotRuns(const std::vector<Op>& log);
std::vector<size_t> Sizes(const std::vector<std::vector<Point>>& runs);

// The right-angle marks: open three-point polylines with two sides of `side`.
std::vector<Op> RightAngleMarks(const std::vector<Op>& log, float side = 40);
// Lines of the figure, not strokes of glyphs: from x0 on, above the band.
std::vector<Op> FigureLines(const std::vector<Op>& log, float x0);
void ExpectPolyline(const Op& op, const std::vector<Point>& want, int colour);

// Whether p lies strictly on the other side of the line a-b than c.
bool Outside(Point p, Point a, Point b, Point c);
// Every dot of the run but its two ends lies outside the side a-b of the
// triangle whose third corner is c.
bool ArcOutside(const std::vector<Point>& dots, Point a, Point b, Point c);

// The first glyphs of a plain text (one op a character) in a colour, as
// the places of their first glyphs.
std::vector<Point> LabelsOf(const std::vector<Op>& log, const std::string& text, int colour);

}  // namespace vm::test::page
