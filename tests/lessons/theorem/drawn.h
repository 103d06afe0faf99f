// Helpers for finding what a lesson drew in the recording of a run.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "formula/formula.h"
#include "frame/frame.h"
#include "frame/binding.h"
#include "frame/program.h"
#include "platform/platform.h"

namespace vm::theorem_test {

// A recording platform with a started program state (arrays allocated).
struct Recording {
    explicit Recording(bool render = false)
        : p(render ? 1440 : 0, render ? 900 : 0, true), s(p, ProgramId::A, SharedBinding()) {
        p.SetFixedTime("00:00:00");
        InitProgram(s, "Velmaris-A");
        p.ClearLog();
    }
    Platform p;
    State s;
};

inline bool Near(float a, float b, float tol = 0.01f) { return std::fabs(a - b) <= tol; }

// The text ops that a text writer (DrawMarkupText unless told) makes of a
// text at a pen position in a colour, drawn on a platform of their own.
inline std::vector<Op> TextOps(const std::string& text, float x, float y, int colour,
                               Routine writer = DrawMarkupText) {
    Recording r;
    r.s.X = x;
    r.s.Y = y;
    r.s.CCC1 = static_cast<float>(colour);
    r.s.AA_s = text;
    writer(r.s);
    std::vector<Op> out;
    for (const Op& op : r.p.Log())
        if (op.kind == Op::Text) out.push_back(op);
    return out;
}

// How often the text was drawn at that place in that colour: the run of its
// text ops found in order among the log's text ops.
inline int CountMarkup(const std::vector<Op>& log, const std::string& text, float x, float y,
                       int colour, Routine writer = DrawMarkupText) {
    const std::vector<Op> want = TextOps(text, x, y, colour, writer);
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

// The ops after the last whole-screen clear (a 1760 x 1800 box in 15).
inline std::vector<Op> SinceLastClear(const std::vector<Op>& log) {
    size_t from = 0;
    for (size_t i = 0; i < log.size(); ++i) {
        const Op& op = log[i];
        if (op.kind == Op::FillBox && op.x1 == 0 && op.y1 == 0 && op.x2 == 1760 &&
            op.y2 == 1800 && op.fill == 15)
            from = i + 1;
    }
    return {log.begin() + static_cast<long>(from), log.end()};
}

inline int CountClears(const std::vector<Op>& log) {
    int n = 0;
    for (const Op& op : log)
        n += op.kind == Op::FillBox && op.x1 == 0 && op.y1 == 0 && op.x2 == 1760 &&
             op.y2 == 1800 && op.fill == 15;
    return n;
}

// Key prompt boxes: from (16, 657), 480 by 36, filled with 4.
inline int CountKeyPrompts(const std::vector<Op>& log) {
    int n = 0;
    for (const Op& op : log)
        n += op.kind == Op::FillBox && op.x1 == 16 && op.y1 == 657 && op.x2 == 496 &&
             op.y2 == 693 && op.fill == 4;
    return n;
}

inline int CountDots(const std::vector<Op>& log, int colour) {
    int n = 0;
    for (const Op& op : log) n += op.kind == Op::Dot && op.colour == colour;
    return n;
}

}  // namespace vm::theorem_test
