// The main menu: the program's title and numbered lessons.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/platform.h"

#include "frame/lesson.h"
#include "state/state.h"

namespace vm {

struct MenuItem {
    std::string text;             // markup text, drawn as it stands
    std::optional<Lesson> lesson;  // none: choosing it draws the menu again
};

// A program's main-menu items; the last item ends the program. Each lesson
// group hands in the items of its own lessons.
struct MainMenuTable {
    std::vector<MenuItem> items;
    // The texts the lessons draw on entry, before their scene lists (the
    // goal screens), prepared while the menu waits for a choice.
    std::span<const TextSeed> entry_texts{};
};

// The main menu's first entry; returns when the quit item is chosen.
void ShowMainMenu(State& s);

}  // namespace vm
