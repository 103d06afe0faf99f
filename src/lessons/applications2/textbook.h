// What the textbook answer pages have in common besides the toolkit's
// title and number tags: the erase below the tags, the item lines and the
// marks their figures put between points of the point table.
#pragma once

#include <string>

#include "lessons/common/figure.h"
#include "lessons/common/marks.h"
#include "lessons/common/text.h"
#include "state/state.h"

namespace vm::textbook {

// Figures are drawn with this pen.
inline constexpr int kPen = 5;

inline constexpr const char* kP205 = "P205(三平方 基本の問題)";
inline constexpr const char* kP206 = "P206(章の問題A)";
inline constexpr const char* kP207 = "P207(章の問題B)";

// Erases everything from y 90 down; the tags above stay.
void ClearBelowTags(State& s);

// An item line ("(1)", ...) at (XI1 - 76, YI1 + d).
void Item(State& s, float d, int c, const std::string& text);

// Point k midway between points i and j.
void Midpoint(State& s, int k, int i, int j);

}  // namespace vm::textbook
