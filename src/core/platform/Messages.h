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

// Installs a sink; returns the previous one. nullptr restores the default,
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
