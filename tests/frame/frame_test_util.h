// The frame tests run on the shared rig: Velmaris-C with the number field
// where the main menu puts it.
#pragma once

#include "frame/binding.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {

struct Run : Rig {
    Run() : Rig(ProgramC()) { s.KAIX = 1056; }
};

}  // namespace vm::test
