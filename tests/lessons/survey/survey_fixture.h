// Rigs of Velmaris-D and of Velmaris-A, for comparing what the two
// bindings draw, with the markup helpers these tests share.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "formula/formula.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {

inline std::string NumText(float v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", static_cast<double>(v));
    return buf;
}

// One line per drawing call, so that expected drawings read as tables:
// "T 'x' 104,178 10x7 Times New Roman/8 b i" for text (b bold, i italic),
// "L 408,220-427,220 w5" for a line, "P 4,36 8,24 ... w3" for a polyline,
// "F 0,0-10,10 c2/3" for a filled box, "B 0,0-10,10 c13 w3" for an outline.
inline std::string Show(const Op& op) {
    std::string d;
    switch (op.kind) {
        case Op::Text:
            d = "T '" + op.text + "' " + NumText(op.x1) + "," + NumText(op.y1) + " " +
                std::to_string(op.mh) + "x" + std::to_string(op.mv) + " " + op.font.name + "/" +
                NumText(op.font.size);
            if (op.font.bold) d += " b";
            if (op.font.italic) d += " i";
            return d;
        case Op::Line:
            return "L " + NumText(op.x1) + "," + NumText(op.y1) + "-" + NumText(op.x2) + "," + NumText(op.y2) +
                   " w" + std::to_string(op.width);
        case Op::Polyline:
            d = "P";
            for (const auto& pt : op.pts) d += " " + NumText(pt.x) + "," + NumText(pt.y);
            return d + " w" + std::to_string(op.width);
        case Op::FillBox:
            return "F " + NumText(op.x1) + "," + NumText(op.y1) + "-" + NumText(op.x2) + "," + NumText(op.y2) +
                   " c" + std::to_string(op.colour) + "/" + std::to_string(op.fill);
        case Op::Box:
            return "B " + NumText(op.x1) + "," + NumText(op.y1) + "-" + NumText(op.x2) + "," + NumText(op.y2) +
                   " c" + std::to_string(op.colour) + " w" + std::to_string(op.width);
        default: return "?";
    }
}

inline std::vector<std::string> Show(const std::vector<Op>& log) {
    std::vector<std::string> out;
    for (const auto& op : log) out.push_back(Show(op));
    return out;
}

struct Recorded : Rig {
    explicit Recorded(const ProgramInfo& info, bool render = false) : Rig(info, render) {}
    std::vector<std::string> Ops() const { return Show(p.Log()); }
    std::vector<Op> OfKind(Op::Kind k) const { return test::OfKind(p.Log(), k); }
    // Draws a markup line at (x, y); returns the ops.
    std::vector<std::string> Write(const std::string& text, float x, float y) {
        p.ClearLog();
        s.AA_s = text;
        s.X = x;
        s.Y = y;
        DrawMarkupText(s);
        return Ops();
    }
    // The width of a markup line as the writer measures it.
    float Width(const std::string& text) {
        s.A_s = text;
        s.X = 0;
        s.Y = 0;
        MeasureText(s);
        return s.LLT;
    }
};

struct SurveyRun : Recorded {
    explicit SurveyRun(bool render = false) : Recorded(ProgramD(), render) {}
};
struct SharedRun : Recorded {
    SharedRun() : Recorded(ProgramA()) {}
};

}  // namespace vm::test
