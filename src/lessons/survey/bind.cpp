// Velmaris-D's binding. Its forms of the revisable routines are the shared
// bodies drawn in its own styles, and its own cell writer, label placer,
// grid, arrow, plane and plots.
#include "frame/styles.h"
#include "lessons/survey/charts.h"
#include "lessons/survey/revisions.h"

namespace vm {

namespace {

// The step wait's box stands on the place of the next-step gate's box, 18 px
// above the other programs' one, and the band's erase starts at its top.
constexpr BandStyle kBand{.top = 639, .outline_apart = true};

}  // namespace

void BindSurvey(Binding& b) {
    b.WaitForKey = [](State& s) { WaitForKey(s, kBand); };
    b.EraseBottomLine = [](State& s) { EraseBottomLine(s, kBand); };
    b.DrawFormulaGlyphs = survey::DrawFormulaGlyphs;
    b.DrawCellText = survey::DrawCellText;
    b.PlaceAngleLabel = survey::PlaceAngleLabel;
    b.DrawGrid = survey::DrawGrid;
    b.DrawArrow = survey::DrawArrow;
    b.DrawCoordinatePlane = survey::DrawCoordinatePlane;
    b.PlotLabelledPoint = survey::PlotLabelledPoint;
    b.PlotGraph = survey::PlotGraph;
    b.PlotCurve = survey::PlotCurve;
    b.PlotVerticalLine = survey::PlotVerticalLine;
}

}  // namespace vm
