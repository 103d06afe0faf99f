// Texts drawn again are copied from the pixels they made before: the canvas
// must come out exactly as drawing every text from its outline makes it.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/canvas.h"
#include "platform/platform.h"

namespace vm {

namespace {

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
    CairoCanvas& a = *cached.Canvas();
    CairoCanvas& b = *fresh.Canvas();
    const unsigned char* pa = a.Pixels();
    const unsigned char* pb = b.Pixels();
    int differing = 0;
    for (int y = 0; y < 900; ++y)
        if (std::memcmp(pa + static_cast<long>(y) * a.Stride(), pb + static_cast<long>(y) * b.Stride(),
                        1440 * 4) != 0)
            ++differing;
    EXPECT_EQ(differing, 0) << "rows differ";
}

}  // namespace

}  // namespace vm
