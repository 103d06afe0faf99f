// Queries on the drawing log of a run: texts in order with place and
// colour, boxes, screen clears, step waits, scene lists, ink on the canvas.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "platform/state.h"
#include "platform/platform.h"

namespace vm::test {

constexpr size_t kNone = static_cast<size_t>(-1);

inline bool Near(float a, float b, float tol = 0.01f) { return std::fabs(a - b) <= tol; }

inline float Dist(float x1, float y1, float x2, float y2) { return std::hypot(x1 - x2, y1 - y2); }

// "T 'x' 104,178 10x7 Times New Roman/8 i" for text (b = bold, i = italic),
// "L 408,220-427,220 w5" for a line, "P 4,36 8,24 ... w3" for a polyline,
// "F 0,0-10,10 c2/3" for a filled box: expected drawings written as tables.
std::string Num(float v);
std::string Describe(const Op& op);
std::vector<std::string> Describe(const std::vector<Op>& log);

// The ops of one kind, in order.
std::vector<Op> OfKind(const std::vector<Op>& log, Op::Kind kind);
inline std::vector<Op> Texts(const std::vector<Op>& log) { return OfKind(log, Op::Text); }
// Indexes of the ops that satisfy pred, within [from, to).
std::vector<size_t> Find(const std::vector<Op>& log, bool (*pred)(const Op&), size_t from = 0,
                         size_t to = kNone);

// A filled box with these corners and fill (any border colour).
bool IsFilledBox(const Op& op, float x1, float y1, float x2, float y2, int fill);
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
// A text op that writes the error stop's message.
bool IsErrorText(const Op& op);

size_t Count(const std::vector<Op>& log, bool (*pred)(const Op&), size_t from = 0,
             size_t to = kNone);
inline size_t CountClears(const std::vector<Op>& log) { return Count(log, IsScreenClear); }
inline size_t CountStepWaits(const std::vector<Op>& log, size_t from = 0, size_t to = kNone) {
    return Count(log, IsStepWait, from, to);
}
inline size_t CountSceneLists(const std::vector<Op>& log) { return Count(log, IsSceneList); }
inline bool ShowsError(const std::vector<Op>& log) { return Count(log, IsErrorText) > 0; }
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
// How often the text was drawn at that place in that colour: the run of its
// text ops found in order among the log's text ops.
int CountMarkup(const std::vector<Op>& log, const std::string& text, float x, float y,
                int colour, Routine writer = nullptr, const Binding* binding = nullptr);

// The pixels in the box (x1, y1)-(x2, y2) of a rendered canvas that are not
// the background colour.
int InkIn(Platform& p, int x1, int y1, int x2, int y2);

}  // namespace vm::test
