#include "programs/common/programs.h"

int main() { return vm::RunInWindow(vm::ProgramC()); }
