#pragma once
// Scripted editing: one command a line, each the scripted form of a user's
// action in the editor (a tool button, a click, a key, a dialog answer) or
// in a table dialog of the passport. Blank lines and lines starting with
// '#' are skipped; words are separated by blanks; strings are in double
// quotes with JSON escapes; coordinates are paint-box pixels.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "edit/ScriptDialogs.h"
#include "platform/Canvas.h"
#include "tables/TableForms.h"

class TEditSession;
class TSVObject;

// Splits a script line into words; a quoted string is one word with its
// escapes resolved. False (with the reason) for an unclosed string or a
// bad escape.
bool SplitScriptLine(const std::string& line, std::vector<std::string>& words, std::string& error);

// What the runner needs from its surroundings.
struct TScriptEnv {
  // Reads an image file for "base"; false when it cannot be read.
  std::function<bool(const std::string& path, TRasterImage& image)> LoadImage;
  // Writes the paint box for "shot"; false when it cannot be written.
  std::function<bool(const std::string& path)> Shot;
  // Opens a table dialog of the passport by its class name; the passport's
  // own table dialogs when not set.
  std::function<std::unique_ptr<TDialogModel>(const std::string& form, TSVObject& passport, const TTableFormEnv& env)>
      OpenForm;
  // Where relative file names of the script are found.
  std::string ScriptDir;
  TTableFormEnv TableEnv;
};

class TEditScriptRunner {
 public:
  TEditScriptRunner(TSVObject& scheme, TEditSession& session, TScriptDialogHost& dialogs, TScriptEnv env);
  ~TEditScriptRunner();

  // Runs one line (number `lineNo`, for messages); false with an error text.
  bool RunLine(int lineNo, const std::string& line, std::string& error);
  // Runs a whole script; false at the first failing line, with its error.
  bool Run(const std::string& text, std::string& error);

 private:
  bool Command(const std::vector<std::string>& w, int lineNo, std::string& error);
  bool FormCommand(const std::vector<std::string>& w, std::string& error);
  bool DialogAnswer(const std::vector<std::string>& w, int lineNo, std::string& error);
  bool Caption(const std::string& caption, std::string& error);

  TSVObject& Scheme_;
  TEditSession& Session_;
  TScriptDialogHost& Dialogs_;
  TScriptEnv Env_;
  std::unique_ptr<TDialogModel> Form_;
  int MouseX_ = 0, MouseY_ = 0;
};
