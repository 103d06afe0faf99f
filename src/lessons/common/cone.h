// A cone seen from the side, on a scene's point table.
#pragma once

#include "state/state.h"

namespace vm {

// The cone's points in X()/Y().
namespace cone {
inline constexpr int kApex = 1, kLeft = 2, kCentre = 3, kRight = 4;
}  // namespace cone

// The cone in the scene's frame at pen width 5: a base of radius 4 units
// from grid (1, 1) to (9, 1) with its apex `height` units above the centre,
// drawn as the slant sides, the radius to the left, the base as an ellipse
// 30 px deep (the front half a close row of dots, the back half sparse)
// and the letters A, B, O.
void Cone(State& s, float height);
// The height AO with its right angle at O.
void ConeHeight(State& s);

}  // namespace vm
