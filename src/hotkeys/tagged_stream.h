#pragma once
// The tagged value stream of the hotkey file: each value is a one-byte tag and its bytes,
// integers little-endian. Read and written through a 4096-byte buffer.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/code_page.h"
#include "common/files.h"

namespace lumo {

// The tag bytes of the stored Lumo.hkd files; they never change.
namespace tag {
inline constexpr std::uint8_t kNull = 0x00;  // end of list
inline constexpr std::uint8_t kList = 0x01;
inline constexpr std::uint8_t kInt8 = 0x02;
inline constexpr std::uint8_t kInt16 = 0x03;
inline constexpr std::uint8_t kInt32 = 0x04;
inline constexpr std::uint8_t kString = 0x06;
inline constexpr std::uint8_t kFalse = 0x08;
inline constexpr std::uint8_t kTrue = 0x09;
inline constexpr std::uint8_t kLString = 0x0C;
inline constexpr std::uint8_t kWString = 0x12;
inline constexpr std::uint8_t kUtf8String = 0x14;
}  // namespace tag

inline constexpr std::size_t kStreamBufferSize = 4096;

// The two read errors: the data ends early (or claims more bytes than are left), or a tag
// is not one the value accepts.
inline constexpr char kStreamReadError[] = "Stream read error";
inline constexpr char kInvalidValueError[] = "Invalid property value";

// Read errors are FileErrors with one of the two texts above.
class TaggedReader {
 public:
  TaggedReader(InputFile& file, const CodePage& code_page);

  std::string ReadString();  // ANSI bytes
  std::int32_t ReadInteger();
  bool ReadBoolean();  // true only for the true tag; any other byte is false
  void ReadListBegin();
  bool EndOfList();  // looks at the next tag without taking it
  void ReadListEnd();

 private:
  std::uint8_t ReadByte();
  std::uint8_t PeekByte();
  void ReadBytes(char* destination, std::uint64_t count);
  std::uint32_t ReadLength();
  std::uint64_t Remaining() const;
  bool Fill();

  InputFile& file_;
  const CodePage& code_page_;
  std::uint64_t size_;
  std::uint64_t fetched_ = 0;  // bytes taken from the file into the buffer so far
  std::array<char, kStreamBufferSize> buffer_{};
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
};

class TaggedWriter {
 public:
  TaggedWriter(OutputFile& file, const CodePage& code_page);

  // Stored as UTF-8 when that differs from the ANSI bytes, else as the ANSI bytes.
  void WriteString(std::string_view ansi);
  void WriteInteger(std::int32_t value);  // shortest form
  void WriteBoolean(bool value);
  void WriteListBegin();
  void WriteListEnd();
  // Hands what the buffer holds to the file.
  void Flush();

 private:
  void WriteByte(std::uint8_t value);
  void WriteBytes(const char* data, std::size_t count);
  void WriteLength(std::uint32_t length);

  OutputFile& file_;
  const CodePage& code_page_;
  std::array<char, kStreamBufferSize> buffer_{};
  std::size_t used_ = 0;
};

}  // namespace lumo
