#include "SVPhase.h"

#include <charconv>

#include "platform/TextFile.h"

int CheckedCount(std::int64_t n, int limit, const std::string& what) {
  if (n < 0 || n > limit)
    throw TPassportIntegrityError("Нарушение целостности базы. Недопустимое число " + what + ": " +
                                  std::to_string(n) + " (не более " + std::to_string(limit) + ").");
  return static_cast<int>(n);
}

std::string OneLineText(const std::string& text) {
  std::string s = text;
  for (char& c : s)
    if (c == '\r' || c == '\n') c = ' ';
  return s;
}

std::string TSVPhase::NumberText() const { return std::to_string(Number); }

void TSVPhase::SetNumberText(const std::string& text) {
  std::size_t b = 0;
  std::size_t e = text.size();
  while (b < e && static_cast<unsigned char>(text[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ') --e;
  const char* first = text.data() + b;
  const char* last = text.data() + e;
  if (first != last && *first == '+') ++first;
  long long v = 0;
  const auto res = std::from_chars(first, last, v);
  if (first == last || res.ec != std::errc() || res.ptr != last) v = 0;
  Number = static_cast<std::uint8_t>(v);
}

TSVPhase* TPhaseSet::Item(int i) const {
  if (i < 1 || i > Count) return nullptr;
  return Items[static_cast<std::size_t>(i)].get();
}

void TPhaseSet::SetCount(int n) {
  if (n < 0) n = 0;
  if (n > kMaxSlots) n = kMaxSlots;
  for (int i = n + 1; i <= Count; ++i) Items[static_cast<std::size_t>(i)].reset();
  for (int i = Count + 1; i <= n; ++i) {
    auto phase = std::make_unique<TSVPhase>();
    phase->Number = static_cast<std::uint8_t>(i);
    Items[static_cast<std::size_t>(i)] = std::move(phase);
  }
  Count = static_cast<std::uint8_t>(n);
}

void TPhaseSet::LoadFromFile(TTextReader& in) {
  for (int i = 1; i <= Count; ++i) {
    TSVPhase& p = *Items[static_cast<std::size_t>(i)];
    p.Number = static_cast<std::uint8_t>(in.ReadInt());
    in.SkipLine();
    p.TMin = static_cast<std::uint16_t>(in.ReadInt());
    for (int k = 1; k <= 3; ++k) p.TMain[static_cast<std::size_t>(k)] = static_cast<std::uint16_t>(in.ReadInt());
    in.SkipLine();
  }
  Tkk = static_cast<std::uint16_t>(in.ReadInt());
  in.SkipLine();
}

void TPhaseSet::savetofile(TTextWriter& out) const {
  for (int i = 1; i <= Count; ++i) {
    const TSVPhase& p = *Items[static_cast<std::size_t>(i)];
    out.WriteIntLine(p.Number);
    out.WriteInt(p.TMin);
    for (int k = 1; k <= 3; ++k) {
      out.Write(" ");
      out.WriteInt(p.TMain[static_cast<std::size_t>(k)]);
    }
    out.WriteLine();
  }
  out.WriteIntLine(Tkk);
}
