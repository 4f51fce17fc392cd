#include "archive_builder.h"

#include <zlib.h>

#include <cstdio>

namespace ziptest {
namespace {

void Put16(std::string& out, uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

std::string RawDeflate(std::string_view data) {
  z_stream stream{};
  deflateInit2(&stream, 9, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
  std::string out(deflateBound(&stream, static_cast<uLong>(data.size())), '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  stream.avail_in = static_cast<uInt>(data.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  deflate(&stream, Z_FINISH);
  out.resize(stream.total_out);
  deflateEnd(&stream);
  return out;
}

// The fields that the local and the central header share, from "version
// needed" to the extra field's length.
std::string CommonFields(const Member& m, uint32_t crc, uint32_t compressedSize, uint32_t size, std::size_t extraLength) {
  std::string out;
  Put16(out, 20);
  Put16(out, m.flags);
  Put16(out, m.method);
  Put32(out, m.dosDateTime);
  Put32(out, crc);
  Put32(out, compressedSize);
  Put32(out, size);
  Put16(out, static_cast<uint32_t>(m.name.size()));
  Put16(out, static_cast<uint32_t>(extraLength));
  return out;
}

void PutEndRecord(std::string& out, std::size_t entries, std::size_t directorySize, std::size_t directoryOffset) {
  Put32(out, 0x06054B50);
  Put16(out, 0);
  Put16(out, 0);
  Put16(out, static_cast<uint32_t>(entries));
  Put16(out, static_cast<uint32_t>(entries));
  Put32(out, static_cast<uint32_t>(directorySize));
  Put32(out, static_cast<uint32_t>(directoryOffset));
  Put16(out, 0);
}

}  // namespace

uint32_t Crc32(std::string_view data) {
  return static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size())));
}

Member FolderMember(std::string name) {
  Member m;
  m.name = std::move(name);
  m.method = 0;
  m.externalAttributes = 0x10;
  return m;
}

std::string ExtendedTimestamp(uint8_t flags, const std::vector<int32_t>& times) {
  std::string out;
  Put16(out, 0x5455);
  Put16(out, static_cast<uint32_t>(1 + 4 * times.size()));
  out += static_cast<char>(flags);
  for (const int32_t t : times) Put32(out, static_cast<uint32_t>(t));
  return out;
}

std::string ExtraBlock(uint16_t id, uint16_t size) {
  std::string out;
  Put16(out, id);
  Put16(out, size);
  out.append(size, 'x');
  return out;
}

Archive BuildArchive(const std::vector<Member>& members) {
  Archive archive;
  std::string directory;
  for (const Member& m : members) {
    const std::string stored = m.method == 8 ? RawDeflate(m.data) : m.data;
    const uint32_t crc = m.crc.value_or(Crc32(m.data));
    const uint32_t size = m.uncompressedSize.value_or(static_cast<uint32_t>(m.data.size()));
    const auto compressedSize = static_cast<uint32_t>(stored.size());
    const std::size_t offset = archive.bytes.size();
    archive.localHeaderOffsets.push_back(offset);

    Put32(archive.bytes, 0x04034B50);
    archive.bytes += CommonFields(m, crc, compressedSize, size, m.localExtra.size());
    archive.bytes += m.name;
    archive.bytes += m.localExtra;
    archive.bytes += stored;

    Put32(directory, 0x02014B50);
    Put16(directory, m.madeBy);
    directory += CommonFields(m, crc, compressedSize, size, m.centralExtra.size());
    Put16(directory, 0);  // comment length
    Put16(directory, 0);  // disk number
    Put16(directory, 0);  // internal attributes
    Put32(directory, m.externalAttributes);
    Put32(directory, static_cast<uint32_t>(offset));
    directory += m.name;
    directory += m.centralExtra;
  }
  archive.centralDirectoryOffset = archive.bytes.size();
  archive.bytes += directory;
  PutEndRecord(archive.bytes, members.size(), directory.size(), archive.centralDirectoryOffset);
  return archive;
}

std::string EmptyDirectoryArchive(const std::vector<Member>& members) {
  Archive archive = BuildArchive(members);
  archive.bytes.resize(archive.centralDirectoryOffset);
  const std::size_t end = archive.bytes.size();
  PutEndRecord(archive.bytes, 0, 0, end);
  return archive.bytes;
}

std::string OverlappingBomb(const Member& member, uint16_t copies, const std::function<std::string(uint16_t)>& renamed) {
  const Archive one = BuildArchive({member});
  const std::size_t endRecord = one.bytes.size() - 22;
  const std::string record = one.bytes.substr(one.centralDirectoryOffset, endRecord - one.centralDirectoryOffset);
  std::string directory;
  for (uint16_t i = 0; i < copies; ++i) {
    std::string copy = record;
    if (renamed) copy.replace(46, member.name.size(), renamed(i));
    directory += copy;
  }
  std::string bytes = one.bytes.substr(0, one.centralDirectoryOffset) + directory;
  PutEndRecord(bytes, copies, directory.size(), one.centralDirectoryOffset);
  return bytes;
}

bool WriteBytes(const std::string& path, std::string_view bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

std::string ReadBytes(const std::string& path) {
  std::string out;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return out;
  char buffer[16384];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) out.append(buffer, n);
  std::fclose(file);
  return out;
}

}  // namespace ziptest
