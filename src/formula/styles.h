// The styles in which the programs' forms of the formula writer's revisable
// routines differ, and the one body of each routine that draws in a given
// style. The shared forms call the bodies with the default style, a
// program's binding with its own; everything else calls the routine, through
// the binding.
#pragma once

#include "state/state.h"

namespace vm {

// The glyph writer's style.
struct GlyphStyle {
    // The writer selects the Gothic face at size 16 on entry; without, it
    // draws in the standing face.
    bool selects_face = true;
    // Signs are figures: minus and plus are drawn as lines, "&" as a
    // parallelogram, "%" as the degree sign, ×, ÷ and ± 4 px to the left
    // outside a fraction, and the blank is left out. Without, all of them are
    // text, minus and plus inside a fraction in their full-width forms.
    bool figure_signs = true;
    // A point, an italic letter, the script "l" and the polyline glyphs
    // leave the character (B_s) empty, as does an empty string.
    bool empties_drawn = true;
    // Without, the "=" ends bold for the rest of the string.
    bool bold_after_equals = true;
    float italic_advance = 27;  // an italic letter's outside a fraction
};

// The cell writer's style.
struct CellStyle {
    // AAAX and AAAY move the text off its place in the cell, once. Without,
    // they belong to the angle label alone: not read, left as found.
    bool offsets = true;
    // The caller's text is back in A_s at the end; without, A_s holds what
    // the writer left there.
    bool gives_text_back = false;
};

void DrawFormulaGlyphs(State& s, const GlyphStyle& style);
void DrawCellText(State& s, const CellStyle& style);

}  // namespace vm
