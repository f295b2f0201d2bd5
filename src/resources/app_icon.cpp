#include "resources/app_icon.h"

namespace tavra::res {

const std::array<std::string_view, kAppIconSize> kAppIconPixels = {
    "......KKKK......",  //
    "....KKBBBBKK....",  //
    "...KBBBBBBBBK...",  //
    "..KBWWWWWWWWBK..",  //
    "..KBWWWWWWWWBK..",  //
    "..KBWWWWWWWWBK..",  //
    "..KBBBBBBBBBBK..",  //
    "..KRRRRRRRRRRK..",  //
    "..KBYYBBBBYYBK..",  //
    "..KBYYBBBBYYBK..",  //
    "..KBBBBBBBBBBK..",  //
    "...KKKKKKKKKK...",  //
    "....KK....KK....",  //
    "..GGGGGGGGGGGG..",  //
    ".G..G......G..G.",  //
    "GGGGGGGGGGGGGGGG",  //
};

namespace {

struct PaletteEntry {
  char pixel;
  uint32_t argb;
};

constexpr PaletteEntry kPalette[] = {
    {'K', 0xFF1C2533},  // outline
    {'B', 0xFF1E5AA8},  // body
    {'W', 0xFFCFE6FF},  // windscreen
    {'R', 0xFFD7263D},  // stripe
    {'Y', 0xFFFFD23F},  // lamps
    {'G', 0xFF7A7A7A},  // rails
};

}  // namespace

uint32_t AppIconColor(char pixel) {
  for (const PaletteEntry& entry : kPalette)
    if (entry.pixel == pixel) return entry.argb;
  return 0;  // transparent
}

}  // namespace tavra::res
