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

uint32_t AppIconColor(char pixel) {
  switch (pixel) {
    case 'K':
      return 0xFF1C2533;  // outline
    case 'B':
      return 0xFF1E5AA8;  // body
    case 'W':
      return 0xFFCFE6FF;  // windscreen
    case 'R':
      return 0xFFD7263D;  // stripe
    case 'Y':
      return 0xFFFFD23F;  // lamps
    case 'G':
      return 0xFF7A7A7A;  // rails
    default:
      return 0;
  }
}

}  // namespace tavra::res
