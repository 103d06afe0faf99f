// What the canvas tracks of its drawing: the parts drawn on, and of those
// the parts whose pixels changed since they were last taken.
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/canvas.h"
#include "platform/canvas_cairo.h"

namespace vm {

namespace {

bool Near(const PixelRect& a, const PixelRect& b, int gap) {
    return a.x <= b.x + b.w + gap && b.x <= a.x + a.w + gap && a.y <= b.y + b.h + gap &&
           b.y <= a.y + a.h + gap;
}

PixelRect Union(const PixelRect& a, const PixelRect& b) {
    const int x0 = std::min(a.x, b.x), y0 = std::min(a.y, b.y);
    const int x1 = std::max(a.x + a.w, b.x + b.w), y1 = std::max(a.y + a.h, b.y + b.h);
    return {x0, y0, x1 - x0, y1 - y0};
}

}  // namespace

PixelRect Clamp(const PixelRect& r, const PixelRect& bounds) {
    const int x0 = std::max(r.x, bounds.x), y0 = std::max(r.y, bounds.y);
    const int x1 = std::min(r.x + r.w, bounds.x + bounds.w);
    const int y1 = std::min(r.y + r.h, bounds.y + bounds.h);
    return {x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
}

void CairoCanvas::Damage(double x0, double y0, double x1, double y1, double pad) {
    Blanked(x0, y0, x1, y1, pad, PixelRect{});
}

void CairoCanvas::Damage(PixelRect r) { Mark(r, PixelRect{}); }

void CairoCanvas::Blanked(double x0, double y0, double x1, double y1, double pad,
                          PixelRect blank) {
    const auto lo = [](double v) { return static_cast<int>(std::clamp(std::floor(v), -1e6, 1e6)); };
    const auto hi = [](double v) { return static_cast<int>(std::clamp(std::ceil(v), -1e6, 1e6)); };
    const int ix0 = lo(x0 - pad), iy0 = lo(y0 - pad);
    Mark(PixelRect{ix0, iy0, hi(x1 + pad) - ix0, hi(y1 + pad) - iy0}, blank);
}

namespace {

// Adds r to a few rectangles covering what was drawn on. Rectangles close
// together are sent as one: a few larger updates cost less than many small
// ones.
void AddPart(std::vector<PixelRect>& parts, PixelRect r) {
    for (size_t i = 0; i < parts.size();) {
        if (Near(parts[i], r, 16)) {
            r = Union(parts[i], r);
            parts.erase(parts.begin() + static_cast<long>(i));
            i = 0;
        } else {
            ++i;
        }
    }
    parts.push_back(r);
    if (parts.size() > 8) {
        PixelRect all = parts.front();
        for (const PixelRect& d : parts) all = Union(all, d);
        parts.assign(1, all);
    }
}

}  // namespace

void CairoCanvas::Mark(PixelRect r, PixelRect blank) {
    r = Clamp(r, PixelRect{0, 0, width_, height_});
    if (r.Empty()) return;
    AddPart(damage_, r);
    const int cols = Tiles(width_);
    for (int ty = r.y / kTile; ty <= (r.y + r.h - 1) / kTile; ++ty)
        for (int tx = r.x / kTile; tx <= (r.x + r.w - 1) / kTile; ++tx) {
            const size_t i = static_cast<size_t>(ty * cols + tx);
            const int sx = tx * kTile, sy = ty * kTile;
            const int sx1 = std::min(sx + kTile, width_), sy1 = std::min(sy + kTile, height_);
            if (sx >= blank.x && sy >= blank.y && sx1 <= blank.x + blank.w &&
                sy1 <= blank.y + blank.h) {
                // A square left holding the background: if nothing was drawn
                // on it since it last did, it has not changed.
                touched_[i] |= drawn_on_[i];
                drawn_on_[i] = 0;
            } else {
                touched_[i] = drawn_on_[i] = 1;
            }
        }
}

std::vector<PixelRect> CairoCanvas::TakeDamage() {
    std::vector<PixelRect> d;
    d.swap(damage_);
    return d;
}

// A step that clears the screen and draws most of it again as it was (a
// figure moved by a key) changes only a small part of it: only the squares
// whose pixels differ from those last taken are given.
std::vector<PixelRect> CairoCanvas::TakeChanges() {
    std::vector<PixelRect> damage = TakeDamage();
    std::vector<uint8_t> touched(touched_.size(), 0);
    touched.swap(touched_);
    changed_rows_.clear();
    if (shown_.empty() && !shown_owed_) {
        // The first picture is shown before its copy is made (KeepShown).
        shown_owed_ = true;
        return {PixelRect{0, 0, width_, height_}};
    }
    if (shown_owed_) {
        // The copy of what was shown was not made while the canvas held
        // it: what was drawn on since may have changed.
        CopyShown();
        return damage;
    }
    Settle();
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    const size_t row_bytes = static_cast<size_t>(width_) * 4;
    // Each square drawn on is compared once; of a changed square only the
    // box around its changed pixels is given, so that a scaled window
    // smooths no more than changed. The squares are gone through a row of
    // them at a time, a line of pixels at a time, so that the pixels are
    // read in the order they lie in memory; a run of squares side by side
    // whose line is as shown is passed over at once.
    const int cols = Tiles(width_);
    std::vector<PixelRect> parts;
    changed_rows_.assign(static_cast<size_t>(height_), Span{});
    struct Box {
        int left, right, top, bottom;
    };
    std::vector<Box> boxes(static_cast<size_t>(cols));
    for (int ty = 0; ty < Tiles(height_); ++ty) {
        const uint8_t* band = touched.data() + static_cast<size_t>(ty * cols);
        if (std::find(band, band + cols, uint8_t{1}) == band + cols) continue;
        std::fill(boxes.begin(), boxes.end(), Box{kTile, -1, -1, -1});
        const int y0 = ty * kTile, y1 = std::min(y0 + kTile, height_);
        for (int y = y0; y < y1; ++y) {
            const auto* now = reinterpret_cast<const uint32_t*>(data + static_cast<long>(y) * stride);
            auto* was = reinterpret_cast<uint32_t*>(shown_.data() + row_bytes * static_cast<size_t>(y));
            for (int tx = 0; tx < cols;) {
                if (!band[tx]) {
                    ++tx;
                    continue;
                }
                int end = tx;
                while (end < cols && band[end]) ++end;
                const int x0 = tx * kTile, x1 = std::min(end * kTile, width_);
                const bool same = std::memcmp(now + x0, was + x0, static_cast<size_t>(x1 - x0) * 4) == 0;
                for (; !same && tx < end; ++tx) {
                    const int sx = tx * kTile, w = std::min(kTile, width_ - sx);
                    const uint32_t* n = now + sx;
                    uint32_t* o = was + sx;
                    if (std::memcmp(n, o, static_cast<size_t>(w) * 4) == 0) continue;
                    // Only how far the box reaches matters: the line is
                    // looked at no further than to where the box already
                    // reaches.
                    Box& b = boxes[static_cast<size_t>(tx)];
                    int l = 0, r = w - 1;
                    while (l < b.left && n[l] == o[l]) ++l;
                    while (r > b.right && n[r] == o[r]) --r;
                    b.left = std::min(b.left, l);
                    b.right = std::max(b.right, r);
                    if (b.top < 0) b.top = y;
                    b.bottom = y;
                    Span& row = changed_rows_[static_cast<size_t>(y)];
                    if (row.from == row.to) row.from = sx;
                    row.to = sx + w;
                    std::memcpy(o, n, static_cast<size_t>(w) * 4);
                }
                tx = end;
            }
        }
        for (int tx = 0; tx < cols; ++tx) {
            const Box& b = boxes[static_cast<size_t>(tx)];
            if (b.top >= 0)
                AddPart(parts, PixelRect{tx * kTile + b.left, b.top, b.right - b.left + 1,
                                         b.bottom - b.top + 1});
        }
    }
    return parts;
}

void CairoCanvas::KeepShown() {
    // Drawn on since the picture was taken: the canvas no longer holds it.
    if (shown_owed_ && damage_.empty()) CopyShown();
}

void CairoCanvas::CopyShown() {
    Settle();
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    const size_t row_bytes = static_cast<size_t>(width_) * 4;
    // Copied row by row as it is made: no zero-filling first.
    shown_.clear();
    shown_.reserve(row_bytes * static_cast<size_t>(height_));
    for (int y = 0; y < height_; ++y) {
        const unsigned char* row = data + static_cast<long>(y) * stride;
        shown_.insert(shown_.end(), row, row + row_bytes);
    }
    shown_owed_ = false;
}

}  // namespace vm
