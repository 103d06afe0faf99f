// The routines a program may revise, listed once. Shared code calls them
// through the program's Binding, so a revision reaches every caller; the
// list gives the Binding its slots, the public entry points their calls
// through it, and the shared binding its forms.
#pragma once

// X(name) for each revisable routine.
#define VM_REVISABLE_ROUTINES(X)                                          \
    /* frame */                                                           \
    X(WaitForKey) X(EraseBottomLine) X(AskNumberAtBottom) X(EraseMenuPrompt) \
    X(ClearWorkArea)                                                      \
    /* formula text */                                                    \
    X(DrawFormulaGlyphs) X(DrawStackedFraction) X(DrawCellText)           \
    /* figures */                                                         \
    X(PlaceAngleLabel) X(DrawGrid) X(DrawArrow) X(DrawCoordinatePlane)    \
    X(PlotLabelledPoint) X(PlotGraph) X(PlotCurve) X(PlotVerticalLine)
