// The change log, equipment and tram-head dialogs driven through their
// widgets from the main window's menu, and the passport information kept:
// saving it, and the question before the passport is read again over edits.
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

#include "QtTestSupport.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "platform/Messages.h"
#include "qt/PaintBox.h"
#include "ui/tables/TextGridTable.h"
#include "ui/tables/TexFormUnit.h"
#include "ui/tables/TramSchemeFormUnit.h"
#include "ui/tables/complFormUnit.h"
#include "ui/viewer/MainForm.h"

using namespace qtsupport;

namespace {

// Types text key by key as a keyboard does, Cyrillic letters included.
void TypeText(QWidget* widget, const QString& text) {
  for (const QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &release);
  }
}

// Puts the grid's current cell on (row, column), which opens its editor, and
// types the text into that editor as a user does.
void TypeIntoCell(TTextGridView* grid, int row, int column, const QString& text) {
  grid->setCurrentIndex(grid->model()->index(row, column));
  QLineEdit* editor = nullptr;
  for (QLineEdit* e : grid->viewport()->findChildren<QLineEdit*>())
    if (e->isVisible()) editor = e;
  QVERIFY2(editor, "the current cell has its editor open");
  editor->selectAll();
  TypeText(editor, text);
}

const char* const kEdit = "Кабель";

}  // namespace

class TablesLogsTest : public QObject {
  Q_OBJECT

  QTemporaryDir Program_;
  std::unique_ptr<TMainForm> Form_;
  std::unique_ptr<TMessageCapture> Messages_;

  QString ProgramPath() const { return Program_.path() + "/"; }
  QString InfoPath(int n) const { return ProgramPath() + "Data/svo" + QString::number(n) + "/info.txt"; }

  TMainForm& Started() {
    WritePassport(ProgramPath() + "Data/svo1", SampleInfo(), SampleMap());
    WritePassport(ProgramPath() + "Data/svo2", Lines1251({"ул. Вторая", "д. 2", "1", "0", "0", "0"}), SampleMap());
    WriteFile(ProgramPath() + "config.ini",
              Lines1251({"[Compl_Form]", "Naim_1=Кабель", "Naim_2=Светофор", "Type_1=ТПП", "Type_2=Т.1.1"}));
    Form_ = std::make_unique<TMainForm>();
    Form_->Map()->SetPictureSize(QSize(400, 300));
    [&] { QVERIFY(Form_->Start()); }();
    return *Form_;
  }

  // An edit of the equipment list made in memory, as a dialog's Ok makes it.
  static void EditInfo(TMainForm& f) {
    TSVInfo& info = *f.Scheme()->Info;
    info.EquipmentTable.SetRowCount(1);
    info.EquipmentTable.SetCell(1, 1, kEdit);
    info.Modified = true;
    f.InfoChanged();
  }

  // The answer the save question gets; every other box is confirmed.
  static std::function<int(QDialog&)> Answering(QMessageBox::StandardButton answer, QStringList* buttons = nullptr) {
    return [answer, buttons](QDialog& d) {
      auto* box = qobject_cast<QMessageBox*>(&d);
      if (box && box->text() == QStringLiteral("Сохранить изменения информации о СО?")) {
        if (buttons)
          for (QAbstractButton* b : box->buttons()) *buttons << b->text();
        return int(answer);
      }
      return int(QMessageBox::Ok);
    };
  }

 private slots:
  void init() {
    EnterProgramDir(Program_, Messages_);
  }

  void cleanup() {
    Form_.reset();
    LeaveProgramDir(Program_, Messages_);
  }

  void TheChangeLogGetsARowDatedTodayAndTypedTextThroughItsGrid() {
    TMainForm& f = Started();
    const QDate today = QDate::currentDate();
    bool captionsRight = false;
    TAnswerer answers([&](QDialog& d) {
      auto* form = qobject_cast<TtexForm*>(&d);
      if (!form) return int(QDialog::Rejected);
      d.show();
      captionsRight = d.windowTitle() == QStringLiteral("Таблица изменений СО") &&
                      form->AddButton->text() == QStringLiteral("Добавить ") &&
                      form->NaprGrid->model()->headerData(7, Qt::Horizontal).toString() ==
                          QStringLiteral("Примечания") &&
                      // A larger font than the widths were laid out for widens them.
                      form->NaprGrid->columnWidth(0) >= 64 && form->NaprGrid->columnWidth(7) >= 168 &&
                      form->NaprGrid->columnWidth(1) > form->NaprGrid->columnWidth(2);
      form->AddButton->click();
      form->AddButton->click();
      TypeIntoCell(form->NaprGrid, 0, 1, QStringLiteral("Установка"));
      TypeIntoCell(form->NaprGrid, 1, 7, QStringLiteral("вторая"));
      // The editor is still open on the last cell when Ok is pressed.
      form->OkButton->click();
      return d.result();
    });
    f.Menu().ChangeTable->trigger();
    QVERIFY(captionsRight);
    const TSVTable& log = f.Scheme()->Info->ChangeTable;
    QCOMPARE(int(log.RowCount), 2);
    const std::string date = today.toString(QStringLiteral("dd.MM.yyyy")).toStdString() + " г.";
    const std::vector<std::string> first{date, "Установка", "", "", "", "", "", ""};
    const std::vector<std::string> second{date, "", "", "", "", "", "", "вторая"};
    for (int c = 1; c <= 8; ++c) {
      QCOMPARE(log.Cell(c, 1), first[c - 1]);
      QCOMPARE(log.Cell(c, 2), second[c - 1]);
    }
    QVERIFY(f.Scheme()->Info->Modified);
    QCOMPARE(f.windowTitle(), QStringLiteral("ул. Тестовая - пр. Проверочный *"));
  }

  void TheEquipmentListTakesARowComposedFromThePickListsAndTheDescriptionFromItsMemo() {
    TMainForm& f = Started();
    QStringList names;
    TAnswerer answers([&](QDialog& d) {
      auto* form = qobject_cast<TComplForm*>(&d);
      if (!form) return int(QDialog::Rejected);
      d.show();
      for (int i = 0; i < form->NAimLB->count(); ++i) names << form->NAimLB->itemText(i);
      form->NAimLB->setCurrentIndex(2);
      form->TipLB->setCurrentIndex(1);
      form->LineLB->setCurrentIndex(form->LineLB->findText(QStringLiteral("21")));
      form->widthLB->setCurrentIndex(form->widthLB->findText(QStringLiteral("2,5")));
      form->AddValuesButton->click();
      TypeIntoCell(form->NaprGrid, 0, 2, QStringLiteral("3"));
      form->TextField->setFocus();
      TypeText(form->TextField, QStringLiteral("От ТП-5"));
      QTest::keyClick(form->TextField, Qt::Key_Return);
      TypeText(form->TextField, QStringLiteral("к шкафу"));
      form->OkButton->click();
      return d.result();
    });
    f.Menu().EquipmentTable->trigger();
    QCOMPARE(names, (QStringList{"", "Кабель", "Светофор"}));
    const TSVInfo& info = *f.Scheme()->Info;
    QCOMPARE(int(info.EquipmentTable.RowCount), 1);
    const std::vector<std::string> row{"Светофор", "ТПП   21 x 2,5", "3", ""};
    for (int c = 1; c <= 4; ++c) QCOMPARE(info.EquipmentTable.Cell(c, 1), row[c - 1]);
    QCOMPARE(info.ConnectionText, std::string("От ТП-5\r\nк шкафу"));
    QVERIFY(info.Modified);
  }

  void TheTramDialogShowsTheGroupsOfItsCountAndStoresAllFour() {
    TMainForm& f = Started();
    bool shownRight = false;
    TAnswerer answers([&](QDialog& d) {
      auto* form = qobject_cast<TTramSForm*>(&d);
      if (!form) return int(QDialog::Rejected);
      d.show();
      const bool noneAtFirst = form->NumSpin->value() == 0 && !form->Heads[1].Box->isVisible();
      form->NumSpin->setValue(2);
      shownRight = noneAtFirst && form->Heads[1].Box->isVisible() && form->Heads[2].Box->isVisible() &&
                   !form->Heads[3].Box->isVisible() && !form->Heads[4].Box->isEnabled() &&
                   form->Heads[2].Box->title() == QStringLiteral("Вторая схема") &&
                   form->Heads[2].Directions[1]->maximum() == 2;
      form->Heads[2].Name->selectAll();
      TypeText(form->Heads[2].Name, QStringLiteral(" Южная "));
      form->Heads[2].Kinds[3]->setCurrentIndex(3);
      form->Heads[2].Directions[3]->setValue(2);
      form->Heads[1].Kinds[1]->setCurrentIndex(2);
      form->OkButton->click();
      return d.result();
    });
    f.Menu().TramHeads->trigger();
    QVERIFY(shownRight);
    const TTramscheme& t = f.Scheme()->Info->TramScheme;
    QCOMPARE(int(t.Count), 2);
    QCOMPARE(t.Schemes[2].Name, std::string("Южная"));
    const int kinds[3][4] = {{}, {2, 0, 0, 0}, {0, 0, 3, 0}};
    const int directions[3][4] = {{}, {1, 1, 1, 1}, {1, 1, 2, 1}};
    for (int s = 1; s <= 2; ++s)
      for (int l = 1; l <= 4; ++l) {
        QCOMPARE(int(t.Schemes[s].Lamps[l].Kind), kinds[s][l - 1]);
        QCOMPARE(int(t.Schemes[s].Lamps[l].Direction), directions[s][l - 1]);
      }
  }

  void OpeningAnotherPassportOverUnsavedEditsAsksAndFollowsEachAnswer() {
    for (QMessageBox::StandardButton answer : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}) {
      TMainForm& f = Started();
      const QByteArray before = ReadFile(InfoPath(1));
      EditInfo(f);
      QStringList buttons;
      TAnswerer answers(Answering(answer, &buttons));
      const bool opened = f.OpenPassport(QStringLiteral("2"));
      buttons.sort();  // the platform decides their order
      QCOMPARE(buttons, (QStringList{"Да", "Нет", "Отмена"}));
      QCOMPARE(opened, answer != QMessageBox::Cancel);
      const QByteArray after = ReadFile(InfoPath(1));
      if (answer == QMessageBox::Yes) {
        QVERIFY(after.contains(QByteArray("4 1\r\n") + Encode1251(kEdit).c_str() + "\r\n\r\n\r\n\r\n8 0"));
      } else {
        QCOMPARE(after, before);
      }
      if (answer == QMessageBox::Cancel) {
        QCOMPARE(f.Scheme()->Dir, (ProgramPath() + "Data/svo1/").toStdString());
        QCOMPARE(f.Scheme()->Info->EquipmentTable.Cell(1, 1), std::string(kEdit));
        QVERIFY(f.Scheme()->Info->Modified);
        QCOMPARE(f.windowTitle(), QStringLiteral("ул. Тестовая - пр. Проверочный *"));
      } else {
        QCOMPARE(f.windowTitle(), QStringLiteral("ул. Вторая - д. 2"));
        QVERIFY(!f.Scheme()->Info->Modified);
      }
      cleanup();
      init();
    }
  }

  void ClosingTheWindowOverUnsavedEditsAsksAndCancelKeepsItOpen() {
    for (QMessageBox::StandardButton answer : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}) {
      TMainForm& f = Started();
      f.show();
      const QByteArray before = ReadFile(InfoPath(1));
      EditInfo(f);
      TAnswerer answers(Answering(answer));
      const bool closed = f.close();
      QCOMPARE(closed, answer != QMessageBox::Cancel);
      QCOMPARE(answers.Boxes.size(), std::size_t(1));
      const QByteArray after = ReadFile(InfoPath(1));
      QCOMPARE(after != before, answer == QMessageBox::Yes);
      if (answer == QMessageBox::Cancel) {
        QVERIFY(f.isVisible());
        QVERIFY(f.Scheme()->Info->Modified);
        QCOMPARE(f.Scheme()->Info->EquipmentTable.Cell(1, 1), std::string(kEdit));
      }
      cleanup();
      init();
    }
  }

  void SavingWritesTheInformationAndAFileChangedOnDiskIsOverwrittenOnlyWhenTheUserSays() {
    TMainForm& f = Started();
    EditInfo(f);
    f.Menu().SaveInfo->trigger();
    QVERIFY(!f.Scheme()->Info->Modified);
    QCOMPARE(f.windowTitle(), QStringLiteral("ул. Тестовая - пр. Проверочный"));
    QVERIFY(ReadFile(InfoPath(1)).contains(QByteArray("4 1\r\n") + Encode1251(kEdit).c_str()));
    QCOMPARE(f.Menu().SaveInfo->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));

    // Someone else writes the file; the next save asks, naming the file.
    const QByteArray theirs = Lines1251({"чужой", "файл", "1", "0", "0", "0"}).c_str();
    WriteFile(InfoPath(1), theirs.toStdString());
    EditInfo(f);
    for (QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
      TAnswerer answers([answer](QDialog&) { return int(answer); });
      QCOMPARE(f.SaveInfo(), answer == QMessageBox::Yes);
      QCOMPARE(answers.Boxes.size(), std::size_t(1));
      QVERIFY(answers.Boxes[0].contains(QStringLiteral("изменён на диске")));
      QVERIFY(answers.Boxes[0].contains(QStringLiteral("info.txt")));
      if (answer == QMessageBox::No) {
        QCOMPARE(ReadFile(InfoPath(1)), theirs);
        QVERIFY(f.Scheme()->Info->Modified);
      } else {
        QVERIFY(ReadFile(InfoPath(1)).contains(Encode1251(kEdit).c_str()));
        QVERIFY(!f.Scheme()->Info->Modified);
      }
    }
    // Written by this window, the file is no longer "changed on disk".
    EditInfo(f);
    TAnswerer none([](QDialog&) { return int(QMessageBox::No); });
    QVERIFY(f.SaveInfo());
    QVERIFY(none.Seen.empty());
  }

  void AnInformationFileReadOnlyInPartIsOverwrittenOnlyWhenTheUserSays() {
    // The tram-scheme count is damaged: everything before it is read.
    std::string damaged = SampleInfo();
    const std::string tail = "0\r\n1\r\n";
    QVERIFY(damaged.size() > tail.size() && damaged.compare(damaged.size() - tail.size(), tail.size(), tail) == 0);
    damaged.replace(damaged.size() - tail.size(), 1, "x");
    TMainForm& f = Started();
    WriteFile(InfoPath(1), damaged);
    QVERIFY(f.OpenPassport(QStringLiteral("1")));
    const QByteArray before = ReadFile(InfoPath(1));
    EditInfo(f);
    for (QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
      TAnswerer answers([answer](QDialog&) { return int(answer); });
      QCOMPARE(f.SaveInfo(), answer == QMessageBox::Yes);
      QCOMPARE(answers.Boxes.size(), std::size_t(1));
      QVERIFY(answers.Boxes[0].contains(QStringLiteral("считан не полностью")));
      QCOMPARE(ReadFile(InfoPath(1)) == before, answer == QMessageBox::No);
    }
    // Once written whole, the file saves without a question.
    EditInfo(f);
    TAnswerer none([](QDialog&) { return int(QMessageBox::No); });
    QVERIFY(f.SaveInfo());
    QVERIFY(none.Seen.empty());
  }

  void ReturningFromTheSchemeEditorOverUnsavedEditsAsksBeforeReading() {
    for (QMessageBox::StandardButton answer : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}) {
      TMainForm& f = Started();
      f.SetEditorRunner([](TMainForm& main, TSVObject&) { EditInfo(main); });
      TAnswerer answers(Answering(answer));
      f.EditClick();
      QCOMPARE(answers.Boxes.size(), std::size_t(1));
      const bool kept = answer != QMessageBox::No;
      QCOMPARE(f.Scheme()->Info->EquipmentTable.Cell(1, 1), std::string(kept ? kEdit : ""));
      QCOMPARE(f.Scheme()->Info->Modified, answer == QMessageBox::Cancel);
      QCOMPARE(ReadFile(InfoPath(1)).contains(Encode1251(kEdit).c_str()), answer == QMessageBox::Yes);
      cleanup();
      init();
    }
  }
};

SVPASS_QTEST_MAIN(TablesLogsTest)
#include "TablesLogsTest.moc"
