// The general information and the signal-plan tables worked through their
// widgets: typing into the grid with the keyboard, the row buttons, Ok, and
// what the main window does after the general information.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "QtTestSupport.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "platform/Messages.h"
#include "ui/tables/InfoFormUnit.h"
#include "ui/tables/NaprForm.h"
#include "ui/tables/PhaseFormUnit.h"
#include "ui/tables/PlanGridView.h"
#include "ui/tables/exoformUnit.h"
#include "ui/viewer/ToolPanel.h"
#include "ui/viewer/MainForm.h"

using namespace qtsupport;

namespace {

// The cell's editor, opened by making the cell current, as a click does.
QLineEdit* CellEditor(TPlanGridView* grid, int row, int col) {
  const QModelIndex index = grid->model()->index(row - 1, col);
  grid->setCurrentIndex(index);
  return qobject_cast<QLineEdit*>(grid->indexWidget(index));
}

QString CellText(TPlanGridView* grid, int row, int col) {
  return grid->model()->index(row - 1, col).data().toString();
}

// Typed key by key, Cyrillic too (QTest::keyClicks takes Latin-1 only).
void Type(QWidget* w, const QString& text) {
  for (QChar ch : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(w, &release);
  }
}

void Retype(QLineEdit* edit, const QString& text) {
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  Type(edit, text);
}

// With SVPASS_SHOTS set, the dialog as the user sees it goes to /tmp/tables.
void Shot(QWidget& w, const QString& name) {
  if (!qEnvironmentVariableIsSet("SVPASS_SHOTS")) return;
  QDir().mkpath(QStringLiteral("/tmp/tables"));
  w.grab().save(QStringLiteral("/tmp/tables/") + name + QStringLiteral(".png"));
}

}  // namespace

class TablesPhasesTest : public QObject {
  Q_OBJECT

  QTemporaryDir Program_;
  std::unique_ptr<TMessageCapture> Messages_;

  QString Dir() const { return Program_.path() + "/Data/svo1"; }

  std::unique_ptr<TSVObject> Passport(int objectType = 1) {
    WritePassport(Dir(), SampleInfo(objectType), SampleMap());
    auto p = std::make_unique<TSVObject>(Dir().toStdString());
    p->Info->LoadAll();
    return p;
  }

 private slots:
  void init() {
    EnterProgramDir(Program_, Messages_);
  }

  void cleanup() { Messages_.reset(); }

  void TheGeneralInformationIsEditedInItsFieldsAndStoredOnOk() {
    auto p = Passport();
    TInfoForm form;
    TAnswerer answers([&](QDialog& d) -> int {
      d.show();
      [&] {
      QCOMPARE(d.windowTitle(), QStringLiteral("Общая информация  по объекту"));
      QCOMPARE(form.NumLabel()->text(), QStringLiteral("Номер светофорного объекта: 1"));
      QCOMPARE(form.first()->text(), QStringLiteral("ул. Тестовая"));
      QCOMPARE(form.Napr()->text(), QStringLiteral("2"));
      QCOMPARE(form.phase()->text(), QStringLiteral("3"));
      QVERIFY(form.TypeItem(1)->isChecked());
      QCOMPARE(form.CommField()->toPlainText(), QStringLiteral("Комментарий"));
      Shot(d, "InfoForm");
      Retype(form.first(), QStringLiteral("ул. Новая"));
      Retype(form.phase(), QStringLiteral("5"));
      Retype(form.Napr(), QStringLiteral("4"));
      form.CommField()->moveCursor(QTextCursor::End);
      QTest::keyClick(form.CommField(), Qt::Key_Return);
      Type(form.CommField(), QStringLiteral("вторая"));
      form.TypeItem(2)->click();
      for (QPushButton* b : d.findChildren<QPushButton*>())
        if (b->text() == QStringLiteral("Ok")) b->click();
      }();
      return d.result();
    });
    QVERIFY(form.Execute(*p->Info));
    const TSVInfo& info = *p->Info;
    QCOMPARE(QString::fromStdString(info.Address1), QStringLiteral("ул. Новая"));
    QCOMPARE(QString::fromStdString(info.Address2), QStringLiteral("пр. Проверочный"));
    QCOMPARE(QString::fromStdString(info.Comment), QStringLiteral("Комментарий\r\nвторая"));
    QCOMPARE(int(info.PhaseCount), 5);
    QCOMPARE(int(info.DirectionCount), 4);
    QCOMPARE(info.ObjectType, 2);
    QVERIFY(info.Modified);
    QVERIFY(!form.PlanEntriesEnabled());
    QCOMPARE(form.PhaseSelectorCount(), 5);
  }

  // A count that is no whole number is refused: the dialog stays open with
  // the cursor in that count, and the mended Ok stores.
  void AGeneralInformationCountThatIsNoNumberKeepsTheDialogOpenAtItsField() {
    auto p = Passport();
    TInfoForm form;
    TAnswerer answers([&](QDialog& d) -> int {
      d.show();
      [&] {
        Retype(form.phase(), QStringLiteral("7.5"));
        Retype(form.first(), QStringLiteral("ул. Новая"));
        form.OkClick();
        QVERIFY(d.isVisible());
        QCOMPARE(d.result(), 0);
        QCOMPARE(Messages_->Messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(Messages_->Messages[0].Text),
                 QStringLiteral("Поле «Фаз»: «7.5» — не целое число."));
        QCOMPARE(form.phase()->selectedText(), QStringLiteral("7.5"));
        QCOMPARE(int(p->Info->PhaseCount), 3);
        QCOMPARE(QString::fromStdString(p->Info->Address1), QStringLiteral("ул. Тестовая"));
        Retype(form.phase(), QStringLiteral("4"));
        form.OkClick();
      }();
      return d.result();
    });
    QVERIFY(form.Execute(*p->Info));
    QCOMPARE(int(p->Info->PhaseCount), 4);
    QCOMPARE(QString::fromStdString(p->Info->Address1), QStringLiteral("ул. Новая"));
  }

  // The type item checked for one passport does not carry over to the next
  // one, whose info.txt holds a type outside the three: its Ok keeps it.
  void AnUnknownObjectTypeIsKeptByTheNextPassportsOk() {
    auto local = Passport(1);
    TInfoForm form;
    TAnswerer answers([&](QDialog& d) {
      form.OkClick();
      return d.result();
    });
    QVERIFY(form.Execute(*local->Info));
    QCOMPARE(local->Info->ObjectType, 1);
    auto odd = Passport(5);
    QCOMPARE(odd->Info->ObjectType, 5);
    QVERIFY(form.Execute(*odd->Info));
    QCOMPARE(odd->Info->ObjectType, 5);
    QVERIFY(!form.TypeItem(0)->isChecked() && !form.TypeItem(1)->isChecked() && !form.TypeItem(2)->isChecked());
  }

  // "Добавить " selects the new row in the grid as in the model, so
  // "Удалить" right after it takes the new row, not direction 1.
  void DeleteRightAfterAddRemovesTheAddedDirection() {
    auto p = Passport();
    TNaprDataForm form;
    TAnswerer answers([&](QDialog& d) -> int {
      d.show();
      [&] {
        TPlanGridView* grid = form.NaprGrid();
        QCOMPARE(grid->currentIndex().row(), 0);
        form.Button(QStringLiteral("Добавить "))->click();
        QCOMPARE(grid->currentIndex().row(), 2);
        form.Button(QStringLiteral("Удалить"))->click();
        QCOMPARE(grid->model()->rowCount(), 2);
        QCOMPARE(CellText(grid, 1, 0), QStringLiteral("1"));
        QCOMPARE(CellText(grid, 2, 0), QStringLiteral("2"));
        form.Button(QStringLiteral("Ok"))->click();
      }();
      return d.result();
    });
    QVERIFY(form.Execute(*p->Info));
    QCOMPARE(int(p->Info->DirectionCount), 2);
    QCOMPARE(QString::fromStdString(p->Info->Directions.Item(1)->Name), QStringLiteral("1"));
    QVERIFY(!p->Info->Modified);
  }

  void ThePhaseGridTakesKeysTabsToTheNextCellAndStopsAtABadTime() {
    auto p = Passport();
    TPhaseForm form;
    int round = 0;
    TAnswerer answers([&](QDialog& d) -> int {
      d.show();
      [&] {
      TPlanGridView* grid = form.NaprGrid();
      QCOMPARE(d.windowTitle(), QStringLiteral("Организация движения по фазам"));
      QCOMPARE(grid->model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Т осн. - III"));
      QCOMPARE(grid->columnWidth(1), 62);
      QCOMPARE(grid->rowHeight(0), 20);
      QCOMPARE(form.TkkField()->text(), QStringLiteral("60"));
      Shot(d, "PhaseForm");
      QLineEdit* e = CellEditor(grid, 2, 1);
      QVERIFY(e);
      Retype(e, QStringLiteral("9"));
      // Tab moves on to "Т осн. - I" of the same phase, its editor open.
      QTest::keyClick(e, Qt::Key_Tab);
      QCOMPARE(grid->currentIndex().column(), 2);
      auto* next = qobject_cast<QLineEdit*>(grid->indexWidget(grid->currentIndex()));
      QVERIFY(next);
      if (round == 0) {
        Retype(next, QStringLiteral("7.5"));
        // Away from the bad cell before Ok: the refusal brings the cursor
        // back into it, its editor open with the text.
        CellEditor(grid, 3, 4);
        form.Button(QStringLiteral("Ok"))->click();
        QVERIFY(d.isVisible());
        QCOMPARE(grid->currentIndex(), grid->model()->index(1, 2));
        auto* bad = qobject_cast<QLineEdit*>(grid->indexWidget(grid->currentIndex()));
        QVERIFY(bad);
        QCOMPARE(bad->text(), QStringLiteral("7.5"));
        QCOMPARE(bad->selectedText(), QStringLiteral("7.5"));
        ++round;
        return;
      } else {
        Retype(next, QStringLiteral("17"));
        form.Button(QStringLiteral("Добавить"))->click();
        QCOMPARE(grid->model()->rowCount(), 4);
        QCOMPARE(CellText(grid, 4, 0), QStringLiteral("4"));
        QCOMPARE(CellText(grid, 2, 2), QStringLiteral("17"));
        for (int col = 1; col <= 4; ++col) Retype(CellEditor(grid, 4, col), QString::number(col * 10 + 1));
        Retype(form.TkkField(), QStringLiteral("75"));
      }
      form.Button(QStringLiteral("Ok"))->click();
      ++round;
      }();
      return d.result();
    });
    // The first round stops at 7.5 with the message, the dialog open and
    // nothing stored.
    QVERIFY(!form.Execute(*p->Info));
    QCOMPARE(Messages_->Messages.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(Messages_->Messages[0].Text),
             QStringLiteral("Строка 2, столбец «Т осн. - I»: «7.5» — не целое число."));
    QCOMPARE(int(p->Info->Phases.Item(2)->TMin), 5);
    QCOMPARE(int(p->Info->Phases.Item(2)->TMain[1]), 12);
    QCOMPARE(int(p->Info->Phases.Tkk), 60);
    QCOMPARE(int(p->Info->PhaseCount), 3);

    QVERIFY(form.Execute(*p->Info));
    const TSVInfo& info = *p->Info;
    QCOMPARE(int(info.PhaseCount), 4);
    QCOMPARE(int(info.Phases.Item(2)->TMain[1]), 17);
    const TSVPhase& added = *info.Phases.Item(4);
    QCOMPARE(int(added.Number), 4);
    QCOMPARE(int(added.TMin), 11);
    QCOMPARE(int(added.TMain[1]), 21);
    QCOMPARE(int(added.TMain[2]), 31);
    QCOMPARE(int(added.TMain[3]), 41);
    QCOMPARE(int(info.Phases.Tkk), 75);
  }

  void TheDirectionGridFillsTheDerivedTimesWhileTheUserTypes() {
    auto p = Passport();
    TNaprDataForm form;
    TAnswerer answers([&](QDialog& d) -> int {
      d.show();
      [&] {
      TPlanGridView* grid = form.NaprGrid();
      QCOMPARE(d.windowTitle(), QStringLiteral("Организация движения по направлениям"));
      QCOMPARE(grid->selectionMode(), QAbstractItemView::ContiguousSelection);
      QCOMPARE(grid->model()->columnCount(), 9);
      Shot(d, "NaprDataForm");
      QLineEdit* green = CellEditor(grid, 2, 3);
      Retype(green, QStringLiteral("2"));
      QCOMPARE(CellText(grid, 2, 4), QStringLiteral("-1"));
      Type(green, QStringLiteral("0"));
      QCOMPARE(CellText(grid, 2, 4), QStringLiteral("17"));
      QCOMPARE(CellText(grid, 2, 5), QStringLiteral("14"));
      QCOMPARE(green->text(), QStringLiteral("20"));
      Retype(CellEditor(grid, 2, 6), QStringLiteral("4"));
      QCOMPARE(CellText(grid, 2, 7), QStringLiteral("4"));
      form.Button(QStringLiteral("Добавить "))->click();
      QCOMPARE(CellText(grid, 3, 0), QStringLiteral("3"));
      QCOMPARE(CellText(grid, 3, 7), QStringLiteral("0"));
      // The selection on row 1 takes it away; direction 2 moves up.
      CellEditor(grid, 1, 2);
      form.Button(QStringLiteral("Удалить"))->click();
      QCOMPARE(grid->model()->rowCount(), 2);
      QCOMPARE(CellText(grid, 1, 0), QStringLiteral("2"));
      form.Button(QStringLiteral("Ok"))->click();
      }();
      return d.result();
    });
    QVERIFY(form.Execute(*p->Info));
    const TSVInfo& info = *p->Info;
    QCOMPARE(int(info.DirectionCount), 2);
    const TSVNapr& d = *info.Directions.Item(1);
    QCOMPARE(QString::fromStdString(d.Name), QStringLiteral("2"));
    QCOMPARE(QString::fromStdString(d.PhaseListText()), QStringLiteral("2, 3"));
    QCOMPARE(int(d.TGreen), 20);
    QCOMPARE(int(d.TGreenFlash), 17);
    QCOMPARE(int(d.TYellow), 14);
    QCOMPARE(int(d.TRed), 4);
    QCOMPARE(int(d.TRedYellow), 4);
    QCOMPARE(QString::fromStdString(info.Directions.Item(2)->Name), QStringLiteral("3"));
    QVERIFY(Messages_->Messages.empty());
  }

  void TheNonStandardChangeTableTakesFreeTextInNewRows() {
    auto p = Passport();
    Texoform form;
    TAnswerer answers([&](QDialog& d) -> int {
      d.show();
      [&] {
      TPlanGridView* grid = form.NaprGrid();
      QCOMPARE(d.windowTitle(), QStringLiteral("ОДД при нестандартной смене фаз"));
      QCOMPARE(QString(d.metaObject()->className()), QStringLiteral("Texoform"));
      QCOMPARE(grid->model()->rowCount(), 0);
      form.Button(QStringLiteral("Добавить "))->click();
      form.Button(QStringLiteral("Добавить "))->click();
      QLineEdit* e = CellEditor(grid, 2, 1);
      Type(e, QStringLiteral("1 → 3"));
      QTest::keyClick(e, Qt::Key_Tab);
      Type(qobject_cast<QLineEdit*>(grid->indexWidget(grid->currentIndex())), QStringLiteral("7,5"));
      Shot(d, "exoform");
      form.Button(QStringLiteral("Ok"))->click();
      }();
      return d.result();
    });
    QVERIFY(form.Execute(*p->Info));
    const TSVTable& t = p->Info->ExoTable;
    QCOMPARE(int(t.RowCount), 2);
    QCOMPARE(QString::fromStdString(t.Cell(2, 2)), QStringLiteral("1 → 3"));
    QCOMPARE(QString::fromStdString(t.Cell(3, 2)), QStringLiteral("7,5"));
    QCOMPARE(QString::fromStdString(t.Cell(1, 1)), QString());
  }

  void TheMainWindowFollowsTheGeneralInformationAndOpensThePlanTables() {
    WritePassport(Dir(), SampleInfo(1), SampleMap());
    TMainForm f;
    QVERIFY(f.Start());
    const TMainMenu& m = f.Menu();
    QVERIFY(m.GeneralInfo->isEnabled());
    QVERIFY(m.Organisation->isEnabled());
    QVERIFY(m.ByPhases->isEnabled() && m.ByDirections->isEnabled() && m.NonStandard->isEnabled());
    QCOMPARE(f.Tools()->PhaseCount(), 3);
    {
      TAnswerer answers([&](QDialog& d) {
        auto& info = dynamic_cast<TInfoForm&>(d);
        Retype(info.phase(), QStringLiteral("2"));
        Retype(info.first(), QStringLiteral("ул. Главная"));
        info.TypeItem(2)->click();
        info.OkClick();
        return d.result();
      });
      m.GeneralInfo->trigger();
      QCOMPARE(answers.Seen, std::vector<QString>{QStringLiteral("TInfoForm")});
    }
    QVERIFY(!m.Organisation->isEnabled());
    QCOMPARE(f.Tools()->PhaseCount(), 2);
    QCOMPARE(f.Tools()->PhaseIndex(), 0);
    QCOMPARE(int(f.Scheme()->Info->Directions.PhaseCount), 2);
    QVERIFY(f.windowTitle().startsWith(QStringLiteral("ул. Главная - пр. Проверочный")));
    {
      TAnswerer answers([&](QDialog& d) {
        auto& info = dynamic_cast<TInfoForm&>(d);
        info.TypeItem(0)->click();
        info.OkClick();
        return d.result();
      });
      m.GeneralInfo->trigger();
    }
    QVERIFY(m.Organisation->isEnabled());
    // A phase added in the phase table gets its button and the directions
    // wrap after it, as after the general information.
    {
      TAnswerer answers([&](QDialog& d) {
        auto& phases = dynamic_cast<TPhaseForm&>(d);
        d.show();
        phases.Button(QStringLiteral("Добавить"))->click();
        for (int col = 1; col <= 2; ++col) Retype(CellEditor(phases.NaprGrid(), 3, col), QStringLiteral("8"));
        phases.OkClick();
        return d.result();
      });
      m.ByPhases->trigger();
    }
    QCOMPARE(int(f.Scheme()->Info->PhaseCount), 3);
    QCOMPARE(f.Tools()->PhaseCount(), 3);
    QCOMPARE(f.Tools()->PhaseIndex(), 0);
    QCOMPARE(int(f.Scheme()->Info->Directions.PhaseCount), 3);
    {
      TAnswerer answers([&](QDialog& d) { return int(d.metaObject()->className() ? QDialog::Rejected : 0); });
      m.ByPhases->trigger();
      m.ByDirections->trigger();
      m.NonStandard->trigger();
      QCOMPARE(answers.Seen, (std::vector<QString>{QStringLiteral("TPhaseForm"), QStringLiteral("TNaprDataForm"),
                                                   QStringLiteral("Texoform")}));
    }
    f.Finish();
  }
};

SVPASS_QTEST_MAIN(TablesPhasesTest)
#include "TablesPhasesTest.moc"
