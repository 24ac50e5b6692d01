// "Автор изменений": what the dialog accepts, what it writes to config.ini,
// and that a config.ini edited by hand into something git refuses never
// stops a save from recording its version.
#include <gtest/gtest.h>

#include "GitTestSupport.h"
#include "TestSupport.h"
#include "history/AuthorForm.h"
#include "history/Sync.h"
#include "history/VersionedStore.h"
#include "platform/Codec1251.h"
#include "platform/IniFile.h"

namespace {

struct TCase {
  const char* What;
  std::string Name, Email;
  TAuthorForm::TField Bad;
  std::string Message;      // empty when accepted
  std::string Recorded;     // "Name <email>" of the versions, when accepted
  std::string Config;       // config.ini after OK (UTF-8, LF), when accepted
};

TEST(AuthorFormTest, FieldsAreTrimmedEmptyFollowsTheDefaultAndWhatGitRefusesIsNamed) {
  using F = TAuthorForm::TField;
  const TCase cases[] = {
      {"both typed, blanks around", "  Пётр Иванов\t", " ivanov@oodd.example ", F::None, "",
       "Пётр Иванов <ivanov@oodd.example>", "[History]\nAuthorName=Пётр Иванов\nAuthorEmail=ivanov@oodd.example\n"},
      {"name only: the e-mail stays the login's", "Сидорова А. В.", "", F::None, "",
       "Сидорова А. В. <petrov@ws-7>", "[History]\nAuthorName=Сидорова А. В.\nAuthorEmail=\n"},
      {"blanks only are empty", "   ", "\t", F::None, "", "petrov <petrov@ws-7>",
       "[History]\nAuthorName=\nAuthorEmail=\n"},
      {"angle bracket in the name", "Иванов <главный>", "ivanov@oodd.example", F::Name,
       "Имя не может содержать знаки < и >.", "", ""},
      {"a lone > in the name", "Иван>ов", "", F::Name, "Имя не может содержать знаки < и >.", "", ""},
      {"line break inside the name", "Иван\nИванов", "i@x.example", F::Name,
       "Имя должно быть одной строкой без управляющих символов.", "", ""},
      {"control character in the name", std::string("Иван\x01"), "", F::Name,
       "Имя должно быть одной строкой без управляющих символов.", "", ""},
      {"a name config.ini cannot keep", "李雷", "li@x.example", F::Name,
       "Имя содержит знаки, которые нельзя сохранить в настройках программы.", "", ""},
      {"the name is checked before the e-mail", "<a>", "no-at", F::Name, "Имя не может содержать знаки < и >.", "",
       ""},
      {"e-mail without @", "Иванов", "ivanov.oodd.example", F::Email,
       "В адресе электронной почты нет знака @ (пример: ivanov@example.ru).", "", ""},
      {"e-mail in angle brackets", "", "<ivanov@oodd.example>", F::Email,
       "Электронная почта не может содержать знаки < и >.", "", ""},
      {"tab inside the e-mail", "", "ivanov@\toodd", F::Email,
       "Электронная почта должна быть одной строкой без управляющих символов.", "", ""},
      {"an e-mail config.ini cannot keep", "", "ivan@例え.jp", F::Email,
       "Адрес электронной почты содержит знаки, которые нельзя сохранить в настройках программы.", "", ""},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    TTempDir tmp;
    const std::string path = tmp.File("config.ini");
    // An unrelated setting already there stays as it was.
    WriteBytes(path, "[DataBase]\r\nLocalData=1\r\n");
    TIniFile config(path);
    TAuthorForm form({"petrov", "petrov@ws-7"});
    form.Name = c.Name;
    form.Email = c.Email;
    EXPECT_EQ(form.BadField(), c.Bad);
    EXPECT_EQ(form.Problem(), c.Message);
    EXPECT_EQ(form.Store(config), c.Bad == F::None);
    if (c.Bad != F::None) {
      EXPECT_EQ(ReadBytes(path), "[DataBase]\r\nLocalData=1\r\n");
      continue;
    }
    EXPECT_EQ(form.Author().Name + " <" + form.Author().Email + ">", c.Recorded);
    // A new section comes after a blank line.
    std::string expected = "[DataBase]\nLocalData=1\n\n" + c.Config;
    std::string crlf;
    for (const char ch : expected) crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    EXPECT_EQ(ReadBytes(path), Encode1251(crlf));
  }
}

TEST(AuthorFormTest, TheDialogOpensOnWhatConfigHoldsAndAReadOnlyConfigIsNotReportedAsWritten) {
  TTempDir tmp;
  const std::string path = tmp.File("config.ini");
  WriteBytes(path, Encode1251("[History]\r\nAuthorName=  Анна \r\n"));
  TAuthorForm form({"petrov", "petrov@ws-7"});
  form.Load(TIniFile(path));
  EXPECT_EQ(form.Name, "Анна");
  EXPECT_EQ(form.Email, "");
  // A folder in the file's place: config.ini cannot be written.
  TIniFile blocked(tmp.File("dir/config.ini"));
  WriteBytes(tmp.File("dir/config.ini/keep"), "");
  form.Name = "Анна Петрова";
  EXPECT_FALSE(form.Store(blocked));
}

class HandEditedAuthorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HaveGit()) GTEST_SKIP() << "the git program is not installed";
  }
  TTempDir Tmp;
};

TEST_F(HandEditedAuthorTest, ValuesGitRefusesFallBackFieldByFieldAndTheSaveIsStillRecorded) {
  const std::string db = Tmp.Path() + "db";
  MakeDatabase(db, 2);
  DbInit(db, std::nullopt, TRecordOptions{});
  const std::string defaultLine = DefaultAuthorLine();
  const std::string login = defaultLine.substr(0, defaultLine.find(" <"));
  const std::string defaultEmail = defaultLine.substr(defaultLine.find('<') + 1, defaultLine.size() - defaultLine.find('<') - 2);
  struct {
    std::string Ini, Expected;
  } const cases[] = {
      {"AuthorName=Иванов <главный>\r\nAuthorEmail=ivanov@oodd.example\r\n", login + " <ivanov@oodd.example>"},
      {"AuthorName=Иванов\r\nAuthorEmail=<ivanov@oodd.example>\r\n", "Иванов <" + defaultEmail + ">"},
      {"AuthorName=Иванов\r\nAuthorEmail=ivanov\r\n", "Иванов <" + defaultEmail + ">"},
      {"AuthorName=>\r\nAuthorEmail=a<b@c\r\n", defaultLine},
      {"AuthorName= Иван Иванов \r\nAuthorEmail= i@oodd.example \r\n", "Иван Иванов <i@oodd.example>"},
  };
  int edit = 1;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Ini);
    WriteBytes(Tmp.File("config.ini"), Encode1251("[History]\r\n" + c.Ini));
    TRecordOptions options;
    options.Author = AuthorFromConfig(TIniFile(Tmp.File("config.ini")));
    TVersionedStore store(TDbRepository::OpenExisting(db), TFolderStore::TLockMaker(), options);
    EXPECT_NO_THROW(store.Write("svo2", TPassportFile::Info, InfoBytes(2, edit++)));
    EXPECT_EQ(Git(db, "log -1 '--format=%an <%ae>' -- svo2"), c.Expected + "\n");
    EXPECT_EQ(Git(db, "status --porcelain"), "");
  }
}

}  // namespace
