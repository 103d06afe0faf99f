// The retained canvas: a cairo image surface that every drawing call paints.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;

namespace vm {

struct Rgb {
    uint8_t r, g, b;
};
// The sixteen colours of ColourNumber.
const std::array<Rgb, 16>& Palette();

// The family that stands in for a face name the programs ask for.
struct FaceChoice {
    std::string family;
    bool shear_italic;  // the family has no italic: slant it ourselves
    // Height of the character cell per unit of font size.
    double cell = 1.0;
    // Width of the em per unit of font size; 0 keeps the glyphs' own
    // proportions.
    double width = 0.0;
};
FaceChoice ResolveFace(const std::string& name);
// The glyph drawn for a character in a face ("l" of "MT Extra" is the script ell).
std::string FaceGlyph(const std::string& face, const std::string& text);

class CairoCanvas {
public:
    CairoCanvas(int width, int height);
    ~CairoCanvas();
    CairoCanvas(const CairoCanvas&) = delete;
    CairoCanvas& operator=(const CairoCanvas&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }
    void Draw(const Op& op);
    bool WritePng(const std::string& path);
    // ARGB32 pixels, stride bytes a row.
    const unsigned char* Pixels();
    int Stride() const;
    Rgb PixelAt(int x, int y);
    // Whether every character of text has a glyph in the face the font
    // state resolves to.
    bool HasGlyphs(const FontState& font, const std::string& text);

private:
    void SetColour(int colour);
    void Path(const Op& op);
    void DrawText(const Op& op);

    int width_, height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

}  // namespace vm
