#include "oplog.h"

#include <cstdio>

namespace vm {

namespace {

// Nine significant digits tell every float apart.
std::string Num(float v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.9g", static_cast<double>(v));
    return buf;
}

const char* KindName(Op::Kind k) {
    switch (k) {
        case Op::Line: return "line";
        case Op::Box: return "box";
        case Op::FillBox: return "fillbox";
        case Op::Arc: return "arc";
        case Op::Sector: return "sector";
        case Op::Dot: return "dot";
        case Op::Polyline: return "polyline";
        case Op::FillPolygon: return "fillpolygon";
        case Op::Text: return "text";
        case Op::Clear: return "clear";
    }
    return "?";
}

}  // namespace

std::string OpText(const Op& op) {
    std::string t = KindName(op.kind);
    t += " " + Num(op.x1) + " " + Num(op.y1) + " " + Num(op.x2) + " " + Num(op.y2);
    t += " r" + Num(op.r) + " a" + Num(op.aspect) + " " + Num(op.start) + ".." + Num(op.end);
    t += " c" + std::to_string(op.colour) + "/" + std::to_string(op.fill);
    t += " w" + std::to_string(op.width);
    if (!op.pts.empty()) {
        t += " [";
        for (const auto& p : op.pts) t += " " + Num(p.x) + "," + Num(p.y);
        t += " ]";
    }
    if (op.kind == Op::Text) {
        t += " '" + op.text + "' " + std::to_string(op.mh) + "x" + std::to_string(op.mv) + " " +
             op.font.name + "/" + Num(op.font.size);
        if (op.font.bold) t += " b";
        if (op.font.italic) t += " i";
    }
    return t;
}

}  // namespace vm
