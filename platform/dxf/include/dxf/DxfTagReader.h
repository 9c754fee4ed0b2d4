// DxfTagReader: the streaming tokenizer under the drawing reader. It turns an ASCII or a binary
// DXF file into a sequence of tags (group code + value) and knows, for every tag, where it lies
// in the file, so that the writer can copy unchanged spans back byte for byte.
//
// The file is read in blocks through a fixed-size buffer (it grows only for a single line longer
// than the buffer), so memory does not depend on the file size. A tag's text stays valid until
// the next call of next().
//
// ASCII: one line for the group code, one for the value; LF or CRLF; group codes may carry any
// padding of blanks. The line of a tag's group code is 2 * index + 1 (DXF has no other lines).
// Binary: the 22-byte sentinel, then group codes of one byte (R12 and older; 255 escapes a
// two-byte code) or two bytes (R13 on), each followed by a value whose type the group code fixes.
//
// Every malformed input is refused with a DxfError naming the file, the line (ASCII) or the byte
// offset (binary) and what was expected.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace dxf {

// How a group code's value is stored; decides the binary encoding and what may be parsed.
enum class ValueType { kString, kDouble, kInt16, kInt32, kInt64, kBool, kBinaryChunk };

// The value type that DXF assigns to a group code (unknown codes are strings).
ValueType valueTypeOf(int groupCode);

// Where something lies in the file: the byte offset, and for ASCII the 1-based line.
struct DxfLocation {
  std::uint64_t offset = 0;
  std::int64_t line = 0;  // 0 for binary files
};

class DxfTagReader {
 public:
  // Opens the file; `displayName` is the name error messages use for it. Throws DxfError when
  // the file cannot be opened.
  DxfTagReader(const std::string& path, std::string displayName);
  ~DxfTagReader();
  DxfTagReader(const DxfTagReader&) = delete;
  DxfTagReader& operator=(const DxfTagReader&) = delete;

  // Reads the next tag. False at the end of the data (no byte left); a tag cut short by the end
  // of the file throws.
  bool next();
  // ASCII only: the next tag read starts at byte `offset`, its group code on line `line`. For a
  // reader that takes up a file in the middle (at a tag boundary found by other means), or that
  // skips what another reader has read.
  void seek(std::uint64_t offset, std::int64_t line);

  int code() const { return code_; }
  // The value as text: ASCII without the line end (blanks kept); binary strings without the
  // terminating zero. For binary numbers it is the raw bytes.
  std::string_view text() const { return text_; }
  // The text with blanks on both sides removed (ASCII); for names and keywords.
  std::string_view trimmed() const;
  // Numeric values; throw DxfError naming the value's place when it is not a finite number
  // (ASCII) or when the code's binary type is not numeric.
  double real() const;
  std::int64_t integer() const;
  // A handle: up to 16 hex digits. Throws when it is not one.
  std::uint64_t handle() const;
  bool isValue(std::string_view keyword) const { return trimmed() == keyword; }

  bool binary() const { return binary_; }
  bool crlf() const { return crlf_; }
  // Width of the group code field of the first tag ("  0" is 3, "0" is 1): ASCII writers pad
  // codes to the right, and appended tags follow the file's habit.
  int codeWidth() const { return codeWidth_; }
  bool twoByteCodes() const { return twoByteCodes_; }
  std::uint64_t fileSize() const { return fileSize_; }
  const std::string& displayName() const { return name_; }

  // Where the current tag starts (its group code), where its value starts and where the tag ends
  // (after the value's line end or terminator).
  DxfLocation tagStart() const { return {tagOffset_, line_}; }
  DxfLocation valueStart() const { return {valueOffset_, binary_ ? 0 : line_ + 1}; }
  std::uint64_t valueEndOffset() const { return valueEnd_; }
  std::uint64_t tagEndOffset() const { return tagEnd_; }

  // Refuses the file at the current tag's value.
  [[noreturn]] void failAtValue(const std::string& what) const;
  [[noreturn]] void failAtTag(const std::string& what) const;
  [[noreturn]] void failAt(DxfLocation where, const std::string& what) const;

 private:
  bool fill(std::size_t need);
  bool nextAscii();
  bool quickCode();
  bool nextBinary();
  bool readLine(std::string_view& line, std::uint64_t& end, bool isCode);
  void readSentinel();
  void readBinaryCode();
  void readBinaryValue();
  std::string_view takeBytes(std::size_t n, const char* what);
  std::uint64_t consumed() const { return bufferStart_ + pos_; }

  std::string name_;
  int fd_ = -1;
  std::uint64_t fileSize_ = 0;
  std::vector<char> buf_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  std::uint64_t bufferStart_ = 0;  // file offset of buf_[0]
  bool eof_ = false;
  bool binary_ = false;
  bool twoByteCodes_ = true;
  bool crlf_ = false;
  int codeWidth_ = 3;
  bool firstTag_ = true;

  int code_ = 0;
  std::string_view text_;
  std::int64_t line_ = -1;  // line of the current group code
  std::uint64_t tagOffset_ = 0;
  std::uint64_t valueOffset_ = 0;
  std::uint64_t valueEnd_ = 0;
  std::uint64_t tagEnd_ = 0;
  // Binary numbers are decoded on reading.
  double binReal_ = 0.0;
  std::int64_t binInt_ = 0;
  ValueType binType_ = ValueType::kString;
};

// The sentinel that opens every binary DXF file.
inline constexpr std::string_view kBinarySentinel{"AutoCAD Binary DXF\r\n\x1a\0", 22};

}  // namespace dxf
