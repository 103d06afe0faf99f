// The text cursor of a lesson: markup text written in a colour at a point,
// with the cursor (YI1, XI2) following the pen, so that a scene can place
// its next line below, beside or after the last one.
#pragma once

#include <string>

#include "state/state.h"

namespace vm {

// Puts the cursor: the left margin XI1 at x and the last line YI1 at y.
void PlaceCursor(State& s, float x, float y);
// Markup text in colour c with its top left at (x, y); the cursor follows
// the pen (YI1 := Y, XI2 := X).
void Write(State& s, int c, float x, float y, const std::string& text);
// The same for a label beside a figure point: the cursor stays.
void Label(State& s, int c, float x, float y, const std::string& text);
// The next line, d below the last one, at the left margin XI1.
void NewLine(State& s, float d, int c, const std::string& text);
// A numbered line or heading: d below the last line, 72 px left of XI1.
void NumberedLine(State& s, float d, int c, const std::string& text);
// Goes on after the last text, at (XI2, YI1).
void Continue(State& s, int c, const std::string& text);
// The closing line of a scene at (44, 590).
void FixedLine(State& s, int c, const std::string& text);

// Text in colour ink in a width x height box at pen (x, y), outlined in
// `border` at the pen width in force and filled with `fill`
// (DrawFramedText); the pen ends at the box's right edge, the cursor stays.
void FramedText(State& s, int ink, int border, int fill, float x, float y, float width,
                float height, const std::string& text);
// The page title of an answer page in a 484 x 50 box (black on amber,
// outlined in blue) at pen (x, y); the cursor follows (XI2 = the box's
// right edge, YI1 = y).
void TitleTag(State& s, const std::string& title, float x, float y);
// The problem number in a 40 x 50 box (amber on blue, outlined in deep
// navy); the cursor follows.
void NumberTag(State& s, const std::string& number, float x, float y);
// The title at (x, y), then the number `gap` px right of the title's box.
void Tags(State& s, const std::string& title, const std::string& number, float x, float y,
          float gap);

}  // namespace vm
