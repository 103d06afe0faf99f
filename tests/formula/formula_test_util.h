// The formula text tests run on the shared rig and describe each drawing
// call in one line, so that expected drawings can be written as tables.
#pragma once

#include "formula/formula.h"
#include "frame/binding.h"
#include "support/log.h"
#include "support/rig.h"
