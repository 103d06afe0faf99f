// Closed polygons from the vertex table, with labels outside the vertices.
#include "figures/common.h"
#include "figures/figures.h"
#include "platform/sjis.h"

namespace vm {

namespace {

// The character with a code point: the letters after a full-width first
// letter are full-width too.
std::string CharOf(long code) {
    if (code < 0x80) return Chr(static_cast<int>(code));
    std::string out;
    if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | ((code >> 18) & 0x07));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    }
    out += static_cast<char>(0x80 | (code & 0x3F));
    return out;
}

// Labels vertex II (or TII) with the text label(i): on the far side of the
// angle between the rays to the next vertex and the one after, which for a
// polygon listed counter-clockwise on the screen points out of the figure.
template <class Label>
void LabelVertices(State& s, float& counter, Label label) {
    fig::CountedLoop(counter, 1, s.KAKU, [&] {
        const float i = counter;
        s.KJ1 = i + 1;
        if (s.KJ1 > s.KAKU) s.KJ1 -= s.KAKU;
        s.KJ2 = i + 2;
        if (s.KJ2 > s.KAKU) s.KJ2 -= s.KAKU;
        s.ZX0 = s.G_a(i, 1), s.ZY0 = s.G_a(i, 2);
        s.ZX1 = s.G_a(s.KJ1, 1), s.ZY1 = s.G_a(s.KJ1, 2);
        s.ZX2 = s.G_a(s.KJ2, 1), s.ZY2 = s.G_a(s.KJ2, 2);
        s.ITI = -1;
        // PlaceAngleLabel clears NAGASA after each label.
        s.NAGASA = s.NAGASA1;
        s.AAA_s = label(i);
        PlaceAngleLabel(s);
    });
}

}  // namespace

void DrawPolygon(State& s) {
    const int pen = fig::KeepPen(s);
    fig::CountedLoop(s.II, 1, s.KAKU, [&] {
        const float j = s.II == s.KAKU ? 1 : s.II + 1;
        s.P.SetDrawWidth(fig::Whole(s.SIZE1));
        s.P.Line(s.G_a(s.II, 1), s.G_a(s.II, 2), s.G_a(j, 1), s.G_a(j, 2), fig::Whole(s.CCC2));
    });
    s.NAGASA1 = s.NAGASA;
    if (s.AAA_s == "1") LabelPolygonFromList(s);
    else if (!s.AAA_s.empty()) LabelPolygonLetters(s);
    s.AAA_s.clear();
    // The label writers keep their own width in DR: give back ours.
    s.DR = static_cast<float>(pen);
    s.P.SetDrawWidth(pen);
}

void LabelPolygonLetters(State& s) {
    // Consecutive letters from the first character of AAA$.
    s.KJ3 = static_cast<float>(Asc(s.AAA_s));
    LabelVertices(s, s.II, [&](float i) { return CharOf(CLng(s.KJ3 + i - 1)); });
}

void LabelPolygonFromList(State& s) {
    LabelVertices(s, s.TII, [&](float i) { return s.X_sa(i); });
}

}  // namespace vm
