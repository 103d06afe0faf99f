// Velmaris-D's binding. Its forms of the revisable routines are the shared
// bodies drawn in its own styles, and its own cell writer, label placer,
// grid, arrow and plots.
#include "figures/styles.h"
#include "formula/styles.h"
#include "frame/styles.h"
#include "lessons/survey/charts.h"
#include "lessons/survey/revisions.h"

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

// The plane's ranges count grid lines as given: the plots scale by BAI and
// HI, and the plane leaves BAIX and BAIY alone.
constexpr PlaneStyle kPlane{.scaled_ranges = false};

}  // namespace

void BindSurvey(Binding& b) {
    b.WaitForKey = [](State& s) { WaitForKey(s, kBand); };
    b.EraseBottomLine = [](State& s) { EraseBottomLine(s, kBand); };
    b.DrawFormulaGlyphs = [](State& s) { DrawFormulaGlyphs(s, kGlyphs); };
    b.DrawCellText = survey::DrawCellText;
    b.PlaceAngleLabel = survey::PlaceAngleLabel;
    b.DrawGrid = survey::DrawGrid;
    b.DrawArrow = survey::DrawArrow;
    b.DrawCoordinatePlane = [](State& s) { DrawCoordinatePlane(s, kPlane); };
    b.PlotLabelledPoint = survey::PlotLabelledPoint;
    b.PlotGraph = survey::PlotGraph;
    b.PlotCurve = survey::PlotCurve;
    b.PlotVerticalLine = survey::PlotVerticalLine;
}

}  // namespace vm
