// Scene 5: beyond the tangent point A the earth hides the summit from the
// ground at B, but the top C of a mountain at B still sees it.
#include "figures/figures.h"
#include "frame/frame.h"
#include "lessons/applications2/summit.h"
#include "lessons/applications2/summit_draw.h"
#include "platform/colours.h"

namespace vm {

using namespace summit;

namespace {

constexpr int kTouch = 4, kB = 5, kC = 7, kSummit = 13;

}  // namespace

void SummitSceneHigherPlaces(State& s) {
    ClearScreen(s);
    StartTextColumn(s);
    s.P.SetDrawWidth(kPen);
    const Section sec = SetUpSection(s);
    DrawSection(s, sec);
    DrawTangentPA(s, sec, -14, -50);

    Write(s, kPurple, s.XI0, s.YI1, "⑤ ");
    Write(s, kBlack, s.XI2, s.YI1, "220kmより遠くから見える場合は?");

    MarkRightAngleAtTangent(s, 40);

    // The tangent's length, dotted along PA itself, its label just below
    // the middle.
    LengthArc(s, kSummit, kTouch, -1, 1, "220km", {kBlue, kBlue, 0, 0, 30});
    WaitForKey(s);

    Polar(s, kB, 0, sec.R1, 140);
    Disc(s, kB, 6, kBlack);
    Label(s, kBlue, s.X_a(kB), s.Y_a(kB) + 10, "B");
    WaitForKey(s);

    Segment(s, kB, kSummit, kPurple);
    WaitForKey(s);

    Polar(s, kC, 0, 11 * s.SIZE, 140);
    Polar(s, 8, 0, sec.R1, 135);
    Polar(s, 9, 0, sec.R1, 145);
    Triangle(s, kC, 8, 9, kAmber);
    Disc(s, kC, 6, kPurple);
    Label(s, kBlue, s.X_a(kC) - 40, s.Y_a(kC) - 25, "C");
    WaitForKey(s);

    Segment(s, kC, kSummit, kPurple);
    WaitForKey(s);

    Write(s, kRed, s.XI0, s.YI1 + 60, "山などの高い場所");
    WaitForKey(s);

    for (const char* line : {"富士山が見えるもっとも遠い場所は", "和歌山県の色川富士見峠で、",
                             "富士山からの距離323km", "標高約700m"}) {
        Write(s, kBlack, s.XI0, s.YI1 + 50, line);
    }
}

}  // namespace vm
