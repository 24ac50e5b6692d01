#include "WordBasic.h"

#include <cstdio>

std::string JsonQuote(const std::string& text) {
  std::string out = "\"";
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20 || c == 0x7F) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += ch;
        }
    }
  }
  return out + "\"";
}

std::string FormatWordCommand(const std::string& command, const TWordArgs& args) {
  std::string line = command;
  for (const TWordArg& a : args) {
    line += ' ';
    if (!a.Name.empty()) line += a.Name + "=";
    line += a.IsInt ? std::to_string(a.Int) : JsonQuote(a.Text);
  }
  return line;
}

void TWordRecorder::Send(const std::string& command, const TWordArgs& args) {
  Lines_.push_back(FormatWordCommand(command, args));
  if (Next_) Next_->Send(command, args);
}

std::string TWordRecorder::Log() const {
  std::string out;
  for (const std::string& l : Lines_) out += l + "\n";
  return out;
}

#include "ProgramDir.h"

std::string TemplatePath(const std::string& name) { return ProgramDir() + "template" + kPathSep + name; }
