#include "support/log.h"

#include <algorithm>
#include <cstdio>

#include "formula/formula.h"
#include "platform/canvas.h"
#include "programs/common/programs.h"

namespace vm::test {

std::string Num(float v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", static_cast<double>(v));
    return buf;
}

std::string Describe(const Op& op) {
    std::string d;
    switch (op.kind) {
        case Op::Text:
            d = "T '" + op.text + "' " + Num(op.x1) + "," + Num(op.y1) + " " +
                std::to_string(op.mh) + "x" + std::to_string(op.mv) + " " + op.font.name + "/" +
                Num(op.font.size);
            if (op.font.bold) d += " b";
            if (op.font.italic) d += " i";
            return d;
        case Op::Line:
            return "L " + Num(op.x1) + "," + Num(op.y1) + "-" + Num(op.x2) + "," + Num(op.y2) +
                   " w" + std::to_string(op.width);
        case Op::Polyline:
            d = "P";
            for (const auto& pt : op.pts) d += " " + Num(pt.x) + "," + Num(pt.y);
            return d + " w" + std::to_string(op.width);
        case Op::FillBox:
            return "F " + Num(op.x1) + "," + Num(op.y1) + "-" + Num(op.x2) + "," + Num(op.y2) +
                   " c" + std::to_string(op.colour) + "/" + std::to_string(op.fill);
        case Op::Box:
            return "B " + Num(op.x1) + "," + Num(op.y1) + "-" + Num(op.x2) + "," + Num(op.y2) +
                   " c" + std::to_string(op.colour) + " w" + std::to_string(op.width);
        default: return "?";
    }
}

std::vector<std::string> Describe(const std::vector<Op>& log) {
    std::vector<std::string> out;
    for (const auto& op : log) out.push_back(Describe(op));
    return out;
}

std::vector<Op> OfKind(const std::vector<Op>& log, Op::Kind kind) {
    std::vector<Op> out;
    for (const Op& op : log)
        if (op.kind == kind) out.push_back(op);
    return out;
}

std::vector<Op> Slice(const std::vector<Op>& log, size_t from, size_t to) {
    to = std::min(to, log.size());
    if (from >= to) return {};
    return {log.begin() + static_cast<long>(from), log.begin() + static_cast<long>(to)};
}

std::vector<size_t> Find(const std::vector<Op>& log, bool (*pred)(const Op&), size_t from,
                         size_t to) {
    std::vector<size_t> v;
    for (size_t i = from; i < log.size() && i < to; ++i)
        if (pred(log[i])) v.push_back(i);
    return v;
}

size_t Count(const std::vector<Op>& log, bool (*pred)(const Op&), size_t from, size_t to) {
    return Find(log, pred, from, to).size();
}

bool IsFilledBox(const Op& op, float x1, float y1, float x2, float y2, int fill) {
    return op.kind == Op::FillBox && op.x1 == x1 && op.y1 == y1 && op.x2 == x2 && op.y2 == y2 &&
           op.fill == fill;
}

bool IsScreenClear(const Op& op) { return IsFilledBox(op, 0, 0, 1760, 1800, 15); }

bool IsStepWait(const Op& op) {
    return IsFilledBox(op, 96, 657, 400, 693, 4) || IsFilledBox(op, 96, 639, 400, 675, 4);
}

bool IsKeyPrompt(const Op& op) { return IsFilledBox(op, 16, 657, 496, 693, 4); }

bool IsNextStepGate(const Op& op) { return IsFilledBox(op, 96, 639, 400, 675, 12); }

bool IsMenuPanel(const Op& op) {
    return IsFilledBox(op, 22, 10, 1342, 610, 10) && op.colour == 15;
}

bool IsAnswerBox(const Op& op) { return op.kind == Op::FillBox && op.fill == 13 && op.colour == 3; }

bool IsSceneList(const Op& op) { return op.kind == Op::Text && op.text == "①" && op.y1 == 666; }

bool IsBandErase(const Op& op) {
    return (IsFilledBox(op, 0, 657, 992, 720, 15) || IsFilledBox(op, 0, 639, 992, 720, 15)) &&
           op.colour == 15;
}

float BandTop(ProgramId program) { return program == ProgramId::D ? 639 : 657; }

bool IsErrorText(const Op& op) {
    return op.kind == Op::Text && op.text.find("エラーが発生しました") != std::string::npos;
}

size_t CountDots(const std::vector<Op>& log, int colour) {
    size_t n = 0;
    for (const Op& op : log) n += op.kind == Op::Dot && op.colour == colour;
    return n;
}

std::vector<Op> SinceLastClear(const std::vector<Op>& log) {
    size_t from = 0;
    for (size_t i = 0; i < log.size(); ++i)
        if (IsScreenClear(log[i])) from = i + 1;
    return {log.begin() + static_cast<long>(from), log.end()};
}

namespace {

std::string NoBlanks(const std::string& t) {
    std::string out;
    for (const char c : t)
        if (c != ' ') out += c;
    return out;
}

}  // namespace

size_t FindText(const std::vector<Op>& log, const std::string& text, size_t from, size_t to,
                size_t* last) {
    std::string all;
    std::vector<size_t> owner;
    for (size_t i = from; i < log.size() && i < to; ++i) {
        if (log[i].kind != Op::Text) continue;
        const std::string t = NoBlanks(log[i].text);
        all += t;
        owner.insert(owner.end(), t.size(), i);
    }
    const std::string want = NoBlanks(text);
    const size_t at = all.find(want);
    if (at == std::string::npos || want.empty()) return kNone;
    if (last) *last = owner[at + want.size() - 1];
    return owner[at];
}

namespace {

// A bare program state to write texts on, as the programs' writers see it.
struct Scratch {
    explicit Scratch(const Binding* binding)
        : p(0, 0, true), s(p, ProgramId::A, binding ? *binding : SharedBinding()) {
        p.SetDrawWidth(3);
    }
    Platform p;
    State s;
};

}  // namespace

std::vector<Op> TextOps(const std::string& text, float x, float y, int colour, Routine writer,
                        const Binding* binding) {
    Scratch w(binding);
    w.s.X = x;
    w.s.Y = y;
    w.s.CCC1 = static_cast<float>(colour);
    w.s.AA_s = text;
    (writer ? writer : DrawMarkupText)(w.s);
    return Texts(w.p.Log());
}

float PenAfter(const std::string& text, float x, Routine writer, const Binding* binding) {
    Scratch w(binding);
    w.s.X = x;
    w.s.AA_s = text;
    (writer ? writer : DrawMarkupText)(w.s);
    return w.s.X;
}

std::string Glyphs(const std::string& markup) {
    std::string out;
    for (const Op& op : TextOps(markup, 0, 0, 0)) out += op.text;
    return out;
}

bool SameGlyph(const Op& got, const Op& want, bool face) {
    return got.kind == Op::Text && got.text == want.text && got.colour == want.colour &&
           Near(got.x1, want.x1) && Near(got.y1, want.y1) && got.mh == want.mh &&
           got.mv == want.mv && (!face || got.font == want.font);
}

namespace {

// The indexes of the runs of text ops in [from, to) that draw `want`.
std::vector<size_t> Occurrences(const std::vector<Op>& log, const std::vector<Op>& want,
                                size_t from, size_t to, bool face) {
    std::vector<size_t> texts, found;
    for (size_t i = from; i < log.size() && i < to; ++i)
        if (log[i].kind == Op::Text) texts.push_back(i);
    if (want.empty()) return found;
    for (size_t i = 0; i + want.size() <= texts.size(); ++i) {
        bool same = true;
        for (size_t j = 0; j < want.size() && same; ++j) same = SameGlyph(log[texts[i + j]], want[j], face);
        if (same) found.push_back(texts[i]);
    }
    return found;
}

}  // namespace

int CountMarkup(const std::vector<Op>& log, const std::string& text, float x, float y,
                int colour, Routine writer, const Binding* binding) {
    return static_cast<int>(
        Occurrences(log, TextOps(text, x, y, colour, writer, binding), 0, kNone, false).size());
}

size_t FindMarkup(const std::vector<Op>& log, const std::string& text, float x, float y,
                  int colour, size_t from, size_t to) {
    const auto at = Occurrences(log, TextOps(text, x, y, colour), from, to, true);
    return at.empty() ? kNone : at[0];
}

bool Alike(const Op& a, const Op& b) {
    bool pts = a.pts.size() == b.pts.size();
    for (size_t i = 0; pts && i < a.pts.size(); ++i)
        pts = a.pts[i].x == b.pts[i].x && a.pts[i].y == b.pts[i].y;
    // Texts do not draw with the pen; the boxes (clears, tags, prompts)
    // take whatever width is in force.
    const bool width = a.kind == Op::Text || a.kind == Op::FillBox || a.width == b.width;
    return pts && width && a.kind == b.kind && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 &&
           a.y2 == b.y2 && a.r == b.r && a.aspect == b.aspect && a.start == b.start &&
           a.end == b.end && a.text == b.text && a.mh == b.mh && a.mv == b.mv &&
           a.colour == b.colour && a.fill == b.fill && a.font == b.font;
}

bool SameOps(const std::vector<Op>& log, size_t a0, size_t a1, size_t b0, size_t b1) {
    if (a1 - a0 != b1 - b0) return false;
    for (size_t k = 0; k < a1 - a0; ++k)
        if (!Alike(log[a0 + k], log[b0 + k])) return false;
    return true;
}

size_t CountOffCanvas(const std::vector<Op>& log, size_t from, size_t to) {
    const auto in = [](float x, float y) { return x >= 0 && x <= 1440 && y >= 0 && y <= 900; };
    size_t n = 0;
    for (size_t i = from; i < log.size() && i < to; ++i) {
        const Op& op = log[i];
        bool ok = true;
        switch (op.kind) {
            case Op::FillBox:
                // The clearing boxes reach past the canvas on purpose.
                ok = op.fill == 15 || (in(op.x1, op.y1) && in(op.x2, op.y2));
                break;
            case Op::Line:
            case Op::Box:
                ok = in(op.x1, op.y1) && in(op.x2, op.y2);
                break;
            case Op::Arc:
            case Op::Sector:
            case Op::Dot: {
                // The points of the arc as drawn: clockwise on the screen from
                // start to end, through 0 where needed; a whole turn when they
                // are equal.
                float sweep = op.end - op.start;
                if (sweep <= 0) sweep += 1;
                if (op.kind == Op::Dot || op.start == op.end) sweep = 1;
                for (int k = 0; k <= 64 && ok; ++k) {
                    const double a = 2 * 3.14159265358979 * (op.start + sweep * k / 64);
                    ok = in(op.x1 + op.r * static_cast<float>(std::cos(a)),
                            op.y1 + op.r * op.aspect * static_cast<float>(std::sin(a)));
                }
                break;
            }
            case Op::Polyline:
            case Op::FillPolygon:
                for (const Point& p : op.pts) ok = ok && in(p.x, p.y);
                break;
            case Op::Text:
                ok = in(op.x1, op.y1);
                break;
            default:
                break;
        }
        if (!ok) ++n;
    }
    return n;
}

std::string AnswerBeforeGate(const std::vector<Op>& log) {
    const auto gates = Find(log, IsNextStepGate);
    std::string out;
    if (gates.empty()) return out;
    for (size_t i = gates.back(); i-- > 0;) {
        if (log[i].kind != Op::Text) continue;
        if (log[i].colour != 5) break;
        out = log[i].text + out;
    }
    return out;
}

std::string RootMarkup(int n) {
    int k = 1;
    for (int f = 2; f * f <= n; ++f)
        while (n % (f * f) == 0) n /= f * f, k *= f;
    return (k > 1 ? std::to_string(k) : "") + (n > 1 ? "!" + std::to_string(n) : "") + "ﾝ";
}

int InkIn(Platform& p, int x1, int y1, int x2, int y2) {
    CairoCanvas* c = p.Canvas();
    if (c == nullptr) return 0;
    const Rgb bg = Palette()[15];
    int n = 0;
    for (int y = std::max(0, y1); y < std::min(c->height(), y2); ++y)
        for (int x = std::max(0, x1); x < std::min(c->width(), x2); ++x) {
            const Rgb px = c->PixelAt(x, y);
            n += px.r != bg.r || px.g != bg.g || px.b != bg.b;
        }
    return n;
}

}  // namespace vm::test
