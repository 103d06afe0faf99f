// Runs a program headless with scripted keys and writes its screen as PNG.
//
//   velmaris-shot --program a --keys '1\n{Any}1\n' --out end.png
//       [--keys-after N]   write end.png after N keys instead of at the end
//       [--every DIR]      also write DIR/key-NNN.png before each key
//       [--time hh:mm:ss]  fix the clock (and so the random seed)
//       [--size WxH]       canvas size (default 1440x900)
//       [--log FILE]       write every drawing call as a line of text, and
//                          before each key a line "> key N (name)"
//       [--walk]           instead of scripted keys, walk every scene of
//                          every lesson of the program's menu (as the
//                          benchmark does); the log then names each key's
//                          lesson and scene, and --every numbers its
//                          screens over the whole walk
//       [--texts FILE]     with --walk, write the texts each lesson's scenes
//                          draw as the program's C++ table of them
//                          (scripts/lesson-texts.sh writes all five)
//
// Exit status: 0 when the program ended or its keys ran out; 3 when it
// reached the error stop (the line and error number are also written on
// standard error); 1 when the PNG or the log cannot be written, or a walk
// did not go through; 2 for a bad option.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "oplog.h"
#include "platform/fonts.h"
#include "platform/platform.h"
#include "programs/common/programs.h"
#include "walk.h"

namespace {

// Writes the drawing log as it grows, so a long run keeps little of it.
class LogFile {
public:
    bool Open(const std::string& path) {
        f_.reset(std::fopen(path.c_str(), "w"));
        return f_ != nullptr;
    }
    bool IsOpen() const { return f_ != nullptr; }
    // What was drawn since the last call, then the note.
    void Flush(vm::Platform& p, const std::string& note = "") {
        if (!f_) {
            p.ClearLog();
            return;
        }
        for (const vm::Op& op : p.Log()) std::fprintf(f_.get(), "%s\n", vm::OpText(op).c_str());
        p.ClearLog();
        if (!note.empty()) std::fprintf(f_.get(), "> %s\n", note.c_str());
    }
    bool Close() {
        if (!f_) return true;
        const bool ok = std::ferror(f_.get()) == 0;
        return std::fclose(f_.release()) == 0 && ok;
    }

private:
    struct Closer {
        void operator()(FILE* f) const {
            if (f) std::fclose(f);
        }
    };
    std::unique_ptr<FILE, Closer> f_;
};

// The texts a program's lessons draw, each once as the canvas keeps it (the
// same characters, face, size, weight, slant and magnification at the same
// place within a pixel) in each colour, where it was first drawn: those of each lesson from
// its first scene on, and those the lessons draw on entry before that.
class LessonTexts {
public:
    using Key =
        std::tuple<std::string, std::string, float, bool, bool, int, int, float, float, int>;
    // Takes the texts of what was drawn since the last key.
    void Take(const std::vector<vm::Op>& drawn, size_t item) {
        if (!entering_) return;
        for (const vm::Op& op : drawn) {
            if (op.kind != vm::Op::Text) continue;
            const Key key{op.text,  op.font.name, op.font.size, op.font.bold,
                          op.font.italic, op.mh, op.mv, op.x1 - std::floor(op.x1),
                          op.y1 - std::floor(op.y1), op.colour & 15};
            if (!in_scenes_) {
                if (entry_seen_.insert(key).second) entry_.push_back(op);
            } else if (seen_.insert(key).second) {
                lessons_[item].push_back(op);
            }
        }
    }
    // The scene menu is reached: what is drawn after the key now given
    // belongs to the lesson's scenes, unless the walk is leaving the lesson
    // (the main menu drawn again is no text of the lesson's).
    void SceneMenuReached(bool leaving) {
        if (leaving) {
            left_ = true;
            entering_ = in_scenes_ = false;
        }
        starting_ = !leaving;
    }
    // A key was given: the first of a run leaves the main menu drawn at its
    // start behind.
    void KeyGiven() {
        entering_ = !left_;
        if (starting_) in_scenes_ = true;
        starting_ = false;
    }
    void LessonEnds() {
        entering_ = in_scenes_ = starting_ = left_ = false;
        seen_.clear();
    }
    bool Write(const std::string& path, const std::string& letter) const;

private:
    bool entering_ = false, in_scenes_ = false, starting_ = false, left_ = false;
    std::set<Key> seen_, entry_seen_;
    std::vector<vm::Op> entry_;
    std::map<size_t, std::vector<vm::Op>> lessons_;
};

std::string Quoted(const std::string& t) {
    std::string q = "\"";
    for (char c : t) {
        if (c == '"' || c == '\\') q += '\\';
        q += c;
    }
    return q + '"';
}

std::string Float(float v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.9g", static_cast<double>(v));
    std::string t = buf;
    if (t.find_first_of(".e") == std::string::npos) return t;
    return t + "f";
}

void WriteSeeds(FILE* f, const char* name, const std::vector<vm::Op>& ops) {
    std::fprintf(f, "\nconst TextSeed %s[] = {\n", name);
    for (const vm::Op& op : ops)
        std::fprintf(f, "    {%s, %s, %s, %s, %s, %d, %d, %s, %s, %d},\n", Quoted(op.text).c_str(),
                     Quoted(op.font.name).c_str(), Float(op.font.size).c_str(),
                     op.font.bold ? "true" : "false", op.font.italic ? "true" : "false", op.mh,
                     op.mv, Float(op.x1).c_str(), Float(op.y1).c_str(), op.colour & 15);
    std::fprintf(f, "};\n");
}

bool LessonTexts::Write(const std::string& path, const std::string& letter) const {
    std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(path.c_str(), "w"), std::fclose);
    if (!f) return false;
    std::fprintf(f.get(),
                 "// The texts the lessons of Velmaris-%s draw on entry and from their first\n"
                 "// scenes on, as a walk through every scene met them: written by\n"
                 "// scripts/lesson-texts.sh, not by hand.\n"
                 "#include \"programs/texts/texts.h\"\n\nnamespace vm {\n\nnamespace {\n",
                 letter.c_str());
    if (!entry_.empty()) WriteSeeds(f.get(), "kEntry", entry_);
    for (const auto& [item, ops] : lessons_) {
        if (ops.empty()) continue;
        WriteSeeds(f.get(), ("kLesson" + std::to_string(item)).c_str(), ops);
    }
    std::fprintf(f.get(), "\nconst LessonTextTable kLessons[] = {\n");
    for (const auto& [item, ops] : lessons_)
        if (!ops.empty()) std::fprintf(f.get(), "    {%zu, kLesson%zu},\n", item, item);
    // A table without a row would be an array of none.
    if (lessons_.empty()) std::fprintf(f.get(), "    {0, {}},\n");
    std::fprintf(f.get(),
                 "};\n\n}  // namespace\n\nProgramTexts TextsOf%s() { return {%s, kLessons}; }"
                 "\n\n}  // namespace vm\n",
                 letter.c_str(), entry_.empty() ? "{}" : "kEntry");
    return std::ferror(f.get()) == 0;
}

class WalkPlatform : public vm::Platform, public vm::walk::WalkHost {
public:
    WalkPlatform(int w, int h, bool record, LogFile& log, std::string every, LessonTexts* texts)
        : vm::Platform(w, h, record), log_(log), every_(std::move(every)), texts_(texts) {}
    std::string Inkey() override {
        if (!every_.empty()) {
            char name[64];
            std::snprintf(name, sizeof name, "/key-%05zu.png", keys_given_);
            WritePng(every_ + name);
        }
        ++keys_given_;
        std::string k = walker->Next();
        TakeTexts();
        if (texts_) texts_->KeyGiven();
        log_.Flush(*this, walker->Where());
        return k;
    }
    std::string WaitKey() override { return Inkey(); }
    void SceneMenuReached() override {
        // What the last scene drew up to here is still the lesson's.
        TakeTexts();
        if (texts_) texts_->SceneMenuReached(walker->Leaving());
    }
    void TakeTexts() {
        if (texts_ && walker) texts_->Take(Log(), walker->Item());
    }

private:
    LogFile& log_;
    std::string every_;
    LessonTexts* texts_;
};

}  // namespace

int main(int argc, char** argv) {
    std::string program = "a", keys, out = "screen.png", every, time, log_path, texts_path;
    long after = -1;
    bool walk = false;
    int w = 1440, h = 900;
    for (int i = 1; i < argc; ++i) {
        const std::string k = argv[i];
        if (k == "--walk") {
            walk = true;
            continue;
        }
        if (i + 1 >= argc) {
            std::fprintf(stderr, "option %s needs a value\n", k.c_str());
            return 2;
        }
        const std::string v = argv[++i];
        if (k == "--program") program = v;
        else if (k == "--keys") keys += v;
        else if (k == "--out") out = v;
        else if (k == "--every") every = v;
        else if (k == "--time") time = v;
        else if (k == "--log") log_path = v;
        else if (k == "--texts") texts_path = v;
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
    LogFile log;
    if (!log_path.empty() && !log.Open(log_path)) {
        std::fprintf(stderr, "cannot write %s\n", log_path.c_str());
        return 1;
    }
    vm::ReportMissingFonts(info->title);
    int rc = 0;
    std::unique_ptr<vm::Platform> platform;
    if (!texts_path.empty() && !walk) {
        std::fprintf(stderr, "--texts needs --walk\n");
        return 2;
    }
    LessonTexts texts;
    LessonTexts* collect = texts_path.empty() ? nullptr : &texts;
    if (walk) {
        auto p = std::make_unique<WalkPlatform>(w, h, log.IsOpen() || collect, log, every, collect);
        if (!time.empty()) p->SetFixedTime(time);
        vm::walk::WalkLessons(*info, *p, *p, [&](const vm::walk::LessonWalk& l) {
            texts.LessonEnds();
            std::string note = "lesson " + std::to_string(l.item) + " walked, " +
                               std::to_string(l.scenes) + " scenes";
            if (!l.error.empty()) {
                note = "lesson " + std::to_string(l.item) + " " + l.error;
                std::fprintf(stderr, "%s\n", note.c_str());
                rc = 1;
            }
            log.Flush(*p, note);
        });
        platform = std::move(p);
    } else {
        platform = std::make_unique<vm::Platform>(w, h, log.IsOpen());
        vm::Platform& p = *platform;
        if (!time.empty()) p.SetFixedTime(time);
        p.PushKeys(vm::ParseKeys(keys));
        bool written = false;
        p.before_key = [&](size_t n) {
            log.Flush(p, "key " + std::to_string(n));
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
        rc = vm::RunProgram(*info, p);
        if (written) out.clear();
    }
    log.Flush(*platform);
    if (collect && !texts.Write(texts_path, info->title.substr(info->title.size() - 1))) {
        std::fprintf(stderr, "cannot write %s\n", texts_path.c_str());
        return 1;
    }
    if (!log.Close()) {
        std::fprintf(stderr, "cannot write %s\n", log_path.c_str());
        return 1;
    }
    if (!out.empty() && !platform->WritePng(out)) {
        std::fprintf(stderr, "cannot write %s\n", out.c_str());
        return 1;
    }
    return rc;
}
