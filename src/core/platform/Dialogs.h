#pragma once
// The model's modal dialogs. What a dialog decides (which field a radio
// button fills, which lists are enabled, what Ok stores, which message a bad
// cell gives) lives in a dialog model: the state of its controls and every
// rule, with no widget. A window shows a model through a thin view; a script
// or a test works the same model through the user's actions below, so the
// rules the user sees are the rules that are tested.
//
// Every action names its control the way the user sees it: a radio button or
// list item by its caption, an edit field, list or spin edit by its control
// name, a grid cell by row and column, a button by its caption. An action
// answers false when the dialog has no such control, the control is disabled
// or the value cannot be taken; the dialog is then unchanged.
#include <string>

// The modal results of a dialog, with the numbers the dialogs' result codes
// are compared with.
enum TModalResult : int {
  mrNone = 0,
  mrOk = 1,
  mrCancel = 2,
  mrAbort = 3,
  mrRetry = 4,
  mrIgnore = 5,
  mrYes = 6,
  mrNo = 7,
};

// The button that closes a dialog: its Ok, its Cancel, or the close box of
// its title bar (which is not always the same as Cancel).
enum class TDialogButton { Ok, Cancel, Close };

class TDialogModel {
 public:
  virtual ~TDialogModel() = default;

  // The class name of the dialog's window ("TSelSignForm"); scripts queue
  // their answers under it.
  virtual const char* FormName() const = 0;

  // Closes the dialog by a button: returns the modal result it closes with,
  // or mrNone when it stays open (Ok refused, after its message).
  virtual int Press(TDialogButton button) = 0;

  // A radio button or radio-group item, by its caption as shown.
  virtual bool Check(const std::string& caption);
  // An edit field or memo, by control name; the whole text is replaced.
  virtual bool SetText(const std::string& control, const std::string& value);
  // An item of a drop-down or pick list, by control name and item text.
  virtual bool Select(const std::string& control, const std::string& item);
  // A click on the dialog's picture, in the picture's own pixels.
  virtual bool ClickCell(int x, int y);
  // A spin edit, by control name.
  virtual bool Spin(const std::string& control, int value);
  // A button that does not close the dialog, by its caption.
  virtual bool PressButton(const std::string& caption);
  // Text typed into a grid cell (row 1-based among the data rows, column
  // 0-based among the grid's columns), with the grid's cell-edit rule.
  virtual bool SetCell(int row, int column, const std::string& text);
  // Puts the grid's selection on a data row.
  virtual bool SelectRow(int row);
  // Lamp `lamp` (1-4) of tram-head group `group` (1-4): its kind as the pick
  // list shows it and the direction it lights for.
  virtual bool SetTramLamp(int group, int lamp, const std::string& kind, const std::string& direction);
  // The name of tram-head group `group`.
  virtual bool SetTramName(int group, const std::string& text);
};

// Shows dialogs modally. The session of a window asks through this seam; the
// windows answer with real dialogs, the command-line tool and the tests with
// queued answers.
class TDialogHost {
 public:
  virtual ~TDialogHost() = default;
  // Shows the dialog over its model, already filled for this opening, and
  // returns the modal result it closed with.
  virtual int Execute(TDialogModel& model) = 0;
};
