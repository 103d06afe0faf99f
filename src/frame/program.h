// Start-up, the error stop and the run of one program.
#pragma once

#include <string>

#include "frame/menu.h"
#include "frame/state.h"

namespace vm {

struct ProgramInfo {
    ProgramId id = ProgramId::A;
    std::string title;
    Binding binding;
    ProgramData data;
    MainMenuTable menu;
    // The main menu's first entry; it returns when the program ends.
    Routine main_menu = nullptr;
};

// Start-up: error stop armed (by RunProgram), window, font, pen, random seed,
// first values, title and arrays.
void InitProgram(State& s, const std::string& title);
// Clears the screen, shows where and which error happened, and waits until
// the window is closed.
void ShowErrorAndHalt(State& s, int line, int number);
// Runs a program on a platform until it ends, its window is closed or its key
// script runs out. Returns the exit status.
int RunProgram(const ProgramInfo& info, Platform& platform);

}  // namespace vm
