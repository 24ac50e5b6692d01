#pragma once
// The word processor as the export sees it: commands sent by name with
// positional and named arguments, text or integer; nothing is ever read back.
// The export writes a document only through this seam, so the same stream
// can drive our own document engine, be recorded as a log, or both.
#include <string>
#include <vector>

struct TWordArg {
  // Empty for a positional argument.
  std::string Name;
  bool IsInt = false;
  std::string Text;
  long long Int = 0;

  static TWordArg Str(const std::string& text) { return {"", false, text, 0}; }
  static TWordArg Num(long long value) { return {"", true, "", value}; }
  static TWordArg Named(const std::string& name, const std::string& text) { return {name, false, text, 0}; }
  static TWordArg NamedNum(const std::string& name, long long value) { return {name, true, "", value}; }
};

using TWordArgs = std::vector<TWordArg>;

class TWordBasic {
 public:
  virtual ~TWordBasic() = default;
  // Throws when the word processor refuses the command.
  virtual void Send(const std::string& command, const TWordArgs& args = {}) = 0;
};

// One command as a log line: the name as sent, then each argument after a
// blank; a text as a JSON string, an integer bare, a named one as Name=value.
std::string FormatWordCommand(const std::string& command, const TWordArgs& args);
// A text as a JSON string literal (UTF-8 kept, control characters escaped).
std::string JsonQuote(const std::string& text);

// Writes every command it is sent into a log, then passes it on (when it has
// somewhere to pass it). A command is logged before it runs, so the log of a
// failed export ends with the command that failed.
class TWordRecorder : public TWordBasic {
 public:
  explicit TWordRecorder(TWordBasic* next = nullptr) : Next_(next) {}
  void Send(const std::string& command, const TWordArgs& args = {}) override;
  const std::vector<std::string>& Lines() const { return Lines_; }
  // The lines, each ended by "\n".
  std::string Log() const;

 private:
  TWordBasic* Next_;
  std::vector<std::string> Lines_;
};

// The document template `name` in the directory "template" beside the program.
std::string TemplatePath(const std::string& name);
