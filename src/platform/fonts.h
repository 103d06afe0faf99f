// Whether the fonts the programs draw with are installed. Without them
// fontconfig quietly substitutes another family, and every Japanese text
// shows as empty boxes with nothing to say why.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace vm {

// A face the programs ask for, the family that stands in for it and the
// Debian package that brings that family.
struct FontNeed {
    std::string face;
    std::string family;
    std::string package;
};

// The faces of every program: the Gothic and the serif.
std::vector<FontNeed> ProgramFontNeeds();

// The needs whose family fontconfig cannot find.
std::vector<FontNeed> MissingFonts(const std::vector<FontNeed>& needs);

// Writes a line on `out` for each missing face (which face, which family,
// which package brings it); the program then goes on. Returns how many.
int ReportMissingFonts(const std::string& program,
                       const std::vector<FontNeed>& needs = ProgramFontNeeds(),
                       std::FILE* out = stderr);

}  // namespace vm
