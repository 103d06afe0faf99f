// What the canvas's own files share, beside the class.
#pragma once

#include "platform/canvas.h"

namespace vm {

// Sets cr's source to a colour of the palette.
void SourceColour(cairo_t* cr, int colour);
// The part of r inside bounds.
PixelRect Clamp(const PixelRect& r, const PixelRect& bounds);

}  // namespace vm
