// Every program's lessons are given the texts they draw, to be prepared
// before they are drawn.
#include <gtest/gtest.h>

#include <string>

#include "programs/common/programs.h"

namespace vm {
namespace {

TEST(LessonTexts, EveryLessonWithScenesHasItsTexts) {
    for (const char* name : {"a", "b", "c", "d", "e"}) {
        SCOPED_TRACE(name);
        const ProgramInfo info = *ProgramByName(name);
        EXPECT_FALSE(info.menu.entry_texts.empty());
        size_t lessons = 0;
        for (const MenuItem& item : info.menu.items) {
            if (!item.lesson || item.lesson->scenes.empty()) continue;
            ++lessons;
            SCOPED_TRACE(item.text);
            EXPECT_FALSE(item.lesson->texts.empty());
            for (const TextSeed& t : item.lesson->texts) {
                EXPECT_FALSE(std::string(t.text).empty());
                EXPECT_GT(t.size, 0);
                EXPECT_GE(t.mh, 1);
                EXPECT_GE(t.mv, 1);
            }
        }
        EXPECT_GT(lessons, 0u);
    }
}

}  // namespace
}  // namespace vm
