// Ray directions, arc end positions, bisectors and angle sizes.
#include "figures/common.h"
#include "figures/figures.h"
#include "state/strings.h"

namespace vm {

using fig::Direction;

void ComputeRayAngles(State& s) {
    s.PI = fig::kPi;
    const float t1 = Direction(s.ZX1 - s.ZX0, s.ZY1 - s.ZY0);
    s.HH1 = 1 - t1 / (2 * s.PI);
    s.HH3 = t1;
    const float t2 = Direction(s.ZX2 - s.ZX0, s.ZY2 - s.ZY0);
    s.HHP = t2;
    s.HH2 = 1 - t2 / (2 * s.PI);
    s.HH4 = t2;
    if (s.ITI == -1) {
        std::swap(s.HH1, s.HH2);
        std::swap(s.HH3, s.HH4);
    }
    // Halfway along the counter-clockwise sweep from ray 1 to ray 2; not
    // reduced below 2·PI, since its users take only sine and cosine.
    s.HH5 = (s.HH3 + s.HH4) / 2;
    if (s.HH4 < s.HH3) s.HH5 += s.PI;
}

void ComputeAngleSize(State& s) {
    ComputeRayAngles(s);
    if (s.HH4 < s.HH3) s.HH4 += 2 * s.PI;
    s.HH5 = s.HH4 - s.HH3;
    s.HH = s.HH5 * 180 / s.PI;
    // One decimal, rounded through a 16-bit whole number: a corner within
    // 0.05° of a right angle reads exactly "90", which the lessons test for.
    const float tenths = static_cast<float>(CInt(10 * s.HH)) / 10;
    s.KAKUDO_s = Str(tenths);
    s.A_s = s.KAKUDO_s;
    StripSpaces(s);
    s.KAKUDO_s = s.A_s;
}

void ComputeRayAngle(State& s) {
    s.PI = fig::kPi;
    s.HHP = Direction(s.ZX1 - s.ZX0, s.ZY1 - s.ZY0);
    s.HH = s.HHP * 180 / s.PI;
}

}  // namespace vm
