// Scene ⑥: the answers to the textbook's question 2, the whole page at once.
#include "frame/frame.h"
#include "lessons/applications1/special.h"
#include "lessons/common/text.h"
#include "platform/colours.h"

namespace vm {

void SpecialTrianglesSceneQuestion2(State& s) {
    ClearScreen(s);
    PlaceCursor(s, 108, 30);
    NumberedLine(s, 0, kBlue, "問2 解答");
    NumberedLine(s, 50, kBlack, "(1) 1:!2ﾝ=3:x");
    NewLine(s, 60, kRed, "x=3!2ﾝ");
    NumberedLine(s, 70, kBlack, "(2) 2:1=x:4");
    NewLine(s, 60, kRed, "x=8");
    NewLine(s, 60, kBlack, "1:!3ﾝ=4:y");
    NewLine(s, 60, kRed, "y=4!3ﾝ");
}

}  // namespace vm
