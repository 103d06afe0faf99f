// The glyph level of the formula writer: every character's font, size,
// magnification, place and pen advance. The advances are fixed numbers, not
// font metrics, so that every width measured in the programs is the sum of
// these advances whatever face the platform stands in with.
#include <vector>

#include "formula/draw_util.h"
#include "formula/formula.h"
#include "formula/styles.h"
#include "platform/sjis.h"
#include "state/shared_forms.h"

namespace vm {

using formula::Colour;
using formula::kGothic;
using formula::Width;

namespace {

// Markup characters that stand for a mathematical sign.
std::string Substitute(const std::string& c, bool frac, const GlyphStyle& style) {
    if (style.figure_signs && c == "%") return "°";
    if (!style.figure_signs && frac) {
        if (c == "-") return "－";
        if (c == "+") return "＋";
    }
    if (c == "*") return "×";
    if (c == "/") return "÷";
    if (c == "@") return "±";
    if (c == "!") return "√";
    return c;
}

bool IsItalicLetter(const std::string& c) { return c == "a" || c == "x" || c == "c"; }

// Root signs and the parallelogram, drawn as polylines. Returns false for
// any other character.
bool DrawPolylineGlyph(State& s, const std::string& c, const GlyphStyle& style) {
    const float x = s.TX, y = s.TY;
    const bool frac = s.BUN == 1;
    std::vector<Point> pts;
    float advance = 0;
    if (c == "√" && frac) {
        s.P.SetDrawWidth(3);
        pts = {{x + 4, y + 24}, {x + 8, y + 13}, {x + 16, y + 29}, {x + 24, y - 6}, {x + 26, y - 6}};
        s.HROOT = 11;
        advance = 26;
    } else if (c == "√") {
        s.P.SetDrawWidth(3);
        pts = {{x + 4, y + 36}, {x + 8, y + 24}, {x + 16, y + 40}, {x + 24, y - 4}, {x + 32, y - 4}};
        s.HROOT = 1;
        advance = 28;
    } else if (c == "&" && style.figure_signs) {
        s.P.SetDrawWidth(5);
        pts = {{x + 4, y + 40}, {x + 25, y + 40}, {x + 32, y + 8}, {x + 11, y + 8}, {x + 4, y + 40}};
        advance = 36;
    } else {
        return false;
    }
    s.P.Connect(pts, Colour(s.CCC1));
    s.P.SetDrawWidth(3);
    if (style.empties_drawn) s.B_s = "";
    s.TX += advance;
    // A root sign while a root is open starts a new overline here: roots do
    // not nest.
    s.TXM = s.TX;
    return true;
}

// One row of the glyph table: the first row whose condition holds draws the
// character and advances the working pen.
void DrawTableGlyph(State& s, const std::string& c, const GlyphStyle& style) {
    Platform& p = s.P;
    const float x = s.TX, y = s.TY;
    const int col = Colour(s.CCC1);
    const bool frac = s.BUN == 1;
    const bool wide = s.TA2 == 2;
    const bool signs = style.figure_signs;
    float advance = 0;

    if (c == ".") {
        p.Symbol(x - 3, y + 14, c, 3, 2, col);
        advance = 8;
        if (style.empties_drawn) s.B_s = "";
    } else if (c == "'" || c == "°") {
        p.Symbol(x, y, c, 3, 3, col);
        advance = 12;
    } else if (c == "(" && s.KAKKO == 1) {
        p.Symbol(x - 4, y - 6, c, 3, 4, col);
        advance = 27;
    } else if (c == ")" && s.KAKKO == 1) {
        p.Symbol(x + 6, y - 6, c, 3, 4, col);
        advance = 27;
        s.KAKKO = 0;
    } else if (c == "=") {
        p.SetFontSize(14);
        p.SetFontBold(true);
        p.Symbol(x + 4, y, c, 3, 3, col);
        advance = 32;
        if (!style.bold_after_equals) p.SetFontBold(false);
        p.SetFontSize(16);
    } else if (s.JYOUK == 1) {
        p.SetFontSize(8);
        p.Symbol(x, y - 10, c, 6, 3, col);
        advance = 24;
        s.JYOUK = 0;
        p.SetFontSize(16);
    } else if (s.JYOU == 1 && frac) {
        p.SetFontSize(8);
        p.Symbol(x, y - 4, c, 6, 3, col);
        advance = 24;
        s.JYOU = 0;
        p.SetFontSize(16);
    } else if (s.JYOU == 1) {
        p.Symbol(x, y, c, 3, 2, col);
        advance = 24;
        s.JYOU = 0;
    } else if (IsItalicLetter(c)) {
        p.SetFontName("Times New Roman");
        p.SetFontSize(8);
        p.SetFontItalic(true);
        if (frac) {
            p.Symbol(x + 4, y - 16, c, 12, 5, col);
            advance = 32;
        } else {
            p.Symbol(x + 4, y - 22, c, 10, 7, col);
            advance = style.italic_advance;
        }
        p.SetFontName(kGothic);
        p.SetFontSize(16);
        p.SetFontItalic(false);
        if (style.empties_drawn) s.B_s = "";
    } else if (c == "l") {
        p.SetFontName("MT Extra");
        p.SetFontSize(16);
        p.SetFontBold(true);
        p.Symbol(x, y, c, 6, 3, col);
        advance = 32;
        p.SetFontName(kGothic);
        p.SetFontSize(16);
        p.SetFontBold(false);
        if (style.empties_drawn) s.B_s = "";
    } else if (signs && (c == "-" || c == "+") && frac) {
        p.SetDrawWidth(5);
        p.Line(x + 6, y + 14, x + 26, y + 14, col);
        if (c == "+") p.Line(x + 16, y + 4, x + 16, y + 24, col);
        advance = 32;
        p.SetDrawWidth(3);
    } else if (!signs && (c == "－" || c == "＋") && frac) {
        p.Symbol(x, y, c, 2, 2, col);
        advance = 28;
    } else if (signs && c == "-") {
        p.SetDrawWidth(5);
        p.Line(x + 4, y + 20, x + 23, y + 20, col);
        advance = 27;
        p.SetDrawWidth(3);
    } else if (signs && c == "+") {
        p.SetDrawWidth(5);
        p.Line(x + 4, y + 22, x + 23, y + 22, col);
        p.Line(x + 13, y + 10, x + 13, y + 34, col);
        advance = 27;
        p.SetDrawWidth(3);
    } else if (signs && (c == "×" || c == "÷" || c == "±") && !frac) {
        p.Symbol(x - 4, y, c, 2, 3, col);
        advance = 27;
    } else if (signs && c == " ") {
        advance = 27;
    } else if (wide && frac) {
        p.SetFontSize(11);
        p.Symbol(x, y, c, 3, 3, col);
        advance = 38;
        p.SetFontSize(16);
    } else if (wide) {
        p.Symbol(x, y, c, 2, 3, col);
        advance = 34;
    } else if (frac) {
        p.Symbol(x, y, c, 4, 2, col);
        advance = 32;
    } else {
        p.Symbol(x, y, c, 3, 3, col);
        advance = 27;
    }
    s.TX += advance;
}

// While a root is open every table glyph draws its overline again from the
// end of the root sign to the pen, so the line grows glyph by glyph.
void ExtendOverline(State& s) {
    float dy = 0;
    if (s.HROOT == 1) dy = 4;
    else if (s.HROOT == 11) dy = 6;
    else if (s.HROOT == 22 && s.BUN != 1) dy = 14;  // over a fraction the bar is its own
    if (dy == 0) {
        s.TXM = s.TX;
        return;
    }
    s.P.SetDrawWidth(3);
    s.P.Line(s.TXM, s.TY - dy, s.TX, s.TY - dy, Colour(s.CCC1));
}

}  // namespace

void DrawFormulaGlyphs(State& s, const GlyphStyle& style) {
    Platform& p = s.P;
    s.TX = s.X;
    s.TY = s.Y;
    s.DR = static_cast<float>(p.GetDrawWidth());
    s.R_s = s.A_s;
    const std::vector<std::string> chars = Chars(s.R_s);
    s.NAG = static_cast<float>(chars.size());
    if (style.selects_face) {
        p.SetFontName(kGothic);
        p.SetFontSize(16);
    }
    p.SetFontBold(true);
    // An empty string draws nothing: no pen advance and no flag used up.
    if (chars.empty() && style.empties_drawn) s.B_s = "";
    for (size_t i = 0; i < chars.size(); ++i) {
        s.I = static_cast<float>(i + 1);
        s.B_s = Substitute(chars[i], s.BUN == 1, style);
        const std::string c = s.B_s;
        // Flags draw nothing and leave the pen and the overline alone.
        if (c == "^") {
            s.JYOU = 1;
            continue;
        }
        if (c == "\\") {
            s.JYOUK = 1;
            continue;
        }
        if (c == "ﾝ") {
            s.HROOT = 0;
            continue;
        }
        if (DrawPolylineGlyph(s, c, style)) continue;
        s.TA2 = static_cast<float>(Len(c));
        DrawTableGlyph(s, c, style);
        ExtendOverline(s);
    }
    s.I = s.NAG + 1;
    s.X = s.TX;
    s.Y = s.TY;
    p.SetFontBold(false);
    p.SetDrawWidth(Width(s.DR));
}

namespace shared {

void DrawFormulaGlyphs(State& s) { vm::DrawFormulaGlyphs(s, GlyphStyle{}); }

}  // namespace shared

}  // namespace vm
