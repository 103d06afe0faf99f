// Texts drawn again are copied from the pixels they made before: the canvas
// must come out exactly as drawing every text from its outline makes it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <deque>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "platform/canvas.h"
#include "platform/platform.h"

namespace vm {

namespace {

// The rows of two 1440 by 900 canvases whose pixels differ.
int DifferingRows(Platform& one, Platform& other) {
    CairoCanvas& a = *one.Canvas();
    CairoCanvas& b = *other.Canvas();
    int differing = 0;
    for (int y = 0; y < 900; ++y)
        if (std::memcmp(a.Pixels() + static_cast<long>(y) * a.Stride(),
                        b.Pixels() + static_cast<long>(y) * b.Stride(), 1440 * 4) != 0)
            ++differing;
    return differing;
}

// A page of texts in every face and style, at whole and fractional places,
// on white, on filled boxes, over lines and over each other, erased by
// drawing them again in the background colour, and at the canvas's edges.
void DrawPage(Platform& p) {
    struct Face {
        const char* name;
        float size;
        bool bold, italic;
    };
    const Face faces[] = {{"ｺﾞｼｯｸ", 16, false, false}, {"ｺﾞｼｯｸ", 16, true, false},
                          {"ゴシック", 12, true, true},   {"Times New Roman", 16, false, true},
                          {"MT Extra", 16, false, false}, {"ｺﾞｼｯｸ", 8, false, false}};
    const char* texts[] = {"あ", "三", "x", "2", "l", "＝", "√", "何かキー"};
    const int mags[][2] = {{1, 1}, {2, 3}, {3, 2}};
    p.SetDrawWidth(3);
    p.FillBox(600, 0, 1100, 400, 13, 4);
    p.Line(0, 500, 1440, 520, 0);
    for (int pass = 0; pass < 3; ++pass) {
        float y = 10 + pass * 0.25f;
        for (const Face& f : faces) {
            p.SetFontName(f.name);
            p.SetFontSize(f.size);
            p.SetFontBold(f.bold);
            p.SetFontItalic(f.italic);
            float x = 20 + pass * 0.5f;
            for (const auto& m : mags)
                for (const char* t : texts) {
                    p.Symbol(x, y, t, m[0], m[1], pass == 2 ? 5 : 0);
                    p.Symbol(x + 600, y, t, m[0], m[1], 15);         // on the filled box
                    p.Symbol(x + 3, 490 + (x / 40), t, m[0], m[1], 3);  // over the line
                    x += 16.0f * static_cast<float>(m[0]) * 0.75f;     // overlapping neighbours
                }
            y += 60;
        }
        // Erase one row by drawing it again in white.
        p.SetFontName("ｺﾞｼｯｸ");
        p.SetFontSize(16);
        p.SetFontBold(false);
        p.SetFontItalic(false);
        for (int i = 0; i < 8; ++i) p.Symbol(20 + 24.0f * i + pass * 0.5f, 10 + pass * 0.25f, texts[i], 1, 1, 15);
    }
    p.Symbol(1430, 890, "端", 2, 2, 0);  // cut off by the edges
    p.Symbol(-6, -4, "端", 1, 1, 0);
}

TEST(GlyphCache, CopiedTextsEqualTextsDrawnAfresh) {
    Platform cached(1440, 900, false), fresh(1440, 900, false);
    fresh.Canvas()->SetGlyphCache(false);
    DrawPage(cached);
    DrawPage(fresh);
    EXPECT_GT(cached.Canvas()->GlyphCacheHits(), 100u);
    EXPECT_EQ(fresh.Canvas()->GlyphCacheHits(), 0u);
    EXPECT_EQ(DifferingRows(cached, fresh), 0) << "rows differ";
}

// Texts prepared before they are drawn (as a lesson's are while its scene
// list waits) come out as drawing them does, and even their first drawing
// copies them in.
TEST(GlyphCache, PreparedTextsEqualTextsDrawnAfresh) {
    Platform recorded(0, 0, true);
    DrawPage(recorded);
    std::deque<std::string> strings;  // what the seeds point into
    std::vector<TextSeed> seeds;
    // A text is kept once whatever its colour; a seed is one in a colour.
    using Shape = std::tuple<std::string, std::string, float, bool, bool, int, int, float, float>;
    std::set<Shape> shapes;
    std::set<std::pair<Shape, int>> seen;
    for (const Op& op : recorded.Log()) {
        if (op.kind != Op::Text) continue;
        const float fx = op.x1 - std::floor(op.x1), fy = op.y1 - std::floor(op.y1);
        const Shape shape{op.text, op.font.name, op.font.size, op.font.bold, op.font.italic,
                          op.mh, op.mv, fx, fy};
        shapes.insert(shape);
        if (!seen.insert({shape, op.colour}).second) continue;
        const char* text = strings.emplace_back(op.text).c_str();
        const char* face = strings.emplace_back(op.font.name).c_str();
        seeds.push_back({text, face, op.font.size, op.font.bold, op.font.italic, op.mh, op.mv,
                         op.x1, op.y1, op.colour});
    }
    Platform prepared(1440, 900, false), cached(1440, 900, false), fresh(1440, 900, false);
    fresh.Canvas()->SetGlyphCache(false);
    prepared.PrepareTexts(seeds);
    EXPECT_EQ(prepared.TextsToPrepare(), seeds.size());
    size_t steps = 1;
    while (prepared.PrepareNextText()) ++steps;
    EXPECT_EQ(steps, seeds.size());
    EXPECT_EQ(prepared.TextsToPrepare(), 0u);
    EXPECT_FALSE(prepared.PrepareNextText());
    for (Platform* p : {&prepared, &cached, &fresh}) DrawPage(*p);
    EXPECT_EQ(DifferingRows(prepared, fresh), 0) << "rows differ";
    // Only the two texts the canvas's edges cut off are drawn afresh each
    // time; every other text is met prepared, its first drawing included.
    EXPECT_EQ(prepared.Canvas()->GlyphCacheHits() - cached.Canvas()->GlyphCacheHits(),
              shapes.size() - 2);
}

TEST(GlyphCache, PreparingAgainReplacesWhatWasAsked) {
    const TextSeed one[] = {{"三", "ｺﾞｼｯｸ", 16, true, false, 3, 3, 44, 240, 0}};
    const TextSeed two[] = {{"あ", "ｺﾞｼｯｸ", 16, false, false, 1, 1, 0, 0, 0},
                            {"x", "Times New Roman", 8, false, true, 10, 7, 100.5f, 62, 0}};
    Platform p(1440, 900, false);
    p.PrepareTexts(one);
    p.PrepareTexts(two);
    EXPECT_EQ(p.TextsToPrepare(), 2u);
    p.PrepareTexts({});
    EXPECT_EQ(p.TextsToPrepare(), 0u);
    EXPECT_FALSE(p.PrepareNextText());
    // Without a canvas there is nothing to prepare on.
    Platform bare(0, 0, true);
    bare.PrepareTexts(two);
    EXPECT_FALSE(bare.PrepareNextText());
}

// Texts are laid from how much of each pixel they cover, by the same sums
// cairo paints with: a text in every colour over every colour, and over the
// edge between two colours, comes out as drawing it does.
TEST(GlyphCache, EveryColourOverEveryColourEqualsDrawingAfresh) {
    Platform cached(1440, 900, false), fresh(1440, 900, false);
    fresh.Canvas()->SetGlyphCache(false);
    for (Platform* p : {&cached, &fresh}) {
        p->SetFontSize(16);
        for (const bool bold : {true, false}) {
            p->SetFontBold(bold);
            const float top = bold ? 0 : 450;
            for (int under = 0; under < 16; ++under) {
                const float y = top + 28 * static_cast<float>(under);
                p->FillBox(0, y, 1440, y + 27, under, under);
                // The second half of the row: a box of the next colour
                // cuts each text in two.
                p->FillBox(1100, y + 12, 1440, y + 27, (under + 1) % 16, (under + 1) % 16);
                for (int colour = 0; colour < 16; ++colour) {
                    const float x = 4 + 44 * static_cast<float>(colour);
                    p->Symbol(x, y + 2, "あ2", 1, 1, colour);
                    p->Symbol(x + 700.5f, y + 2.25f, "あ2", 1, 1, colour);
                    p->Symbol(1100 + 20 * static_cast<float>(colour), y + 2, "あ", 1, 1, colour);
                }
            }
        }
    }
    EXPECT_GT(cached.Canvas()->GlyphCacheHits(), 500u);
    EXPECT_EQ(DifferingRows(cached, fresh), 0) << "rows differ";
}

// Far more texts than the cache keeps, each drawn twice, pages apart: the
// texts least recently drawn are forgotten on the way and drawn afresh.
TEST(GlyphCache, ForgettingOldTextsLeavesThePixelsAlone) {
    Platform cached(1440, 900, false), fresh(1440, 900, false);
    fresh.Canvas()->SetGlyphCache(false);
    const auto utf8 = [](char32_t c) {
        std::string s;
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
        return s;
    };
    for (Platform* p : {&cached, &fresh}) {
        p->SetFontSize(24);
        p->SetFontBold(true);
        for (int page = 0; page < 6; ++page) {
            p->Cls();
            // Three sets of new texts, then the last set again backwards
            // (its end still kept) and the first two (long forgotten).
            const int sets[] = {0, 1, 2, 2, 0, 1};
            const int set = sets[page];
            const char32_t first = U'\u4E00' + static_cast<char32_t>(set * 1500);
            for (int n = 0; n < 1500; ++n) {
                const int i = page == 3 ? 1499 - n : n;  // the last drawn first
                p->Symbol(static_cast<float>(10 + (i % 50) * 28), static_cast<float>(10 + (i / 50) * 29),
                          utf8(first + static_cast<char32_t>(i)), 1, 1, set);
            }
        }
    }
    EXPECT_GT(cached.Canvas()->GlyphCacheHits(), 0u);
    EXPECT_EQ(DifferingRows(cached, fresh), 0) << "rows differ";
}

}  // namespace

}  // namespace vm
