#include "platform/window.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <utility>
#include <vector>

#include "platform/canvas.h"
#include "platform/colours.h"
#include "platform/runtime.h"

namespace vm {

namespace {

std::string NoDisplayMessage() {
    const char* d = std::getenv("DISPLAY");
    if (d == nullptr || *d == '\0') return "cannot open the display: DISPLAY is not set";
    return std::string("cannot open the display \"") + d + "\"";
}

// Throws NoDisplay when no display is named at all.
void RequireDisplay() {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if (std::getenv("SDL_VIDEODRIVER") == nullptr && (x11 == nullptr || *x11 == '\0') &&
        (wayland == nullptr || *wayland == '\0'))
        throw NoDisplay(NoDisplayMessage());
}

// Starts SDL's video for a window on a real display, or throws NoDisplay.
void OpenVideo() {
    RequireDisplay();
    const bool chosen = std::getenv("SDL_VIDEODRIVER") != nullptr;
    // With only an X display named, SDL would try Wayland's driver too when
    // X11's fails, and Wayland's library complains of its own that it
    // finds no run-time directory. A Wayland display named keeps SDL's
    // choice.
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const bool x11_only = !chosen && (wayland == nullptr || *wayland == '\0');
    SDL_SetHint(SDL_HINT_VIDEODRIVER, x11_only ? "x11" : nullptr);
    // The software window surface costs far less than an OpenGL one.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) throw NoDisplay(NoDisplayMessage());
    // When no display answers, SDL falls back to drawing off-screen: a
    // window that nobody sees would wait for keys for ever.
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!chosen && driver != nullptr &&
        (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0)) {
        SDL_Quit();
        throw NoDisplay(NoDisplayMessage());
    }
}

// Xlib reports a connection's faults to handlers of the whole process: what
// they need to know of the program and its window is kept here.
struct XWatch {
    bool on = false;
    Window window = 0;
    std::string program;  // names the program in the line on a lost display
    XErrorHandler errors_before = nullptr;
    XIOErrorHandler lost_before = nullptr;
} x;

int OnXError(Display* d, XErrorEvent* e) {
    // Another client may destroy the window (a window tool's close does):
    // requests still made on it fail until the program, told of it, ends
    // as if the window had been closed. SDL makes some of them on a
    // connection of its own, to the same server.
    if (x.window != 0 && e->resourceid == x.window &&
        (e->error_code == BadWindow || e->error_code == BadDrawable))
        return 0;
    return x.errors_before ? x.errors_before(d, e) : 0;
}

int OnXLost(Display* d) {
    // Xlib ends the program when this returns; its own words would not
    // say which program lost what.
    std::fprintf(stderr, "%s: the display \"%s\" was lost\n", x.program.c_str(), DisplayString(d));
    return 0;
}

// Takes the X connections' faults. Set before SDL's video starts: SDL
// sets its own handler over this one, hands it the errors it does not
// want and puts it back as it ends, before it closes its connections.
void WatchX(const std::string& program) {
    x.on = true;
    x.program = program;
    x.errors_before = XSetErrorHandler(OnXError);
    x.lost_before = XSetIOErrorHandler(OnXLost);
}

// The window whose errors mean that it was destroyed from outside.
void WatchXWindow(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return;
    x.window = info.info.x11.window;
    // The window's destruction comes only as an X event.
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
}

// Called once SDL has ended.
void UnwatchX() {
    if (!x.on) return;
    XSetErrorHandler(x.errors_before);
    XSetIOErrorHandler(x.lost_before);
    x = XWatch{};
}

bool DestroyedFromOutside(const SDL_SysWMmsg* m) {
    return m != nullptr && m->subsystem == SDL_SYSWM_X11 && x.window != 0 &&
           m->msg.x11.event.type == DestroyNotify && m->msg.x11.event.xdestroywindow.window == x.window;
}

SDL_Rect UsableArea() {
    SDL_Rect r{SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kCanvasWidth, kCanvasHeight};
    if (SDL_GetDisplayUsableBounds(0, &r) != 0 || r.w <= 0 || r.h <= 0)
        r = SDL_Rect{SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kCanvasWidth, kCanvasHeight};
    return r;
}

bool IsXrgb(const SDL_Surface* s) {
    return s->format->format == SDL_PIXELFORMAT_RGB888 ||
           s->format->format == SDL_PIXELFORMAT_ARGB8888;
}

void FillPixels(const TargetPixels& t, Rgb c) {
    // Opaque, should the surface's top byte be alpha.
    const uint32_t v = 0xff000000u | uint32_t{c.r} << 16 | uint32_t{c.g} << 8 | c.b;
    for (int y = 0; y < t.h; ++y) {
        uint32_t* row = reinterpret_cast<uint32_t*>(t.data + static_cast<size_t>(y) * t.stride);
        std::fill(row, row + t.w, v);
    }
}

// Fills the target around the picture's area.
void FillMargins(const TargetPixels& t, const PixelRect& area, Rgb c) {
    const auto fill = [&](int x, int y, int w, int h) {
        if (w <= 0 || h <= 0) return;
        FillPixels({t.data + static_cast<size_t>(y) * t.stride + static_cast<size_t>(x) * 4, w, h,
                    t.stride},
                   c);
    };
    fill(0, 0, t.w, area.y);
    fill(0, area.y + area.h, t.w, t.h - area.y - area.h);
    fill(0, area.y, area.x, area.h);
    fill(area.x + area.w, area.y, t.w - area.x - area.w, area.h);
}

// The window's SDL surface, or when that is not 32-bit xRGB a copy in that
// format which is converted onto it as it is shown.
class SdlSurface final : public WindowSurface {
public:
    explicit SdlSurface(SDL_Window* window) : window_(window) {}
    ~SdlSurface() override {
        if (staging_) SDL_FreeSurface(staging_);
    }

    bool Lock(TargetPixels& pixels) override {
        target_ = SDL_GetWindowSurface(window_);
        if (target_ == nullptr) return false;
        paint_ = target_;
        if (!IsXrgb(target_)) {
            if (staging_ && (staging_->w != target_->w || staging_->h != target_->h)) {
                SDL_FreeSurface(staging_);
                staging_ = nullptr;
            }
            if (!staging_)
                staging_ = SDL_CreateRGBSurfaceWithFormat(0, target_->w, target_->h, 32,
                                                          SDL_PIXELFORMAT_RGB888);
            if (!staging_) return false;
            paint_ = staging_;
        }
        if (SDL_MUSTLOCK(paint_) && SDL_LockSurface(paint_) != 0) return false;
        pixels = {static_cast<unsigned char*>(paint_->pixels), paint_->w, paint_->h, paint_->pitch};
        return true;
    }

    bool Show(const std::vector<PixelRect>& parts) override {
        if (SDL_MUSTLOCK(paint_)) SDL_UnlockSurface(paint_);
        if (parts.empty()) return true;
        std::vector<SDL_Rect> rects;
        bool ok = true;
        for (const PixelRect& p : parts) {
            SDL_Rect r{p.x, p.y, p.w, p.h};
            rects.push_back(r);
            SDL_Rect to = r;
            if (paint_ != target_) ok = SDL_BlitSurface(paint_, &r, target_, &to) == 0 && ok;
        }
        const int n = static_cast<int>(rects.size());
        return SDL_UpdateWindowSurfaceRects(window_, rects.data(), n) == 0 && ok;
    }

private:
    SDL_Window* window_;
    SDL_Surface* target_ = nullptr;   // the window's surface
    SDL_Surface* paint_ = nullptr;    // where the pixels are painted
    SDL_Surface* staging_ = nullptr;  // the copy, when there is one
};

}  // namespace

// SDL wants the bus for the screen saver and input methods, which the
// programs do without.
void SkipMissingSessionBus() {
    const char* bus = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (bus != nullptr && *bus != '\0') return;
    const char* run = std::getenv("XDG_RUNTIME_DIR");
    if (run != nullptr && *run != '\0' && access((std::string(run) + "/bus").c_str(), F_OK) == 0)
        return;
    setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
}

std::unique_ptr<WindowSurface> SdlWindowSurface(SDL_Window* window) {
    return std::make_unique<SdlSurface>(window);
}

WindowPlatform::WindowPlatform(Opening opening, std::string name)
    : Platform(0, 0, false), name_(std::move(name)) {
    if (opening == Opening::AtOnce) {
        SkipMissingSessionBus();
        Open();
        MakeCanvas(kCanvasWidth, kCanvasHeight);
        return;
    }
    RequireDisplay();
    SkipMissingSessionBus();
    // SDL is started on this thread and used on the program's own only
    // once it has ended, never by both at once, which the X11 and Wayland
    // drivers allow; the program meanwhile draws only on the canvas.
    opening_ = std::thread([this] {
        try {
            Open();
        } catch (...) {
            failed_ = std::current_exception();
        }
    });
    // Making the canvas touches all of its memory: it is done while the
    // window opens, not before.
    try {
        MakeCanvas(kCanvasWidth, kCanvasHeight);
    } catch (...) {
        opening_.join();
        throw;
    }
}

void WindowPlatform::Open() {
    WatchX(name_);
    try {
        OpenVideo();
    } catch (...) {
        UnwatchX();
        throw;
    }
    // The window takes the usable screen; the canvas is scaled to fit it.
    const SDL_Rect area = UsableArea();
    window_ = SDL_CreateWindow("Velmaris", area.x, area.y, area.w, area.h,
                               SDL_WINDOW_RESIZABLE | SDL_WINDOW_SHOWN);
    if (window_ == nullptr) {
        const std::string why = SDL_GetError();
        SDL_Quit();
        UnwatchX();
        throw std::runtime_error("cannot open a window: " + why);
    }
    surface_ = SdlWindowSurface(window_);
    WatchXWindow(window_);
    SDL_StartTextInput();
}

WindowPlatform::~WindowPlatform() {
    if (opening_.joinable()) opening_.join();
    surface_.reset();
    if (window_) SDL_DestroyWindow(window_);
    SDL_Quit();
    UnwatchX();
    UnwatchX();
}

void WindowPlatform::MaximizeWindow() {
    // The first frame shown is the first screen drawn, painted whole: a
    // blank one before it would only keep the screen waiting.
    dirty_ = true;
    whole_ = true;
    // A window still opening is maximised once it is open.
    maximize_ = true;
    if (!opening_.joinable()) Maximize();
}

void WindowPlatform::Maximize() {
    maximize_ = false;
    // Without a window manager maximising does nothing; the window was
    // already made the size of the usable screen.
    SDL_MaximizeWindow(window_);
    // The events of the window's opening (its first expose) are taken now,
    // as the first present covers them.
    SDL_Event e;
    while (SDL_PollEvent(&e)) Handle(&e);
}

void WindowPlatform::Opened() {
    if (opening_.joinable()) {
        opening_.join();
        if (!failed_ && maximize_) Maximize();
    }
    // The program ends as if its window had been closed; ThrowIfNotOpened
    // says why.
    if (failed_) throw WindowClosed{};
}

void WindowPlatform::ThrowIfNotOpened() {
    if (opening_.joinable()) opening_.join();
    if (failed_) std::rethrow_exception(failed_);
}

bool PresentCanvas(CairoCanvas& c, WindowSurface& surface, bool& whole) {
    // The changes are taken only once there are pixels to paint them on.
    TargetPixels pixels{};
    if (!surface.Lock(pixels)) return false;
    std::vector<PixelRect> parts = c.TakeChanges();
    std::vector<PixelRect> shown;
    const Placement at = FitCanvas(c.width(), c.height(), pixels.w, pixels.h);
    if (whole) {
        // The picture covers its area: only the margins are filled.
        FillMargins(pixels, at.area, Palette()[kBackground]);
        c.PaintInto(pixels, at, PixelRect{0, 0, c.width(), c.height()});
        shown.push_back(PixelRect{0, 0, pixels.w, pixels.h});
    } else {
        shown = c.PaintChanges(pixels, at, parts);
    }
    // Parts that did not reach the screen are no longer known as changes:
    // the next present shows everything.
    whole = !surface.Show(shown);
    return !whole;
}

void WindowPlatform::Present() {
    CairoCanvas* c = Canvas();
    if (surface_ == nullptr || c == nullptr) return;
    dirty_ = !PresentCanvas(*c, *surface_, whole_);
}

void WindowPlatform::Handle(const void* ev) {
    const SDL_Event& e = *static_cast<const SDL_Event*>(ev);
    switch (e.type) {
        case SDL_QUIT: throw WindowClosed{};
        case SDL_SYSWMEVENT:
            if (DestroyedFromOutside(e.syswm.msg)) throw WindowClosed{};
            break;
        case SDL_WINDOWEVENT:
            if (e.window.event == SDL_WINDOWEVENT_CLOSE) throw WindowClosed{};
            if (e.window.event == SDL_WINDOWEVENT_EXPOSED) {
                // The window's surface still holds what was last shown:
                // sending it again restores the window. Before the first
                // present, or after a resize, the next present paints it
                // whole anyway.
                if (!whole_) SDL_UpdateWindowSurface(window_);
            } else if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
                       e.window.event == SDL_WINDOWEVENT_RESIZED) {
                dirty_ = true;
                whole_ = true;
            }
            break;
        case SDL_TEXTINPUT:
            // Printable keys arrive as text; each character is one key.
            for (const char* p = e.text.text; *p; ++p)
                if (static_cast<unsigned char>(*p) < 0x80) keys_.push_back(std::string(1, *p));
            break;
        case SDL_KEYDOWN:
            switch (e.key.keysym.sym) {
                case SDLK_RETURN:
                case SDLK_KP_ENTER: keys_.push_back(key::kEnter); break;
                case SDLK_BACKSPACE: keys_.push_back(key::kBackspace); break;
                case SDLK_DELETE: keys_.push_back(key::kClear); break;
                case SDLK_RIGHT: keys_.push_back(key::kRight); break;
                case SDLK_LEFT: keys_.push_back(key::kLeft); break;
                case SDLK_UP: keys_.push_back(key::kUp); break;
                case SDLK_DOWN: keys_.push_back(key::kDown); break;
                case SDLK_ESCAPE: keys_.push_back("\x1b"); break;
                case SDLK_TAB: keys_.push_back("\t"); break;
                default: break;  // printable keys come as text; modifiers alone are no key
            }
            break;
        default: break;
    }
}

void WindowPlatform::InjectKey(const std::string& k) {
    Opened();
    SDL_Event e{};
    SDL_Keycode sym = 0;
    if (k == key::kEnter) sym = SDLK_RETURN;
    else if (k == key::kBackspace) sym = SDLK_BACKSPACE;
    else if (k == key::kClear) sym = SDLK_DELETE;
    else if (k == key::kRight) sym = SDLK_RIGHT;
    else if (k == key::kLeft) sym = SDLK_LEFT;
    else if (k == key::kUp) sym = SDLK_UP;
    else if (k == key::kDown) sym = SDLK_DOWN;
    if (sym != 0) {
        e.type = SDL_KEYDOWN;
        e.key.windowID = SDL_GetWindowID(window_);
        e.key.state = SDL_PRESSED;
        e.key.keysym.sym = sym;
    } else {
        e.type = SDL_TEXTINPUT;
        e.text.windowID = SDL_GetWindowID(window_);
        k.copy(e.text.text, sizeof e.text.text - 1);
    }
    SDL_PushEvent(&e);
}

void WindowPlatform::Pump(bool wait) {
    Opened();
    if (dirty_ || whole_) Present();
    SDL_Event e;
    if (wait) {
        if (on_shown) on_shown();
        PrepareWhileIdle();
        if (on_idle) on_idle();
        // The window shows the canvas: the copy that later changes are told
        // by is made now, with the picture already on the screen.
        if (!dirty_ && !whole_)
            if (CairoCanvas* c = Canvas()) c->KeepShown();
        // No time-out: the program sleeps until an event comes.
        if (SDL_WaitEvent(&e) == 0) {
            SDL_Delay(10);  // the queue failed; do not spin
            return;
        }
        Handle(&e);
    }
    while (SDL_PollEvent(&e)) Handle(&e);
    if (dirty_ || whole_) Present();
}

void WindowPlatform::PrepareWhileIdle() {
    // Any event, a key above all, stops the preparing at once: the rest
    // waits for the next time nothing happens.
    SDL_PumpEvents();
    while (!SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT) && PrepareNextText()) SDL_PumpEvents();
}

std::string WindowPlatform::Inkey() {
    if (keys_.empty()) {
        // The programs wait for keys by polling in a loop. A poll that
        // comes again after an empty one with nothing drawn in between is
        // such a wait: it sleeps in the event wait until something happens.
        // A loop that draws between its polls is never held up.
        Pump(polled_empty_ && !drawn_);
    }
    drawn_ = false;
    polled_empty_ = keys_.empty();
    if (keys_.empty()) return "";
    std::string k = keys_.front();
    keys_.pop_front();
    return k;
}

std::string WindowPlatform::WaitKey() {
    while (keys_.empty()) Pump(true);
    polled_empty_ = false;
    std::string k = keys_.front();
    keys_.pop_front();
    return k;
}

void WindowPlatform::WaitForClose() {
    for (;;) Pump(true);
}

}  // namespace vm
