#pragma once
// "Выбор направления движения": how the traffic direction arrow being
// placed looks (one or both ends, running or held, solid or dashed) and its
// name, with a live preview of the arrow in the chosen look.
#include <memory>
#include <string>

#include "DialogControls.h"
#include "platform/Dialogs.h"
#include "platform/Types.h"

class TCanvas;
class TNapr;

class TSelNaprFormModel : public TDialogModel {
 public:
  // The preview's size in pixels.
  static constexpr int kPreviewWidth = 369;
  static constexpr int kPreviewHeight = 25;

  TSelNaprFormModel();
  ~TSelNaprFormModel() override;

  const char* FormName() const override { return "TSelNaprForm"; }
  static const char* Caption() { return "Выбор направления движения"; }

  // Binds the new arrow (not owned) and the phase shown now.
  void Prepare(TNapr* arrow, int phase);

  // An item of `Oneway`, `Run` or `Dotted` by its caption.
  bool Check(const std::string& caption) override;
  // `textfield`: the direction's name, put above its label's leader.
  bool SetText(const std::string& control, const std::string& value) override;
  // Ok sets the arrow's flags and phase, mrOk; Cancel and the close box
  // leave it untouched, mrCancel.
  int Press(TDialogButton button) override;

  bool Oneway() const { return Oneway_.Index == 0; }
  bool Run() const { return Run_.Index == 0; }
  int Dashed() const { return Dotted_.Index; }
  int Phase() const { return Phase_; }
  const std::string& Label() const { return Label_; }
  const TRadioGroup& OnewayGroup() const { return Oneway_; }
  const TRadioGroup& RunGroup() const { return Run_; }
  const TRadioGroup& DottedGroup() const { return Dotted_; }
  TNapr* Arrow() const { return Arrow_; }

  // Draws the preview on a canvas whose (0, 0) is the preview's top left:
  // `background` over width x height, then an arrow of the chosen look
  // from (70, 10) to (300, 10).
  void DrawPreview(TCanvas& canvas, int width, int height, TColor background) const;

 private:
  TRadioGroup Oneway_, Run_, Dotted_;
  std::string Label_;
  int Phase_ = 0;
  TNapr* Arrow_ = nullptr;
  // The arrow the preview draws, so the new arrow is changed only on Ok.
  std::unique_ptr<TNapr> Preview_;
};
