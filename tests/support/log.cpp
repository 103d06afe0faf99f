#include "support/log.h"

#include <algorithm>
#include <cstdio>

#include "formula/formula.h"
#include "frame/binding.h"
#include "platform/canvas.h"

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

bool IsSceneList(const Op& op) { return op.kind == Op::Text && op.text == "①" && op.y1 == 666; }

bool IsErrorText(const Op& op) {
    return op.kind == Op::Text && op.text.find("エラーが発生しました") != std::string::npos;
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

std::vector<Op> TextOps(const std::string& text, float x, float y, int colour, Routine writer,
                        const Binding* binding) {
    Platform p(0, 0, true);
    p.SetDrawWidth(3);
    State s(p, ProgramId::A, binding ? *binding : SharedBinding());
    s.X = x;
    s.Y = y;
    s.CCC1 = static_cast<float>(colour);
    s.AA_s = text;
    (writer ? writer : DrawMarkupText)(s);
    return Texts(p.Log());
}

int CountMarkup(const std::vector<Op>& log, const std::string& text, float x, float y,
                int colour, Routine writer, const Binding* binding) {
    const std::vector<Op> want = TextOps(text, x, y, colour, writer, binding);
    if (want.empty()) return 0;
    std::vector<const Op*> texts;
    for (const Op& op : log)
        if (op.kind == Op::Text) texts.push_back(&op);
    int n = 0;
    for (size_t i = 0; i + want.size() <= texts.size(); ++i) {
        bool same = true;
        for (size_t j = 0; j < want.size() && same; ++j) {
            const Op& a = *texts[i + j];
            const Op& b = want[j];
            same = a.text == b.text && a.colour == b.colour && Near(a.x1, b.x1) &&
                   Near(a.y1, b.y1) && a.mh == b.mh && a.mv == b.mv;
        }
        if (same) ++n;
    }
    return n;
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
