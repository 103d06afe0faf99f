#include "state/strings.h"

#include <string>
#include <utility>

namespace vm {

void StripSpaces(State& s) {
    // Only the half-width blank goes; UTF-8 never holds byte 0x20 inside a
    // longer character, so full-width blanks and all else pass whole.
    std::string out;
    out.reserve(s.A_s.size());
    for (const char c : s.A_s)
        if (c != ' ') out += c;
    s.A_s = std::move(out);
}

}  // namespace vm
