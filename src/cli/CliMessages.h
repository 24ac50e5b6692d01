#pragma once
// The message boxes of the headless tool: each message becomes a line
// "info: TEXT" or "error: TEXT" on stderr, and is kept for reports.
#include <iostream>
#include <string>
#include <vector>

#include "platform/Messages.h"

class TCliMessages : public TMessageSink {
 public:
  TCliMessages() : Previous_(SetMessageSink(this)) {}
  ~TCliMessages() override { SetMessageSink(Previous_); }
  TCliMessages(const TCliMessages&) = delete;
  TCliMessages& operator=(const TCliMessages&) = delete;

  void Show(TMessageSeverity severity, const std::string& text) override {
    std::cerr << (severity == TMessageSeverity::Info ? "info: " : "error: ") << text << '\n';
    if (severity == TMessageSeverity::Error) HadError = true;
    Messages.push_back({severity, text});
  }
  std::vector<TMessage> Messages;
  bool HadError = false;

 private:
  TMessageSink* Previous_;
};

// The rule for a damaged passport, the same in every command: reading goes as
// far as it can, every message it gave is on stderr (and in the JSON where
// the command writes JSON), and the command goes on to exit 0. With --strict
// any message of reading stops the command before it writes anything: one
// more line says so, exit status 1. True when the command must stop.
inline bool StoppedAsStrict(const std::string& command, const std::string& dir, bool strict,
                            const TCliMessages& messages) {
  if (!strict || messages.Messages.empty()) return false;
  std::cerr << "svpass-cli: " << command << ": " << dir << ": reading gave " << messages.Messages.size()
            << " message(s); nothing written (--strict)\n";
  return true;
}
