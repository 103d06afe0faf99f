#include "platform/platform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/canvas.h"
#include "platform/runtime.h"

namespace vm {

namespace {

bool IsColour(const Rgb& px, int colour) {
    const Rgb c = Palette()[static_cast<size_t>(colour)];
    return px.r == c.r && px.g == c.g && px.b == c.b;
}

// Bounding box of the pixels that are not background.
struct Ink {
    int x0 = 1 << 20, y0 = 1 << 20, x1 = -1, y1 = -1;
    bool empty() const { return x1 < 0; }
};

Ink InkIn(CairoCanvas& c, int x0, int y0, int x1, int y1) {
    Ink ink;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const Rgb p = c.PixelAt(x, y);
            if (p.r < 200 || p.g < 200 || p.b < 200) {
                ink.x0 = std::min(ink.x0, x), ink.y0 = std::min(ink.y0, y);
                ink.x1 = std::max(ink.x1, x), ink.y1 = std::max(ink.y1, y);
            }
        }
    return ink;
}

}  // namespace

TEST(Canvas, StartsWhiteAndClearsToWhite) {
    Platform p(200, 100, false);
    EXPECT_TRUE(IsColour(p.Canvas()->PixelAt(10, 10), 15));
    p.FillBox(0, 0, 199, 99, 0, 0);
    EXPECT_TRUE(IsColour(p.Canvas()->PixelAt(10, 10), 0));
    p.Cls();
    EXPECT_TRUE(IsColour(p.Canvas()->PixelAt(10, 10), 15));
}

TEST(Canvas, ArcsRunClockwiseOnTheScreenAndWrapThroughZero) {
    struct Case {
        float start, end;
        bool top, bottom, left, right;
    } cases[] = {
        {0.5f, 0.0f, true, false, true, true},    // upper half
        {0.0f, 0.5f, false, true, true, true},    // lower half
        {0.75f, 0.25f, true, true, false, true},  // right half, through 0
        {0.0f, 0.0f, true, true, true, true},     // whole circle
    };
    for (const auto& c : cases) {
        Platform p(200, 200, false);
        p.SetDrawWidth(3);
        p.Circle(100, 100, 50, 0, 1, c.start, c.end);
        CairoCanvas& cv = *p.Canvas();
        EXPECT_EQ(IsColour(cv.PixelAt(100, 50), 0), c.top) << c.start << "-" << c.end;
        EXPECT_EQ(IsColour(cv.PixelAt(100, 150), 0), c.bottom) << c.start << "-" << c.end;
        EXPECT_EQ(IsColour(cv.PixelAt(50, 100), 0) || IsColour(cv.PixelAt(51, 100), 0) ||
                      !InkIn(cv, 45, 98, 55, 102).empty(),
                  c.left)
            << c.start << "-" << c.end;
        EXPECT_EQ(!InkIn(cv, 145, 98, 155, 102).empty(), c.right) << c.start << "-" << c.end;
    }
}

TEST(Canvas, SectorIsOutlinedAndFilled) {
    Platform p(200, 200, false);
    p.SetDrawWidth(1);
    p.Sector(100, 100, 60, 0, 5, 1, 0.0f, 0.25f);  // lower right quarter
    CairoCanvas& cv = *p.Canvas();
    EXPECT_TRUE(IsColour(cv.PixelAt(120, 120), 5));   // inside
    EXPECT_TRUE(IsColour(cv.PixelAt(80, 120), 15));   // lower left: outside
    EXPECT_TRUE(IsColour(cv.PixelAt(120, 80), 15));   // upper right: outside
}

TEST(Canvas, EllipseUsesTheAspectRatio) {
    Platform p(200, 200, false);
    p.SetDrawWidth(1);
    p.Circle(100, 100, 80, 0, 0.5f);
    const Ink ink = InkIn(*p.Canvas(), 0, 0, 200, 200);
    EXPECT_NEAR(ink.x1 - ink.x0, 160, 3);
    EXPECT_NEAR(ink.y1 - ink.y0, 80, 3);
}

TEST(Canvas, DotOfHalfAPixelShowsAtThePenWidth) {
    Platform p(100, 100, false);
    p.SetDrawWidth(5);
    p.Dot(50, 50, 0.5f, 0);
    const Ink ink = InkIn(*p.Canvas(), 0, 0, 100, 100);
    ASSERT_FALSE(ink.empty());
    EXPECT_GE(ink.x1 - ink.x0 + 1, 5);
    EXPECT_LE(ink.x1 - ink.x0 + 1, 7);
    // Solid, not a ring.
    for (int y = 48; y <= 51; ++y)
        for (int x = 48; x <= 51; ++x) EXPECT_TRUE(IsColour(p.Canvas()->PixelAt(x, y), 0)) << x << "," << y;
}

TEST(Canvas, FillBoxAndFilledPolygonTakeTheFillInsideTheBorder) {
    Platform p(200, 200, false);
    p.SetDrawWidth(3);
    p.FillBox(10, 10, 90, 90, 13, 4);
    p.FillPolygon({{110, 10}, {190, 10}, {150, 90}}, 0, 9);
    CairoCanvas& cv = *p.Canvas();
    EXPECT_TRUE(IsColour(cv.PixelAt(50, 50), 4));
    EXPECT_TRUE(IsColour(cv.PixelAt(10, 50), 13));
    EXPECT_TRUE(IsColour(cv.PixelAt(150, 30), 9));
}

TEST(Canvas, DrawingOffTheCanvasIsHarmless) {
    Platform p(100, 100, true);
    p.Line(-500, -500, 5000, 5000, 0);
    p.Symbol(0, 1800, "abc", 1, 1, 0);
    p.Circle(-300, 50, 20, 0);
    EXPECT_EQ(p.Log().size(), 3u);
}

TEST(Text, CellsAreHalfOrFullSizeTimesTheMagnification) {
    // A digit at size 16 and (3,3) fills 24 by 48; a kanji at (2,3) 32 by 48.
    const struct {
        const char* text;
        int mh, mv;
        int w, h;
    } cases[] = {{"8", 3, 3, 24, 48}, {"番", 2, 3, 32, 48}, {"番", 1, 1, 16, 16}, {"W", 1, 1, 8, 16}};
    for (const auto& c : cases) {
        Platform p(300, 200, false);
        p.SetFontName("ｺﾞｼｯｸ");
        p.SetFontSize(16);
        p.Symbol(100, 50, c.text, c.mh, c.mv, 0);
        const Ink ink = InkIn(*p.Canvas(), 0, 0, 300, 200);
        ASSERT_FALSE(ink.empty()) << c.text;
        // The glyph lies inside its cell, and fills most of it.
        EXPECT_GE(ink.x0, 100 - 1) << c.text;
        EXPECT_LE(ink.x1, 100 + c.w + 1) << c.text;
        EXPECT_GE(ink.y0, 50 - 1) << c.text;
        EXPECT_LE(ink.y1, 50 + c.h + 1) << c.text;
        EXPECT_GE(ink.x1 - ink.x0 + 1, c.w / 2) << c.text;
        EXPECT_GE(ink.y1 - ink.y0 + 1, c.h / 2) << c.text;
    }
}

TEST(Text, TheFacesTheProgramsNameHaveEveryGlyphTheyNeed) {
    Platform p(10, 10, false);
    FontState gothic;
    gothic.name = "ゴシック";
    EXPECT_TRUE(p.Canvas()->HasGlyphs(
        gothic, "番号を入力して下さい。何かキーを押して下さい。①②③④⑤⑥⑦⑧⑨ＡΑχ√≡±π∠≦≧△―°×÷："));
    gothic.name = "ｺﾞｼｯｸ";
    EXPECT_TRUE(p.Canvas()->HasGlyphs(gothic, "エラーが発生しました。マウスで×をクリックして下さい。"));
    FontState times;
    times.name = "Times New Roman";
    times.italic = true;
    EXPECT_TRUE(p.Canvas()->HasGlyphs(times, "axc"));
    FontState extra;
    extra.name = "MT Extra";
    EXPECT_TRUE(p.Canvas()->HasGlyphs(extra, "l"));
    EXPECT_EQ(FaceGlyph("MT Extra", "l"), "\u2113");
    EXPECT_EQ(ResolveFace("ゴシック").family, "IPAGothic");
    EXPECT_EQ(ResolveFace("Times New Roman").family, "Liberation Serif");
}

TEST(Recording, LogsEveryCallWithPenAndFont) {
    Platform p(0, 0, true);
    p.SetDrawWidth(5);
    p.SetFontName("Times New Roman");
    p.SetFontSize(8);
    p.SetFontItalic(true);
    p.Symbol(10, 20, "x", 10, 7, 3);
    p.Line(1, 2, 3, 4, 9);
    ASSERT_EQ(p.Log().size(), 2u);
    const Op& t = p.Log()[0];
    EXPECT_EQ(t.kind, Op::Text);
    EXPECT_EQ(t.text, "x");
    EXPECT_EQ(t.mh, 10);
    EXPECT_EQ(t.mv, 7);
    EXPECT_EQ(t.colour, 3);
    EXPECT_EQ(t.font.name, "Times New Roman");
    EXPECT_TRUE(t.font.italic);
    EXPECT_EQ(t.width, 5);
    EXPECT_EQ(p.Log()[1].kind, Op::Line);
}

TEST(Recording, SuspendedDrawingLeavesNoTraceButKeepsFontChanges) {
    Platform p(100, 100, true);
    p.SuspendDrawing();
    p.SetFontBold(true);
    p.Symbol(0, 0, "ABC", 3, 3, 0);
    p.ResumeDrawing();
    EXPECT_TRUE(p.Log().empty());
    EXPECT_TRUE(p.Font().bold);
    EXPECT_TRUE(IsColour(p.Canvas()->PixelAt(5, 5), 15));
}

TEST(Keys, ScriptNotationMapsToTheKeyCodes) {
    const auto keys = ParseKeys("1/2\\n{Left}{Right}{Up}{Down}{BS}{Del}{Any}{Enter}\n");
    const std::vector<std::string> want = {"1", "/", "2", "\r", "\x1d", "\x1c", "\x1e", "\x1f",
                                           "\x08", "\x0c", " ", "\r", "\r"};
    EXPECT_EQ(keys, want);
}

TEST(Keys, ScriptedKeysComeOnePerPollThenTheRunEnds) {
    Platform p(0, 0, false);
    p.PushKeys({"1", "\r"});
    EXPECT_EQ(p.Inkey(), "1");
    EXPECT_EQ(p.WaitKey(), "\r");
    EXPECT_THROW(p.Inkey(), WindowClosed);
}

TEST(Random, SeededValuesRepeatAndStayBelowOne) {
    Platform p(0, 0, false);
    p.Randomize(102);
    std::vector<float> a;
    for (int i = 0; i < 1000; ++i) {
        const float r = p.Rnd();
        EXPECT_GE(r, 0.0f);
        EXPECT_LT(r, 1.0f);
        a.push_back(r);
    }
    p.Randomize(102);
    for (int i = 0; i < 1000; ++i) EXPECT_EQ(p.Rnd(), a[static_cast<size_t>(i)]);
}

}  // namespace vm

namespace vm {

TEST(Canvas, ErasingWithTheSameShapeLeavesNoTrace) {
    Platform p(300, 200, false);
    p.SetDrawWidth(3);
    p.FillBox(96, 57, 200, 93, 13, 4);
    p.Dot(250, 100, 4, 5);
    p.Circle(150, 150, 30, 0, 1, 0.5f, 0);
    p.FillBox(96, 57, 200, 93, 15, 15);
    p.Dot(250, 100, 4, 15);
    p.Circle(150, 150, 30, 15, 1, 0.5f, 0);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x) {
            const Rgb px = p.Canvas()->PixelAt(x, y);
            ASSERT_TRUE(px.r == 255 && px.g == 255 && px.b == 255) << x << "," << y;
        }
}

}  // namespace vm

namespace vm {

TEST(Canvas, ACoordinateThatIsNotANumberIsARunTimeError) {
    Platform p(100, 100, true);
    const float nan = std::nanf("");
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_THROW(p.Line(0, 0, nan, 1, 0), RuntimeError);
    EXPECT_THROW(p.Circle(10, 10, inf, 0), RuntimeError);
    EXPECT_THROW(p.Connect({{0, 0}, {1, nan}}, 0), RuntimeError);
    EXPECT_THROW(p.Symbol(inf, 0, "a", 1, 1, 0), RuntimeError);
    EXPECT_TRUE(p.Log().empty());
}

}  // namespace vm
