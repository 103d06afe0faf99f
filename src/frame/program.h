// Start-up, the error stop and the run of one program.
#pragma once

#include <string>

#include "frame/menu.h"
#include "state/state.h"

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
// Clears the screen, shows where and which error happened in the Gothic
// face, and waits until the window is closed.
void ShowErrorAndHalt(State& s, int line, int number);

// The exit status of a run that ended in the error stop.
inline constexpr int kErrorStopStatus = 3;

// Runs a program on a platform until it ends, its window is closed or its key
// script runs out. Any fault that escapes a routine ends in the error stop,
// which is also reported on standard error. Returns the exit status: 0, or
// kErrorStopStatus after the error stop.
int RunProgram(const ProgramInfo& info, Platform& platform);

}  // namespace vm
