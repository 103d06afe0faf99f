// Feet of perpendiculars and crossings of two lines, in pixel coordinates.
#include "figures/common.h"
#include "figures/figures.h"
#include "platform/colours.h"

namespace vm {

void MarkPerpendicularFoot(State& s) {
    if (s.AX == s.BX) {
        s.EX = s.AX;
        s.EY = s.CY;
    } else if (s.AY == s.BY) {
        s.EX = s.CX;
        s.EY = s.AY;
    } else {
        s.AA1 = Div(s.BY - s.AY, s.BX - s.AX);
        s.BB1 = s.AY - s.AA1 * s.AX;
        s.AA2 = Div(-1, s.AA1);
        s.BB2 = s.CY - s.AA2 * s.CX;
        s.EX = Div(s.BB2 - s.BB1, s.AA1 - s.AA2);
        s.EY = Div(s.AA1 * s.BB2 - s.AA2 * s.BB1, s.AA1 - s.AA2);
    }
    // A dot in the background colour: it marks the foot for the lessons'
    // later constructions without showing.
    s.P.Dot(s.EX, s.EY, 2, kBackground);
}

namespace {

// Slope and intercept of the line through (x1, y1) and (x2, y2). A vertical
// line has no slope: it keeps the slope marker 1000 that callers compare,
// but is told apart by the returned flag, not by that marker, so a line
// that really rises 1000 to 1 is not taken for a vertical one.
bool SlopeForm(float x1, float y1, float x2, float y2, float& slope, float& icept) {
    if (y1 == y2) {
        slope = 0;
        icept = y1;
        return false;
    }
    if (x1 == x2) {
        slope = 1000;
        return true;
    }
    slope = Div(y2 - y1, x2 - x1);
    icept = y1 - slope * x1;
    return false;
}

}  // namespace

void IntersectLines(State& s) {
    const bool v1 = SlopeForm(s.AX, s.AY, s.BX, s.BY, s.A1, s.B1);
    const bool v2 = SlopeForm(s.CX, s.CY, s.DX, s.DY, s.A2, s.B2);
    // Parallel (or identical) lines have no single crossing: say so in
    // KOUTEN and leave AX2, AY2 alone rather than pass old values off as one.
    if ((v1 && v2) || (!v1 && !v2 && s.A1 == s.A2)) {
        s.KOUTEN = 0;
        return;
    }
    s.KOUTEN = 1;
    if (v1) {
        s.AX2 = s.AX;
        s.AY2 = s.A2 * s.AX2 + s.B2;
    } else if (v2) {
        s.AX2 = s.CX;
        s.AY2 = s.A1 * s.AX2 + s.B1;
    } else {
        const float db = s.B2 - s.B1, da = s.A2 - s.A1;
        s.AX2 = Div(-db, da);
        s.AY2 = Div(-s.A1 * db + da * s.B1, da);
    }
}

}  // namespace vm
