#pragma once
// The random source of the passport generator: the same seed gives the same
// passport on every compiler and platform, which the standard distributions
// do not promise.
#include <cstdint>

class TGenRandom {
 public:
  explicit TGenRandom(std::uint64_t seed) : State_(seed) {}

  std::uint64_t Next() {
    // splitmix64
    std::uint64_t z = (State_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // In [0, 1).
  double Unit() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
  // In [lo, hi), kept to hundredths so the stored numbers stay short.
  double Real(double lo, double hi) {
    const double v = lo + (hi - lo) * Unit();
    return static_cast<double>(static_cast<long long>(v * 100.0)) / 100.0;
  }
  // In [lo, hi].
  int Int(int lo, int hi) {
    const auto span = static_cast<std::uint64_t>(static_cast<long long>(hi) - lo + 1);
    return lo + static_cast<int>(Next() % span);
  }
  bool Chance(double p) { return Unit() < p; }

 private:
  std::uint64_t State_;
};
