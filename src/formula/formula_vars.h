// Variables that only the formula writers use (see frame/state.h for the
// naming rule and the variables shared with other groups).
#pragma once

#include <string>

namespace vm {

struct FormulaVars {
};

}  // namespace vm
