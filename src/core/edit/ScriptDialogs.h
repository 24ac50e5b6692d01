#pragma once
// Dialog answers given in advance: a script queues, per dialog class, what
// the user does in the next opening of that dialog, and the host works the
// dialog's model with those actions when the editor opens it.
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "platform/Dialogs.h"

struct TDialogAction {
  // "check", "text", "select" or "cell".
  std::string Verb;
  std::string Name;
  std::string Value;
  int X = 0, Y = 0;
};

struct TDialogAnswer {
  std::vector<TDialogAction> Actions;
  TDialogButton Button = TDialogButton::Ok;
  // The script line that gave the answer, for error reports.
  int Line = 0;
};

// One opening of a dialog, in order.
struct TDialogOpening {
  std::string Form;
  bool Answered = false;
};

class TScriptDialogHost : public TDialogHost {
 public:
  void Queue(const std::string& form, TDialogAnswer answer) { Queued_[form].push_back(std::move(answer)); }
  int Execute(TDialogModel& model) override;

  const std::vector<TDialogOpening>& Openings() const { return Openings_; }
  // The first answer that could not be worked (an action the dialog
  // refused), as an error text naming its script line; empty when none.
  const std::string& Failure() const { return Failure_; }

 private:
  std::map<std::string, std::deque<TDialogAnswer>> Queued_;
  std::vector<TDialogOpening> Openings_;
  std::string Failure_;
};
