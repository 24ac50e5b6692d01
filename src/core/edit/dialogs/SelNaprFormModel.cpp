#include "SelNaprFormModel.h"

#include "items/Napr.h"
#include "model/DrawContext.h"
#include "model/TypeCodes.h"
#include "platform/Canvas.h"

TSelNaprFormModel::TSelNaprFormModel() : Preview_(std::make_unique<TNapr>(TypeCode::Napr)) {
  Oneway_.Items = {"Стрелка на одном конце", "Стрелка на обоих концах"};
  Run_.Items = {"Зеленый ", "Красный"};
  Dotted_.Items = {"Сплошная ", "Прерывистая"};
  for (TRadioGroup* group : {&Oneway_, &Run_, &Dotted_}) group->Index = 0;
}

TSelNaprFormModel::~TSelNaprFormModel() = default;

void TSelNaprFormModel::Prepare(TNapr* arrow, int phase) {
  Arrow_ = arrow;
  Phase_ = phase;
}

bool TSelNaprFormModel::Check(const std::string& caption) {
  for (TRadioGroup* group : {&Oneway_, &Run_, &Dotted_}) {
    const int i = group->Find(caption);
    if (i < 0) continue;
    group->Index = i;
    return true;
  }
  return false;
}

bool TSelNaprFormModel::SetText(const std::string& control, const std::string& value) {
  if (control != "textfield") return false;
  Label_ = value;
  return true;
}

int TSelNaprFormModel::Press(TDialogButton button) {
  if (button != TDialogButton::Ok) return mrCancel;
  if (Arrow_) {
    Arrow_->Oneway = Oneway();
    Arrow_->Run = Run();
    Arrow_->Dashed = static_cast<std::uint8_t>(Dashed());
    Arrow_->Phase = static_cast<std::uint8_t>(Phase_);
  }
  return mrOk;
}

void TSelNaprFormModel::DrawPreview(TCanvas& canvas, int width, int height, TColor background) const {
  canvas.SetBrushColor(background);
  canvas.FillRect(TRect{0, 0, width, height});
  TNapr& arrow = *Preview_;
  arrow.Oneway = Oneway();
  arrow.Run = Run();
  arrow.Dashed = static_cast<std::uint8_t>(Dashed());
  arrow.Phase = static_cast<std::uint8_t>(Phase_);
  arrow.Count = 2;
  arrow.Vertices[0] = TRealPoint{70, 10};
  arrow.Vertices[1] = TRealPoint{300, 10};
  TDrawContext ctx;
  ctx.Canvas = &canvas;
  ctx.Normalize();
  arrow.DrawPlain(ctx);
}
