#include "walk.h"

#include "platform/platform.h"
#include "platform/runtime.h"
#include "state/binding.h"

namespace vm::walk {

namespace {

const char* const kCircled[] = {"①", "②", "③", "④", "⑤", "⑥", "⑦", "⑧", "⑨", "⑩",
                                "⑪", "⑫", "⑬", "⑭", "⑮", "⑯", "⑰", "⑱", "⑲", "⑳"};

// The scene-menu question, wrapped so that the walk knows a scene has ended.
void AskAtSceneMenu(State& s) {
    auto& host = dynamic_cast<WalkHost&>(s.P);
    // Scenes ask their own questions at the bottom too; only the lesson's
    // scene list is its scene menu.
    if (s.AA_s == host.walker->scene_list) {
        host.walker->AtSceneMenu();
        host.SceneMenuReached();
    }
    Call(s, host.walker->ask_scene_menu);
}

}  // namespace

std::string KeyName(const std::string& k) {
    if (k == key::kEnter) return "Enter";
    if (k == key::kRight) return "→";
    if (k == key::kLeft) return "←";
    if (k == key::kUp) return "↑";
    if (k == key::kDown) return "↓";
    if (k == " ") return "Space";
    return k;
}

Walker::Walker(size_t item, size_t quit, const Lesson& lesson, int passes)
    : item_(item), quit_(quit), scenes_(static_cast<int>(lesson.scenes.size())), passes_(passes) {
    Type(std::to_string(item));
}

std::string Walker::Next() {
    if (++keys_in_phase_ > kMaxKeys) Stop();
    std::string k;
    if (queue_.empty() && phase_ == Phase::Menu) phase_ = Phase::Goal;
    if (!queue_.empty()) {
        k = queue_.front();
        queue_.pop_front();
    } else if (phase_ == Phase::Goal) {
        k = goal_keys_++ % 2 == 0 ? std::to_string(quit_) : key::kEnter;
    } else if (phase_ == Phase::Scene) {
        static const std::string arrows[] = {key::kRight, key::kUp, key::kLeft, key::kDown};
        if (arrow_keys_ < 24) {
            k = arrows[(arrow_keys_++ / 6) % 4];
        } else {
            Type(coin_(rng_) ? "1" : std::to_string(++answer_));
            k = queue_.front();
            queue_.pop_front();
        }
    } else {
        Stop();  // the quit item was typed and the program goes on
    }
    where_ = "lesson " + std::to_string(item_) + Place() + " key " +
             std::to_string(keys_in_phase_) + " (" + KeyName(k) + ")";
    return k;
}

void Walker::AtSceneMenu() {
    keys_in_phase_ = 0;
    // The rest of an answer that ended the scene is not for the menu.
    queue_.clear();
    if (scene_ >= 1 && pass_ < passes_) {
        ++pass_;
    } else {
        ++scene_;
        pass_ = 1;
    }
    if (scene_ <= scenes_) {
        Type(std::to_string(scene_));
        phase_ = Phase::Scene;
        arrow_keys_ = 0;
        answer_ = 1;
        // Each scene's keys are the same in every run, whatever came before.
        rng_.seed(static_cast<unsigned>(item_ * 100 + static_cast<size_t>(scene_)));
        if (pass_ == 1) ++scenes_walked_;
    } else {
        Type(std::to_string(scenes_ + 1));
        Type(std::to_string(quit_));
        phase_ = Phase::Quit;
    }
}

bool Walker::Finished() const {
    if (stuck_) return false;
    // A lesson without a scene menu ends at its goal screen.
    return scenes_ == 0 ? phase_ == Phase::Goal : phase_ == Phase::Quit && queue_.empty();
}

void Walker::Stop() {
    stuck_ = true;
    throw WindowClosed{};
}

void Walker::Type(const std::string& digits) {
    for (char c : digits) queue_.push_back(std::string(1, c));
    queue_.push_back(key::kEnter);
}

std::string Walker::Place() const {
    if (phase_ == Phase::Menu) return " at the main menu";
    if (phase_ == Phase::Goal) return " goal";
    if (phase_ == Phase::Quit) return " back to the main menu";
    const std::string again = pass_ > 1 ? " again" : "";
    if (scene_ >= 1 && scene_ <= 20) return std::string(" scene ") + kCircled[scene_ - 1] + again;
    return " scene " + std::to_string(scene_) + again;
}

void WalkLessons(ProgramInfo info, Platform& platform, WalkHost& host,
                 const std::function<void(const LessonWalk&)>& after, size_t only) {
    const Routine ask = info.binding.AskNumberAtBottom;
    info.binding.AskNumberAtBottom = AskAtSceneMenu;
    const size_t quit = info.menu.items.size();
    for (size_t i = 0; i + 1 < quit; ++i) {
        if (!info.menu.items[i].lesson || (only != 0 && only != i + 1)) continue;
        Walker walker(i + 1, quit, *info.menu.items[i].lesson, host.passes);
        walker.ask_scene_menu = ask;
        walker.scene_list = info.menu.items[i].lesson->scene_list;
        host.walker = &walker;
        LessonWalk w{i + 1, 0, ""};
        if (RunProgram(info, platform) == kErrorStopStatus)
            w.error = "reached the error stop: " + walker.Where();
        else if (walker.Stuck())
            w.error = "did not end: " + walker.Where();
        else if (!walker.Finished())
            w.error = "stopped early: " + walker.Where();
        w.scenes = walker.ScenesWalked();
        host.walker = nullptr;
        after(w);
    }
}

}  // namespace vm::walk
