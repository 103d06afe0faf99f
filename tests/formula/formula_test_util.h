// Helpers for the formula text tests: a recording platform, a state with
// the shared binding, and a one-line text form of each drawing call so that
// expected drawings can be written as tables.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "formula/formula.h"
#include "frame/binding.h"

namespace vm::test {

inline std::string Num(float v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", static_cast<double>(v));
    return buf;
}

// "T 'x' 104,178 10x7 Times New Roman/8 i" for text (b = bold, i = italic),
// "L 408,220-427,220 w5" for a line, "P 4,36 8,24 ... w3" for a polyline,
// "F 0,0-10,10 c2/3" for a filled box.
inline std::string Describe(const Op& op) {
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

inline std::vector<std::string> Describe(const std::vector<Op>& log) {
    std::vector<std::string> out;
    for (const auto& op : log) out.push_back(Describe(op));
    return out;
}

struct Rig {
    Platform p{0, 0, true};
    State s{p, ProgramId::A, SharedBinding()};
    Rig() { p.SetDrawWidth(3); }
    std::vector<std::string> Ops() const { return Describe(p.Log()); }
    // Draws a markup text at (x, y) and returns the ops it drew.
    std::vector<std::string> Write(const std::string& text, float x, float y) {
        p.ClearLog();
        s.AA_s = text;
        s.X = x;
        s.Y = y;
        DrawMarkupText(s);
        return Ops();
    }
};

}  // namespace vm::test
