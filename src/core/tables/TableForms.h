#pragma once
// The table dialogs of a passport, opened by the name of their window class
// as the main window's menu opens them: the model is filled from the
// passport's information, and its Ok stores into it.
#include <memory>
#include <string>

#include "platform/Dialogs.h"

class TSVObject;

struct TTableFormEnv {
  // Today as the change log writes it: "dd.mm.yyyy г.".
  std::string Today;
  // config.ini, which holds the equipment pick lists ("Compl_Form").
  std::string ConfigPath;
};

// The model of the table dialog `form` ("TInfoForm", "TPhaseForm",
// "TNaprDataForm", "Texoform", "TSetPhaseForm", "TtexForm", "TComplForm",
// "TTramSForm") on the passport, or nullptr when there is no such dialog.
std::unique_ptr<TDialogModel> OpenTableForm(const std::string& form, TSVObject& passport, const TTableFormEnv& env);
