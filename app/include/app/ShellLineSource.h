// Where the shell's typed lines come from: GNU readline at a terminal (line editing, history,
// Tab completion of file names; Ctrl-C or Escape cancels the line as CAD hosts do), or a plain
// stream of lines when standard input is no terminal, so the shell can be scripted.
#pragma once

#include <istream>
#include <ostream>
#include <string>

namespace app {

enum class LineStatus {
  kLine,       // text holds the line as typed (UTF-8)
  kCancelled,  // Ctrl-C or Escape; the line shows "*Cancel*" after the prompt, and is ended
  kEnd,        // end of input (Ctrl-D on an empty line)
};

struct TypedLine {
  LineStatus status = LineStatus::kEnd;
  std::string text;
};

class LineSource {
 public:
  virtual ~LineSource() = default;
  // Shows `prompt` and reads one line; the line break after it is shown too.
  virtual TypedLine Read(const std::string& prompt) = 0;
};

// Readline on the process's terminal. One instance at a time: readline's state is global.
class ReadlineSource : public LineSource {
 public:
  ReadlineSource();
  ~ReadlineSource() override;
  ReadlineSource(const ReadlineSource&) = delete;
  ReadlineSource& operator=(const ReadlineSource&) = delete;

  TypedLine Read(const std::string& prompt) override;
};

// Lines from a stream, each shown after its prompt as if typed. A line "*Cancel*" cancels.
class StreamLineSource : public LineSource {
 public:
  StreamLineSource(std::istream& in, std::ostream& out) : in_(in), out_(out) {}

  TypedLine Read(const std::string& prompt) override;

 private:
  std::istream& in_;
  std::ostream& out_;
};

}  // namespace app
