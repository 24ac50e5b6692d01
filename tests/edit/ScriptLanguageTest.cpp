// The script language itself: words and strings, the table-form commands
// handed to the form's model, and the dialog answers handed to the item
// dialogs' models.
#include <memory>

#include "EditFixture.h"
#include "edit/EditScript.h"

namespace {

TEST(ScriptWords, blanks_split_words_and_strings_keep_blanks_and_json_escapes) {
  std::vector<std::string> w;
  std::string error;
  ASSERT_TRUE(SplitScriptLine("dialog  TSelCableForm\ttext TextField \"a \\\"b\\\" \\u0416\\n\" ok\r", w, error));
  const std::vector<std::string> want = {"dialog", "TSelCableForm", "text", "TextField", "a \"b\" Ж\n", "ok"};
  EXPECT_EQ(w, want);
  ASSERT_TRUE(SplitScriptLine("check \"\" \"\\ud83d\\ude00\" \"Линия связи \"", w, error));
  const std::vector<std::string> want2 = {"check", "", "\xF0\x9F\x98\x80", "Линия связи "};
  EXPECT_EQ(w, want2);
  for (const char* bad : {"text \"open", "text \"\\x\"", "text \"\\u12\"", "text \"\\ud83d\"", "text \"\\udc00\""}) {
    EXPECT_FALSE(SplitScriptLine(bad, w, error)) << bad;
    EXPECT_FALSE(error.empty());
  }
}

// Writes down every action a table form receives.
class TLogForm : public TDialogModel {
 public:
  explicit TLogForm(std::vector<std::string>& log) : Log_(log) {}
  const char* FormName() const override { return "TPhaseForm"; }
  int Press(TDialogButton b) override {
    Log_.push_back(b == TDialogButton::Ok ? "ok" : "cancel");
    // The first Ok is refused, as a table with a bad cell refuses it.
    return b == TDialogButton::Ok && !Refused_++ ? mrNone : mrOk;
  }
  bool SetCell(int r, int c, const std::string& t) override {
    return Put("cell", std::to_string(r) + " " + std::to_string(c) + " " + t);
  }
  bool SelectRow(int r) override { return Put("row", std::to_string(r)); }
  bool PressButton(const std::string& c) override { return Put("button", c); }
  bool Check(const std::string& c) override { return Put("check", c); }
  bool SetText(const std::string& n, const std::string& v) override { return Put("text", n + "=" + v); }
  bool Select(const std::string& n, const std::string& v) override { return Put("pick", n + "=" + v); }
  bool Spin(const std::string& n, int v) override { return Put("spin", n + "=" + std::to_string(v)); }
  bool SetTramLamp(int g, int l, const std::string& k, const std::string& d) override {
    return Put("tram", std::to_string(g) + " " + std::to_string(l) + " " + k + " " + d);
  }
  bool SetTramName(int g, const std::string& t) override { return Put("tramname", std::to_string(g) + " " + t); }

 private:
  bool Put(const std::string& verb, const std::string& what) {
    Log_.push_back(verb + " " + what);
    return what.find("refuse") == std::string::npos;
  }
  std::vector<std::string>& Log_;
  int Refused_ = 0;
};

class TScriptForms : public TEditFixture {
 protected:
  TScriptForms() {
    TScriptEnv env;
    env.TableEnv.Today = "07.03.2026 г.";
    env.OpenForm = [this](const std::string& form, TSVObject& passport, const TTableFormEnv& e) {
      EXPECT_EQ(&passport, &Scheme);
      Today = e.Today;
      return form == "TPhaseForm" ? std::make_unique<TLogForm>(Log) : std::unique_ptr<TLogForm>();
    };
    Forms = std::make_unique<TEditScriptRunner>(Scheme, Session, Host, env);
  }
  bool RunForms(const std::string& script, std::string& error) { return Forms->Run(script, error); }
  std::vector<std::string> Log;
  std::string Today;
  std::unique_ptr<TEditScriptRunner> Forms;
};

TEST_F(TScriptForms, every_form_command_reaches_the_open_form_in_order) {
  std::string error;
  ASSERT_TRUE(
      RunForms("form TPhaseForm\ncell 2 1 \"35\"\nselect 3\nbutton "
               "\"Добавить\"\ncheck \"II\"\n"
               "text Edit1 \"x y\"\npick Box \"Прямо\"\nspin Count "
               "4\ntram 2 3 \"Налево\" 5\n"
               "tramname 1 \"Т-1\"\nok\nok\ntool \"Прямой бордюр\"\n",
               error))
      << error;
  const std::vector<std::string> want = {"cell 2 1 35",
                                         "row 3",
                                         "button Добавить",
                                         "check II",
                                         "text Edit1=x y",
                                         "pick Box=Прямо",
                                         "spin Count=4",
                                         "tram 2 3 Налево 5",
                                         "tramname 1 Т-1",
                                         "ok",
                                         "ok"};
  EXPECT_EQ(Log, want);
  EXPECT_EQ(Today, "07.03.2026 г.");
  // After the form closed, "tool" is the editor's again.
  EXPECT_EQ(Session.ToolHint(), "Прямой бордюр");
}

TEST_F(TScriptForms, a_refused_form_action_or_an_unknown_form_is_an_error_naming_its_line) {
  std::string error;
  EXPECT_FALSE(RunForms("form TPhaseForm\n# note\ncell 1 1 \"refuse\"\n", error));
  EXPECT_EQ(error.rfind("line 3:", 0), 0u) << error;
  EXPECT_FALSE(RunForms("form TNoSuchForm\n", error));
  EXPECT_EQ(error.rfind("line 1:", 0), 0u) << error;
  // While a form is open, editor commands are not taken for form commands.
  EXPECT_FALSE(RunForms("form TPhaseForm\nclick 10 10\n", error));
  EXPECT_EQ(error.rfind("line 2:", 0), 0u) << error;
}

}  // namespace
