// The least a program can do to show a frame: the benchmark's yardstick for
// the programs' start.
//
//   velmaris-bare
//
// It opens a window as the programs do (the usable screen, resizable,
// maximised, no session bus looked for where there is none) and presents a
// blank canvas of the layout's size through the programs' own present:
// margins filled, the canvas painted scaled to fit, shown. Then it writes
// "ready <CPU microseconds so far>" and ends. It draws no text and checks no
// fonts: what the programs do beyond this is what the comparison shows.
#include <SDL.h>
#include <sys/resource.h>

#include <cstdio>

#include "platform/canvas.h"
#include "platform/window.h"

namespace {

long CpuMicros() {
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    return (ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) * 1000000L + ru.ru_utime.tv_usec +
           ru.ru_stime.tv_usec;
}

}  // namespace

int main() {
    vm::SkipMissingSessionBus();
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "velmaris-bare: %s\n", SDL_GetError());
        return 1;
    }
    SDL_Rect r{SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, vm::kCanvasWidth, vm::kCanvasHeight};
    if (SDL_GetDisplayUsableBounds(0, &r) != 0 || r.w <= 0 || r.h <= 0)
        r = SDL_Rect{SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, vm::kCanvasWidth,
                     vm::kCanvasHeight};
    SDL_Window* window =
        SDL_CreateWindow("Velmaris", r.x, r.y, r.w, r.h, SDL_WINDOW_RESIZABLE | SDL_WINDOW_SHOWN);
    if (window == nullptr) {
        std::fprintf(stderr, "velmaris-bare: %s\n", SDL_GetError());
        SDL_Quit();
        return 1;
    }
    SDL_MaximizeWindow(window);
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
    }
    int status = 1;
    {
        vm::CairoCanvas canvas(vm::kCanvasWidth, vm::kCanvasHeight);
        const auto surface = vm::SdlWindowSurface(window);
        bool whole = true;
        if (vm::PresentCanvas(canvas, *surface, whole)) {
            std::printf("ready %ld\n", CpuMicros());
            std::fflush(stdout);
            status = 0;
        } else {
            std::fprintf(stderr, "velmaris-bare: the frame was not shown\n");
        }
    }
    SDL_DestroyWindow(window);
    SDL_Quit();
    return status;
}
