// ① 問3: a 30°-60°-90° triangle and a right isosceles triangle sharing the
// side of 8 cm; a, b and c from the side ratios, in two columns.
#include <cmath>

#include "frame/frame.h"
#include "lessons/applications1/exercises.h"
#include "lessons/common/figure.h"
#include "lessons/common/marks.h"
#include "lessons/common/text.h"
#include "platform/colours.h"
#include "platform/runtime.h"

namespace vm {

void ChainedSpecialTrianglesProblem(State& s) {
    OpenExercise(s, "問3 解答", 756, 150, 10, 8);
    // 30° with PI as the grid routine leaves it.
    const float dhra = 30 * s.PI / 180;
    // In grid units, each row from the ones before it.
    const float x2 = 1, y2 = 1;
    const float x1 = x2 + 4, y1 = y2 + 4 * Sqr(3);
    const float x4 = x1 + 4 * Sqr(3) / 2, y4 = (y1 + y2) / 2;
    Put(s, {{2, x2, y2},
            {1, x1, y1},
            {3, x1, y2},
            {4, x4, y4},
            {5, x2 + 3 * std::cos(dhra), y2 + 3 * std::sin(dhra)},
            {6, (x1 + x4) / 2 - 0.5f, y4}});

    Polygon(s, {1, 2, 3, 4}, "");
    Segment(s, 1, 3, kBlack);
    // The dots mark the two angles the ratios rest on.
    Disc(s, 5, 8, kBlack);
    Disc(s, 6, 8, kBlack);
    LengthArc(s, 1, 2, 1, 5, "acm", kBlueLength);
    LengthArc(s, 3, 1, -1, 5, "8cm", {kBlue, kBlue, 20, 0, 20});
    LengthArc(s, 2, 3, 1, 5, "bcm", {kBlue, kBlue, 40});
    LengthArc(s, 3, 4, 1, 5, "ccm", kBlueLength);
    LengthArc(s, 1, 4, -1, 5, "ccm", kBlueLength);

    WaitForKey(s);
    NumberedLine(s, 50, kBlack, "① 2:!3ﾝ=a:8");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "!3ﾝa=16");
    NewLine(s, 70, kBlack, "a=ﾀ16/!3ﾝﾀ=");
    Continue(s, kRed, "ﾀ16!3ﾝ/3ﾀ");
    WaitForKey(s);
    NumberedLine(s, 100, kBlack, "② 2:1=ﾀ16!3ﾝ/3ﾀ:b");
    WaitForKey(s);
    NewLine(s, 90, kBlack, "2b=ﾀ16!3ﾝ/3ﾀ");
    NewLine(s, 90, kBlack, "b=");
    Continue(s, kRed, "ﾀ8!3ﾝ/3ﾀ");

    // The second column.
    PlaceCursor(s, 540, 30);
    WaitForKey(s);
    NumberedLine(s, 50, kBlack, "③ !2ﾝ:1=8:c");
    WaitForKey(s);
    NewLine(s, 60, kBlack, "!2ﾝc=8");
    NewLine(s, 70, kBlack, "c=ﾀ8/!2ﾝﾀ=ﾀ8!2ﾝ/2ﾀ");
    NewLine(s, 80, kBlack, " =");
    Continue(s, kRed, "4!2ﾝ");
    FixedLine(s, kBlack, "教科書P195 問4　をしなさい。");
}

}  // namespace vm
