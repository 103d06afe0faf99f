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
#include <fcntl.h>
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
#include <cstdlib>
#include <cstring>
#include <deque>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "frame/binding.h"
#include "frame/menu.h"
#include "platform/runtime.h"
#include "platform/window.h"
#include "programs/common/programs.h"
#include "walk.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// What the bench platforms share: the walk and the step times.
class TimedWalk : public vm::walk::WalkHost {
public:
    bool timing = false;
    Clock::time_point given;

    // The previous key's step ends here; the next key starts one.
    std::string NextKey() {
        const auto now = Clock::now();
        if (timing) std::printf("step %.4f %s\n", Ms(now - given), walker->Where().c_str());
        std::string k = walker->Next();
        timing = true;
        given = Clock::now();
        return k;
    }
    // What follows is the menu's own drawing, not a step's.
    void SceneMenuReached() override { timing = false; }
};

class HeadlessBench : public vm::Platform, public TimedWalk {
public:
    HeadlessBench() : vm::Platform(1440, 900, false) {}
    std::string Inkey() override { return NextKey(); }
    std::string WaitKey() override { return NextKey(); }
};

class WindowBench : public vm::WindowPlatform, public TimedWalk {
public:
    WindowBench() {
        on_idle = [this] { InjectKey(NextKey()); };
    }
};

// Headless: the first key asked for means the menu is drawn. In a window:
// the first wait with the screen presented.
void SayReady() {
    std::printf("ready\n");
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

int ChildWalk(const vm::ProgramInfo& info, bool window) {
    try {
        std::unique_ptr<vm::Platform> platform;
        TimedWalk* host = nullptr;
        if (window) {
            auto w = std::make_unique<WindowBench>();
            host = w.get();
            platform = std::move(w);
        } else {
            auto h = std::make_unique<HeadlessBench>();
            host = h.get();
            platform = std::move(h);
        }
        vm::walk::WalkLessons(info, *platform, *host, [host](const vm::walk::LessonWalk& w) {
            host->timing = false;
            if (!w.error.empty()) std::printf("error lesson %zu %s\n", w.item, w.error.c_str());
            std::printf("lesson %zu %d\n", w.item, w.scenes);
        });
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
Child Spawn(const std::vector<std::string>& args) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) return {};
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_adddup2(&fa, fds[1], 1);
    std::vector<char*> argv;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    Child c;
    if (posix_spawn(&c.pid, "/proc/self/exe", &fa, nullptr, argv.data(), environ) != 0) c.pid = -1;
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

// Times n cold starts; empty when the program could not start.
std::vector<double> Starts(const std::string& program, bool window, int n) {
    std::vector<double> t;
    for (int i = 0; i < n; ++i) {
        const auto t0 = Clock::now();
        Child c = Spawn({"velmaris-bench", "--child-start", program, window ? "window" : "headless"});
        if (c.pid < 0) return {};
        std::string line;
        const bool ok = ReadLine(c.out, line) && line == "ready";
        const auto t1 = Clock::now();
        if (Finish(c) != 0 || !ok) {
            if (!window || i == 0) std::printf("  (%s start failed: %s)\n", window ? "window" : "headless", line.c_str());
            return {};
        }
        t.push_back(Ms(t1 - t0));
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
    std::vector<double> steps;
    double worst = -1;
    std::string worst_where, last;
    long peak_kb = 0;
    int scenes = 0;
    std::vector<std::string> errors;
};

Walk WalkProgram(const std::string& program, bool window) {
    Walk w;
    Child c = Spawn({"velmaris-bench", "--child-walk", program, window ? "window" : "headless"});
    if (c.pid < 0) {
        w.errors.push_back("cannot start the walk");
        return w;
    }
    std::string line;
    while (ReadLine(c.out, line)) {
        if (line.compare(0, 5, "step ") == 0) {
            char* end = nullptr;
            const double ms = std::strtod(line.c_str() + 5, &end);
            w.steps.push_back(ms);
            w.last = end && *end ? end + 1 : "";
            if (ms > w.worst) {
                w.worst = ms;
                w.worst_where = w.last;
            }
        } else if (line.compare(0, 5, "peak ") == 0) {
            w.peak_kb = std::atol(line.c_str() + 5);
        } else if (line.compare(0, 7, "lesson ") == 0) {
            w.scenes += std::atoi(line.c_str() + line.rfind(' ') + 1);
        } else if (line.compare(0, 6, "error ") == 0) {
            w.errors.push_back(line.substr(6));
        }
    }
    if (Finish(c) != 0 && w.errors.empty())
        w.errors.push_back("the walk failed or did not end in 120 s; its last step: " + w.last);
    return w;
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
            const bool in_window = std::string(argv[i + 2]) == "window";
            return a == "--child-start" ? ChildStart(*info, in_window) : ChildWalk(*info, in_window);
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
    for (char p : programs) {
        const std::string name(1, p);
        const auto info = vm::ProgramByName(name);
        if (!info) continue;
        std::printf("%s (times in ms)%*s %6s %9s %9s %9s\n", info->title.c_str(),
                    static_cast<int>(14 - info->title.size()), "", "n", "median", "p99", "worst");
        std::fflush(stdout);
        Row("start to menu, headless", Summarise(Starts(name, false, starts)));
        if (display) {
            Row("start to menu, window", Summarise(Starts(name, true, starts)));
            std::printf("  %-26s %6.1f per second\n", "wake-ups waiting at menu", IdleWakeups(name, 2.0));
        }
        std::vector<std::pair<const char*, bool>> modes = {{"headless", false}};
        if (display) modes.push_back({"window", true});
        for (const auto& [mode, in_window] : modes) {
            const Walk w = WalkProgram(name, in_window);
            const std::string what = std::string("step, ") + mode;
            Row(what.c_str(), Summarise(w.steps));
            if (!w.steps.empty())
                std::printf("    slowest: %.2f ms at %s; %d scenes; peak memory %.1f MB\n", w.worst,
                            w.worst_where.c_str(), w.scenes, static_cast<double>(w.peak_kb) / 1024);
            for (const auto& e : w.errors) std::printf("    ! %s\n", e.c_str());
            failed = failed || !w.errors.empty();
            std::fflush(stdout);
        }
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
    return failed ? 1 : 0;
}
