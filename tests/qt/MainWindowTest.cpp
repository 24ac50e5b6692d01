// The main window driven as a user drives it, without a display: start-up
// and the database, the mouse modes, presets, phases and the animation.
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "QtTestSupport.h"
#include "model/Geometry.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "plan/SVtime.h"
#include "platform/IniFile.h"
#include "platform/Messages.h"
#include "qt/Cursors.h"
#include "qt/PaintBox.h"
#include "ui/viewer/ChooseObjectUnit.h"
#include "ui/viewer/DataPathFormUnit.h"
#include "ui/viewer/ToolPanel.h"
#include "ui/viewer/MainForm.h"

using namespace qtsupport;
using TMode = TMainForm::TMouseMode;

namespace {

constexpr int kW = 400, kH = 300;

// The world point shown at a screen point.
TRealPoint At(const TDrawContext& v, int x, int y) { return v.ScreenToWorld(x, y); }

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

  QTemporaryDir Program_;
  std::unique_ptr<TMainForm> Form_;
  std::unique_ptr<TMessageCapture> Messages_;

  QString ProgramPath() const { return Program_.path() + "/"; }

  // A window on the sample passport as database passport svo1.
  TMainForm& Started(int objectType = 1) {
    WritePassport(ProgramPath() + "Data/svo1", SampleInfo(objectType), SampleMap());
    Form_ = std::make_unique<TMainForm>();
    Form_->Map()->SetPictureSize(QSize(kW, kH));
    [&] { QVERIFY(Form_->Start()); }();
    return *Form_;
  }

  static QAbstractButton* PhaseButton(TMainForm& f, int index) { return f.Tools()->PhaseGroup->button(index); }

 private slots:
  void init() {
    EnterProgramDir(Program_, Messages_);
  }

  void cleanup() {
    Form_.reset();
    LeaveProgramDir(Program_, Messages_);
  }

  void StartUpOnAMissingDatabaseAsksForItAndEndsWhenTheUserGivesUp() {
    TAnswerer answers([](QDialog&) { return int(QDialog::Rejected); });
    Form_ = std::make_unique<TMainForm>();
    QVERIFY(!Form_->Start());
    const std::vector<QString> seen{"QMessageBox", "TDataPathForm", "QMessageBox"};
    QCOMPARE(answers.Seen, seen);
    QCOMPARE(answers.Boxes.front(), QStringLiteral("База данных не найдена.|Ошибка"));
    QCOMPARE(answers.Boxes.back(),
             QStringLiteral("Не могу найти базу данных. Продолжение работы программы не возможно.|Ошибка"));
    QVERIFY(!Form_->Scheme());
  }

  void ThePathDialogLeadsToAnotherDatabaseAndItsFirstPassport() {
    QTemporaryDir other;
    WritePassport(other.path() + "/svo1", SampleInfo(), SampleMap());
    bool editWasOff = false;
    TAnswerer answers([&](QDialog& d) {
      if (auto* path = qobject_cast<TDataPathForm*>(&d)) {
        editWasOff = path->LocalButton()->isChecked() && !path->DirEdit()->isEnabled();
        path->OtherButton()->click();
        path->DirEdit()->setText(other.path());
        return int(path->DirEdit()->isEnabled() && path->BrowseButton()->isEnabled() ? QDialog::Accepted
                                                                                     : QDialog::Rejected);
      }
      return int(QMessageBox::Ok);
    });
    Form_ = std::make_unique<TMainForm>();
    QVERIFY(Form_->Start());
    QVERIFY(editWasOff);
    QCOMPARE(Form_->DatabaseDir(), other.path().toStdString() + "/");
    QCOMPARE(Form_->Scheme()->Dir, other.path().toStdString() + "/svo1/");
    QCOMPARE(Form_->windowTitle(), QStringLiteral("ул. Тестовая - пр. Проверочный"));
    const TIniFile config(ProgramPath().toStdString() + "config.ini");
    QVERIFY(!config.ReadBool("DataBase", "LocalData", true));
    QCOMPARE(config.ReadString("DataBase", "DataBaseDir", ""), other.path().toStdString());
  }

  void TheFirstPassportIsFittedIntoThePaintBoxLessAFivePixelMargin() {
    TMainForm& f = Started();
    const TRect b = f.Scheme()->BoundsShown(f.View());
    QVERIFY(b.Left >= 4 && b.Top >= 4 && b.Right <= kW - 4 && b.Bottom <= kH - 4);
    QVERIFY(b.Top <= 6 || b.Left <= 6);
    QCOMPARE(f.Map()->Picture().pixel(kW - 1, kH - 1), qRgb(0x40, 0x40, 0x40));
    QCOMPARE(f.Scheme()->Time->Phase, 1);
    QCOMPARE(f.Tools()->SecondsLabel->text(), QStringLiteral("13"));
  }

  void PresetsSetTheSwitchesTheirColumnNamesAndLeaveTheOthers() {
    TMainForm& f = Started();
    TSVObject& s = *f.Scheme();
    for (int n = 1; n <= kLayerCount; ++n) {
      s.Layer(n).Visible = false;
      s.Layer(n).ShowText = false;
      s.Layer(n).Editable = false;
    }
    f.Menu().PresetCable->trigger();
    QVERIFY(!s.Layer(3).Visible && !s.Layer(3).ShowText);  // markings: untouched
    QVERIFY(s.Layer(2).Visible && s.Layer(2).ShowText);
    QVERIFY(s.Layer(9).Visible && !s.Layer(9).ShowText);  // gantries: no text switch

    f.Menu().PresetTsrd->trigger();
    QVERIFY(!s.Layer(7).Visible && s.Layer(7).ShowText);  // directions hidden, labels on
    QVERIFY(s.Layer(10).Visible && !s.Layer(10).ShowText);
    QVERIFY(!s.Layer(1).Visible);

    for (int n = 1; n <= kLayerCount; ++n) s.Layer(n).ShowText = false;
    f.Menu().PresetOdd->trigger();
    QVERIFY(s.Layer(8).Visible && !s.Layer(8).ShowText);  // stands: visibility only
    QVERIFY(!s.Layer(3).Visible && !s.Layer(9).Visible && s.Layer(12).ShowText);

    f.Menu().PresetAll->trigger();
    for (int n = 1; n <= kLayerCount; ++n) {
      QVERIFY(s.Layer(n).Visible);
      QCOMPARE(s.Layer(n).ShowText, n != 9);
      QVERIFY(!s.Layer(n).Editable);
    }
  }

  void PickingAPhaseOrAProgramRestartsThePhaseWithItsDuration() {
    TMainForm& f = Started();
    QCOMPARE(f.Tools()->PhaseCount(), 3);
    QCOMPARE(PhaseButton(f, 2)->text(), QStringLiteral("3"));
    QVERIFY(!f.Tools()->ProgramBox->isHidden());
    PhaseButton(f, 1)->click();
    QCOMPARE(f.Scheme()->Time->Phase, 2);
    QCOMPARE(f.Tools()->SecondsLabel->text(), QStringLiteral("12"));
    f.Tools()->ProgramGroup->button(1)->click();
    QCOMPARE(f.Scheme()->Time->Program, std::uint8_t{1});
    QCOMPARE(f.Scheme()->Time->Remaining, 22.0);
    QCOMPARE(f.Tools()->PhaseIndex(), 1);
  }

  void ANewPassportStartsInProgramIAndKeepsTheCursorOfTheMouseMode() {
    TMainForm& f = Started();
    f.Tools()->ProgramGroup->button(1)->click();
    f.Tools()->PanButton->click();
    QVERIFY(f.OpenPassport("2"));
    QCOMPARE(f.Tools()->ProgramIndex(), 0);
    QCOMPARE(f.Scheme()->Time->Program, std::uint8_t{0});
    QVERIFY(f.MouseMode() == TMode::PanReady);
    QCOMPARE(f.Map()->cursor().shape(), SchemeCursor(crHand).shape());
  }

  void TheProgramSelectorIsHiddenForSystemAndUkObjects() {
    Started(0);
    QVERIFY(Form_->Tools()->ProgramBox->isHidden());
    Form_.reset();
    Started(2);
    QVERIFY(Form_->Tools()->ProgramBox->isHidden());
  }

  void TheAnimationCountsDownByHalfSecondsAndWrapsToTheFirstPhase() {
    TMainForm& f = Started();
    f.Play();
    QVERIFY(f.AnimationTimer().isActive());
    QCOMPARE(f.AnimationTimer().interval(), 250);
    PhaseButton(f, 2)->click();
    f.AnimationTick();
    QCOMPARE(f.Tools()->SecondsLabel->text(), QStringLiteral("16,5"));
    for (int i = 1; i < 34; ++i) f.AnimationTick();
    QCOMPARE(f.Scheme()->Time->Phase, 1);
    QCOMPARE(f.Tools()->PhaseIndex(), 0);
    // The new phase starts with its whole duration; what overshot is dropped.
    QCOMPARE(f.Scheme()->Time->Remaining, 13.0);
    QCOMPARE(f.Tools()->SecondsLabel->text(), QStringLiteral("13"));
    f.Stop();
    QVERIFY(!f.AnimationTimer().isActive());
  }

  void TheAnimationTickRedrawsTheSignalHeadsOverThePictureAlreadyThere() {
    TMainForm& f = Started();
    f.Scheme()->Time->Remaining = 2.0;
    f.Scheme()->CopyTimingToDirections();
    f.Repaint();
    const QRgb yellow = qRgb(0xFF, 0xFF, 0x20);
    const auto count = [&](QRgb c) {
      int n = 0;
      const QImage& img = f.Map()->Picture();
      for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) n += img.pixel(x, y) == c;
      return n;
    };
    QCOMPARE(count(yellow), 0);
    TCanvas& c = *f.View().Canvas;
    c.SetBrushColor(clRed);
    c.FillRect(TRect{0, 0, 3, 3});  // a mark that only a full repaint would clear
    f.AnimationTick();              // 1.5 s left: direction 1 turns yellow
    QVERIFY(count(yellow) > 10);
    QCOMPARE(f.Map()->Picture().pixel(1, 1), qRgb(255, 0, 0));
  }

  void ATickThatChangesNoSignalHeadDrawsNothing() {
    TMainForm& f = Started();
    f.Scheme()->Time->Remaining = 20.0;
    f.Scheme()->CopyTimingToDirections();
    f.Repaint();
    // Blank the picture: whatever a tick draws shows up on it.
    TCanvas& c = *f.View().Canvas;
    c.SetBrushColor(clBlack);
    c.FillRect(c.ClipRect());
    const QImage blank = f.Map()->Picture().copy();
    f.AnimationTick();  // 19.5 s left: every head shows what it showed
    QCOMPARE(f.Map()->Picture(), blank);
    QCOMPARE(f.Tools()->SecondsLabel->text(), QStringLiteral("19,5"));
    for (int i = 0; i < 40 && f.Map()->Picture() == blank; ++i) f.AnimationTick();
    QVERIFY(f.Map()->Picture() != blank);  // a head changed and was drawn
  }

  void AZoomInDragFitsTheDraggedRectangleIntoTheBox() {
    TMainForm& f = Started();
    f.Tools()->ZoomInButton->click();
    QVERIFY(f.MouseMode() == TMode::ZoomInReady);
    TDrawContext& v = f.View();
    const TRealPoint a = At(v, 100, 100), b = At(v, 200, 175);
    const double zoom = v.Zoom;
    f.MapMouseDown(QPoint(100, 100));
    QVERIFY(f.MouseMode() == TMode::ZoomInDragging);
    const QImage plain = f.Map()->Picture().copy();
    f.MapMouseMove(QPoint(150, 150));
    QVERIFY(f.Map()->Picture() != plain);  // the XOR frame
    f.MapMouseUp(QPoint(200, 175));
    QVERIFY(f.MouseMode() == TMode::ZoomInReady);
    QCOMPARE(v.Zoom, zoom * 4);
    // The drag's centre, rounded to a whole pixel before the fourfold zoom.
    const TPoint centre = v.WorldToScreen((a.x + b.x) / 2, (a.y + b.y) / 2);
    QVERIFY(qAbs(centre.x - kW / 2) <= 2 && qAbs(centre.y - kH / 2) <= 2);
  }

  void AShortZoomInDragZoomsByHalfAgainAboutTheCentreNotTheCursor() {
    TMainForm& f = Started();
    f.SetMouseMode(TMode::ZoomInReady);
    TDrawContext& v = f.View();
    const TRealPoint centre = At(v, kW / 2, kH / 2);
    const double zoom = v.Zoom;
    f.MapMouseDown(QPoint(30, 40));
    f.MapMouseUp(QPoint(36, 47));
    QCOMPARE(v.Zoom, zoom * 1.5);
    const TPoint p = v.WorldToScreen(centre.x, centre.y);
    QVERIFY(qAbs(p.x - kW / 2) <= 1 && qAbs(p.y - kH / 2) <= 1);
  }

  void ZoomOutShrinksByAThirdAndStopsAtItsLimit() {
    TMainForm& f = Started();
    f.Tools()->ZoomOutButton->click();
    TDrawContext& v = f.View();
    v.Zoom = 1.5;
    f.MapMouseDown(QPoint(10, 10));
    f.MapMouseUp(QPoint(10, 10));
    QCOMPARE(v.Zoom, 1.0);
    v.Zoom = 0.06;
    const double ox = v.OriginX;
    f.MapMouseDown(QPoint(10, 10));
    QCOMPARE(v.Zoom, 0.06);
    QCOMPARE(v.OriginX, ox);
  }

  void PanningDragsTheSchemeWithTheCursor() {
    TMainForm& f = Started();
    f.Tools()->PanButton->click();
    TDrawContext& v = f.View();
    const double ox = v.OriginX, oy = v.OriginY;
    f.MapMouseDown(QPoint(50, 50));
    QVERIFY(f.MouseMode() == TMode::Panning);
    f.MapMouseMove(QPoint(80, 60));
    f.MapMouseMove(QPoint(70, 65));
    QCOMPARE(v.OriginX, ox + 20);
    QCOMPARE(v.OriginY, oy + 15);
    f.MapMouseUp(QPoint(70, 65));
    QVERIFY(f.MouseMode() == TMode::PanReady);
  }

  void TheWheelZoomsAboutTheCursor() {
    TMainForm& f = Started();
    TDrawContext& v = f.View();
    const TRealPoint w = At(v, 120, 80);
    const double zoom = v.Zoom;
    f.MapWheel(QPoint(120, 80), 2);
    QCOMPARE(v.Zoom, zoom * 1.25 * 1.25);
    const TPoint p = v.WorldToScreen(w.x, w.y);
    QVERIFY(qAbs(p.x - 120) <= 1 && qAbs(p.y - 80) <= 1);
  }

  void ACursorRestingAtTheLeftEdgeScrollsAfterTheSixthTick() {
    TMainForm& f = Started();
    TDrawContext& v = f.View();
    const double ox = v.OriginX;
    f.MapMouseMove(QPoint(3, 150));
    QVERIFY(f.EdgeDirection() == TMainForm::TEdge::Left);
    QVERIFY(f.EdgeTimer().isActive());
    for (int i = 0; i < 5; ++i) f.EdgeScrollTick(QPoint(3, 150));
    QCOMPARE(v.OriginX, ox);
    f.EdgeScrollTick(QPoint(3, 150));
    QCOMPARE(v.OriginX, ox + 5);
    f.MapMouseMove(QPoint(200, kH - 2));
    QVERIFY(f.EdgeDirection() == TMainForm::TEdge::Down);
    f.EdgeScrollTick(QPoint(-4, 150));
    QVERIFY(!f.EdgeTimer().isActive());
  }

  void ThePassportChooserRefusesPathCharactersAndCreatesAMissingPassport() {
    TMainForm& f = Started();
    QString typed;
    bool refused = false;
    TAnswerer answers([&](QDialog& d) {
      // "СО № 42 не существует. Создать?"
      if (qobject_cast<QMessageBox*>(&d)) return int(QMessageBox::Yes);
      auto& chooser = dynamic_cast<TChooseObjectForm&>(d);
      chooser.NumberEdit()->clear();
      QTest::keyClicks(chooser.NumberEdit(), "../x");
      typed = chooser.NumberEdit()->text();
      chooser.NumberEdit()->setText("../x");
      chooser.accept();
      refused = chooser.result() != QDialog::Accepted && chooser.ErrorLabel()->isVisibleTo(&chooser);
      chooser.NumberEdit()->setText("42");
      chooser.accept();
      return chooser.result();
    });
    f.Menu().LoadPassport->trigger();
    QCOMPARE(typed, QStringLiteral("x"));
    QVERIFY(refused);
    QCOMPARE(f.Scheme()->Dir, ProgramPath().toStdString() + "Data/svo42/");
    QVERIFY(QFileInfo::exists(ProgramPath() + "Data/svo42/map.txt"));
    QVERIFY(!f.OpenPassport("../x"));
    QVERIFY(!f.OpenPassport("123456"));
    QVERIFY(!QFileInfo::exists(ProgramPath() + "x"));
    QCOMPARE(f.Scheme()->Dir, ProgramPath().toStdString() + "Data/svo42/");
  }

  void SchemePrintingWithAPresetAsksFirstAndCancelDoesNothing() {
    TMainForm& f = Started();
    std::vector<TPrintRequest> printed;
    TSVObject& s = *f.Scheme();
    // Whether layer 1 was shown while each page was printed.
    std::vector<bool> layerOne;
    f.SetPrintHandler([&](const TPrintRequest& r) {
      printed.push_back(r);
      layerOne.push_back(s.Layer(1).Visible);
    });
    QVERIFY(f.Menu().PrintOdd->isEnabled());
    int answer = QMessageBox::Cancel;
    TAnswerer answers([&](QDialog&) { return answer; });
    f.Menu().PrintOdd->trigger();
    QVERIFY(printed.empty() && s.Layer(1).Visible);
    QCOMPARE(answers.Boxes.back().section('|', 1), QStringLiteral("Выбрать только слои входящие в схему расстановки ОДД?"));
    answer = QMessageBox::No;
    f.Menu().PrintOdd->trigger();
    QVERIFY(printed.size() == 1 && s.Layer(1).Visible);
    answer = QMessageBox::Yes;
    f.Menu().PrintOdd->trigger();
    // "Да" prints the layer set only, and the viewer gets its layers back.
    QVERIFY(printed.size() == 2 && s.Layer(1).Visible);
    QCOMPARE(layerOne, (std::vector<bool>{true, false}));
    QCOMPARE(printed.back().Title, QStringLiteral("ул. Тестовая - пр. Проверочный (Объект № 1) \r\nСхема ОДД"));
  }

  void LastTramscaleIsWrittenWhenTheWindowCloses() {
    TMainForm& f = Started();
    f.Scheme()->Info->RealScale = 0.75;
    f.close();
    const TIniFile config(ProgramPath().toStdString() + "config.ini");
    QCOMPARE(config.ReadString("map", "lastTramscale", ""), std::string("0.750"));
  }

  void AfterTheEditorThePassportIsReadAgainInThePhaseShownBefore() {
    TMainForm& f = Started();
    PhaseButton(f, 2)->click();
    f.Play();
    bool hiddenMeanwhile = false, pausedMeanwhile = false;
    f.SetEditorRunner([&](TMainForm& main, TSVObject& scheme) {
      hiddenMeanwhile = main.isHidden();
      pausedMeanwhile = !main.AnimationTimer().isActive();
      scheme.ClearAll();  // edits that were never saved
      scheme.Time->SetPhase(1);
    });
    QVERIFY(f.Menu().Edit->isEnabled());
    f.Menu().Edit->trigger();
    QVERIFY(hiddenMeanwhile && pausedMeanwhile);
    QCOMPARE(f.Scheme()->Layer(4).Count(), 2);
    QCOMPARE(f.Scheme()->Time->Phase, 3);
    QCOMPARE(f.Tools()->PhaseIndex(), 2);
    QVERIFY(f.AnimationTimer().isActive());
  }

  void AfterTheEditorTheWindowFollowsThePassportAsReadNotTheTablesInMemory() {
    TMainForm& f = Started();
    // What the information dialog would leave in memory: another address,
    // a УК object with a fourth phase, shown.
    TSVInfo& info = *f.Scheme()->Info;
    info.Address1 = "ул. Новая";
    info.ObjectType = 2;
    info.SetPhaseCount(4);
    f.RebuildPhaseSelector(4);
    PhaseButton(f, 3)->click();
    f.SetEditorRunner([](TMainForm&, TSVObject&) {});
    f.EditClick();
    QCOMPARE(f.windowTitle(), QStringLiteral("ул. Тестовая - пр. Проверочный"));
    QCOMPARE(f.Tools()->PhaseCount(), 3);
    QVERIFY(!f.Tools()->ProgramBox->isHidden());
    // The phase shown before is gone: the first phase is shown.
    QCOMPARE(f.Scheme()->Time->Phase, 1);
    QCOMPARE(f.Tools()->PhaseIndex(), 0);
    QCOMPARE(f.Tools()->SecondsLabel->text(), QStringLiteral("13"));
  }

  void EntriesOfWindowsStillToComeAreDisabled() {
    TMainForm& f = Started();
    QVERIFY(!f.Menu().Edit->isEnabled());
    QCOMPARE(f.Menu().Edit->shortcut(), QKeySequence(Qt::Key_F4));
    QVERIFY(!f.Menu().PrintScheme->isEnabled() && !f.Menu().PrintTsrd->isEnabled());
    // The signal-plan tables have their windows now.
    QVERIFY(f.Menu().Organisation->isEnabled() && f.Menu().GeneralInfo->isEnabled());
    QVERIFY(f.Menu().SetScale->isEnabled() && f.Menu().PresetOdd->isEnabled());
  }
};

SVPASS_QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
