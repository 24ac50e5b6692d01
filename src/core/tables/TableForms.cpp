#include "TableForms.h"

#include "SetPhaseLenModel.h"

std::unique_ptr<TDialogModel> OpenTableForm(const std::string& form, TSVObject& passport, const TTableFormEnv& env) {
  (void)passport;
  (void)env;
  if (form == "TSetPhaseForm") return std::make_unique<TSetPhaseLenModel>(passport);
  return nullptr;
}
