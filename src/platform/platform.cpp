#include "platform/platform.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

#include "platform/canvas.h"
#include "platform/colours.h"
#include "platform/runtime.h"

namespace vm {

Platform::Platform(int width, int height, bool record) : record_(record) {
    if (width > 0 && height > 0) MakeCanvas(width, height);
}

Platform::~Platform() = default;

void Platform::MakeCanvas(int width, int height) {
    canvas_ = std::make_unique<CairoCanvas>(width, height);
}

void Platform::SetDrawWidth(int w) { width_ = w < 1 ? 1 : w; }

void Platform::Emit(Op op) {
    if (suspended_ > 0) return;
    // A coordinate that is not a number is a fault of the calculation that
    // made it; it stops the program rather than drawing garbage.
    bool finite = std::isfinite(op.x1) && std::isfinite(op.y1) && std::isfinite(op.x2) &&
                  std::isfinite(op.y2) && std::isfinite(op.r) && std::isfinite(op.aspect) &&
                  std::isfinite(op.start) && std::isfinite(op.end);
    for (const Point& pt : op.pts) finite = finite && std::isfinite(pt.x) && std::isfinite(pt.y);
    if (!finite) throw RuntimeError(kOverflow);
    op.width = width_;
    op.font = font_;
    if (canvas_) canvas_->Draw(op);
    if (record_) log_.push_back(std::move(op));
    Changed();
}

void Platform::Line(float x1, float y1, float x2, float y2, int colour) {
    Op op(Op::Line);
    op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2, op.colour = colour;
    Emit(std::move(op));
}

void Platform::Box(float x1, float y1, float x2, float y2, int colour) {
    Op op(Op::Box);
    op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2, op.colour = colour;
    Emit(std::move(op));
}

void Platform::FillBox(float x1, float y1, float x2, float y2, int border, int fill) {
    Op op(Op::FillBox);
    op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2, op.colour = border, op.fill = fill;
    Emit(std::move(op));
}

void Platform::Circle(float cx, float cy, float r, int colour, float aspect, float start,
                      float end) {
    Op op(Op::Arc);
    op.x1 = cx, op.y1 = cy, op.r = r, op.colour = colour, op.aspect = aspect;
    op.start = start, op.end = end;
    Emit(std::move(op));
}

void Platform::Sector(float cx, float cy, float r, int colour, int fill, float aspect,
                      float start, float end) {
    Op op(Op::Sector);
    op.x1 = cx, op.y1 = cy, op.r = r, op.colour = colour, op.fill = fill, op.aspect = aspect;
    op.start = start, op.end = end;
    Emit(std::move(op));
}

void Platform::Dot(float cx, float cy, float r, int colour) {
    Op op(Op::Dot);
    op.x1 = cx, op.y1 = cy, op.r = r, op.colour = colour, op.fill = colour;
    Emit(std::move(op));
}

void Platform::Connect(const std::vector<Point>& pts, int colour) {
    Op op(Op::Polyline);
    op.pts = pts, op.colour = colour;
    Emit(std::move(op));
}

void Platform::FillPolygon(const std::vector<Point>& pts, int border, int fill) {
    Op op(Op::FillPolygon);
    op.pts = pts, op.colour = border, op.fill = fill;
    Emit(std::move(op));
}

void Platform::Symbol(float x, float y, const std::string& text, int mh, int mv, int colour) {
    Op op(Op::Text);
    op.x1 = x, op.y1 = y, op.text = text, op.mh = mh, op.mv = mv, op.colour = colour;
    Emit(std::move(op));
}

void Platform::PrepareTexts(std::span<const TextSeed> seeds) {
    seeds_ = seeds;
    seeds_done_ = 0;
}

bool Platform::PrepareNextText() {
    if (!canvas_ || seeds_done_ >= seeds_.size()) return false;
    const TextSeed& t = seeds_[seeds_done_++];
    Op op(Op::Text);
    op.x1 = t.x, op.y1 = t.y, op.text = t.text, op.mh = t.mh, op.mv = t.mv, op.colour = t.colour;
    op.font = FontState{t.face, t.size, t.bold, t.italic};
    canvas_->Prepare(op);
    return seeds_done_ < seeds_.size();
}

void Platform::Cls() {
    Op op(Op::Clear);
    op.colour = kBackground;
    Emit(std::move(op));
}

void Platform::PushKeys(const std::vector<std::string>& keys) {
    keys_.insert(keys_.end(), keys.begin(), keys.end());
}

std::string Platform::Inkey() {
    if (keys_.empty()) throw WindowClosed{};
    if (before_key) before_key(keys_given_);
    ++keys_given_;
    std::string k = keys_.front();
    keys_.pop_front();
    return k;
}

std::string Platform::WaitKey() { return Inkey(); }

void Platform::WaitForClose() { throw WindowClosed{}; }

std::string Platform::Time() {
    if (!fixed_time_.empty()) return fixed_time_;
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", tm.tm_hour, tm.tm_min, tm.tm_sec);
    return buf;
}

void Platform::Randomize(uint32_t seed) { rng_.seed(seed); }

float Platform::Rnd() {
    // 24 random bits make every float in [0, 1) reachable without rounding up to 1.
    return static_cast<float>(rng_() >> 8) / 16777216.0f;
}

bool Platform::WritePng(const std::string& path) { return canvas_ && canvas_->WritePng(path); }

std::vector<std::string> ParseKeys(const std::string& script) {
    std::vector<std::string> out;
    for (size_t i = 0; i < script.size();) {
        if (script.compare(i, 2, "\\n") == 0) {
            out.push_back(key::kEnter);
            i += 2;
            continue;
        }
        if (script[i] == '\n') {
            out.push_back(key::kEnter);
            ++i;
            continue;
        }
        if (script[i] == '{') {
            const size_t close = script.find('}', i);
            if (close != std::string::npos) {
                const std::string name = script.substr(i + 1, close - i - 1);
                std::string k;
                if (name == "Enter") k = key::kEnter;
                else if (name == "BS") k = key::kBackspace;
                else if (name == "Del") k = key::kClear;
                else if (name == "Left") k = key::kLeft;
                else if (name == "Right") k = key::kRight;
                else if (name == "Up") k = key::kUp;
                else if (name == "Down") k = key::kDown;
                else if (name == "Any") k = " ";
                if (!k.empty()) {
                    out.push_back(k);
                    i = close + 1;
                    continue;
                }
            }
        }
        // One UTF-8 character as it stands.
        size_t n = 1;
        const auto c = static_cast<unsigned char>(script[i]);
        if (c >= 0xF0) n = 4;
        else if (c >= 0xE0) n = 3;
        else if (c >= 0xC0) n = 2;
        out.push_back(script.substr(i, n));
        i += n;
    }
    return out;
}

}  // namespace vm
