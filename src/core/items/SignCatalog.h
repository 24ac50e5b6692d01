#pragma once
// The road-sign catalogue: the eighteen sign kinds the sign dialog offers,
// the class (type code) each kind is drawn by, the sign number proposed as
// its label, and the colours the signs are painted in.
#include <cstdint>

#include "model/SchemeColors.h"
#include "platform/Types.h"

struct TSignKindInfo {
  int Kind;
  // Caption in the sign dialog.
  const char* Caption;
  // Type code of the class that draws the kind.
  std::uint32_t TypeCode;
  // The national catalogue number proposed as the label; empty for the
  // generic shapes, which stand for any sign of their shape and colour.
  const char* DefaultNumber;
};

constexpr int kSignKindCount = 18;

// The row of a kind, or nullptr for a kind outside 1..18.
const TSignKindInfo* FindSignKind(int kind);
// The type code of the class that draws the kind; 0 for an unknown kind.
std::uint32_t SignTypeCode(int kind);

// Paint of the signs themselves (the scheme's own palette is in the item code).
constexpr TColor kSignBlue = 0xE03000;
constexpr TColor kSignRed = 0x0000E0;
// The no-entry disc is a brighter red than the other red signs on screen.
constexpr TColor kNoEntryRed = 0x0000FF;
constexpr TColor kSignYellow = 0x00ECFF;
// Editable signs are drawn hollow in kSchemeBackground.
constexpr TColor kSelectedFill = 0xFF0000;
constexpr TColor kRubberColor = 0x10FFFF;

// Type code of a sign's label: labels are in no layer, so it plays no part.
constexpr std::uint32_t kSignLabelCode = 0xFFFFFFFFu;
