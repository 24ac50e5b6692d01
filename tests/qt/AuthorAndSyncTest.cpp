// "Автор изменений…" of "Опции" and "Синхронизировать базу" over the open
// passport, against real repositories: the git program says who a version
// is recorded under and what the shared database holds.
#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>

#include "QtTestSupport.h"
#include "history/Author.h"
#include "history/Record.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "store/PassportStore.h"
#include "ui/viewer/AuthorFormUnit.h"
#include "ui/viewer/MainForm.h"
#include "ui/viewer/ViewerVersions.h"

using namespace qtsupport;

namespace {

QString Run(const QString& program, const QStringList& args) { return ProgramOutput(program, args).trimmed(); }

QString Git(const QString& dir, const QStringList& args) { return Run(QStringLiteral("git"), QStringList{"-C", dir} + args); }

// The author the git program sees for the newest version of svoN.
QString LastAuthor(const QString& db, const QString& passport) {
  return Git(db, {"log", "-1", "--format=%an <%ae>", "--", passport});
}

// A passport whose address lines are `street1` and `street2`.
std::string InfoAt(const std::string& street1, const std::string& street2) {
  std::string info = SampleInfo();
  const std::string from = Encode1251("ул. Тестовая\r\nпр. Проверочный\r\n");
  info.replace(info.find(from), from.size(), Encode1251(street1 + "\r\n" + street2 + "\r\n"));
  return info;
}

QAction* Entry(TMainForm& form, const char* name) { return form.findChild<QAction*>(QLatin1String(name)); }

}  // namespace

class AuthorAndSyncTest : public QObject {
  Q_OBJECT
  QTemporaryDir Program_;
  std::unique_ptr<TMainForm> Form_;
  std::unique_ptr<TMessageCapture> Messages_;

  QString Data() const { return Program_.path() + "/Data"; }

  // Engineer A's database (svo1, svo2) published to a bare repository, and
  // engineer B's clone of it.
  void ShareWithB(const QString& bare, const QString& b) {
    WritePassport(Data() + "/svo1", InfoAt("ул. Первая", "пер. Тихий"), SampleMap());
    WritePassport(Data() + "/svo2", InfoAt("ул. Вторая", "пр. Широкий"), SampleMap());
    QVERIFY(QDir().mkpath(bare));
    Git(bare, {"init", "-q", "--bare"});
    QCOMPARE(Tool({"db", "init", Data(), "--remote", bare}), 0);
    QCOMPARE(Tool({"db", "clone", bare, b}), 0);
  }

 private slots:
  void init() { EnterProgramDir(Program_, Messages_); }
  void cleanup() {
    Form_.reset();
    LeaveProgramDir(Program_, Messages_);
  }

  void TheAuthorEnteredSignsTheViewersVersionsAndEmptyFieldsFollowTheLogin() {
    WritePassport(Data() + "/svo1", InfoAt("ул. Первая", "пер. Тихий"), SampleMap());
    QCOMPARE(Tool({"db", "init", Data()}), 0);
    Form_ = std::make_unique<TMainForm>();
    QVERIFY(Form_->Start());
    QAction* entry = Entry(*Form_, "AuthorAction");
    QVERIFY(entry);
    QCOMPARE(entry->text(), QStringLiteral("&Автор изменений…"));
    for (QMenu* menu : Form_->menuBar()->findChildren<QMenu*>())
      QCOMPARE(MnemonicClash(menu), QString());

    const QString login = Run(QStringLiteral("id"), {"-un"});
    const QString host = Run(QStringLiteral("hostname"), {});
    // A name git cannot sign with is refused and the dialog shown again;
    // then a name and an e-mail with blanks around them.
    QStringList placeholders;
    int shown = 0;
    TAnswerer answers([&](QDialog& d) {
      auto* dialog = qobject_cast<TAuthorDialog*>(&d);
      if (!dialog) return int(QMessageBox::Ok);
      placeholders << dialog->NameEdit()->placeholderText() + "|" + dialog->EmailEdit()->placeholderText();
      if (const QByteArray shots = qgetenv("SVPASS_SHOTS"); !shots.isEmpty() && shown == 0) {
        QDir().mkpath(QString::fromLocal8Bit(shots));
        dialog->show();
        QTest::qWait(200);
        dialog->grab().save(QString::fromLocal8Bit(shots) + "/author.png");
      }
      if (++shown == 1) {
        dialog->NameEdit()->setText(QStringLiteral("Иванов <главный>"));
        dialog->EmailEdit()->setText(QStringLiteral("ivanov@oodd.example"));
      } else {
        // The refused name is still there to be corrected.
        placeholders << dialog->NameEdit()->text();
        dialog->NameEdit()->setText(QStringLiteral("  Пётр Иванов "));
        dialog->EmailEdit()->setText(QStringLiteral(" petrov@oodd.example"));
      }
      dialog->OkButton()->click();
      return dialog->result();
    });
    entry->trigger();
    QCOMPARE(shown, 2);
    QCOMPARE(answers.Boxes, std::vector<QString>{QStringLiteral("Автор изменений|Имя не может содержать знаки < и >.")});
    const QString defaults = login + "|" + login + "@" + host;
    QCOMPARE(placeholders, QStringList({defaults, defaults, QStringLiteral("Иванов <главный>")}));

    // The open passport's next save carries the new author, and so does
    // every store the viewer makes from now on.
    std::string info = InfoAt("ул. Первая", "пер. Тихий, 2");
    Form_->Scheme()->Store->Write("svo1", TPassportFile::Info, info);
    // The viewer records the version after the save returns.
    Form_->Scheme()->Store->Settle();
    QCOMPARE(LastAuthor(Data(), "svo1"), QStringLiteral("Пётр Иванов <petrov@oodd.example>"));
    WriteFile(Data() + "/svo1/map.txt", SampleMap() + Lines1251({"1", "300 0", "400 0"}));
    QVERIFY(RecordPassport(TDbRepository::OpenExisting(Data().toStdString()), "svo1", ViewerRecordOptions()));
    QCOMPARE(LastAuthor(Data(), "svo1"), QStringLiteral("Пётр Иванов <petrov@oodd.example>"));

    // Both fields emptied: the login and the machine again.
    QString opened;
    TAnswerer clear([&](QDialog& d) {
      auto* dialog = qobject_cast<TAuthorDialog*>(&d);
      if (!dialog) return int(QMessageBox::Ok);
      opened = dialog->NameEdit()->text() + "|" + dialog->EmailEdit()->text();
      dialog->NameEdit()->clear();
      dialog->EmailEdit()->setText(QStringLiteral("   "));
      dialog->OkButton()->click();
      return dialog->result();
    });
    entry->trigger();
    QVERIFY(clear.Boxes.empty());
    // The dialog opened on what was written, trimmed.
    QCOMPARE(opened, QStringLiteral("Пётр Иванов|petrov@oodd.example"));
    Form_->Scheme()->Store->Write("svo1", TPassportFile::Info, InfoAt("ул. Первая", "пер. Тихий, 4"));
    Form_->Scheme()->Store->Settle();
    QCOMPARE(LastAuthor(Data(), "svo1"), login + " <" + login + "@" + host + ">");
  }

  void CancelledAuthorDialogChangesNothing() {
    WriteFile(Program_.path() + "/config.ini", Encode1251("[History]\r\nAuthorName=Анна\r\nAuthorEmail=anna@oodd.example\r\n"));
    WritePassport(Data() + "/svo1", SampleInfo(), SampleMap());
    Form_ = std::make_unique<TMainForm>();
    QVERIFY(Form_->Start());
    const QByteArray before = ReadFile(Program_.path() + "/config.ini");
    TAnswerer cancel([&](QDialog& d) {
      auto* dialog = qobject_cast<TAuthorDialog*>(&d);
      if (!dialog) return int(QMessageBox::Ok);
      dialog->NameEdit()->setText(QStringLiteral("Другой"));
      return int(QDialog::Rejected);
    });
    Entry(*Form_, "AuthorAction")->trigger();
    QCOMPARE(ReadFile(Program_.path() + "/config.ini"), before);
    QCOMPARE(ViewerRecordOptions().Author.Name + " <" + ViewerRecordOptions().Author.Email + ">",
             std::string("Анна <anna@oodd.example>"));
  }

  void ASyncThatBringsTheOpenPassportShowsItAsReceived() {
    const QString bare = Program_.path() + "/shared.git", b = Program_.path() + "/b";
    ShareWithB(bare, b);
    WriteFile(b + "/svo2/info.txt", InfoAt("ул. Вторая", "пр. Широкий, 15"));
    QCOMPARE(Tool({"db", "sync", b}), 0);

    Form_ = std::make_unique<TMainForm>();
    QVERIFY(Form_->Start());
    QVERIFY(Form_->OpenPassport(QStringLiteral("2")));
    QCOMPARE(Form_->windowTitle(), QStringLiteral("ул. Вторая - пр. Широкий"));
    TAnswerer ok([](QDialog&) { return int(QMessageBox::Ok); });
    Entry(*Form_, "SyncDatabaseAction")->trigger();
    QCOMPARE(ok.Boxes, std::vector<QString>{QStringLiteral(
                           "Синхронизация базы|Записаны ваши изменения паспортов: нет.\nПолучены из общей базы: 2.\n"
                           "Отправлены в общую базу: нет.\nОткрытый паспорт СО № 2 обновлён из общей базы.")});
    QCOMPARE(Form_->windowTitle(), QStringLiteral("ул. Вторая - пр. Широкий, 15"));
    QCOMPARE(QString::fromStdString(Form_->Scheme()->Info->Address2), QStringLiteral("пр. Широкий, 15"));

    // B changes the other passport: the open one is left as it is shown.
    WriteFile(b + "/svo1/info.txt", InfoAt("ул. Первая", "пер. Тихий, 9"));
    QCOMPARE(Tool({"db", "sync", b}), 0);
    Entry(*Form_, "SyncDatabaseAction")->trigger();
    QCOMPARE(ok.Boxes.size(), std::size_t(2));
    QCOMPARE(ok.Boxes[1], QStringLiteral("Синхронизация базы|Записаны ваши изменения паспортов: нет.\n"
                                         "Получены из общей базы: 1.\nОтправлены в общую базу: нет."));
    QCOMPARE(Form_->windowTitle(), QStringLiteral("ул. Вторая - пр. Широкий, 15"));
  }

  void UnsavedInformationIsSavedAndSentBeforeTheSyncOrTheSyncWaits() {
    const QString bare = Program_.path() + "/shared.git", b = Program_.path() + "/b";
    ShareWithB(bare, b);
    // db init publishes the branch "main" (the bare repository's HEAD may name another).
    const QString published = Git(bare, {"rev-parse", "main"});
    QCOMPARE(published.size(), 40);
    Form_ = std::make_unique<TMainForm>();
    QVERIFY(Form_->Start());
    QVERIFY(Form_->OpenPassport(QStringLiteral("1")));
    Form_->Scheme()->Info->Address2 = "пер. Тихий, 7";
    Form_->Scheme()->Info->Modified = true;
    Form_->InfoChanged();
    QCOMPARE(Form_->windowTitle(), QStringLiteral("ул. Первая - пер. Тихий, 7 *"));

    // "Отмена": nothing is synced, the edit stays unsaved.
    {
      TAnswerer cancel([](QDialog&) { return int(QMessageBox::Cancel); });
      Entry(*Form_, "SyncDatabaseAction")->trigger();
      QCOMPARE(cancel.Boxes.size(), std::size_t(1));
      QVERIFY2(cancel.Boxes[0].endsWith(QStringLiteral("|Сохранить изменения информации о СО?")), qPrintable(cancel.Boxes[0]));
    }
    QCOMPARE(Git(bare, {"rev-parse", "main"}), published);
    QVERIFY(Form_->Scheme()->Info->Modified);

    // "Да" with a comment for the version: saved, recorded and sent by this
    // one sync.
    int commentLines = 0;
    TAnswerer yes([&](QDialog& d) {
      auto* box = qobject_cast<QMessageBox*>(&d);
      if (!box || !box->text().startsWith(QStringLiteral("Сохранить"))) return int(QMessageBox::Ok);
      for (auto* edit : box->findChildren<QLineEdit*>(QStringLiteral("VersionCommentEdit"))) {
        ++commentLines;
        edit->setText(QStringLiteral("  по заявке ОДД № 5 "));
      }
      if (const QByteArray shots = qgetenv("SVPASS_SHOTS"); !shots.isEmpty()) {
        QDir().mkpath(QString::fromLocal8Bit(shots));
        box->show();
        QTest::qWait(200);
        box->grab().save(QString::fromLocal8Bit(shots) + "/save-comment.png");
      }
      return int(QMessageBox::Yes);
    });
    Entry(*Form_, "SyncDatabaseAction")->trigger();
    QCOMPARE(yes.Boxes.size(), std::size_t(2));
    QVERIFY2(yes.Boxes[1].endsWith(QStringLiteral("Отправлены в общую базу: 1.")), qPrintable(yes.Boxes[1]));
    QVERIFY(!Form_->Scheme()->Info->Modified);
    QCOMPARE(Tool({"db", "sync", b}), 0);
    const QByteArray received = ReadFile(b + "/svo1/info.txt");
    QVERIFY2(received.startsWith(QByteArray::fromStdString(Encode1251("ул. Первая\r\nпер. Тихий, 7\r\n"))),
             received.left(40).constData());
    // The shared database's branch holds the saved edit as a version of its own.
    QCOMPARE(Git(bare, {"log", "--format=%s", "main", "--", "svo1"}),
             QStringLiteral("вторая строка адреса «пер. Тихий» → «пер. Тихий, 7»\nПервые версии паспортов базы"));
    QCOMPARE(commentLines, 1);
    QCOMPARE(Git(bare, {"log", "-1", "--format=%b", "main", "--", "svo1"}), QStringLiteral("по заявке ОДД № 5"));
  }
};

SVPASS_QTEST_MAIN(AuthorAndSyncTest)
#include "AuthorAndSyncTest.moc"
