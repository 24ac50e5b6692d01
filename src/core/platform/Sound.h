#pragma once
// Playing a short wave file by name (the click heard when an item snaps).
#include <string>

class TSoundSink {
 public:
  virtual ~TSoundSink() = default;
  virtual void PlayWave(const std::string& path) = 0;
};

// Plays through the installed sink; silent when none is installed.
void PlayWave(const std::string& path);
TSoundSink* SetSoundSink(TSoundSink* sink);
