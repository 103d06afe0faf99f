// Velmaris-A's main menu: the Pythagorean theorem.
#pragma once

#include "frame/menu.h"

namespace vm {

MainMenuTable TheoremMenuTable();

}  // namespace vm
