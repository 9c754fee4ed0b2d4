#include "dxf/DxfTagReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cassert>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "dxf/DxfError.h"

namespace dxf {
namespace {

constexpr std::size_t kBlockSize = 1 << 20;
// A single line or binary string longer than this is refused rather than buffered.
constexpr std::size_t kMaxLine = std::size_t{64} << 20;

// The next line end in [p, end), or null. Lines in DXF are mostly a few bytes long, where a
// single 16-byte compare beats the library call.
const char* findLineEnd(const char* p, const char* end) {
#if defined(__SSE2__)
  const __m128i newline = _mm_set1_epi8('\n');
  for (; end - p >= 16; p += 16) {
    __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, newline)));
    if (mask != 0) return p + __builtin_ctz(mask);
  }
#endif
  return static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view trim(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

// Shows a value in a message: clipped, control bytes replaced.
std::string quoted(std::string_view s) {
  std::string out = "'";
  for (char c : s.substr(0, 40)) out += (static_cast<unsigned char>(c) < 0x20) ? '?' : c;
  if (s.size() > 40) out += "...";
  return out + "'";
}

template <typename T>
T loadLittleEndian(const char* p) {
  T v;
  std::memcpy(&v, p, sizeof v);
  static_assert(std::endian::native == std::endian::little, "binary DXF is little-endian");
  return v;
}

// Group codes are short integers; this is the reader's hottest parse.
bool parseCode(std::string_view t, int& code) {
  bool negative = !t.empty() && t.front() == '-';
  if (negative) t.remove_prefix(1);
  if (t.empty() || t.size() > 6) return false;
  int v = 0;
  for (char c : t) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
  }
  code = negative ? -v : v;
  return true;
}

// Most numbers in drawings are short decimals ("497627.353"): with at most 15 digits the digits
// form an exact double, and so does the power of ten, so their quotient is the correctly rounded
// value, the same that from_chars gives. Anything else (exponents, long mantissas) is left to it.
bool quickReal(std::string_view t, double& out) {
  static constexpr double kPow10[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                      1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  const char* p = t.data();
  const char* e = p + t.size();
  bool negative = p < e && *p == '-';
  if (negative) ++p;
  std::uint64_t mantissa = 0;
  int digits = 0;
  int fraction = -1;  // digits after the point; -1 before it
  for (; p < e; ++p) {
    char c = *p;
    if (c >= '0' && c <= '9') {
      if (++digits > 15) return false;
      mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
      if (fraction >= 0) ++fraction;
    } else if (c == '.' && fraction < 0) {
      fraction = 0;
    } else {
      return false;
    }
  }
  if (digits == 0) return false;
  double v = static_cast<double>(mantissa) / kPow10[std::max(fraction, 0)];
  out = negative ? -v : v;
  return true;
}

}  // namespace

ValueType valueTypeOf(int c) {
  if (c >= 10 && c <= 59) return ValueType::kDouble;
  if (c >= 110 && c <= 149) return ValueType::kDouble;
  if (c >= 210 && c <= 239) return ValueType::kDouble;
  if (c >= 460 && c <= 469) return ValueType::kDouble;
  if (c >= 1010 && c <= 1059) return ValueType::kDouble;
  if (c >= 60 && c <= 79) return ValueType::kInt16;
  if (c >= 170 && c <= 179) return ValueType::kInt16;
  if (c >= 270 && c <= 289) return ValueType::kInt16;
  if (c >= 370 && c <= 389) return ValueType::kInt16;
  if (c >= 400 && c <= 409) return ValueType::kInt16;
  if (c >= 1060 && c <= 1070) return ValueType::kInt16;
  if (c >= 90 && c <= 99) return ValueType::kInt32;
  if (c >= 420 && c <= 429) return ValueType::kInt32;
  if (c >= 440 && c <= 459) return ValueType::kInt32;
  if (c == 1071) return ValueType::kInt32;
  if (c >= 160 && c <= 169) return ValueType::kInt64;
  if (c >= 290 && c <= 299) return ValueType::kBool;
  if ((c >= 310 && c <= 319) || c == 1004) return ValueType::kBinaryChunk;
  return ValueType::kString;
}

DxfTagReader::DxfTagReader(const std::string& path, std::string displayName)
    : name_(std::move(displayName)) {
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd_ < 0) throw DxfError(name_, "cannot open the file: " + std::string(std::strerror(errno)));
  struct stat st {};
  if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd_);
    fd_ = -1;
    throw DxfError(name_, "cannot read the file: not a regular file");
  }
  fileSize_ = static_cast<std::uint64_t>(st.st_size);
  buf_.resize(std::min<std::uint64_t>(kBlockSize, fileSize_ + 64));
  fill(kBinarySentinel.size());
  std::string_view head(buf_.data(), end_);
  if (head.substr(0, kBinarySentinel.size()) == kBinarySentinel) readSentinel();
}

DxfTagReader::~DxfTagReader() {
  if (fd_ >= 0) ::close(fd_);
}

void DxfTagReader::readSentinel() {
  binary_ = true;
  pos_ = kBinarySentinel.size();
  // Codes of one byte put "SECTION" right after the first zero byte, codes of two bytes after
  // two zero bytes.
  fill(2);
  twoByteCodes_ = end_ - pos_ < 2 || buf_[pos_ + 1] == '\0';
}

// Makes at least `need` bytes available from pos_, compacting and reading more; false when the
// file ends first.
bool DxfTagReader::fill(std::size_t need) {
  while (end_ - pos_ < need) {
    if (eof_) return false;
    if (pos_ > 0) {
      std::memmove(buf_.data(), buf_.data() + pos_, end_ - pos_);
      bufferStart_ += pos_;
      end_ -= pos_;
      pos_ = 0;
    }
    if (end_ == buf_.size()) {
      if (buf_.size() >= kMaxLine)
        failAt({consumed(), binary_ ? 0 : line_ + 1}, "expected a line shorter than 64 MiB");
      buf_.resize(buf_.size() * 2);
    }
    ssize_t got = ::read(fd_, buf_.data() + end_, buf_.size() - end_);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0)
      failAt({consumed(), binary_ ? 0 : line_ + 1},
             "expected readable data (" + std::string(std::strerror(errno)) + ")");
    if (got == 0) eof_ = true;
    end_ += static_cast<std::size_t>(got);
  }
  return true;
}

void DxfTagReader::seek(std::uint64_t offset, std::int64_t line) {
  assert(!binary_ && "seek is for ASCII files");
  if (::lseek(fd_, static_cast<off_t>(offset), SEEK_SET) < 0) {
    failAt({offset, line},
           "expected a readable position (" + std::string(std::strerror(errno)) + ")");
  }
  bufferStart_ = offset;
  pos_ = end_ = 0;
  eof_ = false;
  firstTag_ = false;
  line_ = line - 2;
}

bool DxfTagReader::next() { return binary_ ? nextBinary() : nextAscii(); }

// Takes one line from pos_; `end` receives the file offset after its line end. False when no
// byte is left.
bool DxfTagReader::readLine(std::string_view& line, std::uint64_t& end, bool isCode) {
  for (;;) {
    const char* start = buf_.data() + pos_;
    const char* nl = findLineEnd(start, buf_.data() + end_);
    if (nl != nullptr) {
      std::size_t len = static_cast<std::size_t>(nl - start);
      line = std::string_view(start, len);
      pos_ += len + 1;
      break;
    }
    std::size_t have = end_ - pos_;
    if (!fill(have + 1)) {
      if (have == 0) return false;
      line = std::string_view(buf_.data() + pos_, have);  // last line without a line end
      pos_ += have;
      break;
    }
  }
  end = consumed();
  if (!line.empty() && line.back() == '\r') {
    line.remove_suffix(1);
    if (isCode && firstTag_) crlf_ = true;
  }
  return true;
}

// The common group code line, leading blanks and up to six digits, whole in the buffer, taken in
// one pass; false (nothing taken) for anything else, which readLine and parseCode handle.
bool DxfTagReader::quickCode() {
  const char* const base = buf_.data();
  const char* p = base + pos_;
  const char* const e = base + end_;
  while (p < e && *p == ' ') ++p;
  const char* digits = p;
  int v = 0;
  while (p < e && *p >= '0' && *p <= '9' && p - digits < 6) v = v * 10 + (*p++ - '0');
  if (p == digits) return false;
  if (p < e && *p == '\r') ++p;
  if (p == e || *p != '\n') return false;
  code_ = v;
  pos_ = static_cast<std::size_t>(p + 1 - base);
  valueOffset_ = consumed();
  return true;
}

bool DxfTagReader::nextAscii() {
  tagOffset_ = consumed();
  if (firstTag_ || !quickCode()) {
    std::string_view codeLine;
    if (!readLine(codeLine, valueOffset_, true)) return false;
    if (!parseCode(trim(codeLine), code_)) {
      line_ = firstTag_ ? 1 : line_ + 2;
      failAtTag("expected a group code, found " + quoted(codeLine));
    }
    if (firstTag_) codeWidth_ = static_cast<int>(codeLine.size());
  }
  line_ = firstTag_ ? 1 : line_ + 2;
  if (!readLine(text_, valueEnd_, false)) {
    failAt({consumed(), line_ + 1}, "expected a value after group code " + std::to_string(code_) +
                                        ", found the end of the file");
  }
  tagEnd_ = valueEnd_;
  // The value line end is not part of the value's bytes for span arithmetic.
  valueEnd_ = valueOffset_ + text_.size();
  firstTag_ = false;
  return true;
}

std::string_view DxfTagReader::takeBytes(std::size_t n, const char* what) {
  if (!fill(n)) {
    failAt({consumed(), 0}, "expected " + std::string(what) + ", found the end of the file");
  }
  std::string_view v(buf_.data() + pos_, n);
  pos_ += n;
  return v;
}

void DxfTagReader::readBinaryCode() {
  if (twoByteCodes_) {
    code_ = loadLittleEndian<std::int16_t>(takeBytes(2, "a group code").data());
    return;
  }
  code_ = static_cast<unsigned char>(takeBytes(1, "a group code")[0]);
  if (code_ == 255) code_ = loadLittleEndian<std::int16_t>(takeBytes(2, "a group code").data());
}

void DxfTagReader::readBinaryValue() {
  binType_ = valueTypeOf(code_);
  switch (binType_) {
    case ValueType::kDouble:
      text_ = takeBytes(8, "an 8-byte real");
      binReal_ = loadLittleEndian<double>(text_.data());
      return;
    case ValueType::kInt16:
      text_ = takeBytes(2, "a 2-byte integer");
      binInt_ = loadLittleEndian<std::int16_t>(text_.data());
      return;
    case ValueType::kInt32:
      text_ = takeBytes(4, "a 4-byte integer");
      binInt_ = loadLittleEndian<std::int32_t>(text_.data());
      return;
    case ValueType::kInt64:
      text_ = takeBytes(8, "an 8-byte integer");
      binInt_ = loadLittleEndian<std::int64_t>(text_.data());
      return;
    case ValueType::kBool:
      text_ = takeBytes(1, "a 1-byte flag");
      binInt_ = static_cast<unsigned char>(text_[0]);
      return;
    case ValueType::kBinaryChunk: {
      std::size_t n = static_cast<unsigned char>(takeBytes(1, "a chunk length")[0]);
      text_ = takeBytes(n, "binary chunk data");
      return;
    }
    case ValueType::kString:
      break;
  }
  for (std::size_t scanned = 0;;) {
    const char* start = buf_.data() + pos_;
    const void* z = std::memchr(start + scanned, '\0', end_ - pos_ - scanned);
    if (z != nullptr) {
      std::size_t len = static_cast<const char*>(z) - start;
      text_ = std::string_view(start, len);
      pos_ += len + 1;
      return;
    }
    scanned = end_ - pos_;
    if (!fill(scanned + 1))
      failAt({consumed(), 0}, "expected a zero-terminated string, found the end of the file");
  }
}

bool DxfTagReader::nextBinary() {
  tagOffset_ = consumed();
  if (!fill(1)) return false;
  readBinaryCode();
  valueOffset_ = consumed();
  readBinaryValue();
  tagEnd_ = consumed();
  valueEnd_ = binType_ == ValueType::kString ? tagEnd_ - 1 : tagEnd_;
  firstTag_ = false;
  return true;
}

std::string_view DxfTagReader::trimmed() const { return binary_ ? text_ : trim(text_); }

double DxfTagReader::real() const {
  if (binary_) {
    if (binType_ == ValueType::kDouble) {
      if (!std::isfinite(binReal_)) failAtValue("a finite number");
      return binReal_;
    }
    if (binType_ == ValueType::kString || binType_ == ValueType::kBinaryChunk) {
      failAtValue("a number for group code " + std::to_string(code_));
    }
    return static_cast<double>(binInt_);
  }
  std::string_view t = trim(text_);
  if (!t.empty() && t.front() == '+') t.remove_prefix(1);
  double v = 0.0;
  if (quickReal(t, v)) return v;
  auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
  if (t.empty() || p != t.data() + t.size() || ec == std::errc::invalid_argument) {
    failAtValue("a number for group code " + std::to_string(code_) + ", found " + quoted(text_));
  }
  if (ec == std::errc::result_out_of_range || !std::isfinite(v)) {
    failAtValue("a finite number for group code " + std::to_string(code_) + ", found " +
                quoted(text_));
  }
  return v;
}

std::int64_t DxfTagReader::integer() const {
  if (binary_ && binType_ != ValueType::kDouble) {
    if (binType_ == ValueType::kString || binType_ == ValueType::kBinaryChunk) {
      failAtValue("an integer for group code " + std::to_string(code_));
    }
    return binInt_;
  }
  if (!binary_) {
    std::string_view t = trim(text_);
    if (!t.empty() && t.front() == '+') t.remove_prefix(1);
    std::int64_t v = 0;
    auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (!t.empty() && ec == std::errc() && p == t.data() + t.size()) return v;
  }
  // Some writers put integers as reals ("1.0"); an integral real is accepted.
  double d = real();
  if (d != std::trunc(d) || std::fabs(d) > 9.0e15) {
    failAtValue("an integer for group code " + std::to_string(code_) + ", found " +
                quoted(binary_ ? std::to_string(d) : std::string(text_)));
  }
  return static_cast<std::int64_t>(d);
}

std::uint64_t DxfTagReader::handle() const {
  std::string_view t = trimmed();
  std::uint64_t v = 0;
  auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), v, 16);
  if (t.empty() || t.size() > 16 || ec != std::errc() || p != t.data() + t.size()) {
    failAtValue("a handle (up to 16 hex digits) for group code " + std::to_string(code_) +
                ", found " + quoted(text_));
  }
  return v;
}

void DxfTagReader::failAtValue(const std::string& what) const {
  failAt(valueStart(), "expected " + what);
}

void DxfTagReader::failAtTag(const std::string& what) const { failAt(tagStart(), what); }

void DxfTagReader::failAt(DxfLocation where, const std::string& what) const {
  throw DxfError(name_, binary_ ? DxfLocation{where.offset, 0} : where, what);
}

}  // namespace dxf
