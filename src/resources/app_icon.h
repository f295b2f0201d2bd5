#pragma once
// Icon 128, the application icon: a train seen from the front, as a 16 x 16 pixel grid.
#include <array>
#include <cstdint>
#include <string_view>

namespace tavra::res {

inline constexpr int kAppIconSize = 16;

// One row per line, one character per pixel; '.' is transparent.
extern const std::array<std::string_view, kAppIconSize> kAppIconPixels;

// The 0xAARRGGBB colour of a pixel character (0 for '.' and unknown characters).
uint32_t AppIconColor(char pixel);

}  // namespace tavra::res
