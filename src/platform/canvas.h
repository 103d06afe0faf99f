// The retained canvas: a cairo image surface that every drawing call paints.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
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

// A rectangle of whole pixels.
struct PixelRect {
    int x = 0, y = 0, w = 0, h = 0;
    bool Empty() const { return w <= 0 || h <= 0; }
};

// Where a canvas shows in a target: scaled uniformly by `scale` to fit,
// centred, covering `area` of the target.
struct Placement {
    double scale = 1;
    PixelRect area;
};
Placement FitCanvas(int canvas_w, int canvas_h, int target_w, int target_h);

// 32-bit pixels (x, r, g, b from the high byte down) of a window's surface.
struct TargetPixels {
    unsigned char* data;
    int w, h, stride;
};

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
    // The parts drawn on since the last call, as a few rectangles.
    std::vector<PixelRect> TakeDamage();
    // The parts drawn on since the last call whose pixels differ from what
    // they were at that call, as a few rectangles; the first call gives the
    // whole canvas. What the first call gave is copied for the comparison
    // only at KeepShown, which a window calls once it waits and the picture
    // is on the screen; until then the parts drawn on are given as they are.
    std::vector<PixelRect> TakeChanges();
    // Copies the picture the first TakeChanges gave, unless it has been
    // drawn on since.
    void KeepShown();
    // Paints the part `part` of the canvas into the target where `at` places
    // it (smoothly scaled); returns the target pixels painted.
    PixelRect PaintInto(const TargetPixels& target, const Placement& at, const PixelRect& part);
    // Paints several parts at once, each as PaintInto would alone; returns
    // the target pixels painted, a rectangle for each part that reaches any.
    std::vector<PixelRect> PaintInto(const TargetPixels& target, const Placement& at,
                                     const std::vector<PixelRect>& parts);
    // As PaintInto, for the parts the last TakeChanges gave, into a target
    // that holds the picture as it was before them: where the picture is
    // enlarged, the target pixels that read no square changed then are left
    // as they are, though the whole of each part is given as painted.
    std::vector<PixelRect> PaintChanges(const TargetPixels& target, const Placement& at,
                                        const std::vector<PixelRect>& parts);
    // Columns [from, to) of a row.
    struct Span {
        int from = 0, to = 0;
    };

    // Texts drawn again are copied from the pixels they made before (on by
    // default); off, every text is drawn from its outline.
    void SetGlyphCache(bool on) { glyph_cache_ = on; }
    // A scaled-up paint uses the processor's widest loops when it has them
    // (on by default); off, the ones every processor has, to the same pixels.
    void SetWideEnlarging(bool on) { wide_enlarging_ = on; }
    // Works out a text's covers before it is first drawn (as a text drawn
    // by op), so that drawing it costs what drawing it again does.
    void Prepare(const Op& op);
    // How many texts were copied in rather than drawn.
    size_t GlyphCacheHits() const { return glyph_hits_; }

    // Whether every character of text has a glyph in the face the font
    // state resolves to.
    bool HasGlyphs(const FontState& font, const std::string& text);

private:
    // Shapes (canvas.cpp).
    void SetColour(int colour);
    void Path(const Op& op);
    // Dots of one colour in a row wait to be drawn together (canvas.cpp),
    // so that a curve drawn as thousands of dots tells the surface of its
    // changed pixels once.
    struct Disc {
        double x, y, r;
    };
    void QueueDot(const Op& op);
    void FillDots();
    // Fills the dots waiting and flushes the surface: called before
    // anything else draws on its pixels or reads them.
    void Settle();

    // Texts (canvas_text.cpp).
    void DrawText(const Op& op);
    // A box of pixels kept as the few colours in it and a colour for each
    // pixel: a quarter of the pixels' own size. A box of more than 256
    // colours is kept as it is.
    struct Look {
        std::vector<uint32_t> colours;
        std::vector<uint8_t> index;
        std::vector<uint32_t> raw;
        bool Empty() const { return index.empty() && raw.empty(); }
        size_t Bytes() const;
    };
    static Look Pack(const uint32_t* pixels, size_t stride, int w, int h);
    // A text drawn before, kept as how much of each pixel of its box its
    // drawing covers, and as the pixels it leaves on plain backgrounds.
    struct KnownText {
        bool placed = false, unfit = false;
        int x = 0, y = 0, w = 0, h = 0;  // its box, from the whole pixel it is drawn at
        // The cover of its fill and, for bold text, of its outline (0 to
        // 255 a pixel), each as cairo works it out when painting.
        std::vector<uint8_t> fill, outline;
        // The box as drawn on one background colour, by colour and background.
        std::unordered_map<uint64_t, Look> looks;
        size_t bytes = 0;   // what it takes in the cache
        uint64_t used = 0;  // when it was last drawn
    };
    void Grow(KnownText& t, size_t bytes);
    void ForgetOldTexts();
    // The kept text op draws, placed (first: met for the first time); null
    // for a text too large or too far out to keep.
    KnownText* Know(const Op& op, bool& first);
    // Draws a text kept before, or keeps one met for the first time.
    bool DrawKnownText(const Op& op);
    bool PlaceBox(const Op& op, double x0, double y0, double x1, double y1, double stroke,
                  KnownText& t);
    bool PlainBox(const Op& op, const KnownText& t, uint32_t& background);
    void KeepLook(const Op& op, KnownText& t, uint32_t background);
    // Finds the text's covers by painting its fill and its outline once,
    // each on a mask of its own.
    void Cover(const Op& op, KnownText& t);
    // Paints the text from its covers, pixel by pixel as cairo would.
    void Lay(const Op& op, const KnownText& t);
    // Row y of the text's box laid in ink over the pixels px.
    static void LayRow(const KnownText& t, int y, uint32_t ink, uint32_t* px);
    bool Inside(const Op& op, const KnownText& t) const;
    uint32_t* BoxRow(const Op& op, const KnownText& t, int y);
    // The pixel each colour paints where it covers a pixel whole.
    uint32_t Ink(int colour);

    // Enlarging into a window (canvas_scale.cpp). Where each column of the
    // picture's area reads the canvas, and its weight four times over (a
    // channel each), are worked out once for a window's size, not at every
    // paint; the lines target rows are blended from are kept as well, so
    // that a paint allocates nothing.
    struct Enlarging {
        int k = 0, area_w = 0, canvas_w = 0;
        std::vector<int32_t> at;
        std::vector<uint16_t> weights;
        std::vector<int16_t> sharp;  // the weights as the AVX2 blend takes them
        std::vector<uint32_t> lines;
    };
    Enlarging enlarging_;
    // Of each canvas row, the columns [from, to) of the squares in which it
    // changed at the last TakeChanges (none where from == to); empty when
    // that call gave what was drawn on without comparing it.
    std::vector<Span> changed_rows_;
    std::vector<PixelRect> Paint(const TargetPixels& target, const Placement& at,
                                 const std::vector<PixelRect>& parts, const Span* rows);

    // What was drawn on (canvas_damage.cpp).
    // Marks the box from (x0, y0) to (x1, y1), widened by pad, as drawn on.
    void Damage(double x0, double y0, double x1, double y1, double pad);
    void Damage(PixelRect r);
    // As Damage, for a drawing that left every pixel of blank (which may
    // take in less than it painted, never more) in the background colour.
    void Blanked(double x0, double y0, double x1, double y1, double pad, PixelRect blank);
    // Marks r as drawn on, and the squares wholly inside blank as holding
    // the background.
    void Mark(PixelRect r, PixelRect blank);
    // The canvas is compared with what was shown in squares of this size.
    static constexpr int kTile = 32;
    static int Tiles(int pixels) { return (pixels + kTile - 1) / kTile; }

    int width_, height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
    std::vector<PixelRect> damage_;
    // By square, row by row: drawn on since the changes were last taken;
    // drawn on since the canvas was last cleared (the others hold the
    // background).
    std::vector<uint8_t> touched_, drawn_on_;
    std::vector<Disc> dots_;  // waiting, all of colour dot_colour_
    int dot_colour_ = 0;
    void CopyShown();
    std::vector<unsigned char> shown_;  // the pixels at the last TakeChanges
    bool shown_owed_ = false;           // the first picture given is not yet copied
    bool glyph_cache_ = true;
    bool wide_enlarging_ = true;
    std::unordered_map<std::string, KnownText> glyphs_;
    size_t glyph_bytes_ = 0;
    uint64_t glyph_clock_ = 0;
    size_t glyph_hits_ = 0;
    std::array<uint32_t, 16> inks_{};
    bool inked_ = false;
    std::vector<unsigned char> mask_;  // the scratch the covers are painted on
};

}  // namespace vm
