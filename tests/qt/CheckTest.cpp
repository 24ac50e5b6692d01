// The check of the passport shown and the database overview, driven through
// the main window's menu entries.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTableWidget>

#include "QtTestSupport.h"
#include "model/SVObject.h"
#include "plan/SVtime.h"
#include "platform/Messages.h"
#include "qt/PaintBox.h"
#include "viewer/CheckFormUnit.h"
#include "viewer/DatabaseFormUnit.h"
#include "viewer/main.h"

using namespace qtsupport;

class CheckTest : public QObject {
  Q_OBJECT

  QTemporaryDir Program_;
  std::unique_ptr<TMainForm> Form_;
  std::unique_ptr<TMessageCapture> Messages_;

  QString Data() const { return Program_.path() + "/Data/"; }

  TMainForm& Started() {
    WritePassport(Data() + "svo1", SampleInfo(), SampleMap());
    Form_ = std::make_unique<TMainForm>();
    Form_->Map()->SetPictureSize(QSize(400, 300));
    [&] { QVERIFY(Form_->Start()); }();
    return *Form_;
  }

  QAction* Entry(const char* name) { return Form_->findChild<QAction*>(QString::fromLatin1(name)); }

 private slots:
  void init() {
    EnterProgramDir(Program_, Messages_);
  }

  void cleanup() {
    Form_.reset();
    LeaveProgramDir(Program_, Messages_);
  }

  // The sample passport: its head hangs on nothing (an error); direction 2
  // has no head, phases 1..3 have no arrows, and none of the three programs
  // adds up to the 60 s cycle (42, 72 and 102 s): seven warnings.
  void TheCheckListsEveryFindingAndADoubleClickCentresTheItem() {
    TMainForm& f = Started();
    QAction* check = Entry("CheckPassportAction");
    QVERIFY(check);
    QCOMPARE(check->text().remove('&'), QStringLiteral("Проверка паспорта…"));
    check->trigger();
    auto* form = f.findChild<TCheckForm*>("CheckForm");
    QVERIFY(form);
    QVERIFY(form->isVisible());
    QTableWidget* list = form->List();
    QCOMPARE(list->rowCount(), 8);
    QStringList codes;
    int errors = 0;
    for (int r = 0; r < list->rowCount(); ++r) {
      codes << list->item(r, 1)->text();
      if (list->item(r, 0)->text() == QStringLiteral("ошибка")) ++errors;
      QVERIFY(!list->item(r, 2)->text().isEmpty());
    }
    QCOMPARE(errors, 1);
    QCOMPARE(codes.count("phase-no-arrows"), 3);
    QCOMPARE(codes.count("cycle-mismatch"), 3);
    QCOMPARE(codes.count("direction-no-head"), 1);
    const int hanging = codes.indexOf("hanging-no-carrier");
    QVERIFY(hanging >= 0);
    QVERIFY(form->Summary()->text().contains(QStringLiteral("Ошибок: 1, предупреждений: 7")));

    // The head is at world (100, 50); after the double-click it is selected
    // and its symbol lies around the centre (200, 150) of the map.
    form->ListDoubleClick(hanging);
    TSVItem& head = *f.Scheme()->Layer(12).Items().front();
    QVERIFY(head.Selected);
    const TPoint at = f.View().WorldToScreen(100, 50);
    QVERIFY2(std::abs(at.x - 200) <= 12 && std::abs(at.y - 150) <= 12,
             qPrintable(QStringLiteral("head at %1, %2").arg(at.x).arg(at.y)));
  }

  void ADoubleClickOnAPhaseFindingShowsThatPhase() {
    TMainForm& f = Started();
    Entry("CheckPassportAction")->trigger();
    auto* form = f.findChild<TCheckForm*>("CheckForm");
    int row = -1;
    for (int r = 0; r < form->List()->rowCount(); ++r)
      if (form->Findings()[r].Code == "phase-no-arrows" && form->Findings()[r].Phases == std::vector<int>{3}) row = r;
    QVERIFY(row >= 0);
    form->ListDoubleClick(row);
    QCOMPARE(f.Scheme()->Time->Phase, 3);
  }

  void ADoubleClickOnAPlanFindingOpensTheTableItIsMendedIn() {
    TMainForm& f = Started();
    Entry("CheckPassportAction")->trigger();
    auto* form = f.findChild<TCheckForm*>("CheckForm");
    QStringList opened;
    TAnswerer answers([&](QDialog& d) {
      opened << d.metaObject()->className();
      return int(QDialog::Rejected);
    });
    // The cycle is mended among the phases' times; a phase without arrows on
    // the scheme, which opens nothing.
    const std::pair<const char*, QStringList> cases[] = {{"cycle-mismatch", {"TPhaseForm"}},
                                                         {"phase-no-arrows", {}}};
    for (const auto& [code, want] : cases) {
      opened.clear();
      int row = -1;
      for (int r = 0; r < form->List()->rowCount(); ++r)
        if (form->Findings()[r].Code == code) row = r;
      QVERIFY2(row >= 0, code);
      form->ListDoubleClick(row);
      QCOMPARE(opened, want);
    }
  }

  // Three passports and a damaged one; its reading error stays in the
  // worker and shows as a finding, never as a box.
  void TheDatabaseWindowListsSortsSearchesAndOpens() {
    TMainForm& f = Started();
    WritePassport(Data() + "svo10", SampleInfo(2), Lines1251({"1", "0 0", "50 0"}));
    WritePassport(Data() + "svo2", SampleInfo(0), "");
    WritePassport(Data() + "svo7", Lines1251({"ул. Битая", "", "1", "x"}), "");
    Messages_->Messages.clear();
    QAction* entry = Entry("DatabaseWindowAction");
    QVERIFY(entry);
    QCOMPARE(entry->text().remove('&'), QStringLiteral("База светофорных объектов"));
    entry->trigger();
    auto* db = f.findChild<TDatabaseForm*>("DatabaseForm");
    QVERIFY(db);
    db->WaitLoaded();
    QSortFilterProxyModel* rows = db->Rows();
    QCOMPARE(rows->rowCount(), 4);
    const QStringList numbers{db->NumberAt(0), db->NumberAt(1), db->NumberAt(2), db->NumberAt(3)};
    QCOMPARE(numbers, (QStringList{"1", "2", "7", "10"}));
    auto cell = [&](int row, int col) { return rows->index(row, col).data().toString(); };
    // svo10: an УК object, one item, three phases, two directions.
    QCOMPARE(cell(3, TDatabaseForm::ColType), QStringLiteral("УК"));
    QCOMPARE(cell(3, TDatabaseForm::ColItems), QStringLiteral("1"));
    QCOMPARE(cell(3, TDatabaseForm::ColPhases), QStringLiteral("3"));
    QCOMPARE(cell(3, TDatabaseForm::ColDirections), QStringLiteral("2"));
    QCOMPARE(cell(1, TDatabaseForm::ColType), QStringLiteral("Системный"));
    QCOMPARE(cell(0, TDatabaseForm::ColItems), QStringLiteral("4"));
    QCOMPARE(cell(0, TDatabaseForm::ColErrors), QStringLiteral("1"));
    QCOMPARE(cell(0, TDatabaseForm::ColWarnings), QStringLiteral("7"));
    QVERIFY(cell(2, TDatabaseForm::ColErrors).toInt() >= 1);
    QVERIFY(Messages_->Messages.empty());
    QVERIFY(!db->Progress()->isVisible());

    // Sorting by items, descending: 4 (svo1), 1 (svo10), then the empty ones.
    db->Table()->sortByColumn(TDatabaseForm::ColItems, Qt::DescendingOrder);
    QCOMPARE(db->NumberAt(0), QStringLiteral("1"));
    QCOMPARE(db->NumberAt(1), QStringLiteral("10"));

    // "1" is in the numbers 1 and 10 only; "битая" in one address.
    db->Search()->setText("1");
    QCOMPARE(rows->rowCount(), 2);
    db->Search()->setText(QStringLiteral("БИТАЯ"));
    QCOMPARE(rows->rowCount(), 1);
    QCOMPARE(db->NumberAt(0), QStringLiteral("7"));
    db->Search()->setText("10");
    QCOMPARE(rows->rowCount(), 1);
    db->SearchReturn();
    QVERIFY(f.Scheme()->Dir.find("svo10") != std::string::npos);
  }
};

SVPASS_QTEST_MAIN(CheckTest)
#include "CheckTest.moc"
