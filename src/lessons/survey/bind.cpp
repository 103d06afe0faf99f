#include "lessons/survey/charts.h"
#include "lessons/survey/revisions.h"

namespace vm {

void BindSurvey(Binding& b) {
    b.WaitForKey = survey::WaitForKey;
    b.EraseBottomLine = survey::EraseBottomLine;
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
