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
#include "items/Head.h"
#include "items/SVText.h"
#include "model/SVObject.h"
#include "plan/SVtime.h"
#include "platform/Messages.h"
#include "qt/PaintBox.h"
#include "ui/viewer/CheckFormUnit.h"
#include "ui/viewer/DatabaseFormUnit.h"
#include "ui/viewer/MainForm.h"

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

    // The head is at world (100, 50); with the list beside the map, after
    // the double-click it is selected and its symbol lies around the centre
    // (200, 150) of the map.
    form->move(f.Map()->mapToGlobal(QPoint(f.Map()->PictureWidth() + 10, 0)));
    form->ListDoubleClick(hanging);
    TSVItem& head = *f.Scheme()->Layer(12).Items().front();
    QVERIFY(head.Selected);
    const TPoint at = f.View().WorldToScreen(100, 50);
    QVERIFY2(std::abs(at.x - 200) <= 12 && std::abs(at.y - 150) <= 12,
             qPrintable(QStringLiteral("head at %1, %2").arg(at.x).arg(at.y)));
  }

  // The map's picture is 400 x 300; the check window lies over a part of it.
  // The head's box is centred in the largest part left uncovered, and framed
  // in the blue of selected items until the window closes.
  void ADoubleClickCentresTheItemWhereTheCheckWindowLeavesTheMapFreeAndFramesIt() {
    TMainForm& f = Started();
    Entry("CheckPassportAction")->trigger();
    auto* form = f.findChild<TCheckForm*>("CheckForm");
    QVERIFY(form && form->isVisible());
    int hanging = -1;
    for (int r = 0; r < form->List()->rowCount(); ++r)
      if (form->Findings()[r].Code == "hanging-no-carrier") hanging = r;
    QVERIFY(hanging >= 0);
    const QPoint map = f.Map()->mapToGlobal(QPoint(0, 0));
    struct TCase {
      const char* Name;
      QRect Cover;  // the check window's frame, in map pixels
      QPoint Centre;
    };
    const TCase cases[] = {
        {"over the right, whole height: the left 250 x 300 stays", {250, -40, 500, 400}, {125, 150}},
        {"over the bottom, whole width: the top 400 x 100 stays", {-30, 100, 500, 260}, {200, 50}},
        {"over the left 150: the right 250 x 300 stays", {-100, -20, 250, 340}, {275, 150}},
        // Right of it 100 x 300 (30 000), below it 400 x 150 (60 000).
        {"over the top left corner: the lower 400 x 150 stays", {-10, -10, 310, 160}, {200, 225}},
        {"beside the map: all of it stays", {420, 0, 300, 200}, {200, 150}},
    };
    TSVItem& head = *f.Scheme()->Layer(12).Items().front();
    for (const TCase& c : cases) {
      const QSize frame = form->frameGeometry().size() - form->geometry().size();
      form->resize(c.Cover.size() - frame);
      form->move(c.Cover.topLeft() + map);
      QCOMPARE(form->frameGeometry(), c.Cover.translated(map));
      // Away first, so that every case moves the view.
      f.View().MoveOriginRight(37);
      f.View().MoveOriginDown(-23);
      form->ListDoubleClick(hanging);
      const TRect box = head.GetBounds(f.View());
      QVERIFY2((box.Left + box.Right) / 2 == c.Centre.x() && (box.Top + box.Bottom) / 2 == c.Centre.y(),
               qPrintable(QStringLiteral("%1: box %2..%3 x %4..%5")
                              .arg(c.Name)
                              .arg(box.Left)
                              .arg(box.Right)
                              .arg(box.Top)
                              .arg(box.Bottom)));
      QVERIFY(head.Selected);
      QCOMPARE(f.MarkedItems(), form->Findings()[hanging].Items);
      // The frame runs 6 pixels outside the box, 3 pixels wide: blue on each
      // of its four sides, and nothing blue inside it.
      const QImage& picture = f.Map()->Picture();
      const QColor blue(0, 0, 255);
      const int midX = (box.Left + box.Right) / 2, midY = (box.Top + box.Bottom) / 2;
      for (const QPoint at : {QPoint(box.Left - 6, midY), QPoint(box.Right + 6, midY), QPoint(midX, box.Top - 6),
                              QPoint(midX, box.Bottom + 6)})
        QVERIFY2(picture.pixelColor(at) == blue, c.Name);
      QVERIFY(picture.pixelColor(box.Left - 2, midY) != blue);
    }
    // Closing the list takes the frame away.
    const TRect box = head.GetBounds(f.View());
    form->close();
    QVERIFY(f.MarkedItems().empty());
    QVERIFY(f.Map()->Picture().pixelColor(box.Left - 6, (box.Top + box.Bottom) / 2) != QColor(0, 0, 255));
  }

  // A labelled item is named by its label; the others are not named.
  void AFindingNamesItsItemByItsLabel() {
    TMainForm& f = Started();
    auto& head = dynamic_cast<THead&>(*f.Scheme()->Layer(12).Items().front());
    head.Label = TSVText::MakeLabel(&head, "Т4", 1);
    Entry("CheckPassportAction")->trigger();
    auto* form = f.findChild<TCheckForm*>("CheckForm");
    QStringList named;
    for (int r = 0; r < form->List()->rowCount(); ++r)
      if (form->List()->item(r, 2)->text().startsWith(QStringLiteral("Т4: "))) named << form->List()->item(r, 1)->text();
    QCOMPARE(named, QStringList{"hanging-no-carrier"});
    QVERIFY(f.Scheme()->Layer(12).Items().size() == 1);
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
