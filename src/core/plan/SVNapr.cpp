#include "SVNapr.h"

#include <cmath>

#include "SVInfo.h"
#include "platform/Codec1251.h"
#include "platform/TextFile.h"

namespace {

// The number in the digits of a name, all digits read as one decimal number
// ("Н12а" gives 12); false when the name has no digit.
bool NumberOfName(const std::string& name, std::uint8_t& number) {
  unsigned long value = 0;
  bool any = false;
  for (char c : name) {
    if (c < '0' || c > '9') continue;
    any = true;
    // The stored name has at most 5 characters; the modulus keeps the low
    // bits of longer names without overflowing.
    value = (value * 10 + static_cast<unsigned long>(c - '0')) % 65536;
  }
  if (any) number = static_cast<std::uint8_t>(value);
  return any;
}

}  // namespace

std::string TrimText(const std::string& text) {
  std::size_t b = 0;
  std::size_t e = text.size();
  while (b < e && static_cast<unsigned char>(text[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ') --e;
  return text.substr(b, e - b);
}

void TSVNapr::SetName(const std::string& text) {
  Name = Utf8Left(TrimText(text), kMaxNameLength);
  NumberOfName(Name, Number);
}

std::string TSVNapr::PhaseListText() const {
  std::string s;
  for (int p = 1; p <= kMarkedPhases; ++p) {
    if (!Phases[static_cast<std::size_t>(p)]) continue;
    if (!s.empty()) s += ", ";
    s += std::to_string(p);
  }
  return s;
}

void TSVNapr::SetPhaseList(const std::string& text) {
  Phases.fill(false);
  for (char c : TrimText(text))
    if (c >= '1' && c <= '0' + kMarkedPhases) Phases[static_cast<std::size_t>(c - '0')] = true;
}

bool TSVNapr::IsOpenIn(int p) const { return p >= 1 && p <= kMarkedPhases && Phases[static_cast<std::size_t>(p)]; }

TColor TSVNapr::SignalColor() const {
  const int c = CurrentPhase;
  const double t = Remaining;
  if (Owner && Owner->IsUK()) return c == Number ? kSignalGreen : kSignalRed;
  const int n = Owner ? Owner->GetNextPhase(c) : 1;
  const bool openNow = IsOpenIn(c);
  const bool openNext = IsOpenIn(n);
  if (openNow && openNext) return kSignalGreen;
  if (openNow) {
    TColor color = kSignalRed;
    if (t >= TYellow) color = kSignalYellow;
    // Dark on whole seconds: with half-second ticks the green blinks once a
    // second.
    if (t >= TGreenFlash) color = (t == std::floor(t)) ? kSignalDark : kSignalGreen;
    if (t >= TGreen) color = kSignalGreen;
    return color;
  }
  if (openNext) {
    TColor color = kSignalRed;
    // Red-and-yellow is shown as yellow.
    if (t < TRed) color = kSignalYellow;
    if (t < TRedYellow) color = kSignalGreen;
    return color;
  }
  return kSignalRed;
}

bool TSVNapr::IsGreenNow() const { return IsOpenIn(CurrentPhase) && Remaining >= TGreen; }

TSVNapr* TNaprSet::Item(int i) const {
  if (i < 1 || i > Count) return nullptr;
  return Items[static_cast<std::size_t>(i)].get();
}

void TNaprSet::SetCount(int n) {
  if (n < 0) n = 0;
  if (n > kMaxSlots) n = kMaxSlots;
  for (int i = n + 1; i <= Count; ++i) Items[static_cast<std::size_t>(i)].reset();
  for (int i = Count + 1; i <= n; ++i) {
    auto napr = std::make_unique<TSVNapr>(this);
    napr->Number = static_cast<std::uint8_t>(i);
    napr->Name = std::to_string(i);
    Items[static_cast<std::size_t>(i)] = std::move(napr);
  }
  Count = static_cast<std::uint8_t>(n);
}

void TNaprSet::Clear() {
  for (auto& item : Items) item.reset();
  Count = 0;
}

TSVNapr* TNaprSet::findNapr(const std::string& name) const {
  std::uint8_t number = 0;
  NumberOfName(Utf8Left(TrimText(name), kMaxNameLength), number);
  for (int i = 1; i <= Count; ++i) {
    TSVNapr* napr = Items[static_cast<std::size_t>(i)].get();
    if (napr->Number == number) return napr;
  }
  return nullptr;
}

int TNaprSet::GetNextPhase(int p) const { return p < PhaseCount ? p + 1 : 1; }

bool TNaprSet::IsUK() const { return Info && Info->IsUK(); }

void TNaprSet::LoadFromFile(TTextReader& in) {
  for (int i = 1; i <= Count; ++i) {
    TSVNapr& d = *Items[static_cast<std::size_t>(i)];
    d.SetName(in.ReadLine());
    d.SetPhaseList(in.ReadLine());
    d.ConflictText = in.ReadLine();
    d.TGreen = static_cast<std::uint16_t>(in.ReadInt());
    d.TGreenFlash = static_cast<std::uint16_t>(in.ReadInt());
    d.TYellow = static_cast<std::uint16_t>(in.ReadInt());
    d.TRed = static_cast<std::uint16_t>(in.ReadInt());
    d.TRedYellow = static_cast<std::uint16_t>(in.ReadInt());
    in.SkipLine();
    d.RedControlText = in.ReadLine();
  }
}

void TNaprSet::savetofile(TTextWriter& out) const {
  for (int i = 1; i <= Count; ++i) {
    const TSVNapr& d = *Items[static_cast<std::size_t>(i)];
    out.WriteLine(OneLineText(d.Name));
    out.WriteLine(d.PhaseListText());
    out.WriteLine(OneLineText(d.ConflictText));
    out.WriteLine(std::to_string(d.TGreen) + " " + std::to_string(d.TGreenFlash) + " " + std::to_string(d.TYellow) +
                  " " + std::to_string(d.TRed) + " " + std::to_string(d.TRedYellow));
    out.WriteLine(OneLineText(d.RedControlText));
  }
}
