#include "hotkeys/tagged_stream.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "common/errors.h"

namespace lumo {

TaggedReader::TaggedReader(InputFile& file, const CodePage& code_page)
    : file_(file), code_page_(code_page), size_(file.Size()) {}

bool TaggedReader::Fill() {
  if (pos_ < end_) {
    return true;
  }
  pos_ = 0;
  end_ = file_.Read(buffer_.data(), buffer_.size());
  fetched_ += end_;
  return end_ > 0;
}

std::uint64_t TaggedReader::Remaining() const {
  const std::uint64_t unread = size_ > fetched_ ? size_ - fetched_ : 0;
  return unread + (end_ - pos_);
}

std::uint8_t TaggedReader::ReadByte() {
  if (!Fill()) {
    throw FileError(kStreamReadError);
  }
  return static_cast<std::uint8_t>(buffer_[pos_++]);
}

std::uint8_t TaggedReader::PeekByte() {
  if (!Fill()) {
    throw FileError(kStreamReadError);
  }
  return static_cast<std::uint8_t>(buffer_[pos_]);
}

void TaggedReader::ReadBytes(char* destination, std::uint64_t count) {
  while (count > 0) {
    if (!Fill()) {
      throw FileError(kStreamReadError);
    }
    const std::size_t chunk = static_cast<std::size_t>(
        std::min<std::uint64_t>(count, static_cast<std::uint64_t>(end_ - pos_)));
    std::memcpy(destination, buffer_.data() + pos_, chunk);
    pos_ += chunk;
    destination += chunk;
    count -= chunk;
  }
}

std::uint32_t TaggedReader::ReadLength() {
  unsigned char bytes[4];
  ReadBytes(reinterpret_cast<char*>(bytes), 4);
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

std::string TaggedReader::ReadString() {
  const std::uint8_t value_tag = ReadByte();
  std::uint64_t length = 0;
  std::uint64_t byte_count = 0;
  switch (value_tag) {
    case tag::kString:
      length = byte_count = ReadByte();
      break;
    case tag::kLString:
    case tag::kUtf8String:
      length = byte_count = ReadLength();
      break;
    case tag::kWString:
      length = ReadLength();
      byte_count = length * 2;
      break;
    default:
      throw FileError(kInvalidValueError);
  }
  // A damaged length must not turn into a huge allocation: the bytes have to be there.
  if (byte_count > Remaining()) {
    throw FileError(kStreamReadError);
  }
  std::string bytes(static_cast<std::size_t>(byte_count), '\0');
  ReadBytes(bytes.data(), byte_count);
  if (value_tag == tag::kUtf8String) {
    return code_page_.Utf8ToAnsi(bytes);
  }
  if (value_tag == tag::kWString) {
    std::u16string units(static_cast<std::size_t>(length), u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
      units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                       static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    }
    return code_page_.Utf16ToAnsi(units);
  }
  return bytes;
}

std::int32_t TaggedReader::ReadInteger() {
  const std::uint8_t value_tag = ReadByte();
  unsigned char bytes[4];
  switch (value_tag) {
    case tag::kInt8:
      ReadBytes(reinterpret_cast<char*>(bytes), 1);
      return static_cast<std::int8_t>(bytes[0]);
    case tag::kInt16:
      ReadBytes(reinterpret_cast<char*>(bytes), 2);
      return static_cast<std::int16_t>(bytes[0] | bytes[1] << 8);
    case tag::kInt32:
      ReadBytes(reinterpret_cast<char*>(bytes), 4);
      return static_cast<std::int32_t>(
          static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
          static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24);
    default:
      throw FileError(kInvalidValueError);
  }
}

bool TaggedReader::ReadBoolean() {
  return ReadByte() == tag::kTrue;
}

void TaggedReader::ReadListBegin() {
  if (ReadByte() != tag::kList) {
    throw FileError(kInvalidValueError);
  }
}

bool TaggedReader::EndOfList() {
  return PeekByte() == tag::kNull;
}

void TaggedReader::ReadListEnd() {
  if (ReadByte() != tag::kNull) {
    throw FileError(kInvalidValueError);
  }
}

TaggedWriter::TaggedWriter(OutputFile& file, const CodePage& code_page)
    : file_(file), code_page_(code_page) {}

void TaggedWriter::Flush() {
  if (used_ > 0) {
    file_.Write(buffer_.data(), used_);
    used_ = 0;
  }
}

void TaggedWriter::WriteByte(std::uint8_t value) {
  if (used_ == buffer_.size()) {
    Flush();
  }
  buffer_[used_++] = static_cast<char>(value);
}

void TaggedWriter::WriteBytes(const char* data, std::size_t count) {
  while (count > 0) {
    if (used_ == buffer_.size()) {
      Flush();
    }
    const std::size_t chunk = std::min(count, buffer_.size() - used_);
    std::memcpy(buffer_.data() + used_, data, chunk);
    used_ += chunk;
    data += chunk;
    count -= chunk;
  }
}

void TaggedWriter::WriteLength(std::uint32_t length) {
  for (int shift = 0; shift < 32; shift += 8) {
    WriteByte(static_cast<std::uint8_t>(length >> shift));
  }
}

void TaggedWriter::WriteString(std::string_view ansi) {
  const std::string utf8 = code_page_.AnsiToUtf8(ansi);
  std::string_view stored = ansi;
  if (utf8 != ansi) {
    stored = utf8;
    WriteByte(tag::kUtf8String);
    WriteLength(static_cast<std::uint32_t>(stored.size()));
  } else if (stored.size() <= 255) {
    WriteByte(tag::kString);
    WriteByte(static_cast<std::uint8_t>(stored.size()));
  } else {
    WriteByte(tag::kLString);
    WriteLength(static_cast<std::uint32_t>(stored.size()));
  }
  WriteBytes(stored.data(), stored.size());
}

void TaggedWriter::WriteInteger(std::int32_t value) {
  if (value >= std::numeric_limits<std::int8_t>::min() &&
      value <= std::numeric_limits<std::int8_t>::max()) {
    WriteByte(tag::kInt8);
    WriteByte(static_cast<std::uint8_t>(value));
  } else if (value >= std::numeric_limits<std::int16_t>::min() &&
             value <= std::numeric_limits<std::int16_t>::max()) {
    WriteByte(tag::kInt16);
    WriteByte(static_cast<std::uint8_t>(value));
    WriteByte(static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> 8));
  } else {
    WriteByte(tag::kInt32);
    WriteLength(static_cast<std::uint32_t>(value));
  }
}

void TaggedWriter::WriteBoolean(bool value) {
  WriteByte(value ? tag::kTrue : tag::kFalse);
}

void TaggedWriter::WriteListBegin() {
  WriteByte(tag::kList);
}

void TaggedWriter::WriteListEnd() {
  WriteByte(tag::kNull);
}

}  // namespace lumo
