#pragma once
// How many terminal columns a text takes: Chinese characters and other wide forms take two.
#include <string_view>

namespace tavra::cli {

int DisplayWidth(std::u16string_view text);

}  // namespace tavra::cli
