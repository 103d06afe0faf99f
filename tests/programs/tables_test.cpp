// The programs' own tables: every main menu ends with its quit item, and
// every lesson's scene list offers its scenes and the way back, in order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "programs/common/programs.h"

namespace vm {
namespace {

// The circled numbers of a scene list, in the order written.
std::vector<int> CircledNumbers(const std::string& list) {
    static const char* const kCircled[] = {"①", "②", "③", "④", "⑤", "⑥", "⑦",
                                           "⑧", "⑨", "⑩", "⑪", "⑫", "⑬", "⑭",
                                           "⑮", "⑯", "⑰", "⑱", "⑲", "⑳"};
    std::vector<int> found;
    for (size_t at = 0; at < list.size();) {
        bool matched = false;
        for (int n = 0; n < 20 && !matched; ++n) {
            const std::string c = kCircled[n];
            if (list.compare(at, c.size(), c) == 0) {
                found.push_back(n + 1);
                at += c.size();
                matched = true;
            }
        }
        if (!matched) ++at;
    }
    return found;
}

TEST(ProgramTables, MenusEndWithQuitAndListsMatchTheirScenes) {
    for (const ProgramInfo& p : {ProgramA(), ProgramB(), ProgramC(), ProgramD(), ProgramE()}) {
        const auto& items = p.menu.items;
        ASSERT_GE(items.size(), 2u) << p.title;
        const std::string quit = std::to_string(items.size()) + "　終了";
        EXPECT_EQ(items.back().text, quit) << p.title;
        EXPECT_FALSE(items.back().lesson) << p.title;
        for (size_t i = 0; i < items.size(); ++i) {
            EXPECT_EQ(items[i].text.rfind(std::to_string(i + 1) + "　", 0), 0u)
                << p.title << " item " << i + 1;
            if (!items[i].lesson) continue;
            const Lesson& l = *items[i].lesson;
            std::vector<int> want;
            for (size_t n = 1; n <= l.scenes.size() + 1; ++n) want.push_back(static_cast<int>(n));
            EXPECT_EQ(CircledNumbers(l.scene_list), want) << p.title << " item " << i + 1;
            for (size_t n = 0; n < l.scenes.size(); ++n)
                EXPECT_NE(l.scenes[n], nullptr) << p.title << " item " << i + 1 << " scene " << n + 1;
        }
    }
}

}  // namespace
}  // namespace vm
