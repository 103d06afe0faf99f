// The least a program can do to show a frame: the benchmark's yardstick for
// the programs' start.
//
//   velmaris-bare
//
// It opens a window as the programs do (the usable screen, resizable,
// maximised), fills it, paints a canvas of the layout's size into it, scaled
// to fit by the programs' own paint, and shows it. Then it writes
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
    vm::CairoCanvas canvas(vm::kCanvasWidth, vm::kCanvasHeight);
    SDL_Surface* target = SDL_GetWindowSurface(window);
    int status = 1;
    if (target != nullptr && target->format->BytesPerPixel == 4) {
        SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, 255, 255, 255));
        const vm::Placement at = vm::FitCanvas(canvas.width(), canvas.height(), target->w, target->h);
        canvas.PaintInto({static_cast<unsigned char*>(target->pixels), target->w, target->h,
                          target->pitch},
                         at, vm::PixelRect{0, 0, canvas.width(), canvas.height()});
        SDL_UpdateWindowSurface(window);
        std::printf("ready %ld\n", CpuMicros());
        std::fflush(stdout);
        status = 0;
    }
    SDL_DestroyWindow(window);
    SDL_Quit();
    return status;
}
