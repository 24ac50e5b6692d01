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
