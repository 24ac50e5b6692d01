#pragma once
// The model's message boxes: plain information or an error, each with one
// OK button. The program installs a sink (real boxes in the windows, lines on
// stderr in the command-line tool); tests capture the messages in order.
#include <string>
#include <vector>

enum class TMessageSeverity { Info, Error };

struct TMessage {
  TMessageSeverity Severity;
  std::string Text;
};

class TMessageSink {
 public:
  virtual ~TMessageSink() = default;
  virtual void Show(TMessageSeverity severity, const std::string& text) = 0;
};

// Shows a plain information box.
void ShowInfo(const std::string& text);
// Shows an error box.
void ShowError(const std::string& text);

// Installs the program-wide sink; returns the previous one. nullptr restores the default,
// which writes "info: TEXT" / "error: TEXT" lines to stderr.
TMessageSink* SetMessageSink(TMessageSink* sink);

// Collects every message shown while it lives (and passes nothing on).
class TMessageCapture : public TMessageSink {
 public:
  TMessageCapture();
  ~TMessageCapture() override;
  TMessageCapture(const TMessageCapture&) = delete;
  TMessageCapture& operator=(const TMessageCapture&) = delete;
  void Show(TMessageSeverity severity, const std::string& text) override;
  std::vector<TMessage> Messages;

 private:
  TMessageSink* Previous_;
};

// Collects the messages shown on the calling thread while it lives, ahead of
// the program-wide sink, and passes nothing on. A passport read by a worker
// thread (the database overview) must neither raise boxes over the windows
// nor swap the sink that the user-interface thread is using. Captures on one
// thread nest; each thread's messages stay its own.
class TThreadMessageCapture : public TMessageSink {
 public:
  TThreadMessageCapture();
  ~TThreadMessageCapture() override;
  TThreadMessageCapture(const TThreadMessageCapture&) = delete;
  TThreadMessageCapture& operator=(const TThreadMessageCapture&) = delete;
  void Show(TMessageSeverity severity, const std::string& text) override;
  std::vector<TMessage> Messages;

 private:
  TMessageSink* Previous_;
};
