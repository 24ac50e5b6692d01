// The signal plan on its own: direction names, open phases, signal times and
// the cycle.
#include <cctype>
#include <string>

#include "CheckRules.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "plan/SVtime.h"

namespace {

bool HasDigit(const std::string& s) {
  for (unsigned char c : s)
    if (std::isdigit(c)) return true;
  return false;
}

// A time read from a negative number keeps its low 16 bits: what is above
// half the range was negative in the file.
constexpr int kNegativeFrom = 32768;

const char* const kProgramNames[] = {"", "I", "II", "III"};

// Is the direction open in phase p? An object of the type "УК" opens each
// direction in the phase of its own number, whatever its marks.
bool IsOpen(const TSVInfo& info, const TSVNapr& d, int p) { return info.IsUK() ? d.Number == p : d.IsOpenIn(p); }

std::string Program(int k) { return kProgramNames[k]; }

}  // namespace

void CheckDirectionNameNoDigits(TCheckContext& ctx, TFindingList& out) {
  const TNaprSet& dirs = ctx.Info.Directions;
  for (int i = 1; i <= dirs.Count; ++i) {
    const TSVNapr& d = *dirs.Item(i);
    if (HasDigit(d.Name)) continue;
    out.Add("В имени направления \"" + d.Name +
            "\" нет цифр: светофоры находят направление по номеру в имени, это направление не найдёт ни один.")
        .Directions = {i};
  }
}

void CheckDirectionUnknownPhase(TCheckContext& ctx, TFindingList& out) {
  const TNaprSet& dirs = ctx.Info.Directions;
  for (int i = 1; i <= dirs.Count; ++i) {
    const TSVNapr& d = *dirs.Item(i);
    for (int p = ctx.Info.PhaseCount + 1; p <= kMarkedPhases; ++p) {
      if (!d.Phases[static_cast<std::size_t>(p)]) continue;
      TFinding& f = out.Add("Направление " + d.Name + " открыто в фазе " + std::to_string(p) +
                            ", а в паспорте фаз " + std::to_string(ctx.Info.PhaseCount) + ".");
      f.Directions = {i};
      f.Phases = {p};
    }
  }
}

void CheckDirectionThresholds(TCheckContext& ctx, TFindingList& out) {
  const TNaprSet& dirs = ctx.Info.Directions;
  for (int i = 1; i <= dirs.Count; ++i) {
    const TSVNapr& d = *dirs.Item(i);
    const std::string who = "Направление " + d.Name + ": ";
    const int values[] = {d.TGreen, d.TGreenFlash, d.TYellow, d.TRed, d.TRedYellow};
    const char* names[] = {"З", "ЗМ", "Ж", "К", "КЖ"};
    for (int k = 0; k < 5; ++k)
      if (values[k] >= kNegativeFrom)
        out.Add(who + "время " + names[k] + " отрицательно (" + std::to_string(values[k] - 65536) + ").").Directions =
            {i};
    if (d.TGreen < d.TGreenFlash && d.TGreenFlash < kNegativeFrom)
      out.Add(who + "З (" + std::to_string(d.TGreen) + ") меньше ЗМ (" + std::to_string(d.TGreenFlash) +
              "): зелёное мигание начиналось бы раньше конца зелёного.")
          .Directions = {i};
    if (d.TGreenFlash < d.TYellow && d.TYellow < kNegativeFrom)
      out.Add(who + "ЗМ (" + std::to_string(d.TGreenFlash) + ") меньше Ж (" + std::to_string(d.TYellow) +
              "): жёлтый загорался бы раньше конца зелёного мигания.")
          .Directions = {i};
    // The flashing green of a closing direction has to fit into the
    // intermediate time of the phase it closes at. An object of the type
    // "УК" switches straight from green to red and has no flashing.
    if (ctx.Info.IsUK()) continue;
    for (int p = 1; p <= ctx.Info.PhaseCount; ++p) {
      if (!IsOpen(ctx.Info, d, p) || IsOpen(ctx.Info, d, dirs.GetNextPhase(p))) continue;
      const int inter = ctx.Scheme.Time->IntermediateTime(p);
      if (d.TGreenFlash <= inter || d.TGreenFlash >= kNegativeFrom) continue;
      TFinding& f = out.Add(who + "зелёное мигание (ЗМ " + std::to_string(d.TGreenFlash) +
                            ") длиннее промежуточного такта фазы " + std::to_string(p) + " (" +
                            std::to_string(inter) + ").");
      f.Directions = {i};
      f.Phases = {p};
    }
  }
}

void CheckPhaseNothingOpen(TCheckContext& ctx, TFindingList& out) {
  const TNaprSet& dirs = ctx.Info.Directions;
  for (int p = 1; p <= ctx.Info.PhaseCount; ++p) {
    bool open = false;
    for (int i = 1; i <= dirs.Count && !open; ++i) open = IsOpen(ctx.Info, *dirs.Item(i), p);
    if (open) continue;
    out.Add("В фазе " + std::to_string(p) + " не открыто ни одно направление.").Phases = {p};
  }
}

void CheckCycleMismatch(TCheckContext& ctx, TFindingList& out) {
  const TPhaseSet& phases = ctx.Info.Phases;
  if (phases.Tkk == 0 || phases.Count == 0) return;
  const int programs = ctx.Info.IsSystem() ? 1 : 3;
  for (int k = 1; k <= programs; ++k) {
    int sum = 0;
    bool used = false;
    for (int p = 1; p <= phases.Count; ++p) {
      const int main = phases.Item(p)->TMain[static_cast<std::size_t>(k)];
      used = used || main != 0;
      sum += main + ctx.Scheme.Time->IntermediateTime(p);
    }
    // A program with no main times is not in use.
    if (!used || sum == phases.Tkk) continue;
    out.Add("Программа " + Program(k) + ": сумма основных и промежуточных тактов (" + std::to_string(sum) +
            " с) не равна времени цикла Tкк (" + std::to_string(phases.Tkk) + " с).");
  }
}
