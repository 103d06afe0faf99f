#include "lessons/common/text.h"

#include "formula/formula.h"
#include "frame/frame.h"
#include "platform/runtime.h"

namespace vm {

void PlaceCursor(State& s, float x, float y) {
    s.XI1 = x;
    s.YI1 = y;
}

void Write(State& s, int c, float x, float y, const std::string& text) {
    Label(s, c, x, y, text);
    s.YI1 = s.Y;
    s.XI2 = s.X;
}

void Label(State& s, int c, float x, float y, const std::string& text) {
    s.CCC1 = static_cast<float>(c);
    s.X = x;
    s.Y = y;
    s.AA_s = text;
    DrawMarkupText(s);
}

void NewLine(State& s, float d, int c, const std::string& text) {
    Write(s, c, s.XI1, s.YI1 + d, text);
}

void NumberedLine(State& s, float d, int c, const std::string& text) {
    Write(s, c, s.XI1 - 72, s.YI1 + d, text);
}

void Continue(State& s, int c, const std::string& text) { Write(s, c, s.XI2, s.YI1, text); }

void FixedLine(State& s, int c, const std::string& text) { Write(s, c, 44, 590, text); }

}  // namespace vm
