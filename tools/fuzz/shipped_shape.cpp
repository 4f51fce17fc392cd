#include "shipped_shape.h"

#include <cstdint>
#include <string>

namespace zipfuzz {
namespace {

// Repeating words: deflate finds long matches in it.
std::string TextLike(std::size_t size) {
  static const char* const kWords[] = {"setup ", "module ", "value=", "Lunetra ", "\r\n", "0x1F "};
  std::string data;
  for (std::size_t i = 0; data.size() < size; ++i) data += kWords[(i * 7 + i / 5) % 6];
  data.resize(size);
  return data;
}

// Bytes with no pattern worth compressing, as an executable's packed parts.
std::string NoiseLike(std::size_t size, uint32_t state) {
  std::string data(size, '\0');
  for (char& c : data) {
    state = state * 1664525u + 1013904223u;
    c = static_cast<char>(state >> 24);
  }
  return data;
}

ziptest::Member File(std::string name, std::string data, uint16_t method) {
  ziptest::Member member;
  member.name = std::move(name);
  member.data = std::move(data);
  member.method = method;
  return member;
}

}  // namespace

std::vector<ziptest::Member> ShippedShape() {
  return {File("readme.txt", TextLike(3100), 8),
          File("engine.dll", NoiseLike(5000, 7), 0),
          File("settings.ini", TextLike(180), 8),
          File("empty.dat", "", 0),
          ziptest::FolderMember("data/"),
          File("data/table.bin", TextLike(20000) + NoiseLike(1500, 11), 8),
          File("license.txt", TextLike(900), 0),
          File("Lunetra Product I.exe", NoiseLike(2500, 3) + TextLike(9000), 8)};
}

}  // namespace zipfuzz
