#include "mutator.h"

#include <array>
#include <cstdio>
#include <random>

#include "shipped_shape.h"

namespace zipfuzz {
namespace {

using ziptest::Member;

struct Field {
  const char* name;
  std::size_t offset;
  std::size_t width;
};

constexpr std::array<Field, 9> kLocalFields = {{{"version", 4, 2}, {"flags", 6, 2}, {"method", 8, 2},
                                                {"time", 10, 4}, {"crc", 14, 4}, {"compressed size", 18, 4},
                                                {"size", 22, 4}, {"name length", 26, 2}, {"extra length", 28, 2}}};
constexpr std::array<Field, 15> kCentralFields = {
    {{"made by", 4, 2}, {"version", 6, 2}, {"flags", 8, 2}, {"method", 10, 2}, {"time", 12, 4},
     {"crc", 16, 4}, {"compressed size", 20, 4}, {"size", 24, 4}, {"name length", 28, 2},
     {"extra length", 30, 2}, {"comment length", 32, 2}, {"disk", 34, 2}, {"internal attributes", 36, 2},
     {"external attributes", 38, 4}, {"local offset", 42, 4}}};
constexpr std::array<Field, 7> kEndFields = {{{"disk", 4, 2}, {"directory disk", 6, 2}, {"entries on disk", 8, 2},
                                              {"entries", 10, 2}, {"directory size", 12, 4},
                                              {"directory offset", 16, 4}, {"comment length", 20, 2}}};
constexpr std::size_t kEndRecordSize = 22;
constexpr std::size_t kCentralRecordSize = 46;

// Names that Windows resolves elsewhere, refuses, or reads as a device.
constexpr std::array<const char*, 24> kHostileNames = {
    "../evil.txt", "..\\evil.txt", "data/../../evil.txt", "..", "C:evil.txt", "C:\\evil.txt", "/evil.txt",
    "\\evil.txt", "readme.txt:stream", "CON", "nul.txt", "data/COM1.cfg", "LPT1", "aux.dll", "Prn.ini",
    "evil.", "evil ", "data./x", "data /x", "data/./f", "a//b", "\x81\\evil", "Lunetra Product I.exe::$DATA",
    "data\\..\\..\\..\\evil.txt"};
constexpr std::array<char, 8> kHostileBytes = {'/', '\\', ':', '.', ' ', '\0', '\x81', '*'};

class Mutation {
 public:
  Mutation(uint32_t seed, uint64_t caseIndex) {
    std::seed_seq sequence{seed, static_cast<uint32_t>(caseIndex), static_cast<uint32_t>(caseIndex >> 32)};
    random_.seed(sequence);
  }

  [[nodiscard]] Mutant Make() {
    mutant_.members = ShippedShape();
    if (Below(4) == 0) Rename();
    Rebuild();
    for (uint32_t n = 1 + Below(3); n > 0; --n) MutateBytes();
    return std::move(mutant_);
  }

 private:
  uint32_t Below(uint32_t bound) { return static_cast<uint32_t>(random_() % bound); }

  void Note(const std::string& text) {
    if (!mutant_.description.empty()) mutant_.description += "; ";
    mutant_.description += text;
  }

  // The members' local and central records, by the layout the builder wrote.
  void Rebuild() {
    const ziptest::Archive archive = ziptest::BuildArchive(mutant_.members);
    mutant_.bytes = archive.bytes;
    builtSize_ = mutant_.bytes.size();
    locals_ = archive.localHeaderOffsets;
    centrals_.clear();
    std::size_t at = archive.centralDirectoryOffset;
    for (const Member& m : mutant_.members) {
      centrals_.push_back(at);
      at += kCentralRecordSize + m.name.size() + m.centralExtra.size();
    }
  }

  void Rename() {
    Member& member = mutant_.members[Below(static_cast<uint32_t>(mutant_.members.size()))];
    const std::string old = member.name;
    if (Below(2) == 0) {
      member.name = kHostileNames[Below(kHostileNames.size())];
    } else if (!member.name.empty()) {
      member.name[Below(static_cast<uint32_t>(member.name.size()))] = kHostileBytes[Below(kHostileBytes.size())];
    }
    Note("rename \"" + old + "\" to \"" + member.name + "\"");
  }

  uint32_t Interesting(uint32_t original, std::size_t width) {
    const uint32_t mask = width == 2 ? 0xFFFFu : 0xFFFFFFFFu;
    const std::array<uint32_t, 12> values = {0, 1, 0x7F, 0x80, 0xFF, 0x7FFF, 0x8000, 0xFFFF,
                                             0x7FFFFFFF, 0x80000000u, 0xFFFFFFFFu, static_cast<uint32_t>(random_())};
    switch (Below(4)) {
      case 0: return (original + 1) & mask;
      case 1: return (original - 1) & mask;
      case 2: return (original ^ (1u << Below(static_cast<uint32_t>(width * 8)))) & mask;
      default: return values[Below(values.size())] & mask;
    }
  }

  uint32_t Read(std::size_t at, std::size_t width) const {
    uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i) value |= static_cast<uint32_t>(static_cast<unsigned char>(mutant_.bytes[at + i])) << (8 * i);
    return value;
  }
  void Write(std::size_t at, std::size_t width, uint32_t value) {
    for (std::size_t i = 0; i < width; ++i) mutant_.bytes[at + i] = static_cast<char>(value >> (8 * i));
  }

  template <std::size_t N>
  void ChangeField(const char* record, std::size_t base, const std::array<Field, N>& fields) {
    const Field& field = fields[Below(N)];
    if (base + field.offset + field.width > mutant_.bytes.size()) return;
    const uint32_t original = Read(base + field.offset, field.width);
    const uint32_t value = Interesting(original, field.width);
    Write(base + field.offset, field.width, value);
    char text[160];
    std::snprintf(text, sizeof text, "%s %s at %zu: 0x%X to 0x%X", record, field.name, base, original, value);
    Note(text);
  }

  // One byte of a stored name, in the local or the central record only.
  void ChangeNameByte(bool central) {
    const std::size_t entry = Below(static_cast<uint32_t>(locals_.size()));
    const std::size_t length = mutant_.members[entry].name.size();
    if (length == 0) return;
    const std::size_t at = (central ? centrals_[entry] + kCentralRecordSize : locals_[entry] + 30) + Below(static_cast<uint32_t>(length));
    if (at >= mutant_.bytes.size()) return;
    mutant_.bytes[at] = kHostileBytes[Below(kHostileBytes.size())];
    Note(std::string(central ? "central" : "local") + " name byte at " + std::to_string(at));
  }

  // Several central records pointing at one local entry.
  void Overlap() {
    const std::size_t entry = Below(static_cast<uint32_t>(centrals_.size()));
    const std::size_t end = entry + 1 < centrals_.size() ? centrals_[entry + 1] : mutant_.bytes.size() - kEndRecordSize;
    const std::string record = mutant_.bytes.substr(centrals_[entry], end - centrals_[entry]);
    const uint32_t copies = 1 + Below(20);
    std::string repeated;
    for (uint32_t i = 0; i < copies; ++i) repeated += record;
    mutant_.bytes.insert(end, repeated);
    const std::size_t endRecord = mutant_.bytes.size() - kEndRecordSize;
    Write(endRecord + 8, 2, Read(endRecord + 8, 2) + copies);
    Write(endRecord + 10, 2, Read(endRecord + 10, 2) + copies);
    Write(endRecord + 12, 4, Read(endRecord + 12, 4) + static_cast<uint32_t>(repeated.size()));
    for (std::size_t later = entry + 1; later < centrals_.size(); ++later) centrals_[later] += repeated.size();
    builtSize_ = mutant_.bytes.size();
    Note("central record " + std::to_string(entry) + " repeated " + std::to_string(copies) + " times");
  }

  void MutateBytes() {
    const auto size = static_cast<uint32_t>(mutant_.bytes.size());
    if (size == 0) return;
    switch (Below(10)) {
      case 0: {
        const uint32_t at = Below(size);
        mutant_.bytes[at] = static_cast<char>(mutant_.bytes[at] ^ (1 << Below(8)));
        Note("bit flip at " + std::to_string(at));
        break;
      }
      case 1: {
        const uint32_t at = Below(size);
        mutant_.bytes[at] = static_cast<char>(Below(4) == 0 ? 0 : random_());
        Note("byte set at " + std::to_string(at));
        break;
      }
      case 2: {
        const uint32_t length = Below(2) == 0 ? Below(size) : size - 1 - Below(size < 64 ? size : 64);
        mutant_.bytes.resize(length);
        Note("truncated to " + std::to_string(length));
        break;
      }
      case 3:
      case 4: ChangeField("local", locals_[Below(static_cast<uint32_t>(locals_.size()))], kLocalFields); break;
      case 5:
      case 6: ChangeField("central", centrals_[Below(static_cast<uint32_t>(centrals_.size()))], kCentralFields); break;
      case 7:
        if (size >= kEndRecordSize) ChangeField("end", size - kEndRecordSize, kEndFields);
        break;
      case 8: ChangeNameByte(Below(2) == 0); break;
      default:
        if (mutant_.bytes.size() == builtSize_) Overlap();  // the end record is where it was
        break;
    }
  }

  std::mt19937 random_;
  Mutant mutant_;
  std::vector<std::size_t> locals_;
  std::vector<std::size_t> centrals_;
  std::size_t builtSize_ = 0;
};

}  // namespace

Mutant MakeMutant(uint32_t seed, uint64_t caseIndex) { return Mutation(seed, caseIndex).Make(); }

}  // namespace zipfuzz
