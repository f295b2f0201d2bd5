#include "platform/gbk_codec.h"

#include <array>
#include <cstdint>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace tavra {
namespace {

constexpr int kFirstLead = 0x81, kLastLead = 0xFE;
constexpr int kFirstTrail = 0x40, kLastTrail = 0xFE;
constexpr int kTrailCount = kLastTrail - kFirstTrail + 1;

constexpr uint16_t kDoubleByteTable[] = {
#include "platform/gbk_table.inc"
};
static_assert(sizeof kDoubleByteTable / sizeof kDoubleByteTable[0] ==
              (kLastLead - kFirstLead + 1) * kTrailCount);

// Code page 936 puts the euro sign on the single byte 0x80.
constexpr char16_t kEuro = 0x20AC;

constexpr bool IsLead(unsigned b) {
  return b >= kFirstLead && b <= kLastLead;
}
constexpr bool IsTrail(unsigned b) {
  return b >= kFirstTrail && b <= kLastTrail && b != 0x7F;
}

constexpr uint16_t LookUp(unsigned lead, unsigned trail) {
  return kDoubleByteTable[(lead - kFirstLead) * kTrailCount + (trail - kFirstTrail)];
}

// UTF-16 unit -> GBK code (one byte when below 0x100, otherwise lead<<8|trail); 0: none.
// Worked out by the compiler: a table built at run time would cost every process that
// looks a station up 128 KiB of fresh pages.
struct EncodeTable {
  std::array<uint16_t, 0x10000> code{};
  constexpr EncodeTable() {
    for (unsigned c = 0; c < 0x80; ++c) code[c] = static_cast<uint16_t>(c);
    code[kEuro] = 0x80;
    for (unsigned lead = kFirstLead; lead <= kLastLead; ++lead)
      for (unsigned trail = kFirstTrail; trail <= kLastTrail; ++trail) {
        uint16_t u = LookUp(lead, trail);
        if (u != 0 && code[u] == 0) code[u] = static_cast<uint16_t>(lead << 8 | trail);
      }
  }
};

constexpr EncodeTable kEncoder;

// Widens the ASCII bytes from `i` on, as many as come before the first other byte or the
// end; returns the new `i` (and `n`, the characters written).
inline size_t WidenAscii(const unsigned char* bytes, size_t i, size_t size, char16_t* out,
                         size_t& n) {
#ifdef __SSE2__
  const __m128i zero = _mm_setzero_si128();
  while (i + 16 <= size) {
    const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i));
    if (_mm_movemask_epi8(chunk) != 0) break;
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + n), _mm_unpacklo_epi8(chunk, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + n + 8), _mm_unpackhi_epi8(chunk, zero));
    n += 16;
    i += 16;
  }
#endif
  while (i + 8 <= size) {
    uint64_t word;
    std::memcpy(&word, bytes + i, 8);
    if (word & 0x8080808080808080ull) break;
    for (int k = 0; k < 8; ++k) out[n + k] = bytes[i + k];
    n += 8;
    i += 8;
  }
  return i;
}

}  // namespace

size_t DecodeGbk(const unsigned char* bytes, size_t size, char16_t* out) {
  size_t n = 0;
  for (size_t i = 0; i < size; ++i) {
    // Records are mostly ASCII digits: widen sixteen or eight such bytes at a time.
    if (bytes[i] < 0x80) {
      i = WidenAscii(bytes, i, size, out, n);
      if (i >= size) break;
    }
    unsigned b = bytes[i];
    if (b < 0x80) {
      out[n++] = static_cast<char16_t>(b);
    } else if (b == 0x80) {
      out[n++] = kEuro;
    } else if (IsLead(b) && i + 1 < size && IsTrail(bytes[i + 1])) {
      uint16_t u = LookUp(b, bytes[i + 1]);
      out[n++] = u ? static_cast<char16_t>(u) : kGbkDefaultChar;
      ++i;
    } else {
      out[n++] = kGbkDefaultChar;
    }
  }
  return n;
}

std::u16string GbkToUtf16(std::string_view bytes) {
  std::u16string text(bytes.size(), u'\0');
  text.resize(
      DecodeGbk(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), text.data()));
  return text;
}

std::string Utf16ToGbk(std::u16string_view text, bool* lossless) {
  const auto& table = kEncoder.code;
  std::string out;
  out.reserve(text.size() * 2);
  bool ok = true;
  for (char16_t c : text) {
    uint16_t code = table[c];
    if (code == 0 && c != 0) {
      out.push_back(static_cast<char>(kGbkDefaultChar));
      ok = false;
    } else if (code < 0x100) {
      out.push_back(static_cast<char>(code));
    } else {
      out.push_back(static_cast<char>(code >> 8));
      out.push_back(static_cast<char>(code & 0xFF));
    }
  }
  if (lossless) *lossless = ok;
  return out;
}

bool IsValidGbk(std::string_view bytes) {
  for (size_t i = 0; i < bytes.size(); ++i) {
    unsigned b = static_cast<unsigned char>(bytes[i]);
    if (b <= 0x80) continue;
    if (!IsLead(b) || i + 1 >= bytes.size()) return false;
    unsigned t = static_cast<unsigned char>(bytes[i + 1]);
    if (!IsTrail(t) || LookUp(b, t) == 0) return false;
    ++i;
  }
  return true;
}

}  // namespace tavra
