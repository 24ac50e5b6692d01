#include "CheckRules.h"

const std::vector<TCheckRule>& CheckRules() {
  using S = TFindingSeverity;
  // The phases' times and the cycle; the directions' names, phases and times.
  const char* kPhases = "TPhaseForm";
  const char* kDirections = "TNaprDataForm";
  static const std::vector<TCheckRule> rules = {
      {"head-no-direction", S::Error, CheckHeadNoDirection},
      {"tram-head-empty", S::Warning, CheckTramHeadEmpty},
      {"direction-no-head", S::Warning, CheckDirectionNoHead},
      {"direction-name-no-digits", S::Warning, CheckDirectionNameNoDigits, kDirections},
      {"direction-unknown-phase", S::Error, CheckDirectionUnknownPhase, kDirections},
      {"direction-thresholds", S::Error, CheckDirectionThresholds, kDirections},
      {"phase-no-arrows", S::Warning, CheckPhaseNoArrows},
      {"arrow-unknown-phase", S::Error, CheckArrowUnknownPhase},
      {"phase-nothing-open", S::Warning, CheckPhaseNothingOpen, kDirections},
      {"cycle-mismatch", S::Warning, CheckCycleMismatch, kPhases},
      {"item-stray", S::Warning, CheckItemStray},
      {"label-far", S::Warning, CheckLabelFar},
      {"hanging-no-carrier", S::Error, CheckHangingNoCarrier},
      {"info-missing", S::Error, CheckInfoMissing},
      {"load-message", S::Warning, CheckLoadMessages},
  };
  return rules;
}
