// A window's present when its surface fails for a moment: what could not
// be shown then is shown by the next present.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/window.h"

namespace vm {

namespace {

// Pixels painted in one buffer and copied to the "screen" as they are shown,
// the way a window paints a staging copy and then converts it. It can fail
// once: to lock, or to show what was painted.
class FlakySurface : public WindowSurface {
public:
    enum class Fault { None, Lock, Show };

    FlakySurface(int w, int h, Fault fault = Fault::None, int at = 0)
        : w_(w), h_(h), fault_(fault), at_(at), paint_(Bytes()), screen_(Bytes()) {}

    // Every present locks once.
    bool Lock(TargetPixels& pixels) override {
        const int present = presents_++;
        if (fault_ == Fault::Lock && present == at_) return false;
        pixels = {paint_.data(), w_, h_, w_ * 4};
        return true;
    }
    bool Show(const std::vector<PixelRect>& parts) override {
        if (fault_ == Fault::Show && presents_ - 1 == at_) return false;
        for (const PixelRect& r : parts)
            for (int y = r.y; y < r.y + r.h; ++y) {
                const size_t at = (static_cast<size_t>(y) * w_ + r.x) * 4;
                std::memcpy(&screen_[at], &paint_[at], static_cast<size_t>(r.w) * 4);
            }
        return true;
    }
    const std::vector<unsigned char>& screen() const { return screen_; }

private:
    std::vector<unsigned char> Bytes() const {
        return std::vector<unsigned char>(static_cast<size_t>(w_) * h_ * 4, 0);
    }

    int w_, h_;
    Fault fault_;
    int at_;  // the present that fails
    int presents_ = 0;  // begun so far
    std::vector<unsigned char> paint_, screen_;
};

// The first present paints the window whole, the next ones what was drawn
// since; whichever of them fails, to lock or to show, the screen ends as a
// window painted whole from the last canvas.
TEST(WindowPresent, WhatAFailedPresentMissedIsShownByTheNext) {
    using Fault = FlakySurface::Fault;
    struct Case {
        Fault fault;
        int at;
    };
    const Case cases[] = {{Fault::None, 0}, {Fault::Lock, 0}, {Fault::Lock, 1},
                          {Fault::Lock, 2}, {Fault::Show, 0}, {Fault::Show, 1}};
    // Smaller than the canvas, with margins above and below.
    const int w = 1000, h = 700;
    for (const Case& c : cases) {
        const char* const faults[] = {"none", "lock", "show"};
        SCOPED_TRACE(std::string(faults[static_cast<int>(c.fault)]) + " fails at present " +
                     std::to_string(c.at));
        Platform p(1440, 900, false);
        FlakySurface surface(w, h, c.fault, c.at);
        bool whole = true;
        const auto present = [&] { PresentCanvas(*p.Canvas(), surface, whole); };
        p.SetDrawWidth(3);
        p.Line(100, 100, 900, 640, 3);
        present();
        p.FillBox(96, 657, 400, 693, 13, 4);
        p.Symbol(130, 666, "何かキーを押して下さい。", 1, 1, 9);
        present();
        p.Circle(700, 300, 120, 5, 0.5f);
        present();
        present();

        Platform q(1440, 900, false);
        FlakySurface expected(w, h);
        bool first = true;
        q.SetDrawWidth(3);
        q.Line(100, 100, 900, 640, 3);
        q.FillBox(96, 657, 400, 693, 13, 4);
        q.Symbol(130, 666, "何かキーを押して下さい。", 1, 1, 9);
        q.Circle(700, 300, 120, 5, 0.5f);
        ASSERT_TRUE(PresentCanvas(*q.Canvas(), expected, first));
        EXPECT_FALSE(whole);
        size_t diff = 0, at = 0;
        for (size_t i = 0; i < expected.screen().size(); ++i)
            if (surface.screen()[i] != expected.screen()[i] && diff++ == 0) at = i / 4;
        EXPECT_EQ(diff, 0u) << "first at " << at % w << "," << at / w;
    }
}

}  // namespace

}  // namespace vm
