// Small helpers shared by the formula writers' source files.
#pragma once

#include "state/state.h"

namespace vm::formula {

// The face every formula glyph falls back to.
inline const char* const kGothic = "ゴシック";

inline int Colour(float c) { return static_cast<int>(c); }
inline int Width(float w) { return static_cast<int>(w); }

// Measuring runs draw through the real writers with drawing switched off;
// the guard switches it back on however the run ends (an error on the way
// must still be able to draw the error screen).
class DrawingOff {
public:
    explicit DrawingOff(Platform& p) : p_(p) { p_.SuspendDrawing(); }
    ~DrawingOff() { p_.ResumeDrawing(); }
    DrawingOff(const DrawingOff&) = delete;
    DrawingOff& operator=(const DrawingOff&) = delete;

private:
    Platform& p_;
};

}  // namespace vm::formula
