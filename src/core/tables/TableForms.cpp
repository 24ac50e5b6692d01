#include "TableForms.h"

#include "ExoFormModel.h"
#include "InfoFormModel.h"
#include "NaprDataFormModel.h"
#include "PhaseFormModel.h"
#include "SetPhaseLenModel.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"

std::unique_ptr<TDialogModel> OpenTableForm(const std::string& form, TSVObject& passport, const TTableFormEnv& env) {
  (void)env;
  TSVInfo& info = *passport.Info;
  if (form == "TInfoForm") return std::make_unique<TInfoFormModel>(info);
  if (form == "TPhaseForm") return std::make_unique<TPhaseFormModel>(info);
  if (form == "TNaprDataForm") return std::make_unique<TNaprDataFormModel>(info);
  if (form == "Texoform") return std::make_unique<TExoFormModel>(info);
  if (form == "TSetPhaseForm") return std::make_unique<TSetPhaseLenModel>(passport);
  return nullptr;
}
