// The viewer on a small screen (800 x 600) and from the keyboard: no window
// or dialog opens larger than the screen, the tool panel keeps its room, the
// wheel zooms about the cursor, the keys move, zoom and fit the view, and an
// unknown passport number becomes a passport only when the user agrees.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <map>

#include "QtTestSupport.h"
#include "ui/editor/EditorRunner.h"
#include "ui/editor/dialogs/QtDialogHost.h"
#include "model/SVObject.h"
#include "qt/PaintBox.h"
#include "qt/ScreenFit.h"
#include "ui/viewer/ChooseObjectUnit.h"
#include "ui/viewer/HelpWindow.h"
#include "ui/viewer/PrintEntries.h"
#include "ui/viewer/ToolPanel.h"
#include "ui/viewer/MainForm.h"

using namespace qtsupport;

namespace {

const QRect kScreen(0, 0, 800, 600);

// The size each window has at the moment it appears, by class.
class TShowSizes : public QObject {
 public:
  std::map<QString, QSize> Sizes;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow())
      Sizes[watched->metaObject()->className()] = static_cast<QWidget*>(watched)->size();
    return false;
  }
};

}  // namespace

class ViewerScreenTest : public QObject {
  Q_OBJECT

  QTemporaryDir Program_;
  std::unique_ptr<TMainForm> Form_;
  std::unique_ptr<TMessageCapture> Messages_;

  QString ProgramPath() const { return Program_.path() + "/"; }

  // The first sample passport as svo1, the window shown as the program shows it.
  TMainForm& Shown() {
    const QString dir = ProgramPath() + "Data/svo1/";
    QDir().mkpath(dir);
    QDir().mkpath(ProgramPath() + "help");
    for (const char* name : {"map.txt", "info.txt"})
      QFile::copy(QStringLiteral(SVPASS_SOURCE_DIR "/data/Data/svo1/") + name, dir + name);
    QFile::copy(QStringLiteral(SVPASS_SOURCE_DIR "/resources/help/passport.html"), ProgramPath() + "help/passport.html");
    Form_ = std::make_unique<TMainForm>();
    [&] { QVERIFY(Form_->Start()); }();
    Form_->ShowOnScreen();
    Form_->activateWindow();
    [&] { QVERIFY(QTest::qWaitForWindowActive(Form_.get())); }();
    return *Form_;
  }

 private slots:
  void init() { EnterProgramDir(Program_, Messages_); }
  void cleanup() {
    Form_.reset();
    LeaveProgramDir(Program_, Messages_);
  }

  void NoWindowOrDialogIsLargerThanTheScreenAndThePanelKeepsItsRoom() {
    QCOMPARE(AvailableArea(nullptr), kScreen);
    TMainForm& f = Shown();
    InstallPrinting(f);
    f.SetEditorRunner(MakeEditorRunner([](QWidget* owner) { return std::make_unique<TQtDialogHost>(owner); }));
    QVERIFY2(kScreen.contains(f.frameGeometry()), qPrintable(QDebug::toString(f.frameGeometry())));

    // Each dialog is shown as the user would see it, then closed.
    std::vector<std::pair<QString, QRect>> seen;
    QStringList cut;
    TAnswerer answers([&](QDialog& d) {
      d.show();
      QCoreApplication::processEvents();
      seen.emplace_back(d.metaObject()->className(), d.frameGeometry());
      // Tool bars wrap instead of running past the window's edge.
      for (QAbstractButton* b : d.findChildren<QAbstractButton*>())
        if (b->isVisible() && !d.rect().contains(QRect(b->mapTo(&d, QPoint(0, 0)), b->size())))
          cut.push_back(QString(d.metaObject()->className()) + " " + b->toolTip() + b->text());
      d.hide();
      return int(QDialog::Rejected);
    });
    for (QAction* a : {f.Menu().PrintScheme, f.Menu().Edit, f.Menu().GeneralInfo, f.Menu().ChangeTable,
                       f.Menu().LoadPassport, f.Menu().PageSetup, f.Menu().About})
      a->trigger();
    QCOMPARE(seen.size(), std::size_t{7});
    for (const auto& [name, frame] : seen) QVERIFY2(kScreen.contains(frame), qPrintable(name));
    QCOMPARE(cut, QStringList{});

    f.Menu().HelpContents->trigger();
    f.findChild<QAction*>("DatabaseWindowAction")->trigger();
    f.findChild<QAction*>("CheckPassportAction")->trigger();
    for (const char* name : {"THelpWindow", "TDatabaseForm", "TCheckForm"}) {
      QWidget* w = nullptr;
      for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->inherits(name)) w = top;
      QVERIFY2(w && kScreen.contains(w->frameGeometry()), name);
      w->close();
    }

    // As small as the window goes, the panel is as tall as its controls need,
    // even when the windowing system does not hold the window to its minimum.
    f.showNormal();
    f.windowHandle()->resize(300, 250);
    TToolPanel* panel = f.Tools();
    QTRY_VERIFY(panel->height() >= panel->minimumSizeHint().height());
    QVERIFY(f.width() <= kScreen.width() && f.height() <= kScreen.height());
    QVERIFY(f.Map()->width() >= panel->minimumSizeHint().height() - 1);
    const QRect program = panel->ProgramBox->geometry();
    QVERIFY(program.top() > panel->PhaseBox->geometry().bottom() && program.bottom() < panel->height());
  }

  // A window manager decorates a window only once it has appeared, and puts
  // the frame of a window as tall as the screen half off it. The windows
  // that are not modal are fitted before they appear, with the frame the
  // main window was given.
  void TheWindowsThatAreNotModalLeaveRoomForTheirFrameWhenTheyAppear() {
    TMainForm& f = Shown();
    const QSize frame = f.frameGeometry().size() - f.geometry().size();
    QVERIFY2(frame.width() > 0 && frame.height() > 0, "the test screen decorates its windows");
    TShowSizes shown;
    qApp->installEventFilter(&shown);
    f.Menu().HelpContents->trigger();
    f.findChild<QAction*>("DatabaseWindowAction")->trigger();
    f.findChild<QAction*>("CheckPassportAction")->trigger();
    qApp->removeEventFilter(&shown);
    for (const char* name : {"THelpWindow", "TDatabaseForm", "TCheckForm"}) {
      QVERIFY2(shown.Sizes.count(name), name);
      const QSize outer = shown.Sizes[name] + frame;
      QVERIFY2(outer.width() <= kScreen.width() && outer.height() <= kScreen.height(),
               qPrintable(QStringLiteral("%1 %2 x %3").arg(name).arg(outer.width()).arg(outer.height())));
    }
  }

  void TheWheelKeepsTheSchemePointUnderTheCursor() {
    TMainForm& f = Shown();
    TDrawContext& v = f.View();
    // Off-centre, and between pixels as a high-resolution screen reports it.
    const QPointF at(f.Map()->width() * 3 / 4 + 0.4, f.Map()->height() / 3 + 0.3);
    const TRealPoint w = v.ScreenToWorld(static_cast<int>(at.x()), static_cast<int>(at.y()));
    const double zoom = v.Zoom;
    // Through the window, as the windowing system hands the wheel over.
    const int notches[] = {1, 1, 1, -1, 1};
    int total = 0;
    for (int n : notches) {
      const double ox = v.OriginX - at.x(), oy = v.OriginY - at.y();
      const QPointF inWindow = f.Map()->mapTo(&f, at);
      QWheelEvent e(inWindow, f.mapToGlobal(inWindow), QPoint(), QPoint(0, 120 * n), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
      QApplication::sendEvent(f.windowHandle(), &e);
      total += n;
      const double ratio = n > 0 ? 1.25 : 0.8;
      QVERIFY(qAbs(v.Zoom - zoom * std::pow(1.25, total)) < 1e-9 * zoom);
      // The origin's distance from the cursor scales by the zoom's ratio: the
      // scheme point under the cursor, to a fraction of a pixel, stays there.
      QVERIFY2(qAbs((v.OriginX - at.x()) - ox * ratio) < 1e-6 && qAbs((v.OriginY - at.y()) - oy * ratio) < 1e-6,
               qPrintable(QString("%1 %2").arg(v.OriginX).arg(v.OriginY)));
      const TPoint p = v.WorldToScreen(w.x, w.y);
      QVERIFY2(qAbs(p.x - at.x()) <= 1 && qAbs(p.y - at.y()) <= 1, qPrintable(QString("%1 %2").arg(p.x).arg(p.y)));
    }
  }

  void KeysMoveZoomAndFitTheViewAndTheMenusHaveAltLetters() {
    TMainForm& f = Shown();
    TDrawContext& v = f.View();
    const double cx = f.Map()->PictureWidth() / 2, cy = f.Map()->PictureHeight() / 2;
    QVERIFY(qAbs(cx - cy) > 50);  // a zoom about a wrong centre shows
    struct TStep {
      Qt::Key Key;
      Qt::KeyboardModifiers Mods;
      double Dx, Dy, Factor;  // the expected change: moved by (Dx, Dy), or zoomed by Factor about the centre
    };
    const TStep steps[] = {
        {Qt::Key_Left, Qt::NoModifier, 50, 0, 1},       {Qt::Key_Right, Qt::NoModifier, -50, 0, 1},
        {Qt::Key_Up, Qt::NoModifier, 0, 50, 1},         {Qt::Key_Down, Qt::ShiftModifier, 0, -200, 1},
        {Qt::Key_Left, Qt::ShiftModifier, 200, 0, 1},  {Qt::Key_Plus, Qt::KeypadModifier, 0, 0, 1.5},
        {Qt::Key_Minus, Qt::KeypadModifier, 0, 0, 2.0 / 3}, {Qt::Key_Minus, Qt::KeypadModifier, 0, 0, 2.0 / 3},
    };
    for (const TStep& s : steps) {
      const double ox = v.OriginX, oy = v.OriginY, zoom = v.Zoom;
      QTest::keyClick(&f, s.Key, s.Mods);
      const double ex = s.Factor == 1 ? ox + s.Dx : cx + (ox - cx) * s.Factor;
      const double ey = s.Factor == 1 ? oy + s.Dy : cy + (oy - cy) * s.Factor;
      QVERIFY2(qAbs(v.OriginX - ex) < 1e-6 && qAbs(v.OriginY - ey) < 1e-6 && qAbs(v.Zoom - zoom * s.Factor) < 1e-9,
               qPrintable(QKeySequence(s.Key | s.Mods).toString()));
    }
    // Home puts the visible scheme back inside the paint box, less its margin.
    QTest::keyClick(&f, Qt::Key_Home);
    const TRect b = f.Scheme()->BoundsOfVisibleLayers(v);
    const int w = f.Map()->PictureWidth(), h = f.Map()->PictureHeight();
    QVERIFY(b.Left >= 4 && b.Top >= 4 && b.Right <= w - 4 && b.Bottom <= h - 4);
    QVERIFY(b.Left <= 6 || b.Top <= 6);

    QTest::keyClick(&f, Qt::Key_F1);
    auto* help = f.findChild<THelpWindow*>();
    QVERIFY(help && help->isVisible());
    help->close();
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    {
      TAnswerer answers([](QDialog&) { return int(QDialog::Rejected); });
      QTest::keyClick(&f, Qt::Key_O, Qt::ControlModifier);
      QCOMPARE(answers.Seen, std::vector<QString>{"TChooseObjectForm"});
    }

    QVERIFY(f.menuBar()->actions().size() == 6);
    for (QAction* m : f.menuBar()->actions()) QVERIFY2(MnemonicClash(m->menu()).isEmpty(), qPrintable(MnemonicClash(m->menu())));
    QMenu bar;
    bar.addActions(f.menuBar()->actions());
    QVERIFY2(MnemonicClash(&bar).isEmpty(), qPrintable(MnemonicClash(&bar)));

    // The button of what the plan is doing stays down.
    TToolPanel* t = f.Tools();
    QVERIFY(t->StopButton->isChecked() && !t->PlayButton->isChecked());
    t->PlayButton->click();
    QVERIFY(t->PlayButton->isChecked() && !t->StopButton->isChecked() && f.AnimationTimer().isActive());
    t->StopButton->click();
    QVERIFY(t->StopButton->isChecked() && !t->PlayButton->isChecked() && !f.AnimationTimer().isActive());
    QVERIFY(t->SecondsLabel->toolTip().contains(QStringLiteral("фазы")));
  }

  void AnUnknownPassportNumberBecomesAPassportOnlyAfterYes() {
    TMainForm& f = Shown();
    const std::string before = f.Scheme()->Dir;
    QString number = "77";
    int answer = QMessageBox::No;
    QStringList buttons;
    TAnswerer answers([&](QDialog& d) {
      if (auto* chooser = qobject_cast<TChooseObjectForm*>(&d)) {
        chooser->NumberEdit()->setText(number);
        return int(QDialog::Accepted);
      }
      buttons.clear();
      for (QAbstractButton* b : qobject_cast<QMessageBox*>(&d)->buttons()) buttons << b->text();
      return answer;
    });
    f.Menu().LoadPassport->trigger();
    QCOMPARE(answers.Boxes.size(), std::size_t{1});
    QCOMPARE(answers.Boxes.back().section('|', 1), QStringLiteral("СО № 77 не существует. Создать?"));
    buttons.sort();
    QCOMPARE(buttons, (QStringList{"Да", "Нет"}));
    QVERIFY(!QFileInfo::exists(ProgramPath() + "Data/svo77"));
    QCOMPARE(f.Scheme()->Dir, before);

    answer = QMessageBox::Yes;
    f.Menu().LoadPassport->trigger();
    QCOMPARE(f.Scheme()->Dir, ProgramPath().toStdString() + "Data/svo77/");
    QVERIFY(QFileInfo::exists(ProgramPath() + "Data/svo77/map.txt"));

    // A passport that exists opens without a question.
    number = "1";
    f.Menu().LoadPassport->trigger();
    QCOMPARE(answers.Boxes.size(), std::size_t{2});
    QCOMPARE(f.Scheme()->Dir, before);
  }
};

int main(int argc, char** argv) {
  QTemporaryDir config;
  const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
  if (platform.isEmpty() || platform == QStringLiteral("offscreen")) {
    QFile json(config.path() + "/screen.json");
    if (!json.open(QIODevice::WriteOnly)) return 2;
    json.write(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": 800, "height": 600,
                "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    json.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + json.fileName()).toLocal8Bit());
  }
  QApplication app(argc, argv);
  ViewerScreenTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "ViewerScreenTest.moc"
