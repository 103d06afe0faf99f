// The figure tests run on the shared rig: a started Velmaris-A, log cleared.
#pragma once

#include "figures/figures.h"
#include "frame/binding.h"
#include "support/log.h"
#include "support/rig.h"

namespace vm::test {

using FigureTest = RigTest;

}  // namespace vm::test
