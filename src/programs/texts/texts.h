// The texts each lesson of a program draws from its first scene on, known
// before it draws them: a table a program's lessons are given, written from
// a walk through every scene (scripts/lesson-texts.sh). A text missing from
// a table is only drawn the slower way the first time.
#pragma once

#include <cstddef>
#include <span>

#include "platform/platform.h"

namespace vm {

struct LessonTextTable {
    size_t item;  // the lesson's item on the main menu, from 1
    std::span<const TextSeed> texts;
};

std::span<const LessonTextTable> LessonTextsA();
std::span<const LessonTextTable> LessonTextsB();
std::span<const LessonTextTable> LessonTextsC();
std::span<const LessonTextTable> LessonTextsD();
std::span<const LessonTextTable> LessonTextsE();

}  // namespace vm
