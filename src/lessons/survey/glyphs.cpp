// Velmaris-D's glyph writer. Apart from the roots and the overlines every
// character is text: minus and plus inside a fraction become their
// full-width forms, outside a fraction they, and the blank, are drawn as
// the half-width characters; "%" and "&" stand for themselves. The writer
// selects no face or size on entry: every branch that changes one sets it
// back before it ends, so the standing font is always the one to draw in.
// Every width measured in this program is the sum of the advances below.
#include <vector>

#include "lessons/survey/revisions.h"
#include "platform/sjis.h"

namespace vm::survey {

namespace {

const char* const kGothic = "ゴシック";

int Colour(const State& s) { return static_cast<int>(s.CCC1); }

std::string Substitute(const std::string& c, bool frac) {
    if (c == "-" && frac) return "－";
    if (c == "+" && frac) return "＋";
    if (c == "*") return "×";
    if (c == "/") return "÷";
    if (c == "@") return "±";
    if (c == "!") return "√";
    return c;
}

bool IsItalicLetter(const std::string& c) { return c == "a" || c == "x" || c == "c"; }

// Root signs: a polyline, and an overline opened at the sign's end.
void DrawRootSign(State& s) {
    const float x = s.TX, y = s.TY;
    std::vector<Point> pts;
    float advance = 0;
    s.P.SetDrawWidth(3);
    if (s.BUN == 1) {
        pts = {{x + 4, y + 24}, {x + 8, y + 13}, {x + 16, y + 29}, {x + 24, y - 6}, {x + 26, y - 6}};
        s.HROOT = 11;
        advance = 26;
    } else {
        pts = {{x + 4, y + 36}, {x + 8, y + 24}, {x + 16, y + 40}, {x + 24, y - 4}, {x + 32, y - 4}};
        s.HROOT = 1;
        advance = 28;
    }
    s.P.Connect(pts, Colour(s));
    s.P.SetDrawWidth(3);
    s.TX += advance;
    s.TXM = s.TX;
}

// The glyph table: the first row whose condition holds draws the character
// and advances the working pen.
void DrawTableGlyph(State& s, const std::string& c) {
    Platform& p = s.P;
    const float x = s.TX, y = s.TY;
    const int col = Colour(s);
    const bool frac = s.BUN == 1;
    const bool wide = s.TA2 == 2;
    float advance = 27;

    if (c == ".") {
        p.Symbol(x - 3, y + 14, c, 3, 2, col);
        advance = 8;
    } else if (c == "'" || c == "°") {
        p.Symbol(x, y, c, 3, 3, col);
        advance = 12;
    } else if (c == "(" && s.KAKKO == 1) {
        p.Symbol(x - 4, y - 6, c, 3, 4, col);
    } else if (c == ")" && s.KAKKO == 1) {
        p.Symbol(x + 6, y - 6, c, 3, 4, col);
        s.KAKKO = 0;
    } else if (c == "=") {
        // Bold ends with the "=": the rest of a fraction part is not bold.
        p.SetFontSize(14);
        p.SetFontBold(true);
        p.Symbol(x + 4, y, c, 3, 3, col);
        p.SetFontBold(false);
        p.SetFontSize(16);
        advance = 32;
    } else if (s.JYOUK == 1) {
        p.SetFontSize(8);
        p.Symbol(x, y - 10, c, 6, 3, col);
        s.JYOUK = 0;
        p.SetFontSize(16);
        advance = 24;
    } else if (s.JYOU == 1 && frac) {
        p.SetFontSize(8);
        p.Symbol(x, y - 4, c, 6, 3, col);
        s.JYOU = 0;
        p.SetFontSize(16);
        advance = 24;
    } else if (s.JYOU == 1) {
        p.Symbol(x, y, c, 3, 2, col);
        s.JYOU = 0;
        advance = 24;
    } else if (IsItalicLetter(c)) {
        p.SetFontName("Times New Roman");
        p.SetFontSize(8);
        p.SetFontItalic(true);
        if (frac) {
            p.Symbol(x + 4, y - 16, c, 12, 5, col);
            advance = 32;
        } else {
            p.Symbol(x + 4, y - 22, c, 10, 7, col);
            advance = 26;
        }
        p.SetFontName(kGothic);
        p.SetFontSize(16);
        p.SetFontItalic(false);
    } else if (c == "l") {
        p.SetFontName("MT Extra");
        p.SetFontSize(16);
        p.SetFontBold(true);
        p.Symbol(x, y, c, 6, 3, col);
        p.SetFontName(kGothic);
        p.SetFontSize(16);
        p.SetFontBold(false);
        advance = 32;
    } else if ((c == "－" || c == "＋") && frac) {
        p.Symbol(x, y, c, 2, 2, col);
        advance = 28;
    } else if (wide && frac) {
        p.SetFontSize(11);
        p.Symbol(x, y, c, 3, 3, col);
        p.SetFontSize(16);
        advance = 38;
    } else if (wide) {
        p.Symbol(x, y, c, 2, 3, col);
        advance = 34;
    } else if (frac) {
        p.Symbol(x, y, c, 4, 2, col);
        advance = 32;
    } else {
        p.Symbol(x, y, c, 3, 3, col);
    }
    s.TX += advance;
}

// While a root is open every table glyph draws its overline again from the
// end of the root sign to the pen, so the line grows glyph by glyph.
void ExtendOverline(State& s) {
    float dy = 0;
    if (s.HROOT == 1) dy = 4;
    else if (s.HROOT == 11) dy = 6;
    else if (s.HROOT == 22 && s.BUN != 1) dy = 14;
    if (dy == 0) {
        s.TXM = s.TX;
        return;
    }
    s.P.SetDrawWidth(3);
    s.P.Line(s.TXM, s.TY - dy, s.TX, s.TY - dy, Colour(s));
}

}  // namespace

void DrawFormulaGlyphs(State& s) {
    Platform& p = s.P;
    s.TX = s.X;
    s.TY = s.Y;
    s.DR = static_cast<float>(p.GetDrawWidth());
    s.R_s = s.A_s;
    const std::vector<std::string> chars = Chars(s.R_s);
    s.NAG = static_cast<float>(chars.size());
    p.SetFontBold(true);
    for (size_t i = 0; i < chars.size(); ++i) {
        s.I = static_cast<float>(i + 1);
        s.B_s = Substitute(chars[i], s.BUN == 1);
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
        if (c == "√") {
            DrawRootSign(s);
            continue;
        }
        s.TA2 = static_cast<float>(Len(c));
        DrawTableGlyph(s, c);
        ExtendOverline(s);
    }
    s.I = s.NAG + 1;
    s.X = s.TX;
    s.Y = s.TY;
    p.SetFontBold(false);
    p.SetDrawWidth(static_cast<int>(s.DR));
}

}  // namespace vm::survey
