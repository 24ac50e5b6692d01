#pragma once
// Small items that exist only in the model tests: they tell which of their
// looks was drawn, answer snapping in a fixed way and report their own end.
#include <string>
#include <utility>
#include <vector>

#include "model/LineSVItem.h"
#include "platform/Sound.h"

// What the probes did, in order ("name:look").
using TProbeLog = std::vector<std::string>;

class TProbeLine : public TLineSVItem {
 public:
  TProbeLine(std::uint32_t code, std::string name, TProbeLog* log, double x1 = 0, double y1 = 0, double x2 = 10,
             double y2 = 10)
      : TLineSVItem(code), Name(std::move(name)), Log(log) {
    X1 = x1;
    Y1 = y1;
    X2 = x2;
    Y2 = y2;
  }
  ~TProbeLine() override {
    if (Log) Log->push_back(Name + ":freed");
  }

  std::string Name;
  TProbeLog* Log;

  void DrawActive(TDrawContext&) override { Note("active"); }
  void DrawInactive(TDrawContext&) override { Note("inactive"); }
  void DrawSelected(TDrawContext&) override { Note("selected"); }
  void DrawPrint(TDrawContext&) override { Note("print"); }
  bool FindAnchor(int x, int y, TDrawContext& ctx, std::uint32_t, double& X, double& Y) override {
    return FindLineEnd(x, y, ctx, X, Y);
  }
  // Answers like a carrier that hangs symbols 5 units to the right of its end.
  bool FindAnchorEx(int x, int y, TDrawContext& ctx, std::uint32_t, double& X, double& Y, double& X2,
                    double& Y2) override {
    if (!FindLineEnd(x, y, ctx, X, Y)) return false;
    X2 = 5;
    Y2 = 0;
    return true;
  }

 private:
  void Note(const std::string& look) {
    if (Log) Log->push_back(Name + ":" + look);
  }
};

// Collects the wave files played while it lives.
class TSoundCapture : public TSoundSink {
 public:
  TSoundCapture() : Previous_(SetSoundSink(this)) {}
  ~TSoundCapture() override { SetSoundSink(Previous_); }
  TSoundCapture(const TSoundCapture&) = delete;
  TSoundCapture& operator=(const TSoundCapture&) = delete;
  void PlayWave(const std::string& path) override { Played.push_back(path); }
  std::vector<std::string> Played;

 private:
  TSoundSink* Previous_;
};
