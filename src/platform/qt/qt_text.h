#pragma once
// The one conversion between the core's UTF-16 texts and Qt's strings.
#include <QString>
#include <string>
#include <string_view>

namespace tavra {

inline QString ToQString(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::u16string ToU16(const QString& text) {
  return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()),
                        static_cast<size_t>(text.size()));
}

}  // namespace tavra
