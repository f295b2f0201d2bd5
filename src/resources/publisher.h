#pragma once
// Who publishes this program, and where its pages and updates are: the one place that
// names them. The .example hosts are placeholders that never resolve; a publisher puts
// its own hosts here (the update server can also be set at run time).
#include <cstddef>
#include <string_view>

namespace tavra::res {

// A text made at compile time from literals, for templates that need fixed texts.
template <size_t N>
struct JoinedText {
  char16_t chars[N] = {};
  constexpr std::u16string_view view() const { return {chars, N - 1}; }
};

template <size_t A, size_t B>
constexpr JoinedText<A + B - 1> Join(const char16_t (&a)[A], const char16_t (&b)[B]) {
  JoinedText<A + B - 1> out;
  for (size_t i = 0; i + 1 < A; ++i) out.chars[i] = a[i];
  for (size_t i = 0; i < B; ++i) out.chars[A - 1 + i] = b[i];
  return out;
}

inline constexpr char16_t kPublisherName[] = u"Tavra项目";
inline constexpr char16_t kPublisherHome[] = u"http://tavra.example";
inline constexpr char16_t kPublisherMobilePage[] = u"http://tavra.example/java/";
inline constexpr char16_t kPublisherMail[] = u"tavra@tavra.example";

// The update server's base address: the version file is the base + "/down/ver_ppc.txt".
inline constexpr std::string_view kDefaultUpdateServer = "http://update.tavra.example";

// Pages the about box opens.
inline constexpr std::string_view kUcwebPage = "http://tavra.example/ucweb/ppcuc.htm";
inline constexpr std::string_view kMobileDownloadPage = "http://tavra.example/java/";
inline constexpr std::string_view kUcDesktopPage =
    "http://down.ucdesk.example/ucdesk/?f=tavra&title=&url=";

}  // namespace tavra::res
