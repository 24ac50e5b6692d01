#pragma once
// A synthetic passport that looks like a real one scaled up: a grid of
// intersections side by side, every one with the full street furniture of
// a signalised crossing, all under one signal plan. Used to measure the
// program on schemes far larger than the real ones and to seed the fuzzers.
// The same options always give the same passport.
#include <cstdint>
#include <string>

class TSVObject;

struct TGeneratorOptions {
  // Top-level items of the scheme (labels are owned by their items and not
  // counted). From about 40 items on, every type code is present.
  int Items = 1000;
  std::uint64_t Seed = 1;
};

// Fills an empty scheme object and its information.
void GeneratePassport(TSVObject& scheme, const TGeneratorOptions& options);

// Generates into `dir` (which must exist) its info.txt and map.txt. Returns
// false when a file could not be written; the error has been shown.
bool WriteGeneratedPassport(const std::string& dir, const TGeneratorOptions& options);

// Items of one whole crossing, and how many crossings the grid needs for a
// number of items.
int GeneratedItemsPerCrossing();
int GeneratedCrossingCount(int items);
