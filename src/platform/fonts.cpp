#include "platform/fonts.h"

#include <fontconfig/fontconfig.h>
#include <strings.h>

#include "platform/canvas.h"

namespace vm {

namespace {

// Whether fontconfig's best match for the family is that family itself
// rather than a stand-in. A font may carry its family under several names
// (IPAGothic is also "IPAゴシック"), so every name of the match counts.
bool Installed(const std::string& family) {
    FcPattern* pattern =
        FcNameParse(reinterpret_cast<const FcChar8*>(family.c_str()));
    if (pattern == nullptr) return false;
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    bool found = false;
    if (match != nullptr) {
        FcChar8* name = nullptr;
        for (int i = 0; !found && FcPatternGetString(match, FC_FAMILY, i, &name) == FcResultMatch;
             ++i)
            found = strcasecmp(reinterpret_cast<const char*>(name), family.c_str()) == 0;
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return found;
}

}  // namespace

std::vector<FontNeed> ProgramFontNeeds() {
    return {
        {"Gothic", ResolveFace("ｺﾞｼｯｸ").family, "fonts-ipafont-gothic"},
        {"serif", ResolveFace("Times New Roman").family, "fonts-liberation"},
    };
}

std::vector<FontNeed> MissingFonts(const std::vector<FontNeed>& needs) {
    std::vector<FontNeed> missing;
    for (const FontNeed& n : needs)
        if (!Installed(n.family)) missing.push_back(n);
    return missing;
}

int ReportMissingFonts(const std::string& program, const std::vector<FontNeed>& needs,
                       std::FILE* out) {
    const std::vector<FontNeed> missing = MissingFonts(needs);
    for (const FontNeed& n : missing)
        std::fprintf(out,
                     "%s: the %s face is missing: font family %s not found; "
                     "install the Debian package %s (texts in this face show as empty boxes)\n",
                     program.c_str(), n.face.c_str(), n.family.c_str(), n.package.c_str());
    return static_cast<int>(missing.size());
}

}  // namespace vm
