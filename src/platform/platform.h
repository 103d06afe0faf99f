// The drawing surface, fonts, keyboard, clock and random numbers of a run.
//
// Everything drawn goes onto a retained canvas in logical pixels (origin top
// left, y down, one unit one pixel) and stays there; a window only shows it.
// One Platform serves three uses:
//   - the window (WindowPlatform: SDL2 shows the canvas and gives the keys),
//   - off-screen runs (a cairo canvas, scripted keys, PNG output),
//   - recording runs for tests (every call logged with its arguments; the
//     cairo canvas may be left out for speed).
// Only this layer touches SDL or cairo.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <random>
#include <span>
#include <string>
#include <vector>

namespace vm {

class CairoCanvas;

// Key codes as the key poll returns them (one-character texts).
namespace key {
inline const std::string kBackspace = "\x08";
inline const std::string kClear = "\x0c";  // the Delete key: empties a number field
inline const std::string kEnter = "\r";
inline const std::string kRight = "\x1c";
inline const std::string kLeft = "\x1d";
inline const std::string kUp = "\x1e";
inline const std::string kDown = "\x1f";
}  // namespace key

struct Point {
    float x, y;
};

struct FontState {
    std::string name = "ｺﾞｼｯｸ";
    float size = 16;
    bool bold = false;
    bool italic = false;
    bool operator==(const FontState&) const = default;
};

// One logged drawing call.
struct Op {
    enum Kind { Line, Box, FillBox, Arc, Sector, Dot, Polyline, FillPolygon, Text, Clear };
    Kind kind;
    explicit Op(Kind k) : kind(k) {}
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // line ends, box corners; centre in x1, y1
    float r = 0, aspect = 1, start = 0, end = 0;  // circles
    std::vector<Point> pts;
    std::string text;
    int mh = 1, mv = 1;
    int colour = 0, fill = -1;
    int width = 0;  // pen width in force
    FontState font;
};

// A text as a lesson draws it, known before it is drawn: what decides its
// pixels (characters, face, size, weight, slant, magnification, its place
// within a pixel, from where it was drawn, and its colour).
struct TextSeed {
    const char* text;
    const char* face;
    float size;
    bool bold, italic;
    int mh, mv;
    float x, y;
    int colour;
};

class Platform {
public:
    // canvas: render into a cairo image surface of this size; 0 by 0 leaves
    // the canvas out (recording only).
    Platform(int width, int height, bool record);
    virtual ~Platform();
    Platform(const Platform&) = delete;
    Platform& operator=(const Platform&) = delete;

    // --- window ---------------------------------------------------------
    virtual void SetMapMode(int /*mode*/) {}
    virtual void MaximizeWindow() {}

    // --- fonts and pen --------------------------------------------------
    void SetFontName(const std::string& name) { font_.name = name; }
    void SetFontSize(float size) { font_.size = size; }
    void SetFontBold(bool on) { font_.bold = on; }
    void SetFontItalic(bool on) { font_.italic = on; }
    const FontState& Font() const { return font_; }
    void SetDrawWidth(int w);
    int GetDrawWidth() const { return width_; }

    // --- drawing --------------------------------------------------------
    void Line(float x1, float y1, float x2, float y2, int colour);
    void Box(float x1, float y1, float x2, float y2, int colour);
    void FillBox(float x1, float y1, float x2, float y2, int border, int fill);
    // Arc of a circle (or ellipse: aspect = vertical / horizontal radius).
    // start and end are fractions of a turn measured clockwise on the screen
    // from +x; the arc runs clockwise from start to end, through 0 where
    // needed. start == end draws the whole circle.
    void Circle(float cx, float cy, float r, int colour, float aspect = 1, float start = 0,
                float end = 0);
    // The sector between start and end, outlined in colour, filled with fill.
    void Sector(float cx, float cy, float r, int colour, int fill, float aspect = 1,
                float start = 0, float end = 0);
    // A filled dot in its own colour; radius 0.5 shows as a pen-sized dot.
    void Dot(float cx, float cy, float r, int colour);
    void Connect(const std::vector<Point>& pts, int colour);
    void FillPolygon(const std::vector<Point>& pts, int border, int fill);
    // Text with its top left at (x, y), magnified (mh, mv) on the character
    // cell. The caller advances the pen.
    void Symbol(float x, float y, const std::string& text, int mh, int mv, int colour);
    void Cls();

    // While switched off nothing is drawn or logged (measuring runs);
    // font and pen changes still take effect. Nests.
    void SuspendDrawing() { ++suspended_; }
    void ResumeDrawing() {
        if (suspended_ > 0) --suspended_;
    }
    bool Drawing() const { return suspended_ == 0; }

    // Texts soon to be drawn. A window works out their pixels while it waits
    // for a key with nothing else to do, a few at a time, so that their
    // first drawing costs what drawing them again does. Replaces what was
    // asked before; the seeds must outlive the preparing.
    void PrepareTexts(std::span<const TextSeed> seeds);
    // Prepares the next of them; false when none is left.
    bool PrepareNextText();
    size_t TextsToPrepare() const { return seeds_.size() - seeds_done_; }

    // --- keyboard -------------------------------------------------------
    // "" or one key as a one-character text. Returns at once, except that
    // in a window a poll following an empty one with nothing drawn in
    // between sleeps until the next event (a loop polling for a key costs
    // nothing while it waits). Throws WindowClosed when the window has been
    // closed or a key script has run out.
    virtual std::string Inkey();
    // Blocks until a key arrives.
    virtual std::string WaitKey();
    // Blocks until the window is closed (the error stop's wait).
    virtual void WaitForClose();

    // Scripted keys, consumed one per poll.
    void PushKeys(const std::vector<std::string>& keys);
    size_t PendingKeys() const { return keys_.size(); }
    // Called before each scripted key is handed out (for screenshots).
    std::function<void(size_t index)> before_key;

    // --- clock and random numbers ---------------------------------------
    // "hh:mm:ss"; tests can fix it.
    std::string Time();
    void SetFixedTime(const std::string& t) { fixed_time_ = t; }
    void Randomize(uint32_t seed);
    // A value in [0, 1), never 1.
    float Rnd();

    // --- output ---------------------------------------------------------
    const std::vector<Op>& Log() const { return log_; }
    void ClearLog() { log_.clear(); }
    CairoCanvas* Canvas() { return canvas_.get(); }
    bool WritePng(const std::string& path);

protected:
    // Gives a platform made without a canvas one of this size.
    void MakeCanvas(int width, int height);
    // Called after something was drawn (the window marks itself dirty).
    virtual void Changed() {}
    std::deque<std::string> keys_;
    size_t keys_given_ = 0;

private:
    void Emit(Op op);

    std::unique_ptr<CairoCanvas> canvas_;
    bool record_;
    std::vector<Op> log_;
    FontState font_;
    int width_ = 1;
    int suspended_ = 0;
    std::mt19937 rng_{0};
    std::string fixed_time_;
    std::span<const TextSeed> seeds_;
    size_t seeds_done_ = 0;
};

// Parses the key notation of scripts: characters as themselves, "\n" or
// "{Enter}", "{BS}", "{Del}", "{Left}", "{Right}", "{Up}", "{Down}",
// "{Any}" (a space: any key will do).
std::vector<std::string> ParseKeys(const std::string& script);

}  // namespace vm
