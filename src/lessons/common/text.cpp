#include "lessons/common/text.h"

#include "formula/formula.h"
#include "frame/frame.h"
#include "platform/colours.h"
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

void FramedText(State& s, int ink, int border, int fill, float x, float y, float width,
                float height, const std::string& text) {
    s.CCC1 = static_cast<float>(ink);
    s.CCC2 = static_cast<float>(border);
    s.CCC3 = static_cast<float>(fill);
    s.HABA = width;
    s.TATE = height;
    s.X = x;
    s.Y = y;
    s.A_s = text;
    DrawFramedText(s);
}

namespace {

void Tag(State& s, int ink, int border, int fill, float x, float y, float width,
         const std::string& text) {
    FramedText(s, ink, border, fill, x, y, width, 50, text);
    s.XI2 = s.X;
    s.YI1 = s.Y;
}

}  // namespace

void TitleTag(State& s, const std::string& title, float x, float y) {
    Tag(s, kBlack, kBlue, kAmber, x, y, 484, title);
}

void NumberTag(State& s, const std::string& number, float x, float y) {
    Tag(s, kAmber, kDeepNavy, kBlue, x, y, 40, number);
}

void Tags(State& s, const std::string& title, const std::string& number, float x, float y,
          float gap) {
    TitleTag(s, title, x, y);
    NumberTag(s, number, s.XI2 + gap, s.YI1);
}

}  // namespace vm
