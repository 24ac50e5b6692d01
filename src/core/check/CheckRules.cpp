#include "CheckRules.h"

const std::vector<TCheckRule>& CheckRules() {
  using S = TFindingSeverity;
  static const std::vector<TCheckRule> rules = {
      {"head-no-direction", S::Error, CheckHeadNoDirection},
      {"tram-head-empty", S::Warning, CheckTramHeadEmpty},
      {"direction-no-head", S::Warning, CheckDirectionNoHead},
      {"direction-name-no-digits", S::Warning, CheckDirectionNameNoDigits},
      {"direction-unknown-phase", S::Error, CheckDirectionUnknownPhase},
      {"direction-thresholds", S::Error, CheckDirectionThresholds},
      {"phase-no-arrows", S::Warning, CheckPhaseNoArrows},
      {"arrow-unknown-phase", S::Error, CheckArrowUnknownPhase},
      {"phase-nothing-open", S::Warning, CheckPhaseNothingOpen},
      {"cycle-mismatch", S::Warning, CheckCycleMismatch},
      {"item-stray", S::Warning, CheckItemStray},
      {"label-far", S::Warning, CheckLabelFar},
      {"hanging-no-carrier", S::Error, CheckHangingNoCarrier},
      {"load-message", S::Warning, CheckLoadMessages},
  };
  return rules;
}
