#include "platform/window.h"

#include <SDL.h>

#include <algorithm>
#include <stdexcept>

#include "platform/canvas.h"
#include "platform/runtime.h"

namespace vm {

namespace {

// The logical screen is at least as large as the programs' layout needs.
constexpr int kMinWidth = 1440, kMinHeight = 900;

SDL_Rect UsableArea() {
    // The software window surface costs far less than an OpenGL one.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0)
        throw std::runtime_error(std::string("cannot open the display: ") + SDL_GetError());
    SDL_Rect r{0, 0, kMinWidth, kMinHeight};
    if (SDL_GetDisplayUsableBounds(0, &r) != 0 || r.w <= 0 || r.h <= 0)
        r = SDL_Rect{0, 0, kMinWidth, kMinHeight};
    return r;
}

const SDL_Rect& Area() {
    static const SDL_Rect r = UsableArea();
    return r;
}

}  // namespace

WindowPlatform::WindowPlatform()
    : Platform(std::max(Area().w, kMinWidth), std::max(Area().h, kMinHeight), false) {
    const SDL_Rect& area = Area();
    window_ = SDL_CreateWindow("Velmaris", area.x, area.y, area.w, area.h,
                               SDL_WINDOW_RESIZABLE | SDL_WINDOW_SHOWN);
    if (window_ == nullptr)
        throw std::runtime_error(std::string("cannot open a window: ") + SDL_GetError());
    SDL_StartTextInput();
}

WindowPlatform::~WindowPlatform() {
    if (window_) SDL_DestroyWindow(window_);
    SDL_Quit();
}

void WindowPlatform::MaximizeWindow() {
    // Without a window manager maximising does nothing; the window was
    // already made the size of the usable screen.
    SDL_MaximizeWindow(window_);
    Present();
}

void WindowPlatform::Present() {
    SDL_Surface* target = SDL_GetWindowSurface(window_);
    CairoCanvas* c = Canvas();
    if (target == nullptr || c == nullptr) return;
    SDL_Surface* src = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<unsigned char*>(c->Pixels()), c->width(), c->height(), 32, c->Stride(),
        SDL_PIXELFORMAT_ARGB8888);
    if (src == nullptr) return;
    SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, 255, 255, 255));
    SDL_BlitSurface(src, nullptr, target, nullptr);
    SDL_FreeSurface(src);
    SDL_UpdateWindowSurface(window_);
    dirty_ = false;
}

void WindowPlatform::Handle(const void* ev) {
    const SDL_Event& e = *static_cast<const SDL_Event*>(ev);
    switch (e.type) {
        case SDL_QUIT: throw WindowClosed{};
        case SDL_WINDOWEVENT:
            if (e.window.event == SDL_WINDOWEVENT_CLOSE) throw WindowClosed{};
            if (e.window.event == SDL_WINDOWEVENT_EXPOSED ||
                e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
                e.window.event == SDL_WINDOWEVENT_RESIZED)
                dirty_ = true;
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

void WindowPlatform::Pump(int timeout_ms) {
    if (dirty_) Present();
    if (keys_.empty() && on_idle) on_idle();
    SDL_Event e;
    if (SDL_WaitEventTimeout(&e, timeout_ms) == 0) return;
    Handle(&e);
    while (SDL_PollEvent(&e)) Handle(&e);
    if (dirty_) Present();
}

std::string WindowPlatform::Inkey() {
    // A poll that finds nothing waits a few milliseconds for window events,
    // so polling loops do not spin a core.
    if (keys_.empty()) Pump(30);
    if (keys_.empty()) return "";
    std::string k = keys_.front();
    keys_.pop_front();
    return k;
}

std::string WindowPlatform::WaitKey() {
    while (keys_.empty()) Pump(250);
    std::string k = keys_.front();
    keys_.pop_front();
    return k;
}

void WindowPlatform::WaitForClose() {
    for (;;) Pump(250);
}

}  // namespace vm
