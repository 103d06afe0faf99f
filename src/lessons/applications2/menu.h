// The main menu of Velmaris-C and Velmaris-E: further applications of the
// theorem.
#pragma once

#include "frame/menu.h"

namespace vm {

MainMenuTable FurtherApplicationsMenuTable();

}  // namespace vm
