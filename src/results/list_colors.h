#pragma once
// Cell colours of the lists, as 0xRRGGBB values.
#include <cstdint>

namespace tavra {

using Color = uint32_t;

constexpr Color Rgb(unsigned r, unsigned g, unsigned b) {
  return (r & 0xFF) << 16 | (g & 0xFF) << 8 | (b & 0xFF);
}

// Not a colour: "the list's default colour" where a colour is asked for.
inline constexpr Color kDefaultColor = 0xFFFFFFFF;

inline constexpr Color kBlack = Rgb(0, 0, 0);
inline constexpr Color kWhite = Rgb(255, 255, 255);
inline constexpr Color kRed = Rgb(255, 0, 0);
inline constexpr Color kBlue = Rgb(0, 0, 255);

}  // namespace tavra
