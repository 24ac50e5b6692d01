#include "Sound.h"

namespace {
TSoundSink* gSound = nullptr;
}

void PlayWave(const std::string& path) {
  if (gSound) gSound->PlayWave(path);
}

TSoundSink* SetSoundSink(TSoundSink* sink) {
  TSoundSink* prev = gSound;
  gSound = sink;
  return prev;
}
