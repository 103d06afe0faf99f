// Velmaris-D's binding. Its forms of the revisable routines are the shared
// bodies drawn in its own styles.
#include "figures/styles.h"
#include "formula/styles.h"
#include "frame/styles.h"
#include "lessons/survey/charts.h"

namespace vm {

namespace {

// The step wait's box stands on the place of the next-step gate's box, 18 px
// above the other programs' one, and the band's erase starts at its top.
constexpr BandStyle kBand{.top = 639, .outline_apart = true};

// Apart from the roots every sign is text, in the standing face: minus and
// plus inside a fraction in their full-width forms, "%" and "&" for
// themselves. The "=" ends bold, and an italic letter is 1 px narrower.
constexpr GlyphStyle kGlyphs{.selects_face = false,
                             .figure_signs = false,
                             .empties_drawn = false,
                             .bold_after_equals = false,
                             .italic_advance = 26};

// AAAX and AAAY belong to the angle label alone, and a cell gives its
// caller's text back.
constexpr CellStyle kCells{.offsets = false, .gives_text_back = true};

// The plane's ranges count grid lines as given: the plots scale by BAI and
// HI, and the plane leaves BAIX and BAIY alone.
constexpr PlaneStyle kPlane{.scaled_ranges = false};

// The plots scale by BAI and HI. No lesson plots on a plane; the plots
// belong to the program all the same.
constexpr PlotStyle kPlots{.bai_and_hi = true};

// A grid in the background colour paints it over what lies under it.
constexpr GridStyle kGrid{.background_drawn = true};

// The head stands at (ZX0, ZY0), and ends that coincide draw the shaft only.
constexpr ArrowStyle kArrow{.head_at_z0 = true, .flat_headless = true};

// Every angle label is formula text, vertex letters and dimensions alike.
constexpr AngleLabelStyle kAngleLabel{.plain_on_request = false};

}  // namespace

void BindSurvey(Binding& b) {
    b.WaitForKey = [](State& s) { WaitForKey(s, kBand); };
    b.EraseBottomLine = [](State& s) { EraseBottomLine(s, kBand); };
    b.DrawFormulaGlyphs = [](State& s) { DrawFormulaGlyphs(s, kGlyphs); };
    b.DrawCellText = [](State& s) { DrawCellText(s, kCells); };
    b.PlaceAngleLabel = [](State& s) { PlaceAngleLabel(s, kAngleLabel); };
    b.DrawGrid = [](State& s) { DrawGrid(s, kGrid); };
    b.DrawArrow = [](State& s) { DrawArrow(s, kArrow); };
    b.DrawCoordinatePlane = [](State& s) { DrawCoordinatePlane(s, kPlane); };
    b.PlotLabelledPoint = [](State& s) { PlotLabelledPoint(s, kPlots); };
    b.PlotGraph = [](State& s) { PlotGraph(s, kPlots); };
    b.PlotCurve = [](State& s) { PlotCurve(s, kPlots); };
    b.PlotVerticalLine = [](State& s) { PlotVerticalLine(s, kPlots); };
}

}  // namespace vm
