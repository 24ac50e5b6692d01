// "История паспорта…" over a database the command-line tool made versioned:
// the versions newest first, the chosen one against the working folder with
// its differences, restoring it byte for byte as a new version, and the
// explanation where the database keeps no versions.
#include <QAbstractButton>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>

#include "QtTestSupport.h"
#include "history/PassportDiff.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "qt/PaintBox.h"
#include "store/PassportStore.h"
#include "ui/viewer/ComparePanel.h"
#include "ui/viewer/HistoryFormUnit.h"
#include "ui/viewer/MainForm.h"

using namespace qtsupport;

namespace {

QByteArray SampleFile(const char* name) {
  return ReadFile(QStringLiteral(SVPASS_SOURCE_DIR "/data/Data/svo1/") + QLatin1String(name));
}

// The lines git itself prints for the versions of svo1, newest first.
QStringList Git(const QString& dir, const QStringList& args) {
  return ProgramOutput(QStringLiteral("git"), QStringList{"-C", dir} + args).split('\n', Qt::SkipEmptyParts);
}

// `bytes` with `from` (once, exactly) replaced; text given in UTF-8, the
// passport's bytes in Windows-1251.
QByteArray Replaced(QByteArray bytes, const std::string& from, const std::string& to) {
  const QByteArray f = QByteArray::fromStdString(Encode1251(from));
  [&] { QCOMPARE(bytes.count(f), 1); }();
  return bytes.replace(f, QByteArray::fromStdString(Encode1251(to)));
}

}  // namespace

class HistoryWindowTest : public QObject {
  Q_OBJECT
  QTemporaryDir Program_;
  std::unique_ptr<TMainForm> Form_;
  std::unique_ptr<TMessageCapture> Messages_;

  QString Data() const { return Program_.path() + "/Data"; }
  QString Passport() const { return Data() + "/svo1"; }

  void CopySample() {
    WriteFile(Passport() + "/info.txt", SampleFile("info.txt").toStdString());
    WriteFile(Passport() + "/map.txt", SampleFile("map.txt").toStdString());
  }

  THistoryForm* OpenHistory() {
    QAction* entry = Form_->findChild<QAction*>(QStringLiteral("PassportHistoryAction"));
    if (!entry) return nullptr;
    entry->trigger();
    return Form_->findChild<THistoryForm*>();
  }

 private slots:
  void init() { EnterProgramDir(Program_, Messages_); }
  void cleanup() {
    Form_.reset();
    LeaveProgramDir(Program_, Messages_);
  }

  void VersionsAreListedComparedAndRestored() {
    CopySample();
    QCOMPARE(Tool({"db", "init", Data()}), 0);
    // The second version, made outside the program: phase 2's main time of
    // program I 12 → 15 s; the school renamed; the shop removed.
    const QByteArray info1 = SampleFile("info.txt"), map1 = SampleFile("map.txt");
    const QByteArray info2 = Replaced(info1, "\r\n2\r\n8 12 10 8\r\n", "\r\n2\r\n8 15 10 8\r\n");
    const QByteArray map2 = Replaced(Replaced(map1, "д. 22, школа", "д. 22, лицей"),
                                     "21\r\n5\r\n740 670\r\n800 610\r\n880 610\r\n880 860\r\n740 860\r\ntext\r\n"
                                     "740 670\r\n20 110\r\n30 110\r\nд. 20, магазин\r\n",
                                     "");
    WriteFile(Passport() + "/info.txt", info2.toStdString());
    WriteFile(Passport() + "/map.txt", map2.toStdString());
    QCOMPARE(Tool({"db", "commit", Data(), "--message", "правка на месте"}), 0);

    Form_ = std::make_unique<TMainForm>();
    Form_->Map()->SetPictureSize(QSize(400, 300));
    QVERIFY(Form_->Start());
    // The third version, saved by the viewer: phase 3's main time of
    // program III 18 → 16 s, recorded under what the comparison says.
    const QByteArray info3 = Replaced(info2, "\r\n3\r\n12 25 20 18\r\n", "\r\n3\r\n12 25 20 16\r\n");
    Form_->Scheme()->Store->Write("svo1", TPassportFile::Info, info3.toStdString());
    // The viewer records the version after the save returns.
    Form_->Scheme()->Store->Settle();
    const QStringList subjects = Git(Data(), {"log", "--format=%s", "--", "svo1"});
    // db commit records the hand edit under the comparison's words too: the
    // phase first, then the scheme's changes.
    QCOMPARE(subjects.size(), 3);
    QCOMPARE(subjects[0], QStringLiteral("Фаза 3: основной такт программы III 18 → 16 с"));
    QVERIFY2(subjects[1].startsWith(QStringLiteral("Фаза 2: основной такт программы I 12 → 15 с; схема: ")),
             qPrintable(subjects[1]));
    QCOMPARE(subjects[2], QStringLiteral("Первые версии паспортов базы"));

    THistoryForm* form = OpenHistory();
    QVERIFY(form);
    QVERIFY(form->isVisible());
    QTableWidget* list = form->VersionList();
    QCOMPARE(list->rowCount(), 3);
    const QStringList authors = Git(Data(), {"log", "--format=%an <%ae>", "--", "svo1"});
    const QStringList dates = Git(Data(), {"log", "--format=%ad", "--date=format:%d.%m.%Y %H:%M", "--", "svo1"});
    for (int row = 0; row < 3; ++row) {
      QCOMPARE(list->item(row, 0)->text(), dates[row]);
      QCOMPARE(list->item(row, 1)->text(), authors[row]);
      QCOMPARE(list->item(row, 2)->text(), subjects[row]);
    }
    QVERIFY(!form->RestoreButton()->isEnabled());

    // The middle version lacks only the viewer's change.
    form->ChooseVersion(1);
    const TPassportDiff& diff = form->Panel()->Diff();
    QCOMPARE(diff.Info.size(), std::size_t(1));
    QCOMPARE(diff.Info[0].Path, std::string("/phases/2/tmain/2"));
    QVERIFY(diff.Scheme.Added.empty() && diff.Scheme.Removed.empty() && diff.Scheme.Changed.empty());

    // The first version: both phases, the shop there, the school named so.
    form->ChooseVersion(2);
    QVERIFY(form->RestoreButton()->isEnabled());
    QCOMPARE(diff.Info.size(), std::size_t(2));
    QCOMPARE(diff.Info[0].Path, std::string("/phases/1/tmain/0"));
    QCOMPARE(JsonText(diff.Info[0].Before) + " " + JsonText(diff.Info[0].After), std::string("12 15"));
    QCOMPARE(diff.Info[1].Path, std::string("/phases/2/tmain/2"));
    QCOMPARE(JsonText(diff.Info[1].Before) + " " + JsonText(diff.Info[1].After), std::string("18 16"));
    QCOMPARE(form->Panel()->Table()->rowCount(), 2);
    QCOMPARE(form->Panel()->Table()->item(1, 1)->text(), QStringLiteral("18"));
    QCOMPARE(form->Panel()->Table()->item(1, 2)->text(), QStringLiteral("16"));
    QCOMPARE(diff.Scheme.Added.size(), std::size_t(0));
    QCOMPARE(diff.Scheme.Removed.size(), std::size_t(1));
    QCOMPARE(diff.Scheme.Removed[0].Lines.back(), std::string("д. 20, магазин"));
    QCOMPARE(diff.Scheme.Changed.size(), std::size_t(1));
    QCOMPARE(diff.Scheme.Changed[0].Before.Lines.back(), std::string("д. 22, школа"));
    QCOMPARE(diff.Scheme.Changed[0].After.Lines.back(), std::string("д. 22, лицей"));

    if (const QByteArray shots = qgetenv("SVPASS_SHOTS"); !shots.isEmpty()) {
      QDir().mkpath(QString::fromLocal8Bit(shots));
      QTest::qWait(300);
      QVERIFY(form->grab().save(QString::fromLocal8Bit(shots) + "/history.png"));
    }

    // Restoring asks first; "Нет" leaves everything as it is.
    const QString question = QStringLiteral("История паспорта|Восстановить версию от %1 (%2)? Текущее состояние "
                                            "паспорта останется в истории.")
                                 .arg(dates[2], authors[2]);
    {
      TAnswerer no([](QDialog&) { return int(QMessageBox::No); });
      form->RestoreButton()->click();
      QCOMPARE(no.Boxes, std::vector<QString>{question});
    }
    QCOMPARE(ReadFile(Passport() + "/info.txt"), info3);
    QCOMPARE(Git(Data(), {"log", "--format=%s", "--", "svo1"}).size(), 3);

    TAnswerer yes([](QDialog&) { return int(QMessageBox::Yes); });
    form->RestoreButton()->click();
    QCOMPARE(yes.Boxes, std::vector<QString>{question});
    QCOMPARE(ReadFile(Passport() + "/info.txt"), info1);
    QCOMPARE(ReadFile(Passport() + "/map.txt"), map1);
    const QStringList after = Git(Data(), {"log", "--format=%s", "--", "svo1"});
    QCOMPARE(after.size(), 4);
    QCOMPARE(after.mid(1), subjects);
    const QStringList body = Git(Data(), {"log", "-1", "--format=%b"});
    QVERIFY2(!body.isEmpty() && body[0].startsWith(QStringLiteral("Восстановлена версия ") +
                                                    QString::fromStdString(form->Versions()[3].Rev.substr(0, 10))),
             qPrintable(body.join('|')));
    // The list is read again, and the viewer shows the restored passport.
    QCOMPARE(form->VersionList()->rowCount(), 4);
    QCOMPARE(form->VersionList()->item(0, 2)->text(), after[0]);
    QCOMPARE(Form_->Scheme()->Info->Phases.Item(2)->TMain[1], std::uint16_t(12));
    QCOMPARE(Form_->Scheme()->Info->Phases.Item(3)->TMain[3], std::uint16_t(18));
  }

  void CompareOfTheSyncConflictShowsTheOtherVersion() {
    // Engineer B changes phase 2 and publishes it; the viewer's engineer
    // renames the school meanwhile and syncs: the same passport changed on
    // both sides.
    const QString bare = Program_.path() + "/shared.git";
    const QString other = Program_.path() + "/b";
    QVERIFY(QDir().mkpath(bare));
    QCOMPARE(Git(bare, {"init", "-q", "--bare"}).size(), 0);
    CopySample();
    QCOMPARE(Tool({"db", "init", Data(), "--remote", bare}), 0);
    QCOMPARE(Tool({"db", "clone", bare, other}), 0);
    const QByteArray theirs = Replaced(SampleFile("info.txt"), "\r\n2\r\n8 12 10 8\r\n", "\r\n2\r\n8 15 10 8\r\n");
    WriteFile(other + "/svo1/info.txt", theirs.toStdString());
    QCOMPARE(Tool({"db", "sync", other}), 0);
    WriteFile(Passport() + "/map.txt", Replaced(SampleFile("map.txt"), "д. 22, школа", "д. 22, лицей").toStdString());

    Form_ = std::make_unique<TMainForm>();
    QVERIFY(Form_->Start());
    int questions = 0;
    std::unique_ptr<TPassportDiff> shown;
    TAnswerer answers([&](QDialog& d) {
      if (d.objectName() == QStringLiteral("VersionCompareDialog")) {
        if (auto* panel = d.findChild<TComparePanel*>()) shown = std::make_unique<TPassportDiff>(panel->Diff());
        return int(QDialog::Rejected);
      }
      auto* box = qobject_cast<QMessageBox*>(&d);
      if (box && box->text().contains(QStringLiteral("изменён и у вас"))) {
        // "Сравнить…" first, then "Оставить ваш".
        const QString want = ++questions == 1 ? QStringLiteral("Сравнить…") : QStringLiteral("Оставить ваш");
        for (QAbstractButton* b : box->buttons())
          if (b->text() == want) b->click();
        return 0;
      }
      return int(QMessageBox::Ok);
    });
    QAction* sync = Form_->findChild<QAction*>(QStringLiteral("SyncDatabaseAction"));
    QVERIFY(sync);
    sync->trigger();
    QCOMPARE(questions, 2);
    QVERIFY(shown);
    // The other version is the earlier side, the engineer's own the later.
    QCOMPARE(shown->Info.size(), std::size_t(1));
    QCOMPARE(shown->Info[0].Path, std::string("/phases/1/tmain/0"));
    QCOMPARE(JsonText(shown->Info[0].Before) + " " + JsonText(shown->Info[0].After), std::string("15 12"));
    QCOMPARE(shown->Scheme.Changed.size(), std::size_t(1));
    QCOMPARE(shown->Scheme.Changed[0].After.Lines.back(), std::string("д. 22, лицей"));
    QVERIFY(shown->Scheme.Added.empty() && shown->Scheme.Removed.empty());
    QVERIFY2(answers.Boxes.back().contains(QStringLiteral("Паспорт СО № 1: оставлен ваш")),
             qPrintable(answers.Boxes.back()));
    QCOMPARE(ReadFile(Passport() + "/info.txt"), SampleFile("info.txt"));
  }

  void APlainDatabaseExplainsHowToKeepVersions() {
    CopySample();
    Form_ = std::make_unique<TMainForm>();
    QVERIFY(Form_->Start());
    TAnswerer ok([](QDialog&) { return int(QMessageBox::Ok); });
    QVERIFY(!OpenHistory());
    QCOMPARE(ok.Boxes.size(), std::size_t(1));
    QVERIFY2(ok.Boxes[0].startsWith(QStringLiteral("История паспорта|База не ведёт версии паспортов. Включите их: "
                                                   "«Файл → Сделать базу общей…» или svpass-cli db init ")),
             qPrintable(ok.Boxes[0]));
    QVERIFY(ok.Boxes[0].contains(Data()));
  }
};

SVPASS_QTEST_MAIN(HistoryWindowTest)
#include "HistoryWindowTest.moc"
