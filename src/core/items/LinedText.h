#pragma once
// A label of two lines set on an underline, with a leader from the owner to
// the nearer end of the underline (poles, cables, direction arrows).
#include <memory>
#include <string>

#include "SVText.h"

class TLinedText : public TSVText {
 public:
  using TSVText::TSVText;

  std::string LowerText;

  static std::unique_ptr<TLinedText> MakeLabel(TSVItem* owner, const std::string& upper, const std::string& lower,
                                               double sizeFactor);

  TRect GetBounds(TDrawContext& ctx) override;
  void SaveToText(TTextWriter& f) override;
  void LoadFromText(TTextReader& f) override;
  void DrawActive(TDrawContext& ctx) override;
  void DrawInactive(TDrawContext& ctx) override;
  void DrawSelected(TDrawContext& ctx) override;
  void DrawRubber(TDrawContext& ctx, const TScreenPoints& pts, int mode) override;
  void DrawPrint(TDrawContext& ctx) override;
  void SetDefaultFont() override;
};
