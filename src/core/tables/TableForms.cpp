#include "TableForms.h"

#include "ComplFormModel.h"
#include "TexFormModel.h"
#include "TramSchemeFormModel.h"
#include "model/SVObject.h"

std::unique_ptr<TDialogModel> OpenTableForm(const std::string& form, TSVObject& passport, const TTableFormEnv& env) {
  if (form == "TtexForm") return std::make_unique<TTexFormModel>(*passport.Info, env.Today);
  if (form == "TComplForm") return std::make_unique<TComplFormModel>(*passport.Info, ReadComplPickLists(env.ConfigPath));
  if (form == "TTramSForm") return std::make_unique<TTramSchemeFormModel>(*passport.Info);
  return nullptr;
}
