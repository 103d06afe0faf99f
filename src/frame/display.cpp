// Display characters: the glyph the screen shows for a prompt character.
#include "frame/frame.h"
#include "platform/sjis.h"

namespace vm {

namespace {

// Two pairs of parallel tables: the n-th half-width character of a source
// is shown as the n-th character of its target. The first pair wins where
// both hold a character (only the blank, with the same target); the second
// serves what the first lacks. "A" is the Greek alpha and "x" the Greek chi
// on purpose: the prompts name angles and variables with them.
const std::string kSource1 = " XYABCDEFGHIJKLMNOPQRSTUVWZ";
const std::string kTarget1 = "　ＸＹΑＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＺ";
const std::string kSource2 =
    " 0123456789 */+-ﾀ=.?()!$@&'[]<>,%xyabcdefghijklmnopqrstuvw~:";
const std::string kTarget2 =
    "　０１２３４５６７８９　×÷＋－―＝．∽（）√≡±π∠≦≧＜＞，°χｙａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗ△：";

}  // namespace

void ToDisplayChar(State& s) {
    // The sources hold one-byte characters only, so a byte position found
    // in a source is also the character position in its target; a
    // two-byte result of the first lookup is never found by the second.
    s.N1 = static_cast<float>(Instr(kSource1, s.B_s));
    if (s.N1 != 0) s.B_s = KMid(kTarget1, static_cast<int>(s.N1), 1);
    s.N = static_cast<float>(Instr(kSource2, s.B_s));
    if (s.N != 0) s.B_s = KMid(kTarget2, static_cast<int>(s.N), 1);
}

}  // namespace vm
