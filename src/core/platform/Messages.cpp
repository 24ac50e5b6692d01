#include "Messages.h"

#include <iostream>

namespace {

class TStderrSink : public TMessageSink {
 public:
  void Show(TMessageSeverity severity, const std::string& text) override {
    std::cerr << (severity == TMessageSeverity::Info ? "info: " : "error: ") << text << '\n';
  }
};

TStderrSink gStderrSink;
TMessageSink* gSink = &gStderrSink;
// Set only by TThreadMessageCapture, and only for its own thread.
thread_local TMessageSink* tThreadSink = nullptr;

TMessageSink& CurrentSink() { return tThreadSink ? *tThreadSink : *gSink; }

}  // namespace

void ShowInfo(const std::string& text) { CurrentSink().Show(TMessageSeverity::Info, text); }
void ShowError(const std::string& text) { CurrentSink().Show(TMessageSeverity::Error, text); }

TMessageSink* SetMessageSink(TMessageSink* sink) {
  TMessageSink* prev = gSink;
  gSink = sink ? sink : &gStderrSink;
  return prev;
}

TMessageCapture::TMessageCapture() : Previous_(SetMessageSink(this)) {}
TMessageCapture::~TMessageCapture() { SetMessageSink(Previous_); }

void TMessageCapture::Show(TMessageSeverity severity, const std::string& text) {
  Messages.push_back(TMessage{severity, text});
}

TThreadMessageCapture::TThreadMessageCapture() : Previous_(tThreadSink) { tThreadSink = this; }
TThreadMessageCapture::~TThreadMessageCapture() { tThreadSink = Previous_; }

void TThreadMessageCapture::Show(TMessageSeverity severity, const std::string& text) {
  Messages.push_back(TMessage{severity, text});
}
