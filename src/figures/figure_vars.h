// Variables that only the figure routines use (see frame/state.h for the
// naming rule and the variables shared with other groups).
#pragma once

#include <string>

namespace vm {

struct FigureVars {
};

}  // namespace vm
