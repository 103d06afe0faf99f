// The population of the mean-estimation lesson: the sugar contents of 300
// mini tomatoes, tomato number n at F(n).
#include <array>

#include "lessons/survey/estimation.h"

namespace vm {

namespace {

constexpr std::array<float, 300> kSugar = {
    // 1 to 30
    9.4f, 8.9f, 8.7f, 7.4f, 8.5f, 8.4f, 8.2f, 9.5f, 7.5f, 8.0f,
    7.9f, 9.0f, 7.6f, 8.8f, 9.2f, 7.9f, 8.2f, 8.4f, 7.5f, 5.4f,
    6.7f, 6.4f, 7.2f, 6.2f, 7.3f, 6.2f, 7.5f, 6.6f, 7.7f, 7.6f,
    // 31 to 60
    6.7f, 8.6f, 8.5f, 7.4f, 6.4f, 8.2f, 8.1f, 8.1f, 7.0f, 7.0f,
    7.9f, 7.8f, 7.6f, 7.9f, 7.8f, 7.1f, 7.6f, 6.9f, 6.8f, 5.5f,
    6.5f, 7.4f, 6.9f, 7.4f, 6.9f, 5.6f, 6.6f, 6.9f, 7.8f, 6.8f,
    // 61 to 90
    6.7f, 7.7f, 7.6f, 6.3f, 6.3f, 7.4f, 7.8f, 6.9f, 7.9f, 7.4f,
    8.7f, 8.8f, 6.4f, 7.3f, 5.9f, 5.1f, 5.7f, 4.1f, 8.4f, 6.6f,
    6.0f, 7.6f, 6.9f, 7.0f, 7.7f, 7.0f, 6.3f, 7.2f, 8.5f, 7.2f,
    // 91 to 120
    7.5f, 6.3f, 7.6f, 6.1f, 7.3f, 6.6f, 7.0f, 7.1f, 6.4f, 6.4f,
    6.9f, 8.2f, 8.6f, 7.3f, 8.1f, 6.7f, 7.4f, 7.3f, 6.5f, 7.7f,
    7.6f, 6.4f, 5.8f, 6.5f, 6.4f, 5.7f, 7.0f, 6.1f, 7.2f, 6.3f,
    // 121 to 150
    7.7f, 7.9f, 7.4f, 6.4f, 6.5f, 5.5f, 6.3f, 6.8f, 6.6f, 6.7f,
    6.7f, 7.5f, 6.8f, 6.5f, 8.3f, 6.8f, 6.8f, 6.9f, 7.7f, 6.9f,
    7.0f, 6.3f, 6.7f, 7.1f, 6.4f, 7.5f, 5.5f, 7.3f, 5.5f, 6.7f,
    // 151 to 180
    6.5f, 6.3f, 6.9f, 5.0f, 5.3f, 6.5f, 5.9f, 6.2f, 7.0f, 5.7f,
    7.5f, 7.0f, 6.7f, 6.1f, 5.5f, 5.9f, 5.8f, 6.4f, 5.6f, 7.4f,
    6.4f, 6.8f, 7.8f, 8.1f, 8.2f, 6.7f, 8.0f, 6.9f, 7.2f, 9.3f,
    // 181 to 210
    7.1f, 7.5f, 6.9f, 6.7f, 7.0f, 7.8f, 8.0f, 8.0f, 7.2f, 7.5f,
    6.8f, 6.7f, 6.2f, 6.6f, 6.1f, 6.8f, 7.4f, 6.3f, 7.8f, 6.0f,
    6.0f, 7.4f, 7.6f, 6.6f, 8.1f, 7.4f, 8.6f, 6.7f, 8.5f, 7.7f,
    // 211 to 240
    7.0f, 6.8f, 6.6f, 7.0f, 5.6f, 5.3f, 6.4f, 6.7f, 5.8f, 5.5f,
    5.4f, 6.7f, 5.7f, 5.8f, 4.7f, 7.0f, 7.2f, 7.3f, 6.0f, 6.4f,
    7.6f, 6.9f, 7.1f, 6.9f, 7.6f, 8.1f, 7.0f, 7.7f, 8.0f, 7.2f,
    // 241 to 270
    8.0f, 8.2f, 6.5f, 6.7f, 6.8f, 7.9f, 7.1f, 7.4f, 6.9f, 6.1f,
    6.8f, 7.7f, 6.1f, 6.7f, 7.6f, 7.4f, 6.6f, 6.6f, 6.7f, 6.7f,
    7.3f, 6.6f, 8.0f, 8.7f, 8.0f, 8.4f, 8.8f, 9.1f, 8.3f, 9.2f,
    // 271 to 300
    7.4f, 8.0f, 9.1f, 9.6f, 7.9f, 7.2f, 8.1f, 7.7f, 7.4f, 6.6f,
    7.4f, 7.4f, 7.2f, 6.9f, 6.3f, 6.4f, 6.0f, 6.3f, 6.1f, 5.7f,
    6.6f, 5.6f, 5.8f, 5.0f, 5.6f, 4.6f, 5.8f, 4.7f, 5.2f, 4.8f,
};

}  // namespace

void FillSugarPopulation(State& s) {
    for (size_t n = 1; n <= kSugar.size(); ++n) s.F_a(static_cast<double>(n)) = kSugar[n - 1];
}

}  // namespace vm
