// The program's window: SDL2 shows the retained canvas and gives the keys.
//
// The programs draw on a canvas of the layout's size (1440 by 900); the
// window shows it scaled uniformly to fit whatever size the window has, with
// margins in the background colour, and follows resizes.
#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/canvas.h"
#include "platform/platform.h"

struct SDL_Window;

namespace vm {

// The layout the programs draw on.
inline constexpr int kCanvasWidth = 1440, kCanvasHeight = 900;

// The pixels a window shows, as its present paints them.
class WindowSurface {
public:
    virtual ~WindowSurface() = default;
    // Makes the pixels ready to paint on; false when none can be had now
    // (no surface yet, no memory for a copy, locking failed).
    virtual bool Lock(TargetPixels& pixels) = 0;
    // Ends the painting and sends the parts painted to the screen; false
    // when they did not reach it.
    virtual bool Show(const std::vector<PixelRect>& parts) = 0;
};

// Brings a window's surface up to date with the canvas: the parts changed
// since the last present, or with whole the whole window, margins
// included. What cannot be shown now is shown by the next present: the
// changes stay with the canvas while the surface cannot be locked, and
// whole is set when what was painted did not reach the screen. Returns
// whether the surface is up to date.
bool PresentCanvas(CairoCanvas& canvas, WindowSurface& surface, bool& whole);

// The pixels of an SDL window, painted directly when its surface is 32-bit
// xRGB and through a copy in that format otherwise.
std::unique_ptr<WindowSurface> SdlWindowSurface(SDL_Window* window);

// Keeps SDL from looking for a session bus where there is none: the bus
// library would start a helper process to find one, which costs more than
// the rest of a window's opening. Sets the environment: called before any
// other thread is started.
void SkipMissingSessionBus();

class WindowPlatform : public Platform {
public:
    // AtOnce opens the window before the constructor returns. Meanwhile
    // opens it on a thread of its own while the program draws its first
    // screen on the canvas; the first key poll or wait waits for it.
    enum class Opening { AtOnce, Meanwhile };

    // Throws NoDisplay when there is no display to show a window on. A
    // window opening meanwhile that cannot open ends the run at the first
    // key poll as a closed window does; ThrowIfNotOpened then throws why.
    // The name is the program's, for the line that says the display was
    // lost (the program then ends at once).
    explicit WindowPlatform(Opening opening = Opening::AtOnce, std::string name = "Velmaris");
    ~WindowPlatform() override;

    void MaximizeWindow() override;
    std::string Inkey() override;
    std::string WaitKey() override;
    void WaitForClose() override;

    // Throws what kept a window opening meanwhile from opening.
    void ThrowIfNotOpened();

    // Puts a key into the window's event queue as if it had been typed
    // (a key code as Inkey returns it: a character, Enter, an arrow, ...).
    void InjectKey(const std::string& key);

    // Called when the window shows the canvas and the program is about to
    // wait, before the wait's own work (texts prepared while nothing
    // happens): a benchmark times the start up to here.
    std::function<void()> on_shown;
    // Called when every event has been handled and the window shows the
    // canvas, just before the wait blocks (a benchmark feeds its keys here).
    std::function<void()> on_idle;

protected:
    void Changed() override {
        dirty_ = true;
        drawn_ = true;
    }

private:
    // Starts SDL's video and opens the window; throws NoDisplay or
    // runtime_error.
    void Open();
    // Waits for a window opening meanwhile; throws WindowClosed when it
    // could not open.
    void Opened();
    void Maximize();
    // Handles one event; queues keys, repaints, throws WindowClosed.
    void Handle(const void* event);
    // Brings the window up to date with the canvas: the parts drawn on
    // since the last time, or everything after a resize or an expose.
    void Present();
    // Prepares the texts asked for (PrepareTexts) while the picture is on
    // the screen and no event has come.
    void PrepareWhileIdle();
    // Shows what was drawn, then handles the events that came; with wait,
    // first sleeps until at least one comes.
    void Pump(bool wait);

    std::string name_;
    SDL_Window* window_ = nullptr;
    std::unique_ptr<WindowSurface> surface_;
    bool dirty_ = true;
    bool whole_ = true;  // the next present repaints the whole window
    bool drawn_ = false;         // something was drawn since the last key poll
    bool polled_empty_ = false;  // the last key poll found no key
    bool maximize_ = false;      // to be maximised once open
    std::thread opening_;
    std::exception_ptr failed_;  // what kept the window from opening
};

// Thrown when no display can be opened; what() says which.
struct NoDisplay : std::runtime_error {
    using std::runtime_error::runtime_error;
};

}  // namespace vm
