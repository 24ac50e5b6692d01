// An installed program (executables in <prefix>/bin, its files in
// <prefix>/share/svpass) started by a new user: settings in the user's
// configuration directory, the sample copied into the user's documents and
// passport 1 opened from there; the installation itself is left untouched.
#include <QDirIterator>

#include "QtTestSupport.h"
#include "platform/IniFile.h"
#include "platform/Messages.h"
#include "ui/viewer/Database.h"
#include "ui/viewer/MainForm.h"

using namespace qtsupport;

namespace {

// Every file under `dir`, relative to it, sorted.
QStringList FilesUnder(const QString& dir) {
  QStringList files;
  QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) files << QDir(dir).relativeFilePath(it.next());
  files.sort();
  return files;
}

}  // namespace

class FirstStartTest : public QObject {
  Q_OBJECT

  QTemporaryDir Prefix_;
  QTemporaryDir Home_;
  std::string SavedProgramDir_;

  QString Share() const { return Prefix_.path() + "/share/svpass/"; }
  QString Documents() const { return Home_.path() + "/Documents/svpass/Data/"; }

 private slots:
  void init() {
    QVERIFY(Prefix_.isValid() && Home_.isValid());
    QApplication::setApplicationName(QStringLiteral("svpass"));
    qputenv("HOME", Home_.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (Home_.path() + "/.config").toUtf8());
    QDir().mkpath(Prefix_.path() + "/bin");
    WriteFile(Share() + "Data/svo1/info.txt", SampleInfo());
    WriteFile(Share() + "Data/svo1/map.txt", SampleMap());
    WriteFile(Share() + "Data/svo7/info.txt", SampleInfo(2));
    WriteFile(Share() + "help/passport.html", "<p>help</p>");
    SavedProgramDir_ = ProgramDir();
    LocateProgramHome(Prefix_.path().toStdString() + "/bin");
  }

  void cleanup() { SetProgramDir(SavedProgramDir_); }

  void TheSettingsGoToTheUsersConfigurationAndNeverBesideTheInstalledFiles() {
    QVERIFY(ProgramInstalled());
    QCOMPARE(QString::fromStdString(ProgramDir()), Share());
    // The shared directory is writable here, as it is to an administrator.
    QCOMPARE(QString::fromStdString(ConfigFilePath()), Home_.path() + "/.config/svpass/config.ini");
  }

  void TheFirstStartCopiesTheSampleIntoTheDocumentsAndOpensPassportOneFromThere() {
    TMessageCapture messages;
    TAnswerer answers([](QDialog&) { return int(QDialog::Rejected); });
    {
      TMainForm form;
      QVERIFY(form.Start());
      QCOMPARE(answers.Seen, std::vector<QString>{});
      QCOMPARE(form.windowTitle(), QStringLiteral("ул. Тестовая - пр. Проверочный"));
    }
    QCOMPARE(FilesUnder(Documents()), (QStringList{"svo1/info.txt", "svo1/map.txt", "svo7/info.txt"}));
    QCOMPARE(ReadFile(Documents() + "svo1/map.txt"), QByteArray::fromStdString(SampleMap()));
    QCOMPARE(ReadFile(Documents() + "svo7/info.txt"), QByteArray::fromStdString(SampleInfo(2)));
    // Nothing was written into the installation.
    QCOMPARE(FilesUnder(Share()),
             (QStringList{"Data/svo1/info.txt", "Data/svo1/map.txt", "Data/svo7/info.txt", "help/passport.html"}));
    QVERIFY(QFileInfo::exists(Home_.path() + "/.config/svpass/config.ini"));
  }

  void ALaterStartKeepsTheUsersEditsAndAnotherDatabaseIsNotSeededWithTheSample() {
    QCOMPARE(QString::fromStdString(LocalDatabaseDir()), Documents());
    WriteFile(Documents() + "svo1/map.txt", "the user's own scheme\r\n");
    QCOMPARE(QString::fromStdString(LocalDatabaseDir()), Documents());
    QCOMPARE(ReadFile(Documents() + "svo1/map.txt"), QByteArray("the user's own scheme\r\n"));

    QDir(Home_.path() + "/Documents").removeRecursively();
    TIniFile config(ConfigFilePath());
    config.WriteBool("DataBase", "LocalData", false);
    config.WriteString("DataBase", "DataBaseDir", Prefix_.path().toStdString() + "/elsewhere");
    QCOMPARE(QString::fromStdString(DatabaseDirFromConfig(config)), Prefix_.path() + "/elsewhere/");
    QVERIFY(!QFileInfo::exists(Home_.path() + "/Documents"));
  }
};

SVPASS_QTEST_MAIN(FirstStartTest)
#include "FirstStartTest.moc"
