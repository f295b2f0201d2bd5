// render_icon OUT_DIR: draws the program's own icon (the pixel grid in src/resources) as the
// files a desktop's icon theme wants: tavra-48.png, tavra-256.png and tavra.svg.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "resources/app_icon.h"

namespace {

using tavra::res::AppIconColor;
using tavra::res::kAppIconPixels;
using tavra::res::kAppIconSize;

uint32_t Crc32(const std::string& bytes) {
  uint32_t crc = 0xFFFFFFFFu;
  for (unsigned char c : bytes) {
    crc ^= c;
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

void PutBE32(std::string& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((v >> shift) & 0xFF);
}

void Chunk(std::string& png, const char* type, const std::string& data) {
  PutBE32(png, static_cast<uint32_t>(data.size()));
  std::string body = std::string(type, 4) + data;
  png += body;
  PutBE32(png, Crc32(body));
}

// A zlib stream of stored (uncompressed) blocks: the icon is small, and no library is needed.
std::string ZlibStored(const std::string& raw) {
  std::string z = "\x78\x01";
  uint32_t a = 1, b = 0;
  for (unsigned char c : raw) {
    a = (a + c) % 65521;
    b = (b + a) % 65521;
  }
  size_t pos = 0;
  do {
    size_t n = std::min<size_t>(65535, raw.size() - pos);
    z += static_cast<char>(pos + n == raw.size() ? 1 : 0);
    z += static_cast<char>(n & 0xFF);
    z += static_cast<char>(n >> 8);
    z += static_cast<char>(~n & 0xFF);
    z += static_cast<char>((~n >> 8) & 0xFF);
    z += raw.substr(pos, n);
    pos += n;
  } while (pos < raw.size());
  PutBE32(z, (b << 16) | a);
  return z;
}

// The grid scaled up by whole pixels (sharp edges, as the program draws it), RGBA.
std::string Png(int size) {
  std::string raw;
  for (int y = 0; y < size; ++y) {
    raw += '\0';  // filter: none
    for (int x = 0; x < size; ++x) {
      char p = kAppIconPixels[static_cast<size_t>(y * kAppIconSize / size)]
                             [static_cast<size_t>(x * kAppIconSize / size)];
      uint32_t argb = AppIconColor(p);
      for (int shift : {16, 8, 0, 24}) raw += static_cast<char>((argb >> shift) & 0xFF);
    }
  }
  std::string header;
  PutBE32(header, static_cast<uint32_t>(size));
  PutBE32(header, static_cast<uint32_t>(size));
  header += std::string("\x08\x06\x00\x00\x00", 5);  // 8 bits, RGBA, deflate, no interlace
  std::string png = "\x89PNG\r\n\x1a\n";
  Chunk(png, "IHDR", header);
  Chunk(png, "IDAT", ZlibStored(raw));
  Chunk(png, "IEND", "");
  return png;
}

// One square per run of equal pixels in a row.
std::string Svg() {
  std::string svg =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 " +
      std::to_string(kAppIconSize) + " " + std::to_string(kAppIconSize) +
      "\" shape-rendering=\"crispEdges\">\n";
  for (int y = 0; y < kAppIconSize; ++y) {
    const auto& row = kAppIconPixels[static_cast<size_t>(y)];
    for (int x = 0; x < kAppIconSize;) {
      int end = x;
      while (end < kAppIconSize && row[static_cast<size_t>(end)] == row[static_cast<size_t>(x)])
        ++end;
      uint32_t argb = AppIconColor(row[static_cast<size_t>(x)]);
      if (argb >> 24) {
        char fill[8];
        std::snprintf(fill, sizeof fill, "#%06X", argb & 0xFFFFFF);
        svg += "  <rect x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\" width=\"" +
               std::to_string(end - x) + "\" height=\"1\" fill=\"" + fill + "\"/>\n";
      }
      x = end;
    }
  }
  return svg + "</svg>\n";
}

bool Write(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: render_icon OUT_DIR\n");
    return 1;
  }
  std::string dir = argv[1];
  bool ok = Write(dir + "/tavra-48.png", Png(48)) && Write(dir + "/tavra-256.png", Png(256)) &&
            Write(dir + "/tavra.svg", Svg());
  if (!ok) std::fprintf(stderr, "render_icon: cannot write into %s\n", argv[1]);
  return ok ? 0 : 1;
}
