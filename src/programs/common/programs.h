// The five programs: title, binding and main menu of each.
#pragma once

#include <optional>
#include <string>

#include "frame/program.h"

namespace vm {

ProgramInfo ProgramA();
ProgramInfo ProgramB();
ProgramInfo ProgramC();
ProgramInfo ProgramD();
ProgramInfo ProgramE();
// "a" .. "e" (or "Velmaris-A" ..); nothing for another name.
std::optional<ProgramInfo> ProgramByName(const std::string& name);

// The entry point of each executable: runs the program in a window.
int RunInWindow(const ProgramInfo& info);

}  // namespace vm
