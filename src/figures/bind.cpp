#include "figures/figures.h"
#include "frame/binding.h"

namespace vm {

void BindFigures(Binding& b) {
    b.PlaceAngleLabel = shared::PlaceAngleLabel;
    b.DrawGrid = shared::DrawGrid;
    b.DrawArrow = shared::DrawArrow;
    b.DrawCoordinatePlane = shared::DrawCoordinatePlane;
    b.PlotLabelledPoint = shared::PlotLabelledPoint;
    b.PlotGraph = shared::PlotGraph;
    b.PlotCurve = shared::PlotCurve;
    b.PlotVerticalLine = shared::PlotVerticalLine;
}

void PlaceAngleLabel(State& s) { Call(s, s.bind.PlaceAngleLabel); }
void DrawGrid(State& s) { Call(s, s.bind.DrawGrid); }
void DrawArrow(State& s) { Call(s, s.bind.DrawArrow); }
void DrawCoordinatePlane(State& s) { Call(s, s.bind.DrawCoordinatePlane); }
void PlotLabelledPoint(State& s) { Call(s, s.bind.PlotLabelledPoint); }
void PlotGraph(State& s) { Call(s, s.bind.PlotGraph); }
void PlotCurve(State& s) { Call(s, s.bind.PlotCurve); }
void PlotVerticalLine(State& s) { Call(s, s.bind.PlotVerticalLine); }

}  // namespace vm
