#include "ScriptDialogs.h"

namespace {

bool Apply(TDialogModel& model, const TDialogAction& a) {
  if (a.Verb == "check") return model.Check(a.Value);
  if (a.Verb == "text") return model.SetText(a.Name, a.Value);
  if (a.Verb == "select") return model.Select(a.Name, a.Value);
  if (a.Verb == "cell") return model.ClickCell(a.X, a.Y);
  return false;
}

}  // namespace

int TScriptDialogHost::Execute(TDialogModel& model) {
  const std::string form = model.FormName();
  auto& queue = Queued_[form];
  if (queue.empty()) {
    // Nobody answers: the dialog is closed with its cancel button.
    Openings_.push_back({form, false});
    return model.Press(TDialogButton::Cancel);
  }
  const TDialogAnswer answer = std::move(queue.front());
  queue.pop_front();
  Openings_.push_back({form, true});
  for (const TDialogAction& a : answer.Actions)
    if (!Apply(model, a) && Failure_.empty())
      Failure_ = "line " + std::to_string(answer.Line) + ": " + form + " has no control that takes " + a.Verb +
                 (a.Name.empty() ? "" : " " + a.Name) + " \"" + a.Value + "\"";
  const int result = model.Press(answer.Button);
  if (result != mrNone) return result;
  // Ok refused (its message has been shown): the dialog stays open, and a
  // script can only leave it by its cancel button.
  if (Failure_.empty())
    Failure_ = "line " + std::to_string(answer.Line) + ": " + form + " did not close with that button";
  return model.Press(TDialogButton::Cancel);
}
