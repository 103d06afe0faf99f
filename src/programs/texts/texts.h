// The texts a program's lessons draw, known before they draw them: tables
// written from a walk through every scene (scripts/lesson-texts.sh). A text
// missing from a table is only drawn the slower way the first time.
#pragma once

#include <cstddef>
#include <span>

#include "platform/platform.h"

namespace vm {

struct LessonTextTable {
    size_t item;  // the lesson's item on the main menu, from 1
    std::span<const TextSeed> texts;
};

// A program's texts: those its lessons draw on entry (their goal screens,
// the first lesson's first), and each lesson's from its first scene on.
struct ProgramTexts {
    std::span<const TextSeed> entry;
    std::span<const LessonTextTable> lessons;
};

ProgramTexts TextsOfA();
ProgramTexts TextsOfB();
ProgramTexts TextsOfC();
ProgramTexts TextsOfD();  // Velmaris-E has Velmaris-C's lessons, and their texts

}  // namespace vm
