// The drawing log as text: one line per drawing call with every argument,
// so that two runs can be compared with diff.
#pragma once

#include <string>

#include "platform/platform.h"

namespace vm {

// "line 10 20 30 40 c3 w5", "text 36 120 'あ' c0 1x1 ｺﾞｼｯｸ/32 b", ...
std::string OpText(const Op& op);

}  // namespace vm
