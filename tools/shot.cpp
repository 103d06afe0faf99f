// Runs a program headless with scripted keys and writes its screen as PNG.
//
//   velmaris-shot --program a --keys '1\n{Any}1\n' --out end.png
//       [--keys-after N]   write end.png after N keys instead of at the end
//       [--every DIR]      also write DIR/key-NNN.png before each key
//       [--time hh:mm:ss]  fix the clock (and so the random seed)
//       [--size WxH]       canvas size (default 1440x900)
//
// Exit status: 0 when the program ended or its keys ran out; 3 when it
// reached the error stop (the line and error number are also written on
// standard error); 1 when the PNG cannot be written; 2 for a bad option.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/fonts.h"
#include "platform/platform.h"
#include "programs/common/programs.h"

int main(int argc, char** argv) {
    std::string program = "a", keys, out = "screen.png", every, time;
    long after = -1;
    int w = 1440, h = 900;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string k = argv[i], v = argv[i + 1];
        if (k == "--program") program = v;
        else if (k == "--keys") keys += v;
        else if (k == "--out") out = v;
        else if (k == "--every") every = v;
        else if (k == "--time") time = v;
        else if (k == "--keys-after") after = std::atol(v.c_str());
        else if (k == "--size") std::sscanf(v.c_str(), "%dx%d", &w, &h);
        else {
            std::fprintf(stderr, "unknown option %s\n", k.c_str());
            return 2;
        }
    }
    const auto info = vm::ProgramByName(program);
    if (!info) {
        std::fprintf(stderr, "no program %s\n", program.c_str());
        return 2;
    }
    vm::ReportMissingFonts(info->title);
    vm::Platform p(w, h, false);
    if (!time.empty()) p.SetFixedTime(time);
    p.PushKeys(vm::ParseKeys(keys));
    bool written = false;
    p.before_key = [&](size_t n) {
        if (!every.empty()) {
            char name[64];
            std::snprintf(name, sizeof name, "/key-%03zu.png", n);
            p.WritePng(every + name);
        }
        if (after >= 0 && static_cast<long>(n) == after) {
            p.WritePng(out);
            written = true;
        }
    };
    const int rc = vm::RunProgram(*info, p);
    if (!written && !p.WritePng(out)) {
        std::fprintf(stderr, "cannot write %s\n", out.c_str());
        return 1;
    }
    return rc;
}
