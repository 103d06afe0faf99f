// What the textbook answer pages have in common: the page-title and
// problem-number tags on the top line, the erase below them, and the marks
// their figures put between points of the point table.
#pragma once

#include <string>

#include "lessons/common/figure.h"
#include "lessons/common/text.h"
#include "state/state.h"

namespace vm::textbook {

// Figures are drawn with this pen.
inline constexpr int kPen = 5;

inline constexpr const char* kP205 = "P205(三平方 基本の問題)";
inline constexpr const char* kP206 = "P206(章の問題A)";
inline constexpr const char* kP207 = "P207(章の問題B)";

// The page title in a 484 x 50 box (border 3, fill 13, text 0) at pen
// (x, y); the cursor follows (XI2 = the box's right edge, YI1 = y).
void TitleTag(State& s, const std::string& title, float x, float y);
// The problem number in a 40 x 50 box (border 4, fill 3, text 13).
void NumberTag(State& s, const std::string& number, float x, float y);
// The title at (x, y), then the number `gap` px right of the title's box.
void Tags(State& s, const std::string& title, const std::string& number, float x, float y,
          float gap);
// Erases everything from y 90 down; the tags above stay.
void ClearBelowTags(State& s);

// An item line ("(1)", ...) at (XI1 - 76, YI1 + d).
void Item(State& s, float d, int c, const std::string& text);

// An angle mark at the vertex between the rays to i and j: `arcs` outline
// arcs in `fill`, or with 0 a sector outlined in `border` and filled with
// `fill`; the label in colour `ink` on the bisector.
void AngleMark(State& s, int vertex, int i, int j, float size, float arcs, int border, int fill,
               const std::string& label, int ink, float iti = 1);
// Point k midway between points i and j.
void Midpoint(State& s, int k, int i, int j);

}  // namespace vm::textbook
