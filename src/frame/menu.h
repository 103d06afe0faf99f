// The main menu: the program's title and numbered lessons.
#pragma once

#include <string>
#include <vector>

#include "frame/state.h"

namespace vm {

struct MenuItem {
    std::string text;        // markup text, drawn as it stands
    Routine lesson = nullptr;  // none: choosing it draws the menu again
};

// A program's main-menu items; the last item ends the program.
struct MainMenuTable {
    std::vector<MenuItem> items;
};

// The main menu's first entry; returns when the quit item is chosen.
void ShowMainMenu(State& s);

}  // namespace vm
