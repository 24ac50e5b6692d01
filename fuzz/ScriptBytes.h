#pragma once
// Hostile bytes read as a session of the scheme editor: each few bytes become
// one line of an editing script (a tool, a click, a move, a key, a dialog
// answer, a command). Shared by the targets that edit passports.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class TSVObject;

class TBytes {
 public:
  TBytes(const std::uint8_t* data, std::size_t size) : D_(data), N_(size) {}
  bool Empty() const { return P_ >= N_; }
  int Next() { return P_ < N_ ? D_[P_++] : 0; }
  int Coord(int range) { return (Next() * 256 + Next()) % range - 20; }

 private:
  const std::uint8_t* D_;
  std::size_t N_;
  std::size_t P_ = 0;
};

template <typename T, std::size_t N>
const T& Pick(TBytes& b, const T (&a)[N]) {
  return a[static_cast<std::size_t>(b.Next()) % N];
}

// The next script line made from `b`.
std::string NextLine(TBytes& b);

// What layer `n` of `scheme` stores, entry by entry in file order: the type
// code and the saved bytes of every item not hidden.
std::vector<std::string> LayerEntries(TSVObject& scheme, int n);
