// Velmaris-B's main menu: applications of the theorem.
#pragma once

#include "frame/menu.h"

namespace vm {

MainMenuTable ApplicationsMenuTable();

}  // namespace vm
