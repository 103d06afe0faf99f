// Velmaris-D's main menu: sample surveys.
#pragma once

#include "frame/menu.h"

namespace vm {

MainMenuTable SurveyMenuTable();
// Velmaris-D's number field sits further right, and its tables hold the
// 300-value population and samples of up to 50.
ProgramData SurveyProgramData();

}  // namespace vm
