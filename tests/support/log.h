// Queries on the drawing log of a run: texts in order with place and
// colour, boxes, screen clears, step waits, scene lists, ink on the canvas.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "state/state.h"

namespace vm::test {

constexpr size_t kNone = static_cast<size_t>(-1);

inline bool Near(float a, float b, float tol = 0.01f) { return std::fabs(a - b) <= tol; }

inline float Dist(float x1, float y1, float x2, float y2) { return std::hypot(x1 - x2, y1 - y2); }

// "T 'x' 104,178 10x7 Times New Roman/8 i" for text (b = bold, i = italic),
// "L 408,220-427,220 w5" for a line, "P 4,36 8,24 ... w3" for a polyline,
// "F 0,0-10,10 c2/3" for a filled box, "B 0,0-10,10 c13 w3" for an outline:
// expected drawings written as tables.
std::string Num(float v);
std::string Describe(const Op& op);
std::vector<std::string> Describe(const std::vector<Op>& log);

// The ops of one kind, in order.
std::vector<Op> OfKind(const std::vector<Op>& log, Op::Kind kind);
inline std::vector<Op> Texts(const std::vector<Op>& log) { return OfKind(log, Op::Text); }
// The ops of [from, to).
std::vector<Op> Slice(const std::vector<Op>& log, size_t from, size_t to);
// Indexes of the ops that satisfy pred, within [from, to).
std::vector<size_t> Find(const std::vector<Op>& log, bool (*pred)(const Op&), size_t from = 0,
                         size_t to = kNone);

// A filled box with these corners and fill (any border colour).
bool IsFilledBox(const Op& op, float x1, float y1, float x2, float y2, int fill);
// A box an answer is written in: filled in 13 and edged in 3, as the
// proofs' boxes and the answer pages' tags are.
bool IsAnswerBox(const Op& op);
// The whole-screen clear: a box (0, 0)-(1760, 1800) filled with 15.
bool IsScreenClear(const Op& op);
// The box of a step wait ("何かキーを押して下さい。"), in the shared form or
// Velmaris-D's.
bool IsStepWait(const Op& op);
// The box of the key prompt at the foot of the screen (ShowKeyPrompt).
bool IsKeyPrompt(const Op& op);
// The box of the drills' gate ("次のステップは１を入力。").
bool IsNextStepGate(const Op& op);
// The main-menu panel.
bool IsMenuPanel(const Op& op);
// A scene list asked on the bottom line (its first glyph, "①" at y 666).
bool IsSceneList(const Op& op);
// The erase of the bottom band before a scene list is asked again, in the
// shared form or Velmaris-D's.
bool IsBandErase(const Op& op);
// A text op that writes the error stop's message.
bool IsErrorText(const Op& op);
inline bool IsText(const Op& op) { return op.kind == Op::Text; }

// Where a program's bottom band (step waits, scene lists) begins: nothing of
// a page is drawn from there down.
float BandTop(ProgramId program);

size_t Count(const std::vector<Op>& log, bool (*pred)(const Op&), size_t from = 0,
             size_t to = kNone);
inline size_t CountClears(const std::vector<Op>& log) { return Count(log, IsScreenClear); }
inline size_t CountStepWaits(const std::vector<Op>& log, size_t from = 0, size_t to = kNone) {
    return Count(log, IsStepWait, from, to);
}
inline size_t CountKeyPrompts(const std::vector<Op>& log) { return Count(log, IsKeyPrompt); }
inline size_t CountSceneLists(const std::vector<Op>& log) { return Count(log, IsSceneList); }
inline size_t CountMenuPanels(const std::vector<Op>& log, size_t from = 0, size_t to = kNone) {
    return Count(log, IsMenuPanel, from, to);
}
inline bool ShowsError(const std::vector<Op>& log) { return Count(log, IsErrorText) > 0; }
// Dots of any radius in a colour.
size_t CountDots(const std::vector<Op>& log, int colour);
// The ops after the last whole-screen clear.
std::vector<Op> SinceLastClear(const std::vector<Op>& log);

// Where the glyphs of `text` (half-width blanks left out, as they draw
// nothing) begin to be drawn in [from, to), as the index of the op of its
// first glyph; `last` gets the index of the op of its last glyph.
size_t FindText(const std::vector<Op>& log, const std::string& text, size_t from = 0,
                size_t to = kNone, size_t* last = nullptr);

// The text ops a text writer (DrawMarkupText unless told) makes of a text at
// a pen position in a colour, under a program's binding (the shared one
// unless told).
std::vector<Op> TextOps(const std::string& text, float x, float y, int colour,
                        Routine writer = nullptr, const Binding* binding = nullptr);
// Where the writer leaves the pen after the text written from x.
float PenAfter(const std::string& text, float x, Routine writer = nullptr,
               const Binding* binding = nullptr);
// The glyphs a markup text draws, one after the other (what FindText looks
// for): "a^2+b^2" draws a, 2, +, b, 2.
std::string Glyphs(const std::string& markup);
// Whether a text op is drawn as `want` is: glyph, colour, place, size and,
// with `face`, the font.
bool SameGlyph(const Op& got, const Op& want, bool face);
// How often the text was drawn at that place in that colour: the run of its
// text ops found in order among the log's text ops (whatever the font in
// force).
int CountMarkup(const std::vector<Op>& log, const std::string& text, float x, float y,
                int colour, Routine writer = nullptr, const Binding* binding = nullptr);
// Where markup text drawn at (x, y) in `colour` and in the writer's own
// fonts begins in [from, to): the index of its first glyph, or kNone.
size_t FindMarkup(const std::vector<Op>& log, const std::string& text, float x, float y,
                  int colour, size_t from = 0, size_t to = kNone);

// Two ops that draw alike, to the last bit; the pen width is left out for
// texts and filled boxes, which do not draw with the pen.
bool Alike(const Op& a, const Op& b);
// Ops of [a0, a1) and [b0, b1) alike, one for one.
bool SameOps(const std::vector<Op>& log, size_t a0, size_t a1, size_t b0, size_t b1);
// Ops (clear boxes aside) that reach outside the 1440 x 900 canvas.
size_t CountOffCanvas(const std::vector<Op>& log, size_t from = 0, size_t to = kNone);

// The glyphs of the trailing run of colour-5 texts before the last gate: the
// answer a drill showed.
std::string AnswerBeforeGate(const std::vector<Op>& log);
// The square root of n as the drills write it simplified: "!34ﾝ", "3!2ﾝ",
// "5ﾝ".
std::string RootMarkup(int n);

// The pixels in the box (x1, y1)-(x2, y2) of a rendered canvas that are not
// the background colour.
int InkIn(Platform& p, int x1, int y1, int x2, int y2);

}  // namespace vm::test
