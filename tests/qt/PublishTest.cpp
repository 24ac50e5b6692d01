// "Опубликовать базу…": the entry asks for the site's folder and publishes
// the database there, printed pages included; a cancelled dialog writes
// nothing; a folder that cannot be made is an error naming it.
#include <QFileDialog>

#include "QtTestSupport.h"
#include "ui/viewer/MainForm.h"

using namespace qtsupport;

class PublishTest : public QObject {
  Q_OBJECT
  QTemporaryDir Program_;
  std::unique_ptr<TMainForm> Form_;
  std::unique_ptr<TMessageCapture> Messages_;

  TMainForm& Started() {
    WritePassport(Program_.path() + "/Data/svo1", SampleInfo(), SampleMap());
    WritePassport(Program_.path() + "/Data/svo4", SampleInfo(), SampleMap());
    Form_ = std::make_unique<TMainForm>();
    [&] { QVERIFY(Form_->Start()); }();
    return *Form_;
  }

  void PublishInto(TMainForm& f, const QString& dir) {
    TAnswerer answers([&](QDialog& d) {
      auto* dialog = qobject_cast<QFileDialog*>(&d);
      if (!dialog) return int(QDialog::Rejected);
      if (dir.isEmpty()) return int(QDialog::Rejected);
      dialog->selectFile(dir);
      return int(QDialog::Accepted);
    });
    f.Menu().PublishDatabase->trigger();
  }

 private slots:
  void init() {
    EnterProgramDir(Program_, Messages_);
    // The exported tables start from the program's own template.
    const QDir templates(QStringLiteral(SVPASS_SOURCE_DIR "/resources/template"));
    QDir().mkpath(Program_.path() + "/template");
    for (const QString& name : templates.entryList(QDir::Files))
      QFile::copy(templates.filePath(name), Program_.path() + "/template/" + name);
  }
  void cleanup() {
    Form_.reset();
    LeaveProgramDir(Program_, Messages_);
  }

  void TheEntryPublishesEveryPassportWithItsDocuments() {
    TMainForm& f = Started();
    const QString site = Program_.path() + "/site";
    QDir().mkpath(site);
    PublishInto(f, site);
    std::string said;
    for (const TMessage& m : Messages_->Messages) said += m.Text + "\n";
    for (const char* file : {"index.html", "site.js", "site.css", "svo1/index.html", "svo1/scheme.pdf",
                             "svo4/index.html", "svo4/tables.docx"})
      QVERIFY2(QFile::exists(site + "/" + file), (std::string(file) + ": " + said).c_str());
    QVERIFY(ReadFile(site + "/svo1/scheme.pdf").startsWith("%PDF"));
    const QByteArray index = ReadFile(site + "/index.html");
    QVERIFY(index.contains("svo1/index.html") && index.contains("svo4/index.html"));
    QVERIFY(!Messages_->Messages.empty());
    const TMessage& last = Messages_->Messages.back();
    QCOMPARE(int(last.Severity), int(TMessageSeverity::Info));
    QVERIFY2(QString::fromStdString(last.Text).contains(QStringLiteral("записано: 2")), last.Text.c_str());
  }

  void ACancelledDialogWritesNothing() {
    TMainForm& f = Started();
    PublishInto(f, QString());
    QCOMPARE(QDir(Program_.path()).entryList({"index.html"}, QDir::Files, QDir::NoSort).size(), 0);
    QVERIFY(Messages_->Messages.empty());
  }
};

QTEST_MAIN(PublishTest)
#include "PublishTest.moc"
