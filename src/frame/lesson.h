// The mechanism every lesson runs on: an optional goal screen, then the
// scene menu on the bottom band, asked again after every scene until its
// last item leads back to the main menu.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "platform/platform.h"

#include "state/state.h"

namespace vm {

struct Lesson {
    // Runs once on entry from the main menu (the goal screen, and in some
    // lessons a figure and a key wait); none for lessons without one.
    Routine goal = nullptr;
    // The scene list as shown on the bottom band.
    std::string scene_list;
    // Items 1 to n-1; item n (n = scenes.size() + 1) leads back to the menu.
    std::vector<Routine> scenes;
    // The texts its scenes draw, prepared while its scene list waits for a
    // choice so that no scene's first step waits on drawing them.
    std::span<const TextSeed> texts{};
};

// Returns when the last item of the scene menu is chosen; a lesson without a
// scene list returns after its entry.
void RunLesson(State& s, const Lesson& lesson);

// The "<めあて>" heading at (44, 240) in colour 3, then each goal sentence in
// colour 0 65 px below the one before; leaves the lesson's text cursor
// (XI1, YI1, XI2) after the last sentence. Draws on the screen as it is.
void GoalScreen(State& s, const std::vector<std::string>& sentences);

}  // namespace vm
