#include "lessons/common/drill.h"

#include <cmath>

#include "frame/frame.h"

namespace vm {

void Drill(State& s, Routine problem) {
    do {
        problem(s);
        AskNextStep(s);
    } while (s.AINP != 1);
}

float RandInt(State& s, float k, float c) { return WholeOf(k, s.P.Rnd(), c); }

float WholeOf(float k, float r, float c) {
    // In single precision k * r + c rounds up to k + c when r is the largest
    // value below 1; in double the product of two singles is exact, so the
    // sum stays below k + c.
    const double v = static_cast<double>(k) * static_cast<double>(r) + static_cast<double>(c);
    return static_cast<float>(std::floor(v));
}

}  // namespace vm
