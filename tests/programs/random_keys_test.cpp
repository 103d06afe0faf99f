// Every program survives any keys: random key scripts from fixed seeds,
// biased to enter the lessons that the programs' own tables offer, each run
// in a child process so that an error stop, a crash, a sanitizer report or
// a run that does not end when its keys run out is caught and told with the
// seed and the script that did it.
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "frame/program.h"
#include "platform/platform.h"
#include "programs/common/programs.h"

namespace vm {
namespace {

// Runs per program; every kRenderEvery-th also renders onto a canvas (the
// canvas code then sees the same coordinates, at a cost). The sanitizer
// build is several times slower; it takes fewer runs in about the same time.
// GCC says it builds with AddressSanitizer one way, clang another.
#if defined(__SANITIZE_ADDRESS__)
#define VM_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VM_ASAN 1
#endif
#endif
#if defined(VM_ASAN)
constexpr int kRuns = 40;
#else
constexpr int kRuns = 120;
#endif
constexpr int kRenderEvery = 20;
// A run takes well under a second; one still going after this is stuck.
constexpr unsigned kStuckSeconds = 30;

// Writes a key script in the notation of ParseKeys, so that a failing
// script can be given to velmaris-shot as it stands.
class ScriptWriter {
public:
    explicit ScriptWriter(uint32_t seed) : rng_(seed) {}

    int Below(int n) { return static_cast<int>(rng_() % static_cast<uint32_t>(n)); }
    bool Chance(int percent) { return Below(100) < percent; }

    void Key(const std::string& k) { script_ += k; }
    void Enter() { Key("\\n"); }
    void Number(int n) {
        Key(std::to_string(n));
        Enter();
    }
    // One of every kind of key the programs can be given.
    void AnyKey() {
        static const char* const kKeys[] = {"{Any}", "\\n",     "{BS}",    "{Del}",  "{Left}",
                                            "{Right}", "{Up}",  "{Down}",  "-",      ".",
                                            "/",     "a",       "x",       "Z",      "q"};
        const int pick = Below(100);
        if (pick < 30) Key("{Any}");
        else if (pick < 55) Key(std::string(1, static_cast<char>('0' + Below(10))));
        else Key(kKeys[Below(static_cast<int>(std::size(kKeys)))]);
    }
    // A typed entry: a number, a fraction, a decimal, a negative one, or
    // longer than the field, sometimes corrected on the way.
    void Entry() {
        static const char kChars[] = "0123456789-./";
        const int pick = Below(10);
        if (pick < 4) {
            Key(std::to_string(Below(30)));
        } else if (pick < 6) {
            Key(std::to_string(Below(20) - 5) + "/" + std::to_string(Below(6)));
        } else if (pick < 7) {
            Key("-" + std::to_string(Below(9)) + "." + std::to_string(Below(100)));
        } else {
            const int n = 1 + Below(25);
            for (int i = 0; i < n; ++i) {
                if (Chance(8)) Key(Chance(50) ? "{BS}" : "{Del}");
                else Key(std::string(1, kChars[Below(static_cast<int>(sizeof kChars) - 1)]));
            }
        }
        Enter();
    }
    // What a class gives a scene: step keys, runs of one key (the arrows
    // of the moving triangle), drill answers ("1" goes on) and entries.
    void SceneKeys() {
        const int steps = 10 + Below(120);
        for (int i = 0; i < steps; ++i) {
            const int pick = Below(100);
            if (pick < 55) {
                Key("{Any}");
            } else if (pick < 70) {
                AnyKey();
            } else if (pick < 80) {
                Key("1");
                Enter();
            } else if (pick < 88) {
                Entry();
            } else {
                static const char* const kRuns[] = {"{Left}", "{Right}", "{Up}", "{Down}",
                                                    "{Any}",  "{BS}",    "9",    "\\n"};
                const std::string k = kRuns[Below(static_cast<int>(std::size(kRuns)))];
                for (int n = 5 + Below(40); n > 0; --n) Key(k);
            }
        }
    }

    const std::string& Script() const { return script_; }

private:
    std::mt19937 rng_;
    std::string script_;
};

std::string MakeScript(const MainMenuTable& menu, uint32_t seed) {
    ScriptWriter w(seed);
    const int quit = static_cast<int>(menu.items.size());
    std::vector<int> lessons;
    for (int i = 0; i < quit; ++i)
        if (menu.items[static_cast<size_t>(i)].lesson) lessons.push_back(i + 1);

    for (int visits = 1 + w.Below(3); visits > 0; --visits) {
        // Most runs go into a lesson; the rest try the other items and
        // entries that are no item at all.
        int item = 0;
        const int pick = w.Below(100);
        if (!lessons.empty() && pick < 85) {
            item = lessons[static_cast<size_t>(w.Below(static_cast<int>(lessons.size())))];
            w.Number(item);
        } else if (pick < 92) {
            w.Number(1 + w.Below(quit - 1 > 0 ? quit - 1 : 1));
        } else {
            w.Entry();
        }
        const auto& lesson =
            item > 0 ? menu.items[static_cast<size_t>(item - 1)].lesson : std::nullopt;
        if (!lesson) {
            if (w.Chance(30)) w.SceneKeys();
            continue;
        }
        // Some lessons wait for a key after their goal screen.
        for (int n = w.Below(3); n > 0; --n) w.Key("{Any}");
        const int back = static_cast<int>(lesson->scenes.size()) + 1;
        for (int scenes = 1 + w.Below(5); scenes > 0; --scenes) {
            const int choice = w.Below(100);
            if (choice < 85 && back > 1) {
                w.Number(1 + w.Below(back - 1));
                w.SceneKeys();
            } else if (choice < 93) {
                w.Entry();
            } else {
                w.Number(back);
                break;
            }
        }
        // Leave the lesson by its last scene item, as a teacher would.
        if (w.Chance(80)) w.Number(back);
    }
    if (w.Chance(50)) w.Number(quit);
    return w.Script();
}

// The clock of a run: drills draw from a generator seeded by it.
std::string ClockFor(uint32_t seed) {
    char t[16];
    std::snprintf(t, sizeof t, "%02u:%02u:%02u", seed % 24, seed * 7 % 60, seed * 13 % 60);
    return t;
}

// The keys of a script one by one, each in its notation.
std::vector<std::string> Tokens(const std::string& script) {
    std::vector<std::string> out;
    for (size_t i = 0; i < script.size();) {
        size_t n = 1;
        if (script.compare(i, 2, "\\n") == 0) n = 2;
        else if (script[i] == '{') n = script.find('}', i) - i + 1;
        out.push_back(script.substr(i, n));
        i += n;
    }
    return out;
}

struct Outcome {
    std::string fault;  // empty when the run ended well
    size_t keys_read = 0;
};

// Runs the program on the script in a child process. The child counts the
// keys it has read in memory shared with this process, so that even after a
// crash the keys up to the fault are known.
Outcome RunInChild(const ProgramInfo& info, const std::string& script, const std::string& clock,
                   bool render) {
    Outcome out;
    void* shared = mmap(nullptr, sizeof(size_t), PROT_READ | PROT_WRITE,
                        MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (shared == MAP_FAILED) {
        out.fault = "cannot share memory with the child";
        return out;
    }
    auto* keys_read = static_cast<volatile size_t*>(shared);
    *keys_read = 0;
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        alarm(kStuckSeconds);
        Platform p(render ? 1440 : 0, render ? 900 : 0, false);
        p.SetFixedTime(clock);
        p.PushKeys(ParseKeys(script));
        p.before_key = [keys_read](size_t n) { *keys_read = n + 1; };
        const int status = RunProgram(info, p);
        std::fflush(nullptr);
        _exit(status);
    }
    int status = 0;
    if (pid < 0) out.fault = "cannot fork";
    else if (waitpid(pid, &status, 0) != pid) out.fault = "lost the child process";
    else if (WIFEXITED(status) && WEXITSTATUS(status) == kErrorStopStatus)
        out.fault = "reached the error stop";
    else if (WIFEXITED(status) && WEXITSTATUS(status) != 0)
        out.fault = "exited with status " + std::to_string(WEXITSTATUS(status)) +
                    " (a sanitizer report?)";
    else if (WIFSIGNALED(status) && WTERMSIG(status) == SIGALRM)
        out.fault = "did not end within " + std::to_string(kStuckSeconds) + " s";
    else if (WIFSIGNALED(status))
        out.fault = "crashed with signal " + std::to_string(WTERMSIG(status)) + " (" +
                    strsignal(WTERMSIG(status)) + ")";
    out.keys_read = *keys_read;
    munmap(shared, sizeof(size_t));
    return out;
}

void DriveProgram(const ProgramInfo& info, const char* name, uint32_t first_seed) {
    const auto start = std::chrono::steady_clock::now();
    size_t keys = 0;
    int runs = 0, failures = 0;
    for (; runs < kRuns && failures < 3; ++runs) {
        const uint32_t seed = first_seed + static_cast<uint32_t>(runs);
        const std::string script = MakeScript(info.menu, seed);
        const std::string clock = ClockFor(seed);
        const std::vector<std::string> tokens = Tokens(script);
        keys += tokens.size();
        const Outcome o = RunInChild(info, script, clock, runs % kRenderEvery == 0);
        if (o.fault.empty()) continue;
        ++failures;
        // The keys up to the one being handled when it went wrong replay it.
        std::string read;
        for (size_t i = 0; i < o.keys_read && i < tokens.size(); ++i) read += tokens[i];
        ADD_FAILURE() << info.title << ", seed " << seed << ": " << o.fault << " after "
                      << o.keys_read << " of " << tokens.size() << " keys\n"
                      << "replay: ./build/velmaris-shot --program " << name << " --time "
                      << clock << " --keys '" << read << "' --out /tmp/fault.png";
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%s: %d runs, %zu keys in %.1f s\n", info.title.c_str(), runs, keys, seconds);
}

TEST(RandomKeys, VelmarisA) { DriveProgram(ProgramA(), "a", 1000); }
TEST(RandomKeys, VelmarisB) { DriveProgram(ProgramB(), "b", 2000); }
TEST(RandomKeys, VelmarisC) { DriveProgram(ProgramC(), "c", 3000); }
TEST(RandomKeys, VelmarisD) { DriveProgram(ProgramD(), "d", 4000); }
TEST(RandomKeys, VelmarisE) { DriveProgram(ProgramE(), "e", 5000); }

}  // namespace
}  // namespace vm
