// The sixteen colours of the palette, by what each looks like; what a
// colour is used for varies from scene to scene. The values are the colour
// numbers every drawing call takes and the drawing log records.
#pragma once

namespace vm {

inline constexpr int kBlack = 0;
inline constexpr int kNavy = 1;
inline constexpr int kDarkRed = 2;
inline constexpr int kBlue = 3;
inline constexpr int kDeepNavy = 4;
inline constexpr int kRed = 5;
inline constexpr int kBrown = 6;
inline constexpr int kPurple = 7;
inline constexpr int kDarkGrey = 8;
inline constexpr int kGreen = 9;
inline constexpr int kDarkTeal = 10;
inline constexpr int kCyan = 11;
inline constexpr int kPlum = 12;
inline constexpr int kAmber = 13;
inline constexpr int kLightGrey = 14;
inline constexpr int kWhite = 15;

// The page: what a cleared screen shows, and what a scene draws in to
// erase.
inline constexpr int kBackground = kWhite;

}  // namespace vm
