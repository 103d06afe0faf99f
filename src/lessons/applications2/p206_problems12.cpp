// Chapter A problems 1 and 2: two lengths by the theorem, then three triples
// of sides checked with its converse. Text only.
#include "frame/frame.h"
#include "lessons/applications2/p206.h"
#include "lessons/applications2/textbook.h"
#include "platform/colours.h"

namespace vm {

using namespace textbook;

void ChapterAProblems1And2Answer(State& s) {
    ClearScreen(s);
    TitleTag(s, kP206, 72, 30);
    PlaceCursor(s, 114, 30);
    NumberTag(s, "1", s.XI1, s.YI1 + 60);
    WaitForKey(s);
    Item(s, 70, kBlack, "(1)x^2=5^2+4^2=25+16=41");
    NewLine(s, 60, kBlack, "x>0だから x=");
    Continue(s, kRed, "!41ﾝcm");
    WaitForKey(s);
    Item(s, 70, kBlack, "(2)6^2=x^2+(!10ﾝ)^2");
    NewLine(s, 60, kBlack, "x^2=6^2-(!10ﾝ)^2");
    NewLine(s, 60, kBlack, "  =36-10=26");
    NewLine(s, 60, kBlack, "x>0だから x=");
    Continue(s, kRed, "!26ﾝcm");
    WaitForKey(s);
    NumberTag(s, "2", s.XI1 + 720, 30);
    WaitForKey(s);

    // Problem 2 in the right-hand column, its lines 50 px apart.
    PlaceCursor(s, 684, 30);
    Item(s, 60, kBlack, "ア 5^2+6^2=25+36=61");
    NewLine(s, 50, kBlack, "7^2=49　だから 7^2≠5^2+6^2");
    NewLine(s, 50, kRed, "直角三角形ではない。");
    WaitForKey(s);
    Item(s, 60, kBlack, "イ 1.5^2+2^2=2.25+4=6.25");
    // The long line starts further left to stay on the screen.
    Write(s, kBlack, s.XI1 - 152, s.YI1 + 50, "2.5^2=6.25　だから 2.5^2=1.5^2+2^2");
    NewLine(s, 50, kRed, "直角三角形である。");
    WaitForKey(s);
    Item(s, 60, kBlack, "ウ (!3ﾝ)^2+2^2=3+4=7");
    NewLine(s, 50, kBlack, "(!7ﾝ)^2=7　だから ");
    NewLine(s, 50, kBlack, "(!7ﾝ)^2=(!3ﾝ)^2+2^2");
    NewLine(s, 50, kRed, "直角三角形である。");
}

}  // namespace vm
