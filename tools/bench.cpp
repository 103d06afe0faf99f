// Measures how fast the programs start and answer keys.
//
//   velmaris-bench [--programs abcde] [--starts N] [--no-window] [--memory-keys N]
//
// For each program it prints a table: start to the first menu frame (from
// starting a process to the menu drawn headless, or presented in a real
// window when a display is there), the time of every step of a walk through
// every scene of every lesson in the program's own menu table (from the key
// to the changed screen), the slowest step, peak memory, and the resident
// memory after 1,000 and after N (100,000 unless told; 0 leaves it out)
// random keys from a fixed seed, headless, the program started again
// whenever the keys end it. Every measurement runs in child processes of its
// own, so each start is a cold one and the memory is the program's own. A
// measurement, not a test: it prints figures and fails only when a walk
// cannot be made or random keys reach the error stop.
#include <SDL.h>
#include <fcntl.h>
#include <sched.h>
#include <malloc.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <algorithm>
#include <chrono>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <map>
#include <numeric>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "frame/menu.h"
#include "platform/runtime.h"
#include "platform/window.h"
#include "programs/common/programs.h"
#include "state/binding.h"
#include "walk.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// CPU time of the whole process so far, every thread, in ms.
double CpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

// CPU time so far, finished threads included, in microseconds.
long CpuMicros() {
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    return (ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) * 1000000L + ru.ru_utime.tv_usec +
           ru.ru_stime.tv_usec;
}

// What the bench platforms share: the walk and the step times. Each scene
// is walked twice in a row, so that its first pass can be set against a
// repeat.
class TimedWalk : public vm::walk::WalkHost {
public:
    TimedWalk() { passes = 2; }
    bool timing = false;
    Clock::time_point given;
    double given_cpu = 0;
    int pass = 0;

    // A window has shown the step's pixels and is about to wait: the step
    // ends here. What it does while waiting (preparing the texts of the
    // screens to come, until a key comes) belongs to no step.
    void Shown() {
        if (!timing || shown) return;
        shown = true;
        shown_at = Clock::now();
        shown_cpu = CpuMs();
    }

    // The previous key's step ends here unless the window said so before;
    // the next key starts one. A step is written with its time, its CPU time
    // and the pass through the scene it belongs to (0 outside the scenes).
    std::string NextKey() {
        const auto now = shown ? shown_at : Clock::now();
        const double cpu = shown ? shown_cpu : CpuMs();
        if (timing)
            std::printf("step %.4f %.4f %d %s\n", Ms(now - given), cpu - given_cpu, pass,
                        walker->Where().c_str());
        std::string k = walker->Next();
        pass = walker->Pass();
        timing = true;
        shown = false;
        given_cpu = CpuMs();
        given = Clock::now();
        return k;
    }

    // What follows is the menu's own drawing, not a step's.
    void SceneMenuReached() override { timing = false; }

private:
    bool shown = false;
    Clock::time_point shown_at;
    double shown_cpu = 0;
};

class HeadlessBench : public vm::Platform, public TimedWalk {
public:
    HeadlessBench() : vm::Platform(1440, 900, false) {}
    std::string Inkey() override { return NextKey(); }
    std::string WaitKey() override { return NextKey(); }
};

// The window of a walk, at a size asked for (the screen's usable size when
// 0): the canvas's 1440 by 900 shows at 1:1 in a window of that size, and
// scaled by 1.2 in one of 1728 by 1080, as on a 1920 by 1080 projector.
class WindowBench : public vm::WindowPlatform, public TimedWalk {
public:
    WindowBench(int w, int h) : want_w_(w), want_h_(h) {
        on_shown = [this] { Shown(); };
        on_idle = [this] {
            if (Sized()) InjectKey(NextKey());
        };
    }

    // The window is to have this size from the next wait on.
    void Want(int w, int h) {
        want_w_ = w;
        want_h_ = h;
        tries_ = 0;
    }

private:
    // Whether the window has the size asked for. When not, it is asked
    // for; its resize event wakes the wait, and the whole window is painted
    // before the walk starts.
    bool Sized() {
        if (want_w_ <= 0 || tries_ < 0) return true;
        SDL_Window* w = nullptr;
        for (Uint32 id = 1; id < 16 && w == nullptr; ++id) w = SDL_GetWindowFromID(id);
        if (w == nullptr) return true;
        int ww = 0, wh = 0;
        SDL_GetWindowSize(w, &ww, &wh);
        const SDL_Surface* surface = SDL_GetWindowSurface(w);
        if (ww == want_w_ && wh == want_h_ && surface && surface->w == want_w_ &&
            surface->h == want_h_) {
            tries_ = -1;
            return true;
        }
        if (++tries_ > 50) {
            std::printf("error the window could not be made %dx%d\n", want_w_, want_h_);
            throw vm::WindowClosed{};
        }
        SDL_SetWindowSize(w, want_w_, want_h_);
        SDL_Delay(20);
        SDL_Event e{};
        e.type = SDL_USEREVENT;
        SDL_PushEvent(&e);
        return false;
    }

    int want_w_, want_h_;
    int tries_ = 0;
};

// Headless: the first key asked for means the menu is drawn. In a window:
// the first wait with the screen presented.
void SayReady() {
    std::printf("ready %ld\n", CpuMicros());
    std::fflush(stdout);
    throw vm::WindowClosed{};
}
class HeadlessStart : public vm::Platform {
public:
    HeadlessStart() : vm::Platform(1440, 900, false) {}
    std::string Inkey() override { SayReady(); return ""; }
    std::string WaitKey() override { SayReady(); return ""; }
};

int ChildStart(const vm::ProgramInfo& info, bool window) {
    // The window start is the programs' own, font check included.
    if (window) return vm::RunInWindow(info, SayReady) == 0 ? 0 : 1;
    try {
        HeadlessStart p;
        vm::RunProgram(info, p);
        return 0;
    } catch (const std::exception& e) {
        std::printf("error %s\n", e.what());
    }
    return 1;
}

// Waits at the menu in a window until killed; says when it is there.
int ChildIdle(const vm::ProgramInfo& info) {
    try {
        vm::WindowPlatform p;
        bool said = false;
        p.on_idle = [&said] {
            if (said) return;
            said = true;
            std::printf("ready\n");
            std::fflush(stdout);
        };
        vm::RunProgram(info, p);
    } catch (const std::exception& e) {
        std::printf("error %s\n", e.what());
    }
    return 1;
}

// Keeps this process to two processors: a step's CPU time is what a
// two-core machine gives it.
void PinToTwoCores() {
    cpu_set_t allowed;
    if (sched_getaffinity(0, sizeof allowed, &allowed) != 0) return;
    cpu_set_t two;
    CPU_ZERO(&two);
    for (int c = 0, n = 0; c < CPU_SETSIZE && n < 2; ++c)
        if (CPU_ISSET(c, &allowed)) {
            CPU_SET(c, &two);
            ++n;
        }
    sched_setaffinity(0, sizeof two, &two);
}

// The walk's window sizes: the screen's, 1:1 and scaled by 1.2; paired:
// each lesson walked at 1:1 and scaled in turn, in one process.
struct WalkMode {
    const char* name;
    bool window;
    int w, h;
    bool paired = false;
};
// The window walks are run this many times: a walk's median step moves by
// a tenth or more from one process to the next, the machine as busy.
constexpr int kWalkRounds = 9;
constexpr WalkMode kWalkModes[] = {
    {"headless", false, 0, 0},
    {"window", true, 1440, 900},
    {"window-scaled", true, 1728, 1080},
    {"window-paired", true, 1440, 900, true},
};

// turn: in a paired walk, 1 to have the first lesson walked scaled first.
int ChildWalk(const vm::ProgramInfo& info, const WalkMode& mode, int turn) {
    PinToTwoCores();
    try {
        std::unique_ptr<vm::Platform> platform;
        TimedWalk* host = nullptr;
        WindowBench* window = nullptr;
        if (mode.window) {
            auto w = std::make_unique<WindowBench>(mode.w, mode.h);
            host = window = w.get();
            platform = std::move(w);
        } else {
            auto h = std::make_unique<HeadlessBench>();
            host = h.get();
            platform = std::move(h);
        }
        // The drills draw the same problems in every walk.
        platform->SetFixedTime("10:20:30");
        const auto told = [host](const vm::walk::LessonWalk& w) {
            host->timing = false;
            if (!w.error.empty()) std::printf("error lesson %zu %s\n", w.item, w.error.c_str());
            std::printf("lesson %zu %d\n", w.item, w.scenes);
        };
        if (!mode.paired) {
            vm::walk::WalkLessons(info, *platform, *host, told);
        } else {
            // Each lesson is walked in the 1:1 window and in the scaled one
            // straight after, the one or the other first by turns: both
            // meet this process as it is, and the machine as it is then.
            // The window is sized anew, and painted whole, before a walk's
            // first key.
            int lessons = 0;
            for (size_t item = 1; item < info.menu.items.size(); ++item) {
                if (!info.menu.items[item - 1].lesson) continue;
                for (int k = 0; k < 2; ++k) {
                    const bool scaled = (lessons + turn + k) % 2 == 1;
                    const WalkMode& size = kWalkModes[scaled ? 2 : 1];
                    window->Want(size.w, size.h);
                    std::printf("size %d\n", scaled ? 1 : 0);
                    vm::walk::WalkLessons(info, *platform, *host, told, item);
                }
                ++lessons;
            }
        }
    } catch (const std::exception& e) {
        std::printf("error %s\n", e.what());
        return 1;
    }
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    std::printf("peak %ld\n", ru.ru_maxrss);
    return 0;
}

// --- memory under random keys ----------------------------------------------

// Resident memory now (not the peak), in kB.
long ResidentKb() {
    FILE* f = std::fopen("/proc/self/statm", "r");
    if (!f) return -1;
    long size = 0, resident = -1;
    if (std::fscanf(f, "%ld %ld", &size, &resident) != 2) resident = -1;
    std::fclose(f);
    return resident < 0 ? -1 : resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Bytes the allocator has handed out and not had back.
size_t HeapInUse() {
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

// The keys of a class that presses anything: any key, Enter, digits, the
// characters of typed entries, corrections and arrows, with Enter and digits
// often enough that menu items and answers get chosen. Each key is written
// in the notation of velmaris-shot's --keys, for a replay.
class RandomKeys : public vm::Platform {
public:
    RandomKeys(size_t total, std::vector<size_t> marks)
        : vm::Platform(1440, 900, false), total_(total), marks_(std::move(marks)) {}

    std::string Inkey() override { return Next(); }
    std::string WaitKey() override { return Next(); }

    // A new run of the program starts; its keys are kept for a replay.
    void NewRun() { script_.clear(); }
    bool Done() const { return given_ > total_; }
    size_t Given() const { return given_; }
    const std::string& Script() const { return script_; }

    vm::Routine ask = nullptr;                // the program's own number question
    std::map<std::string, int> scene_lists;  // each lesson's scene list, its count of scenes
    std::set<std::pair<std::string, int>> scenes_chosen;

private:
    std::string Next() {
        ++given_;
        // The memory after a mark's count of keys has been handled.
        if (next_mark_ < marks_.size() && given_ == marks_[next_mark_] + 1) {
            std::printf("memory %zu %ld %zu\n", marks_[next_mark_], ResidentKb(), HeapInUse());
            ++next_mark_;
        }
        if (Done()) throw vm::WindowClosed{};
        struct Kind {
            int weight;
            std::string key, written;
        };
        static const Kind kKinds[] = {
            {20, vm::key::kEnter, "\\n"},     {20, " ", "{Any}"},
            {4, vm::key::kBackspace, "{BS}"},  {3, vm::key::kClear, "{Del}"},
            {3, vm::key::kRight, "{Right}"},   {3, vm::key::kLeft, "{Left}"},
            {3, vm::key::kUp, "{Up}"},         {3, vm::key::kDown, "{Down}"},
            {2, "/", "/"},                     {2, ".", "."},
            {2, "-", "-"},                     {2, "a", "a"},
        };
        constexpr int kDigits = 30;  // the weight of the ten digits together
        int total = kDigits;
        for (const auto& k : kKinds) total += k.weight;
        int pick = static_cast<int>(rng_() % static_cast<uint32_t>(total));
        if (pick < kDigits) {
            const std::string digit(1, static_cast<char>('0' + pick % 10));
            script_ += digit;
            return digit;
        }
        pick -= kDigits;
        for (const auto& k : kKinds) {
            if (pick < k.weight) {
                script_ += k.written;
                return k.key;
            }
            pick -= k.weight;
        }
        return " ";
    }

    size_t total_;
    std::vector<size_t> marks_;
    size_t next_mark_ = 0;
    size_t given_ = 0;
    std::mt19937 rng_{20261210};
    std::string script_;
};

// Counts the scenes chosen from the scene menus, to show how far random keys
// get into the lessons.
void AskCountingScenes(vm::State& s) {
    auto& p = dynamic_cast<RandomKeys&>(s.P);
    const std::string question = s.AA_s;
    vm::Call(s, p.ask);
    const auto list = p.scene_lists.find(question);
    if (list != p.scene_lists.end() && s.AINP >= 1 && s.AINP <= static_cast<float>(list->second))
        p.scenes_chosen.insert({question, static_cast<int>(s.AINP)});
}

// Writes a run's keys for a replay into a new file in dir; empty when it
// could not.
std::string KeepKeys(const std::string& dir, const std::string& program, int stop,
                     const std::string& keys) {
    const std::string file = dir + "/" + program + "-stop" + std::to_string(stop) + ".keys";
    const int fd = open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return "";
    FILE* f = fdopen(fd, "w");
    if (f == nullptr) {
        close(fd);
        unlink(file.c_str());
        return "";
    }
    const bool ok = std::fputs(keys.c_str(), f) >= 0;
    if (std::fclose(f) != 0 || !ok) {
        unlink(file.c_str());
        return "";
    }
    return file;
}

int ChildMemory(const std::string& program, vm::ProgramInfo info, size_t keys,
                const std::string& dir) {
    std::vector<size_t> marks;
    for (size_t m = 1000; m < keys; m *= 10) {
        marks.push_back(m);
        if (m * 3 < keys) marks.push_back(m * 3);
    }
    marks.push_back(keys);
    RandomKeys p(keys, marks);
    p.ask = info.binding.AskNumberAtBottom;
    info.binding.AskNumberAtBottom = AskCountingScenes;
    size_t scenes = 0;
    for (const auto& item : info.menu.items) {
        if (!item.lesson) continue;
        p.scene_lists[item.lesson->scene_list] = static_cast<int>(item.lesson->scenes.size());
        scenes += item.lesson->scenes.size();
    }
    int runs = 0, stops = 0;
    try {
        while (!p.Done()) {
            ++runs;
            p.NewRun();
            // Drills draw from a generator seeded by the clock; each run
            // has its own clock, the same in every measurement.
            char clock[16];
            std::snprintf(clock, sizeof clock, "%02d:%02d:%02d", runs % 24, runs * 7 % 60,
                          runs * 13 % 60);
            p.SetFixedTime(clock);
            const size_t first = p.Given();
            if (vm::RunProgram(info, p) == vm::kErrorStopStatus && ++stops <= 3) {
                // A run's keys are many; they go to a file for the replay.
                const std::string file = KeepKeys(dir, program, stops, p.Script());
                if (file.empty())
                    std::printf("error the error stop after key %zu (its keys could not be "
                                "kept)\n",
                                p.Given());
                else
                    std::printf("error the error stop after key %zu; replay: "
                                "./build/velmaris-shot --program %s --time %s --keys \"$(cat %s)\" "
                                "--out stop.png\n",
                                p.Given(), program.c_str(), clock, file.c_str());
                // The first few stops say enough; the rest are only counted.
                if (stops == 3) {
                    const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
                    if (null >= 0) {
                        dup2(null, 2);
                        close(null);
                    }
                }
            }
            if (p.Given() == first) break;  // the program took no key at all
        }
    } catch (const std::exception& e) {
        std::printf("error %s\n", e.what());
        return 1;
    }
    std::printf("runs %d %d %zu %zu\n", runs, stops, p.scenes_chosen.size(), scenes);
    return 0;
}

// --- the parent: starts the children and makes the tables -----------------

struct Child {
    pid_t pid = -1;
    FILE* out = nullptr;
};

// Starts this program again with args; its standard output is read through
// out. On failure nothing is left open and pid is -1.
Child Spawn(const std::vector<std::string>& args, const std::string& exe = "/proc/self/exe") {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) return {};
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_adddup2(&fa, fds[1], 1);
    std::vector<char*> argv;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    Child c;
    if (posix_spawn(&c.pid, exe.c_str(), &fa, nullptr, argv.data(), environ) != 0) c.pid = -1;
    posix_spawn_file_actions_destroy(&fa);
    close(fds[1]);
    if (c.pid >= 0) c.out = fdopen(fds[0], "r");
    if (c.out == nullptr) {
        close(fds[0]);
        if (c.pid >= 0) {
            kill(c.pid, SIGKILL);
            waitpid(c.pid, nullptr, 0);
        }
        return {};
    }
    return c;
}

bool ReadLine(FILE* f, std::string& line) {
    line.clear();
    int ch;
    while ((ch = std::fgetc(f)) != EOF && ch != '\n') line += static_cast<char>(ch);
    return ch != EOF || !line.empty();
}

int Finish(Child& c) {
    if (c.pid < 0) return 128;
    std::string rest;
    while (ReadLine(c.out, rest)) {
    }
    std::fclose(c.out);
    c.out = nullptr;
    int status = 0;
    waitpid(c.pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
}

struct Stats {
    size_t n = 0;
    double median = 0, p99 = 0, worst = 0;
};

Stats Summarise(std::vector<double> v) {
    Stats s;
    s.n = v.size();
    if (v.empty()) return s;
    std::sort(v.begin(), v.end());
    s.median = v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
    s.p99 = v[static_cast<size_t>(std::ceil(0.99 * static_cast<double>(v.size()))) - 1];
    s.worst = v.back();
    return s;
}

void Row(const char* what, const Stats& s) {
    if (s.n == 0) {
        std::printf("  %-26s %6s\n", what, "-");
        return;
    }
    std::printf("  %-26s %6zu %9.2f %9.2f %9.2f\n", what, s.n, s.median, s.p99, s.worst);
}

// The bare window program built beside this one.
std::string BarePath() {
    char self[4096];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0) return "velmaris-bare";
    std::string path(self, static_cast<size_t>(n));
    return path.substr(0, path.rfind('/') + 1) + "velmaris-bare";
}

struct Start {
    double ms = 0, cpu_ms = 0;  // from the start to the first frame; its CPU time
    bool ok = false;
    std::string said;  // what the child said instead of "ready"
};

// One cold start: a program's (--child-start) or the bare window's.
Start StartOnce(const std::vector<std::string>& args, const std::string& exe = "/proc/self/exe") {
    Start s;
    const auto t0 = Clock::now();
    Child c = Spawn(args, exe);
    if (c.pid < 0) {
        s.said = "cannot start " + exe;
        return s;
    }
    std::string line;
    long cpu_us = -1;
    const bool ready = ReadLine(c.out, line) && std::sscanf(line.c_str(), "ready %ld", &cpu_us) == 1;
    s.ms = Ms(Clock::now() - t0);
    s.cpu_ms = static_cast<double>(cpu_us) / 1e3;
    s.ok = Finish(c) == 0 && ready;
    if (!s.ok) s.said = line;
    return s;
}

struct Starts {
    std::vector<double> ms, cpu_ms;
    // Of each start of the program and the bare window's right after it.
    std::vector<double> ratio, cpu_ratio;
    std::vector<double> bare_ms, bare_cpu_ms;
};

// Times n cold starts, each followed by one of the bare window when `bare`;
// empty when the program could not start.
Starts TimeStarts(const std::string& program, bool window, int n, bool bare) {
    Starts t;
    const std::string bare_exe = BarePath();
    for (int i = 0; i < n; ++i) {
        const Start s = StartOnce({"velmaris-bench", "--child-start", program, window ? "window" : "headless"});
        if (!s.ok) {
            std::printf("  (%s start failed: %s)\n", window ? "window" : "headless", s.said.c_str());
            return {};
        }
        t.ms.push_back(s.ms);
        t.cpu_ms.push_back(s.cpu_ms);
        if (!bare) continue;
        const Start b = StartOnce({"velmaris-bare"}, bare_exe);
        if (!b.ok) {
            std::printf("  (the bare window did not start: %s)\n", b.said.c_str());
            return t;
        }
        t.bare_ms.push_back(b.ms);
        t.bare_cpu_ms.push_back(b.cpu_ms);
        t.ratio.push_back(s.ms / b.ms);
        t.cpu_ratio.push_back(s.cpu_ms / b.cpu_ms);
    }
    return t;
}

// Times the process was woken (context switches) while waiting at the menu
// for `seconds`; negative when it could not be measured.
long Switches(pid_t pid) {
    FILE* f = std::fopen(("/proc/" + std::to_string(pid) + "/status").c_str(), "r");
    if (!f) return -1;
    long total = 0;
    char line[256];
    while (std::fgets(line, sizeof line, f)) {
        long v = 0;
        if (std::sscanf(line, "voluntary_ctxt_switches: %ld", &v) == 1 ||
            std::sscanf(line, "nonvoluntary_ctxt_switches: %ld", &v) == 1)
            total += v;
    }
    std::fclose(f);
    return total;
}

double IdleWakeups(const std::string& program, double seconds) {
    Child c = Spawn({"velmaris-bench", "--child-idle", program});
    if (c.pid < 0) return -1;
    std::string line;
    double rate = -1;
    if (ReadLine(c.out, line) && line == "ready") {
        // Let the first frames settle before counting.
        usleep(300000);
        const long a = Switches(c.pid);
        usleep(static_cast<useconds_t>(seconds * 1e6));
        const long b = Switches(c.pid);
        if (a >= 0 && b >= 0) rate = static_cast<double>(b - a) / seconds;
    }
    kill(c.pid, SIGTERM);
    Finish(c);
    return rate;
}

struct Walk {
    std::vector<double> steps, cpu;
    double first_cpu = 0, repeat_cpu = 0;  // of the first and second pass through the scenes
    double worst = -1, worst_cpu = -1;
    std::string worst_where, worst_cpu_where, last;
    long peak_kb = 0;
    int scenes = 0;
    std::vector<std::string> errors;
};

// Takes a line a walking child wrote into the walk it belongs to.
void Read(Walk& w, const std::string& line) {
    double ms = 0, cpu = 0;
    int pass = 0, at = 0;
    if (std::sscanf(line.c_str(), "step %lf %lf %d %n", &ms, &cpu, &pass, &at) == 3) {
        w.steps.push_back(ms);
        w.cpu.push_back(cpu);
        w.last = line.substr(static_cast<size_t>(at));
        if (pass == 1) w.first_cpu += cpu;
        if (pass == 2) w.repeat_cpu += cpu;
        if (ms > w.worst) {
            w.worst = ms;
            w.worst_where = w.last;
        }
        if (cpu > w.worst_cpu) {
            w.worst_cpu = cpu;
            w.worst_cpu_where = w.last;
        }
    } else if (line.compare(0, 5, "peak ") == 0) {
        w.peak_kb = std::atol(line.c_str() + 5);
    } else if (line.compare(0, 7, "lesson ") == 0) {
        w.scenes += std::atoi(line.c_str() + line.rfind(' ') + 1);
    } else if (line.compare(0, 6, "error ") == 0) {
        w.errors.push_back(line.substr(6));
    }
}

// The walks of one child: walks[1] gets what follows a "size 1" line of a
// paired walk, walks[0] the rest; the child's peak memory goes to both.
void WalkChild(const std::vector<std::string>& args, Walk* walks[2]) {
    Child c = Spawn(args);
    if (c.pid < 0) {
        walks[0]->errors.push_back("cannot start the walk");
        return;
    }
    Walk* w = walks[0];
    std::string line;
    while (ReadLine(c.out, line)) {
        if (line == "size 0" || line == "size 1") {
            w = walks[line == "size 1" ? 1 : 0];
            continue;
        }
        Read(*w, line);
        if (line.compare(0, 5, "peak ") == 0) walks[0]->peak_kb = walks[1]->peak_kb = w->peak_kb;
    }
    if (Finish(c) != 0 && walks[0]->errors.empty() && walks[1]->errors.empty())
        walks[0]->errors.push_back("the walk failed or did not end in 120 s; its last step: " +
                                   w->last);
}

Walk WalkProgram(const std::string& program, const WalkMode& mode) {
    Walk w;
    Walk* walks[2] = {&w, &w};
    WalkChild({"velmaris-bench", "--child-walk", program, mode.name}, walks);
    return w;
}

// A paired walk: the 1:1 window's steps and the scaled one's.
std::pair<Walk, Walk> WalkPaired(const std::string& program, int turn) {
    std::pair<Walk, Walk> p;
    Walk* walks[2] = {&p.first, &p.second};
    WalkChild({"velmaris-bench", "--child-walk", program, "window-paired", std::to_string(turn)},
              walks);
    return p;
}

struct Memory {
    std::vector<std::pair<size_t, long>> resident;  // keys handled, kB
    std::vector<std::pair<size_t, size_t>> heap;    // keys handled, bytes
    int runs = 0, stops = 0;
    size_t scenes_chosen = 0, scenes = 0;
    std::vector<std::string> errors;
};

Memory MemoryProgram(const std::string& program, size_t keys, const std::string& dir) {
    Memory m;
    Child c = Spawn({"velmaris-bench", "--child-memory", program, std::to_string(keys), dir});
    if (c.pid < 0) {
        m.errors.push_back("cannot start the random keys");
        return m;
    }
    std::string line;
    while (ReadLine(c.out, line)) {
        size_t n = 0, heap = 0, chosen = 0, scenes = 0;
        long kb = 0;
        int runs = 0, stops = 0;
        if (std::sscanf(line.c_str(), "memory %zu %ld %zu", &n, &kb, &heap) == 3) {
            m.resident.push_back({n, kb});
            m.heap.push_back({n, heap});
        } else if (std::sscanf(line.c_str(), "runs %d %d %zu %zu", &runs, &stops, &chosen,
                               &scenes) == 4) {
            m.runs = runs;
            m.stops = stops;
            m.scenes_chosen = chosen;
            m.scenes = scenes;
        } else if (line.compare(0, 6, "error ") == 0) {
            m.errors.push_back(line.substr(6));
        }
    }
    if (Finish(c) != 0 && m.errors.empty())
        m.errors.push_back("the random keys failed or did not end");
    if (m.stops > 3) m.errors.push_back(std::to_string(m.stops) + " error stops in all");
    return m;
}

std::string Count(size_t n) {
    return n % 1000 == 0 ? std::to_string(n / 1000) + "k" : std::to_string(n);
}

void MemoryRows(const Memory& m) {
    if (m.resident.size() == 1) {
        const std::string what = "memory after " + Count(m.resident[0].first) + " keys";
        std::printf("  %-26s %6.1f MB\n", what.c_str(),
                    static_cast<double>(m.resident[0].second) / 1024);
    } else if (m.resident.size() >= 2) {
        const auto& [n0, kb0] = m.resident.front();
        const auto& [n1, kb1] = m.resident.back();
        const std::string what = "memory after " + Count(n0) + " / " + Count(n1) + " keys";
        std::printf("  %-26s %6.1f MB / %.1f MB (growth %.2f MB)\n", what.c_str(),
                    static_cast<double>(kb0) / 1024, static_cast<double>(kb1) / 1024,
                    static_cast<double>(kb1 - kb0) / 1024);
        std::string resident, heap;
        char buf[32];
        for (size_t i = 0; i < m.resident.size(); ++i) {
            std::snprintf(buf, sizeof buf, " %.1f",
                          static_cast<double>(m.resident[i].second) / 1024);
            resident += buf;
            std::snprintf(buf, sizeof buf, " %.1f",
                          static_cast<double>(m.heap[i].second) / 1048576);
            heap += buf;
        }
        std::string marks;
        for (const auto& [n, kb] : m.resident) marks += (marks.empty() ? "" : " ") + Count(n);
        std::printf("    at %s keys: resident%s MB, heap in use%s MB; %d runs, %zu of %zu scenes "
                    "chosen\n",
                    marks.c_str(), resident.c_str(), heap.c_str(), m.runs, m.scenes_chosen,
                    m.scenes);
    }
    for (const auto& e : m.errors) std::printf("    ! %s\n", e.c_str());
}

// A private directory for what the children write (the keys of a run that
// reached the error stop, for its replay). It goes when the bench ends,
// interrupted too, unless a replay in it was reported.
char scratch_path[512];

void DropScratch(int sig) {
    rmdir(scratch_path);
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

class ScratchDir {
public:
    ScratchDir() {
        const char* base = std::getenv("TMPDIR");
        std::string t = std::string(base && *base ? base : "/tmp") + "/velmaris-bench-XXXXXX";
        if (t.size() >= sizeof scratch_path || mkdtemp(t.data()) == nullptr) return;
        path_ = t;
        std::snprintf(scratch_path, sizeof scratch_path, "%s", t.c_str());
        std::signal(SIGINT, DropScratch);
        std::signal(SIGTERM, DropScratch);
    }
    ~ScratchDir() {
        if (path_.empty()) return;
        if (rmdir(path_.c_str()) != 0 && errno == ENOTEMPTY)
            std::printf("the keys of the replays above are in %s; remove it when done\n",
                        path_.c_str());
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

}  // namespace

int main(int argc, char** argv) {
    std::string programs = "abcde";
    int starts = 20;
    bool window = true;
    long memory_keys = 100000;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        // Each line goes to the parent as it is written, and a walk that
        // does not end in two minutes is stopped.
        std::setvbuf(stdout, nullptr, _IOLBF, 0);
        if ((a == "--child-start" || a == "--child-walk") && i + 2 < argc) {
            if (a == "--child-walk") alarm(120);
            const auto info = vm::ProgramByName(argv[i + 1]);
            if (!info) return 2;
            const std::string mode = argv[i + 2];
            if (a == "--child-start") return ChildStart(*info, mode == "window");
            const int turn = i + 3 < argc ? std::atoi(argv[i + 3]) % 2 : 0;
            for (const WalkMode& m : kWalkModes)
                if (mode == m.name) return ChildWalk(*info, m, turn);
            return 2;
        }
        if (a == "--child-memory" && i + 3 < argc) {
            alarm(900);
            const auto info = vm::ProgramByName(argv[i + 1]);
            const long keys = std::atol(argv[i + 2]);
            if (!info || keys <= 0) return 2;
            return ChildMemory(argv[i + 1], *info, static_cast<size_t>(keys), argv[i + 3]);
        }
        if (a == "--child-idle" && i + 1 < argc) {
            const auto info = vm::ProgramByName(argv[i + 1]);
            return info ? ChildIdle(*info) : 2;
        }
        if (a == "--programs" && i + 1 < argc) programs = argv[++i];
        else if (a == "--starts" && i + 1 < argc) starts = std::max(1, std::atoi(argv[++i]));
        else if (a == "--no-window") window = false;
        else if (a == "--memory-keys" && i + 1 < argc)
            memory_keys = std::max(0L, std::atol(argv[++i]));
        else {
            std::fprintf(stderr,
                         "usage: velmaris-bench [--programs abcde] [--starts N] [--no-window] "
                         "[--memory-keys N]\n");
            return 2;
        }
    }
    const bool display = window && std::getenv("DISPLAY") != nullptr;
    bool failed = false;
    std::optional<ScratchDir> scratch;
    if (memory_keys > 0) scratch.emplace();
    // The figures the programs are held to, each program's own; the last
    // line gives the highest of the programs.
    struct Ratios {
        double launch = -1, first_pass = -1, scaled = -1, worst_cpu = -1;
    };
    std::vector<Ratios> ratios;
    for (char p : programs) {
        const std::string name(1, p);
        const auto info = vm::ProgramByName(name);
        if (!info) continue;
        Ratios r;
        std::printf("%s (times in ms)%*s %6s %9s %9s %9s\n", info->title.c_str(),
                    static_cast<int>(14 - info->title.size()), "", "n", "median", "p99", "worst");
        std::fflush(stdout);
        Row("start to menu, headless", Summarise(TimeStarts(name, false, starts, false).ms));
        if (display) {
            // Each start is followed by one of the bare window, so that both
            // meet the machine as it is at that moment.
            const Starts t = TimeStarts(name, true, starts, true);
            Row("start to menu, window", Summarise(t.ms));
            Row("  its CPU", Summarise(t.cpu_ms));
            Row("bare window start", Summarise(t.bare_ms));
            Row("  its CPU", Summarise(t.bare_cpu_ms));
            if (!t.ratio.empty()) {
                r.launch = Summarise(t.ratio).median;
                std::printf("    launch %.2fx the bare window's time, %.2fx its CPU (median of %zu "
                            "pairs)\n",
                            r.launch, Summarise(t.cpu_ratio).median, t.ratio.size());
            }
            std::printf("  %-26s %6.1f per second\n", "wake-ups waiting at menu", IdleWakeups(name, 2.0));
        }
        // The window walks are run in rounds of two: a walk in the 1:1
        // window, for the first pass and the worst step, and a paired walk
        // for the scaled figure. Each figure is the median of the rounds'.
        // The tables show the first round: its 1:1 walk, and the scaled
        // window's steps of its paired walk.
        const auto report = [&failed](const WalkMode& mode, const Walk& w) {
            const std::string what = std::string("step, ") +
                                     (!mode.window ? "headless"
                                      : mode.w == kWalkModes[1].w ? "window 1:1"
                                                                  : "window 1.2x");
            Row(what.c_str(), Summarise(w.steps));
            Row("  its CPU", Summarise(w.cpu));
            if (!w.steps.empty()) {
                std::printf("    slowest: %.2f ms at %s; %d scenes; peak memory %.1f MB\n", w.worst,
                            w.worst_where.c_str(), w.scenes, static_cast<double>(w.peak_kb) / 1024);
                std::printf("    most CPU: %.2f ms at %s\n", w.worst_cpu,
                            w.worst_cpu_where.c_str());
                if (w.repeat_cpu > 0)
                    std::printf("    scenes' CPU: first pass %.1f ms, repeat %.1f ms: %.2fx\n",
                                w.first_cpu, w.repeat_cpu, w.first_cpu / w.repeat_cpu);
            }
            for (const auto& e : w.errors) std::printf("    ! %s\n", e.c_str());
            failed = failed || !w.errors.empty();
            std::fflush(stdout);
        };
        report(kWalkModes[0], WalkProgram(name, kWalkModes[0]));
        std::vector<double> first_pass, worst_cpu, scaled, scaled_cpu;
        for (int round = 0; display && round < kWalkRounds; ++round) {
            const Walk one = WalkProgram(name, kWalkModes[1]);
            // Which window walks a lesson first changes from lesson to
            // lesson and from round to round.
            const auto [unscaled, big] = WalkPaired(name, round % 2);
            if (round == 0) {
                report(kWalkModes[1], one);
                report(kWalkModes[2], big);
            }
            for (const Walk* w : {&one, &unscaled, &big}) {
                if (round == 0 && w != &unscaled) continue;
                for (const auto& e : w->errors) std::printf("    ! %s\n", e.c_str());
                failed = failed || !w->errors.empty();
            }
            if (!one.errors.empty() || !unscaled.errors.empty() || !big.errors.empty() ||
                one.steps.empty() || unscaled.steps.empty() || big.steps.empty() ||
                one.repeat_cpu <= 0)
                break;
            first_pass.push_back(one.first_cpu / one.repeat_cpu);
            worst_cpu.push_back(one.worst_cpu);
            scaled.push_back(Summarise(big.steps).median / Summarise(unscaled.steps).median);
            scaled_cpu.push_back(std::accumulate(big.cpu.begin(), big.cpu.end(), 0.0) /
                                 std::accumulate(unscaled.cpu.begin(), unscaled.cpu.end(), 0.0));
        }
        if (display && static_cast<int>(scaled.size()) == kWalkRounds) {
            r.first_pass = Summarise(first_pass).median;
            r.worst_cpu = Summarise(worst_cpu).median;
            r.scaled = Summarise(scaled).median;
            const auto each = [](const std::vector<double>& v, const char* unit) {
                std::string s;
                for (const double x : v) {
                    char b[32];
                    std::snprintf(b, sizeof b, "%s%.2f%s", s.empty() ? "" : ", ", x, unit);
                    s += b;
                }
                return s;
            };
            std::printf("    scaled: median step %.2fx the 1:1 window's, CPU %.2fx (rounds: %s)\n",
                        r.scaled, Summarise(scaled_cpu).median, each(scaled, "x").c_str());
            std::printf("    first pass %.2fx repeat (rounds: %s); most CPU in a step %.2f ms "
                        "(rounds: %s)\n",
                        r.first_pass, each(first_pass, "x").c_str(), r.worst_cpu,
                        each(worst_cpu, " ms").c_str());
        }
        ratios.push_back(r);
        if (memory_keys > 0) {
            Memory m;
            if (scratch->Path().empty())
                m.errors.push_back("cannot make a private directory for the replays");
            else
                m = MemoryProgram(name, static_cast<size_t>(memory_keys), scratch->Path());
            MemoryRows(m);
            failed = failed || !m.errors.empty();
            std::fflush(stdout);
        }
    }
    // The programs' highest figure of each.
    Ratios top;
    bool all = !ratios.empty();
    for (const Ratios& r : ratios) {
        all = all && r.launch > 0 && r.first_pass > 0 && r.scaled > 0 && r.worst_cpu >= 0;
        top.launch = std::max(top.launch, r.launch);
        top.first_pass = std::max(top.first_pass, r.first_pass);
        top.scaled = std::max(top.scaled, r.scaled);
        top.worst_cpu = std::max(top.worst_cpu, r.worst_cpu);
    }
    if (all)
        std::printf("ratios: launch %.2fx bare, first pass %.2fx repeat, scaled %.2fx unscaled, "
                    "worst step %.1f ms\n",
                    top.launch, top.first_pass, top.scaled, top.worst_cpu);
    else if (!ratios.empty())
        std::printf("ratios: only with a display and every walk through\n");
    return failed ? 1 : 0;
}
