#include "QtDialogHost.h"

#include <QDialog>
#include <cstring>
#include <functional>

#include "SelArrowForm.h"
#include "SelCableForm.h"
#include "SelHeadForm.h"
#include "SelLineForm.h"
#include "SelNaprForm.h"
#include "SelSignForm.h"
#include "SetTextForm.h"
#include "StolbMenuForm.h"
#include "WhiteSignForm.h"
#include "qt/Modal.h"

namespace {

using TViewMaker = std::function<std::unique_ptr<QDialog>(TDialogModel&, QWidget*)>;

// The view class of a model class; the model must really be of that class,
// whatever window name it gives.
template <class Model, class View>
TViewMaker Maker() {
  return [](TDialogModel& model, QWidget* parent) -> std::unique_ptr<QDialog> {
    auto* typed = dynamic_cast<Model*>(&model);
    if (!typed) return nullptr;
    return std::make_unique<View>(*typed, parent);
  };
}

struct TViewEntry {
  const char* FormName;
  TViewMaker Make;
};

const std::vector<TViewEntry>& Views() {
  static const std::vector<TViewEntry> views = {
      {"TStolbMenuForm", Maker<TStolbMenuFormModel, TStolbMenuForm>()},
      {"TSelSignForm", Maker<TSelSignFormModel, TSelSignForm>()},
      {"TSetTextForm", Maker<TSetTextFormModel, TSetTextForm>()},
      {"TWhiteSignForm", Maker<TWhiteSignFormModel, TWhiteSignForm>()},
      {"TSelHeadForm", Maker<TSelHeadFormModel, TSelHeadForm>()},
      {"TSelNaprForm", Maker<TSelNaprFormModel, TSelNaprForm>()},
      {"TSelArrowForm", Maker<TSelArrowFormModel, TSelArrowForm>()},
      {"TSelCableForm", Maker<TSelCableFormModel, TSelCableForm>()},
      {"TSelLineForm", Maker<TSelLineFormModel, TSelLineForm>()},
  };
  return views;
}

}  // namespace

std::unique_ptr<QDialog> TQtDialogHost::MakeView(TDialogModel& model, QWidget* parent) {
  for (const TViewEntry& entry : Views())
    if (std::strcmp(entry.FormName, model.FormName()) == 0) return entry.Make(model, parent);
  return nullptr;
}

int TQtDialogHost::Execute(TDialogModel& model) {
  std::unique_ptr<QDialog> dialog = MakeView(model, Owner_);
  if (!dialog) return model.Press(TDialogButton::Cancel);
  return ExecModal(*dialog);
}
