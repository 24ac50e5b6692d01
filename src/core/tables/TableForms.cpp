#include "TableForms.h"

std::unique_ptr<TDialogModel> OpenTableForm(const std::string& form, TSVObject& passport, const TTableFormEnv& env) {
  (void)passport;
  (void)env;
  (void)form;
  return nullptr;
}
