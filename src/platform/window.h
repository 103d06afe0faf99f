// The program's window: SDL2 shows the retained canvas and gives the keys.
#pragma once

#include <functional>

#include "platform/platform.h"

struct SDL_Window;

namespace vm {

class WindowPlatform : public Platform {
public:
    WindowPlatform();
    ~WindowPlatform() override;

    void MaximizeWindow() override;
    std::string Inkey() override;
    std::string WaitKey() override;
    void WaitForClose() override;

    // Puts a key into the window's event queue as if it had been typed
    // (a key code as Inkey returns it: a character, Enter, an arrow, ...).
    void InjectKey(const std::string& key);

    // Called when every event has been handled and the window shows the
    // canvas, just before the wait blocks (a benchmark feeds its keys here).
    std::function<void()> on_idle;

protected:
    void Changed() override { dirty_ = true; }

private:
    // Handles one event; queues keys, repaints, throws WindowClosed.
    void Handle(const void* event);
    void Present();
    // Waits up to timeout_ms for events and handles all that came.
    void Pump(int timeout_ms);

    SDL_Window* window_ = nullptr;
    bool dirty_ = true;
};

}  // namespace vm
