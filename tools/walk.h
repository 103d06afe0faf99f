// A walk through every scene of every lesson of a program, with keys decided
// as it goes: what the benchmark times and what the drawing log records.
#pragma once

#include <deque>
#include <functional>
#include <random>
#include <string>

#include "frame/program.h"

namespace vm::walk {

// A key as a reader would name it ("Enter", "→", "Space", or the key).
std::string KeyName(const std::string& k);

// Decides every key of one lesson's walk: the lesson's number at the main
// menu, keys through its goal screen (the quit item's number and Enter by
// turns, which end the run too when the lesson has no scene menu), then each
// scene in turn from the scene menu (arrows first, for the scenes that move
// figures, then whole answers, each "1" or the scene's next number of 2, 3,
// 4, ... and Enter, in a fixed random order: step waits take any key, a drill
// gate soon sees "1" alone before an Enter, whatever the count of keys of the
// problems in between, and a scene asking for numbers that must differ gets
// them), the scene menu's last item and the main menu's quit item.
class Walker {
public:
    // passes: how many times each scene is walked in a row, with the same keys.
    Walker(size_t item, size_t quit, const Lesson& lesson, int passes = 1);

    std::string Next();
    // The lesson's scene menu is asking: the next scene, or the way out.
    void AtSceneMenu();

    bool Finished() const;
    bool Stuck() const { return stuck_; }
    // Where the last key was given: lesson, scene, key number and key.
    const std::string& Where() const { return where_; }
    int ScenesWalked() const { return scenes_walked_; }
    // The lesson's item on the main menu (from 1).
    size_t Item() const { return item_; }
    // The scene menu's last item is being typed: the walk leaves the lesson.
    bool Leaving() const { return phase_ == Phase::Quit; }
    // Which walk through the scene the last key belongs to (1 for the
    // first); 0 outside the scenes.
    int Pass() const { return phase_ == Phase::Scene ? pass_ : 0; }

    Routine ask_scene_menu = nullptr;  // the program's own scene-menu question
    std::string scene_list;            // the lesson's scene list as it asks it

private:
    enum class Phase { Menu, Goal, Scene, Quit };
    static constexpr size_t kMaxKeys = 5000;

    // Ends the run as a closed window does.
    [[noreturn]] void Stop();
    void Type(const std::string& digits);
    std::string Place() const;

    size_t item_, quit_;
    int scenes_;
    size_t goal_keys_ = 0;
    Phase phase_ = Phase::Menu;
    std::deque<std::string> queue_;
    int scene_ = 0;
    int passes_, pass_ = 0;
    int scenes_walked_ = 0;
    size_t arrow_keys_ = 0;
    size_t answer_ = 1;  // the scene's last number typed after "1"
    std::mt19937 rng_;
    std::bernoulli_distribution coin_;
    size_t keys_in_phase_ = 0;
    std::string where_ = "main menu";
    bool stuck_ = false;
};

// What a walking platform holds besides itself: the walker of the lesson
// being walked. A platform that walks derives from both.
class WalkHost {
public:
    virtual ~WalkHost() = default;
    Walker* walker = nullptr;
    // How many times each scene is walked in a row.
    int passes = 1;
    // The walk is back at a scene menu: what follows is the menu's drawing.
    virtual void SceneMenuReached() {}
};

// How a lesson's walk ended.
struct LessonWalk {
    size_t item;
    int scenes;
    std::string error;  // empty when the walk went through
};

// Walks every lesson of the program's menu in turn (only that of menu item
// `only` when it is not 0), each in a run of its own, on a platform that is
// also a WalkHost and takes its keys from host.walker. after(lesson) is
// told how each walk ended.
void WalkLessons(ProgramInfo info, Platform& platform, WalkHost& host,
                 const std::function<void(const LessonWalk&)>& after, size_t only = 0);

}  // namespace vm::walk
