#include "programs/common/programs.h"

#include <cctype>
#include <cstdio>
#include <exception>

#include "frame/binding.h"
#include "platform/window.h"

namespace vm {

namespace {

ProgramInfo Make(ProgramId id, const char* title) {
    ProgramInfo p;
    p.id = id;
    p.title = title;
    p.binding = SharedBinding();
    return p;
}

}  // namespace

ProgramInfo ProgramA() { return Make(ProgramId::A, "Velmaris-A"); }
ProgramInfo ProgramB() { return Make(ProgramId::B, "Velmaris-B"); }
ProgramInfo ProgramC() { return Make(ProgramId::C, "Velmaris-C"); }
ProgramInfo ProgramD() { return Make(ProgramId::D, "Velmaris-D"); }
ProgramInfo ProgramE() { return Make(ProgramId::E, "Velmaris-E"); }

std::optional<ProgramInfo> ProgramByName(const std::string& name) {
    std::string n = name;
    if (n.size() > 9 && n.compare(0, 9, "Velmaris-") == 0) n = n.substr(9);
    if (n.size() != 1) return std::nullopt;
    switch (std::tolower(static_cast<unsigned char>(n[0]))) {
        case 'a': return ProgramA();
        case 'b': return ProgramB();
        case 'c': return ProgramC();
        case 'd': return ProgramD();
        case 'e': return ProgramE();
        default: return std::nullopt;
    }
}

int RunInWindow(const ProgramInfo& info) {
    try {
        WindowPlatform window;
        return RunProgram(info, window);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", info.title.c_str(), e.what());
        return 1;
    }
}

}  // namespace vm
