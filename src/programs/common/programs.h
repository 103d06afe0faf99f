// The five programs: title, binding and main menu of each.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "frame/program.h"

namespace vm {

// Every revisable routine's shared form.
Binding SharedBinding();

ProgramInfo ProgramA();
ProgramInfo ProgramB();
ProgramInfo ProgramC();
ProgramInfo ProgramD();
ProgramInfo ProgramE();
// "a" .. "e" (or "Velmaris-A" ..); nothing for another name.
std::optional<ProgramInfo> ProgramByName(const std::string& name);

// The entry point of each executable: runs the program in a window.
// on_shown, when given, is called whenever the window shows the canvas and
// is about to wait for an event, before any work done while waiting (a
// benchmark times the start up to there: the menu's first pixels).
int RunInWindow(const ProgramInfo& info, std::function<void()> on_shown = {});

}  // namespace vm
