// The scheme editor window driven as a user drives it: tool buttons and
// their layers, a placement by mouse through the paint box, keys, the base
// image, saving and the question about unsaved edits, F4 from the viewer and
// back, and the passport lock between two running instances.
#include <QMenuBar>
#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLockFile>
#include <QMenu>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <csignal>
#include <iostream>

#include "../support/DxfSample.h"
#include "QtTestSupport.h"
#include "edit/EditSession.h"
#include "ui/editor/EditFormUnit.h"
#include "ui/editor/EditToolBar.h"
#include "ui/editor/EditorRunner.h"
#include "ui/editor/dialogs/QtDialogHost.h"
#include "ui/editor/dialogs/StolbMenuForm.h"
#include "edit/dialogs/SetTextFormModel.h"
#include "model/Geometry.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "store/PassportStore.h"
#include "platform/Dialogs.h"
#include "platform/Messages.h"
#include "qt/Cursors.h"
#include "qt/FileStamp.h"
#include "qt/PaintBox.h"
#include "qt/PassportLock.h"
#include "ui/viewer/LayControl.h"
#include "ui/viewer/MainForm.h"

using namespace qtsupport;

namespace {

// Answers every item dialog with its Cancel: the tests place items that ask
// nothing.
class TCancelHost : public TDialogHost {
 public:
  int Execute(TDialogModel& model) override { return model.Press(TDialogButton::Cancel); }
};

std::unique_ptr<TDialogHost> CancelHost(QWidget*) { return std::make_unique<TCancelHost>(); }

void SendMouse(QWidget* w, QEvent::Type type, QPoint p, Qt::MouseButtons held) {
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent e(type, QPointF(p), QPointF(w->mapToGlobal(p)), button, held, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

// A click on the paint box as the mouse makes it: press and release.
void Click(TPaintBox* map, QPoint p) {
  SendMouse(map, QEvent::MouseButtonPress, p, Qt::LeftButton);
  SendMouse(map, QEvent::MouseButtonRelease, p, Qt::NoButton);
}

void Move(TPaintBox* map, QPoint p) { SendMouse(map, QEvent::MouseMove, p, Qt::NoButton); }

// Every tool with the layer that must be visible and editable for its
// button (0: always enabled), written out from the editor's tool list.
const std::vector<std::pair<QString, int>> kToolLayers = {
    {"Выбор элемента схемы", 0},
    {"Прямой бордюр", 4},
    {"Закругленный бордюр", 4},
    {"Колодец", 5},
    {"Кабель", 2},
    {"Передвинуть схему", 0},
    {"Контроллер", 6},
    {"Увеличить изображение", 0},
    {"Уменьшить изображение", 0},
    {"Стойка или столб", 10},
    {"Соединительная линия", 8},
    {"Головка", 8},
    {"Знак", 8},
    {"Направление движения", 7},
    {"Портал", 10},
    {"Подпись", 4},
    {"Прямой участок рельсов", 4},
    {"Закругленный участок рельсов", 4},
    {"Здание", 1},
    {"Зебра", 3},
    {"Стоп-линия", 3},
    {"Пешеходный переход", 3},
    {"Разделительная линия", 3},
    {"Разрешенные направления движения", 3},
    {"Телефонная коробка", 6},
    {"Отдельный знак", 8},
    {"Трос", 8},
    {"Консоль", 10},
    {"Щит силовой", 6},
    {"Перенос", 0},
    {"Подгонка под основу", 0},
};

int RowOfLayer(int layer) {
  for (int r = 0; r < TlayersDlg::kRows; ++r)
    for (int n : TlayersDlg::RowLayers(r))
      if (n == layer) return r;
  return -1;
}

// The child process of the lock test: holds the lock of a passport until
// its input closes or it is killed.
int HoldLock(const QString& dir) {
  TPassportLock lock(dir);
  if (!lock.TryLock()) return 1;
  std::cout << "locked" << std::endl;
  std::string line;
  std::getline(std::cin, line);
  return 0;
}

}  // namespace

class EditorWindowTest : public QObject {
  Q_OBJECT

  QTemporaryDir Program_;
  std::unique_ptr<TSVObject> Scheme_;
  std::unique_ptr<TEditForm> Form_;
  std::unique_ptr<TMainForm> Main_;
  std::unique_ptr<TMessageCapture> Messages_;

  QString PassportDir() const { return Program_.path() + "/Data/svo1/"; }
  QString MapPath() const { return PassportDir() + "map.txt"; }

  // The sample passport in the editor, shown at a known size.
  TEditForm& Opened() {
    WritePassport(PassportDir(), SampleInfo(), SampleMap());
    Scheme_ = std::make_unique<TSVObject>(PassportDir().toStdString());
    Scheme_->ClearAll();
    Scheme_->LoadAll();
    Form_ = std::make_unique<TEditForm>();
    Form_->SetDialogHost(std::make_unique<TCancelHost>());
    Form_->resize(900, 600);
    Form_->show();
    [&] { QVERIFY(QTest::qWaitForWindowExposed(Form_.get())); }();
    Form_->Prepare(*Scheme_, TFileStamp::Of(MapPath()));
    Form_->ShowEditor();
    return *Form_;
  }

  // A straight curb from (70, 60) to (260, 190), away from every item of
  // the sample.
  static void PlaceCurb(TEditForm& f) {
    f.ToolButton("Прямой бордюр")->click();
    Click(f.Map(), QPoint(70, 60));
    Move(f.Map(), QPoint(200, 150));
    Click(f.Map(), QPoint(260, 190));
  }

  TMainForm& Viewer() {
    WritePassport(PassportDir(), SampleInfo(), SampleMap());
    Main_ = std::make_unique<TMainForm>();
    Main_->Map()->SetPictureSize(QSize(400, 300));
    [&] { QVERIFY(Main_->Start()); }();
    return *Main_;
  }

 private slots:
  void init() {
    EnterProgramDir(Program_, Messages_);
  }

  void cleanup() {
    Form_.reset();
    Main_.reset();
    Scheme_.reset();
    LeaveProgramDir(Program_, Messages_);
  }

  void ToolButtonsFollowTheirLayersAfterTheLayerDialog() {
    TEditForm& f = Opened();
    QCOMPARE(f.windowTitle(), QStringLiteral("Редактирование  схемы"));
    QCOMPARE(f.Tools()->Count(), int(kToolLayers.size()));
    for (int i = 0; i < f.Tools()->Count(); ++i) {
      QCOMPARE(f.Tools()->Button(i)->toolTip(), kToolLayers[std::size_t(i)].first);
      QVERIFY2(f.Tools()->Button(i)->isEnabled(), qPrintable(kToolLayers[std::size_t(i)].first));
    }
    QVERIFY(f.ToolButton("Выбор элемента схемы")->isChecked());

    // The user makes the row of layer 8 read-only and hides the row of layer 3.
    const int editOff = RowOfLayer(8), hidden = RowOfLayer(3);
    TAnswerer answers([&](QDialog& d) {
      auto& layers = dynamic_cast<TlayersDlg&>(d);
      layers.Box(editOff, TlayersDlg::kEditable)->setChecked(false);
      layers.Box(hidden, TlayersDlg::kVisible)->setChecked(false);
      return int(QDialog::Accepted);
    });
    f.LayersButton()->click();
    QCOMPARE(answers.Seen.size(), std::size_t(1));
    std::vector<int> off;
    for (int n : TlayersDlg::RowLayers(editOff)) off.push_back(n);
    for (int n : TlayersDlg::RowLayers(hidden)) off.push_back(n);
    for (const auto& [hint, layer] : kToolLayers) {
      const bool expected = layer == 0 || std::find(off.begin(), off.end(), layer) == off.end();
      QVERIFY2(f.ToolButton(hint)->isEnabled() == expected, qPrintable(hint));
    }
    // A disabled button cannot be chosen: the selection tool stays.
    f.ToolButton("Головка")->click();
    QCOMPARE(QString::fromStdString(f.Session()->ToolHint()), QStringLiteral("Выбор элемента схемы"));
    QVERIFY(f.ToolButton("Выбор элемента схемы")->isChecked());
  }

  void APlacementByMouseGivesTheItemTheScriptRunnerGives() {
    TEditForm& f = Opened();
    const QSize size(f.Map()->PictureWidth(), f.Map()->PictureHeight());
    QVERIFY(size.width() > 400 && size.height() > 300);
    const QByteArray before = ReadFile(MapPath());

    // The same user's actions as a script, on a copy of the same passport.
    const QString script = Program_.path() + "/curb.txt";
    WriteFile(script, "tool \"Прямой бордюр\"\nclick 70 60\nmove 200 150\nclick 260 190\n"
                      "command \"Сохранить изменения\"\n");
    QProcess cli;
    cli.start(SVPASS_CLI, {"edit", PassportDir(), "--script", script, "--out", Program_.path() + "/out", "--size",
                           QString("%1x%2").arg(size.width()).arg(size.height())});
    QVERIFY(cli.waitForFinished(60000));
    QCOMPARE(cli.exitCode(), 0);
    const QByteArray scripted = ReadFile(Program_.path() + "/out/map.txt");

    PlaceCurb(f);
    QCOMPARE(f.windowTitle(), QStringLiteral("Редактирование  схемы *"));
    QVERIFY(f.UndoButton()->isEnabled());
    QVERIFY(f.SaveClick());
    QCOMPARE(f.windowTitle(), QStringLiteral("Редактирование  схемы"));
    const QByteArray saved = ReadFile(MapPath());
    QVERIFY(saved != before);
    QCOMPARE(saved, scripted);
    // The curb is the newest of layer 4, its ends where the clicks were.
    TSVObject again(PassportDir().toStdString());
    again.ClearAll();
    again.LoadAll();
    QCOMPARE(again.Layer(4).Count(), Scheme_->Layer(4).Count());
    const TDrawContext& v = f.Session()->Context();
    const TRealPoint a = v.ScreenToWorld(70, 60), b = v.ScreenToWorld(260, 190);
    const QString entry = QString::fromLatin1(saved);
    QVERIFY2(entry.contains(QString::fromStdString("1\r\n" + FormatCoord(a.x) + " " + FormatCoord(a.y) + "\r\n" +
                                                   FormatCoord(b.x) + " " + FormatCoord(b.y) + "\r\n")),
             qPrintable(entry));
  }

  void ARubberBandFollowsTheMouseBetweenTheTwoClicks() {
    TEditForm& f = Opened();
    QCOMPARE(f.Map()->cursor().shape(), Qt::ArrowCursor);
    f.ToolButton("Прямой бордюр")->click();
    QCOMPARE(f.Map()->cursor().shape(), SchemeCursor(5).shape());
    QVERIFY(f.Map()->cursor().shape() != Qt::ArrowCursor);
    Click(f.Map(), QPoint(70, 60));
    const QImage still = f.Map()->Picture().copy();
    Move(f.Map(), QPoint(300, 220));
    const QImage band = f.Map()->Picture().copy();
    QVERIFY(band != still);
    // The XOR preview on the way from the first click to the cursor: the
    // middle of that line changed, a corner far from it did not.
    QVERIFY(band.pixel(185, 140) != still.pixel(185, 140) || band.pixel(185, 141) != still.pixel(185, 141) ||
            band.pixel(186, 140) != still.pixel(186, 140));
    QCOMPARE(band.pixel(f.Map()->PictureWidth() - 3, 3), still.pixel(f.Map()->PictureWidth() - 3, 3));
    // The cursor is the second point of the preview, not a click yet.
    QCOMPARE(f.Session()->PointCount(), 1);
    QCOMPARE(f.Session()->Placement().Points[1].x, 300);
    QCOMPARE(f.Session()->Placement().Points[1].y, 220);
  }

  void APoleAsksItsDialogOverTheEditorAndThenPlacesItsLabel() {
    TEditForm& f = Opened();
    f.SetDialogHost(std::make_unique<TQtDialogHost>(&f));
    f.Prepare(*Scheme_, TFileStamp::Of(MapPath()));
    f.ShowEditor();
    const int poles = Scheme_->Layer(10).Count();
    Scheme_->Layer(10).ShowText = false;
    QWidget* dialogParent = nullptr;
    TAnswerer answers([&](QDialog& d) {
      auto& pole = dynamic_cast<TStolbMenuForm&>(d);
      dialogParent = pole.parentWidget();
      pole.TextField()->setText(QStringLiteral("Ст.9"));
      pole.Ok()->click();
      return d.result();
    });
    f.ToolButton("Стойка или столб")->click();
    Click(f.Map(), QPoint(333, 222));
    QCOMPARE(answers.Seen, std::vector<QString>{"TStolbMenuForm"});
    QCOMPARE(dialogParent, static_cast<QWidget*>(&f));
    QCOMPARE(Scheme_->Layer(10).Count(), poles + 1);
    // The label follows the mouse with its own cursor until two more clicks.
    QCOMPARE(f.Map()->cursor().shape(), SchemeCursor(21).shape());
    Click(f.Map(), QPoint(360, 200));
    Click(f.Map(), QPoint(420, 200));
    QCOMPARE(f.Map()->cursor().shape(), SchemeCursor(15).shape());
    QVERIFY(Scheme_->Layer(10).ShowText);
    QCOMPARE(f.windowTitle(), QStringLiteral("Редактирование  схемы *"));
    QVERIFY(f.SaveClick());
    QVERIFY(ReadFile(MapPath()).contains(QByteArray::fromStdString(Encode1251("Ст.9"))));
  }

  void MenusAndButtonsMirrorTheModeAndTheTool() {
    TEditForm& f = Opened();
    // Each step: what the user does, then the mode entry's caption, whether
    // the view button is down, and the tool button that is down.
    struct TStep {
      std::function<void()> Do;
      QString ModeCaption;
      bool ViewDown;
      QString Tool;
    };
    const TStep steps[] = {
        {[] {}, "Просмотр", false, "Выбор элемента схемы"},
        {[&] { f.ViewButton()->click(); }, "Редактирование", true, "Выбор элемента схемы"},
        {[&] { f.ModeAction()->trigger(); }, "Просмотр", false, "Выбор элемента схемы"},
        {[&] { f.MoveBaseAction()->trigger(); }, "Просмотр", false, "Перенос"},
        {[&] { f.AlignAction()->trigger(); }, "Просмотр", false, "Подгонка под основу"},
        {[&] { f.ToolButton("Зебра")->click(); }, "Просмотр", false, "Зебра"},
        {[&] { f.ModeAction()->trigger(); }, "Редактирование", true, "Зебра"},
    };
    for (const TStep& step : steps) {
      step.Do();
      QCOMPARE(f.ModeAction()->text().remove(QChar('&')), step.ModeCaption);
      QCOMPARE(f.ViewButton()->isChecked(), step.ViewDown);
      QCOMPARE(f.Session()->Editing(), !step.ViewDown);
      QVERIFY2(f.ToolButton(step.Tool)->isChecked(), qPrintable(step.Tool));
      QCOMPARE(QString::fromStdString(f.Session()->ToolHint()), step.Tool);
    }
    QCOMPARE(f.Map()->cursor().shape(), SchemeCursor(26).shape());
    f.AlignAction()->trigger();
    QCOMPARE(f.Map()->cursor().shape(), Qt::CrossCursor);
  }

  void TheEditorsKeysComeBeforeItsControls() {
    TEditForm& f = Opened();
    // Every menu and entry has an Alt letter of its own.
    auto* bar = f.findChild<QMenuBar*>();
    QVERIFY(bar);
    QMenu all;
    all.addActions(bar->actions());
    QVERIFY2(MnemonicClash(&all).isEmpty(), qPrintable(MnemonicClash(&all)));

    const int curbs = Scheme_->Layer(4).Count();
    PlaceCurb(f);
    QCOMPARE(Scheme_->Layer(4).Count(), curbs + 1);
    // The focus on a phase button: Delete still deletes the selected curb.
    QAbstractButton* phase = f.PhaseGroup()->button(1);
    phase->setFocus();
    QTest::keyClick(phase, Qt::Key_Delete);
    QCOMPARE(Scheme_->Layer(4).CountSelected(), 0);
    QVERIFY(Scheme_->Layer(4).Items().back()->Hidden);
    QTest::keyClick(phase, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(!Scheme_->Layer(4).Items().back()->Hidden);
    // Esc cancels the placement in progress and does not close the window.
    f.ToolButton("Прямой бордюр")->click();
    Click(f.Map(), QPoint(100, 100));
    QCOMPARE(f.Session()->PointCount(), 1);
    QTest::keyClick(f.Map(), Qt::Key_Escape);
    QCOMPARE(f.Session()->PointCount(), 0);
    QVERIFY(f.isVisible());
    // Keypad + zooms by 1.5; the + of the main keys is not the editor's.
    const double zoom = f.Session()->Context().Zoom;
    QTest::keyClick(f.Map(), Qt::Key_Plus);
    QCOMPARE(f.Session()->Context().Zoom, zoom);
    QTest::keyClick(f.Map(), Qt::Key_Plus, Qt::KeypadModifier);
    QCOMPARE(f.Session()->Context().Zoom, zoom * 1.5);
  }

  void ClosingWithUnsavedEditsAsksAndDoesWhatTheAnswerSays() {
    struct TCase {
      QMessageBox::StandardButton Answer;
      bool Written, Closed;
    };
    const TCase cases[] = {{QMessageBox::Yes, true, true},
                           {QMessageBox::No, false, true},
                           {QMessageBox::Cancel, false, false}};
    for (const TCase& c : cases) {
      TEditForm& f = Opened();
      const QByteArray before = ReadFile(MapPath());
      PlaceCurb(f);
      QStringList buttons;
      int commentLines = 0;
      TAnswerer answers([&](QDialog& d) {
        for (QAbstractButton* b : static_cast<QMessageBox&>(d).buttons()) buttons << b->text();
        commentLines += int(d.findChildren<QLineEdit*>().size());
        return int(c.Answer);
      });
      f.reject();
      QCOMPARE(answers.Boxes, std::vector<QString>{"Редактирование  схемы|Сохранить изменения?"});
      buttons.sort();
      QCOMPARE(buttons, (QStringList{"Да", "Нет", "Отмена"}));
      // A plain folder keeps no versions: nothing to comment.
      QCOMPARE(commentLines, 0);
      QCOMPARE(ReadFile(MapPath()) != before, c.Written);
      QCOMPARE(f.isVisible(), !c.Closed);
      // Staying keeps the edits and their mark; closing clears both.
      QCOMPARE(f.Session()->Changed(), !c.Closed);
      cleanup();
      init();
    }
  }

  // In a database that keeps versions the close question takes the comment
  // of the version its save makes; the git program finds it there.
  void TheCloseQuestionOfAVersionedDatabaseTakesTheVersionsComment() {
    TMainForm& main = Viewer();
    QCOMPARE(Tool({"db", "init", Program_.path() + "/Data"}), 0);
    QVERIFY(main.OpenPassport(QStringLiteral("1")));
    main.SetEditorRunner(MakeEditorRunner(CancelHost));
    QStringList lines;
    TAnswerer answers([&](QDialog& d) {
      if (auto* editor = qobject_cast<TEditForm*>(&d)) {
        PlaceCurb(*editor);
        editor->reject();
        return int(QDialog::Rejected);
      }
      for (auto* edit : d.findChildren<QLineEdit*>(QStringLiteral("VersionCommentEdit"))) {
        lines << edit->text();
        edit->setText(QStringLiteral(" по акту обследования № 3 "));
      }
      return int(QMessageBox::Yes);
    });
    main.Menu().Edit->trigger();
    QCOMPARE(answers.Boxes, std::vector<QString>{"Редактирование  схемы|Сохранить изменения?"});
    QCOMPARE(lines, QStringList{QString()});
    main.Scheme()->Store->Settle();
    const QString dir = Program_.path() + "/Data";
    QCOMPARE(ProgramOutput("git", {"-C", dir, "log", "-1", "--format=%b"}), QStringLiteral("по акту обследования № 3\n\n"));
    QCOMPARE(ProgramOutput("git", {"-C", dir, "show", "--name-only", "--format=", "HEAD"}), QStringLiteral("svo1/map.txt\n"));
    QCOMPARE(ProgramOutput("git", {"-C", dir, "status", "--porcelain"}), QString());
  }

  void CtrlWClosesTheEditorAfterTheSaveQuestion() {
    TEditForm& f = Opened();
    // "Закрыть" is in the first menu, for a screen without a window manager
    // and so without a close box.
    auto* bar = f.findChild<QMenuBar*>();
    QVERIFY(bar);
    QMenu* first = bar->actions().front()->menu();
    QVERIFY(first && first->actions().contains(f.CloseAction()));
    QCOMPARE(f.CloseAction()->text(), QStringLiteral("За&крыть"));
    QCOMPARE(f.CloseAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_W));
    const QByteArray before = ReadFile(MapPath());
    PlaceCurb(f);
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    TAnswerer answers([](QDialog&) { return int(QMessageBox::Yes); });
    QTest::keyClick(f.Map(), Qt::Key_W, Qt::ControlModifier);
    QCOMPARE(answers.Boxes, std::vector<QString>{"Редактирование  схемы|Сохранить изменения?"});
    QVERIFY(!f.isVisible());
    QVERIFY(ReadFile(MapPath()) != before);
  }

  void TheStatusLineShowsTheToolsNextStepAndWhyAClickWasIgnored() {
    TEditForm& f = Opened();
    QVERIFY(f.StatusLine()->isVisible());
    QCOMPARE(f.StatusLine()->text(), QString::fromStdString(f.Session()->Status()));
    f.ToolButton("Прямой бордюр")->click();
    QCOMPARE(f.StatusLine()->text(), QStringLiteral("Щёлкните начало бордюра"));
    Click(f.Map(), QPoint(70, 60));
    QCOMPARE(f.StatusLine()->text(), QStringLiteral("Щёлкните конец бордюра"));
    f.ToolButton("Головка")->click();
    QCOMPARE(f.StatusLine()->text(),
             QStringLiteral("Щёлкните конец соединительной линии или стойки отдельного знака, на которой висит головка"));
    Click(f.Map(), QPoint(70, 60));
    QCOMPARE(f.StatusLine()->text(), QStringLiteral("Здесь нет конца соединительной линии или стойки отдельного "
                                                    "знака: головка вешается только на них"));
    // With SVPASS_EDITOR_SHOTS set to a directory the window is saved there.
    const QString dir = qEnvironmentVariable("SVPASS_EDITOR_SHOTS");
    if (!dir.isEmpty()) {
      QDir().mkpath(dir);
      f.grab().save(dir + "/editor-status.png");
    }
  }

  void TheItemDialogsKeepTheirChoicesFromOnePassportToTheNext() {
    // Types "К7" into the text dialog at its first opening only, and notes
    // what the dialog offered at each opening.
    class TTextHost : public TDialogHost {
     public:
      std::vector<std::string> Offered;
      int Execute(TDialogModel& model) override {
        auto* text = dynamic_cast<TSetTextFormModel*>(&model);
        if (!text) return model.Press(TDialogButton::Cancel);
        Offered.push_back(text->Text());
        if (Offered.size() == 1) text->SetText("textfield", "К7");
        return model.Press(TDialogButton::Ok);
      }
    };
    TEditForm& f = Opened();
    auto owned = std::make_unique<TTextHost>();
    TTextHost* host = owned.get();
    f.SetDialogHost(std::move(owned));
    f.Prepare(*Scheme_, TFileStamp::Of(MapPath()));
    f.ShowEditor();
    f.ToolButton("Колодец")->click();
    Click(f.Map(), QPoint(70, 60));
    QTest::keyClick(f.Map(), Qt::Key_Escape);
    // Another passport: a new session, the same dialogs.
    const QString second = Program_.path() + "/Data/svo2/";
    WritePassport(second, SampleInfo(), SampleMap());
    TSVObject other(second.toStdString());
    other.ClearAll();
    other.LoadAll();
    f.Prepare(other, TFileStamp::Of(second + "map.txt"));
    f.ShowEditor();
    f.ToolButton("Колодец")->click();
    Click(f.Map(), QPoint(70, 60));
    QTest::keyClick(f.Map(), Qt::Key_Escape);
    QCOMPARE(host->Offered, (std::vector<std::string>{"", "К7"}));
    f.Prepare(*Scheme_, TFileStamp::Of(MapPath()));
  }

  void ASaveThatFailsKeepsTheEditsAndTheWindow() {
    TEditForm& f = Opened();
    PlaceCurb(f);
    // The file cannot be replaced: a directory stands where it was.
    QVERIFY(QFile::remove(MapPath()));
    QVERIFY(QDir().mkpath(MapPath()));
    TAnswerer answers([](QDialog&) { return int(QMessageBox::Yes); });
    f.reject();
    QVERIFY(f.isVisible());
    QVERIFY(f.Session()->Changed());
    QCOMPARE(f.windowTitle(), QStringLiteral("Редактирование  схемы *"));
    QCOMPARE(Messages_->Messages.size(), std::size_t(1));
    QCOMPARE(Messages_->Messages[0].Severity, TMessageSeverity::Error);
  }

  void AMapChangedOnDiskIsReplacedOnlyWhenTheUserAgrees() {
    for (const bool agree : {false, true}) {
      TEditForm& f = Opened();
      PlaceCurb(f);
      // Another engineer saves the passport meanwhile, a minute later.
      const std::string theirs = Lines1251({"1", "5 5", "50 5"});
      WriteFile(MapPath(), theirs);
      QFile file(MapPath());
      QVERIFY(file.open(QIODevice::ReadWrite));
      const QDateTime when = QDateTime::currentDateTime().addSecs(60);
      QVERIFY(file.setFileTime(when, QFileDevice::FileModificationTime));
      file.close();
      TAnswerer answers([&](QDialog&) { return int(agree ? QMessageBox::Yes : QMessageBox::No); });
      QCOMPARE(f.SaveClick(), agree);
      QCOMPARE(answers.Boxes.size(), std::size_t(1));
      QVERIFY2(answers.Boxes[0].contains(when.toString("dd.MM.yyyy в HH:mm:ss")), qPrintable(answers.Boxes[0]));
      QVERIFY(answers.Boxes[0].contains(QDir::toNativeSeparators(MapPath())));
      QCOMPARE(ReadFile(MapPath()) == QByteArray::fromStdString(theirs), !agree);
      QCOMPARE(f.Session()->Changed(), !agree);
      // Once written, the file is the editor's own again: no second question.
      if (agree) {
        QVERIFY(f.SaveClick());
        QCOMPARE(answers.Boxes.size(), std::size_t(1));
      }
      cleanup();
      init();
    }
  }

  void ABaseImageIsReadFromAPictureAndABrokenFileChangesNothing() {
    TEditForm& f = Opened();
    QVERIFY(!f.BaseButton()->isEnabled() && !f.ShowBaseAction()->isEnabled());
    QCOMPARE(f.ShowBaseAction()->text().remove(QChar('&')), QStringLiteral("Показать"));
    // Three by two pixels, each a different colour.
    QImage picture(3, 2, QImage::Format_RGB32);
    const QRgb colours[6] = {qRgb(255, 0, 0), qRgb(0, 255, 0),   qRgb(0, 0, 255),
                             qRgb(10, 20, 30), qRgb(200, 100, 50), qRgb(255, 255, 255)};
    for (int i = 0; i < 6; ++i) picture.setPixel(i % 3, i / 3, colours[i]);
    const QString png = Program_.path() + "/plan.png";
    QVERIFY(picture.save(png, "PNG"));
    QString filter, suffix;
    TAnswerer answers([&](QDialog& d) {
      auto& dialog = dynamic_cast<QFileDialog&>(d);
      filter = dialog.nameFilters().join("|");
      suffix = dialog.defaultSuffix();
      dialog.selectFile(png);
      return int(QDialog::Accepted);
    });
    f.LoadBaseAction()->trigger();
    QCOMPARE(suffix, QStringLiteral("bmp"));
    QVERIFY2(filter.startsWith("Графические файлы (*.bmp ") && filter.contains("*.png") &&
                 filter.contains("*.jpg") && filter.endsWith("|Все файлы (*)"),
             qPrintable(filter));
    const TRasterImage& base = f.Session()->BaseImage();
    QCOMPARE(base.Width, 3);
    QCOMPARE(base.Height, 2);
    // 0x00BBGGRR, worked out from the colours above.
    const std::vector<TColor> expected{0x0000FF, 0x00FF00, 0xFF0000, 0x1E140A, 0x3264C8, 0xFFFFFF};
    QCOMPARE(base.Pixels, expected);
    QCOMPARE(f.Session()->BaseState(), TBaseState::Shown);
    QVERIFY(f.BaseButton()->isEnabled() && f.BaseButton()->isChecked());
    QCOMPARE(f.ShowBaseAction()->text().remove(QChar('&')), QStringLiteral("Спрятать"));
    f.BaseButton()->click();
    QCOMPARE(f.Session()->BaseState(), TBaseState::Hidden);
    QCOMPARE(f.ShowBaseAction()->text().remove(QChar('&')), QStringLiteral("Показать"));
    QVERIFY(!f.BaseButton()->isChecked());

    const QString broken = Program_.path() + "/broken.png";
    WriteFile(broken, "\x89PNG\r\n not really a picture");
    TAnswerer boxes([](QDialog&) { return int(QMessageBox::Ok); });
    QVERIFY(!f.LoadBaseFile(broken));
    QCOMPARE(boxes.Boxes.size(), std::size_t(1));
    QVERIFY2(boxes.Boxes[0].contains(QDir::toNativeSeparators(broken)) &&
                 boxes.Boxes[0].contains("При загрузке основы произошла ошибка"),
             qPrintable(boxes.Boxes[0]));
    // The reason follows the file name.
    QVERIFY(boxes.Boxes[0].section("Причина: ", 1).trimmed().size() > 3);
    QCOMPARE(f.Session()->BaseImage().Pixels, expected);
    QCOMPARE(f.Session()->BaseState(), TBaseState::Hidden);
    QVERIFY(f.BaseButton()->isEnabled());
  }

  void ASurveyPlanInDxfIsABaseAndItsSkippedEntitiesAreTold() {
    TEditForm& f = Opened();
    const QString dxf = Program_.path() + "/plan.dxf";
    if (!WriteDxfSample(dxf.toStdString())) QSKIP("python3 with ezdxf is not installed");
    QString filter;
    TAnswerer answers([&](QDialog& d) {
      if (auto* dialog = qobject_cast<QFileDialog*>(&d)) {
        filter = dialog->nameFilters().join("|");
        dialog->selectFile(dxf);
        return int(QDialog::Accepted);
      }
      return int(QMessageBox::Ok);
    });
    f.LoadBaseAction()->trigger();
    QVERIFY2(filter.contains("*.dxf)|Чертежи DXF (*.dxf)|Все файлы (*)"), qPrintable(filter));
    QVERIFY(f.Session()->Base().IsDrawing());
    QCOMPARE(f.Session()->BaseState(), TBaseState::Shown);
    QVERIFY(f.BaseButton()->isEnabled() && f.BaseButton()->isChecked());
    QCOMPARE(answers.Boxes.size(), std::size_t(1));
    QCOMPARE(answers.Boxes[0], QStringLiteral("Основа|Пропущено объектов: 3 (SPLINE, 3DFACE)"));
    // With its arc (centre (200, 50), radius 30) under the middle of the
    // paint box, the plan shows in its colour, and is gone when hidden.
    TDrawContext& ctx = f.Session()->Context();
    const TRealPoint middle = ctx.ScreenToWorld(f.Session()->Width() / 2, f.Session()->Height() / 2);
    ctx.BaseImageX = qRound(middle.x - 200);
    ctx.BaseImageY = qRound(middle.y + 50);
    f.Session()->Repaint();
    const auto planPixels = [&] {
      const QImage& pic = f.Map()->Picture();
      int n = 0;
      for (int y = 0; y < pic.height(); ++y)
        for (int x = 0; x < pic.width(); ++x) n += (pic.pixel(x, y) & 0xFFFFFF) == 0x788CA0;
      return n;
    };
    QVERIFY2(planPixels() > 50, qPrintable(QString::number(planPixels())));
    f.BaseButton()->click();
    QCOMPARE(planPixels(), 0);
    f.BaseButton()->click();

    // A plan cut short: the error names the file and why; the plan stays.
    const QString cut = Program_.path() + "/cut.dxf";
    WriteFile(cut, ReadFile(dxf).left(ReadFile(dxf).size() / 2).toStdString());
    QVERIFY(!f.LoadBaseFile(cut));
    QCOMPARE(answers.Boxes.size(), std::size_t(2));
    QVERIFY2(answers.Boxes[1].contains(QDir::toNativeSeparators(cut)) &&
                 answers.Boxes[1].endsWith("Причина: файл оборван: нет конца чертежа (EOF)"),
             qPrintable(answers.Boxes[1]));
    QVERIFY(f.Session()->Base().IsDrawing());
    QCOMPARE(f.Session()->BaseState(), TBaseState::Shown);
  }

  // Set SVPASS_SHOTS to a directory to keep pictures of the window.
  void TheSamplePassportIsDrawnOverItsBaseImage() {
    const QString dir = PassportDir();
    QDir().mkpath(dir);
    QDir().mkpath(Program_.path() + "/icons");
    const QDir icons(QStringLiteral(SVPASS_SOURCE_DIR "/resources/icons"));
    for (const QString& name : icons.entryList({"*.xpm"}))
      QVERIFY(QFile::copy(icons.filePath(name), Program_.path() + "/icons/" + name));
    for (const char* name : {"info.txt", "map.txt"})
      QVERIFY(QFile::copy(QStringLiteral(SVPASS_SOURCE_DIR "/data/Data/svo1/") + name, dir + name));
    Scheme_ = std::make_unique<TSVObject>(dir.toStdString());
    Scheme_->ClearAll();
    Scheme_->LoadAll();
    Form_ = std::make_unique<TEditForm>();
    Form_->SetDialogHost(std::make_unique<TCancelHost>());
    Form_->resize(1150, 760);
    Form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(Form_.get()));
    TEditForm& f = *Form_;
    f.Prepare(*Scheme_, TFileStamp::Of(MapPath()));
    f.ShowEditor();

    // A survey sheet: pale blue, with a darker street band across it.
    QImage sheet(1200, 800, QImage::Format_RGB32);
    sheet.fill(qRgb(200, 224, 240));
    for (int y = 350; y < 450; ++y)
      for (int x = 0; x < 1200; ++x) sheet.setPixel(x, y, qRgb(150, 150, 140));
    const QString png = Program_.path() + "/sheet.png";
    QVERIFY(sheet.save(png, "PNG"));
    QVERIFY(f.LoadBaseFile(png));
    auto sheetPixels = [&] {
      const QImage& pic = f.Map()->Picture();
      int n = 0;
      for (int y = 0; y < pic.height(); y += 2)
        for (int x = 0; x < pic.width(); x += 2) n += (pic.pixel(x, y) & 0xFFFFFF) == 0xC8E0F0;
      return n;
    };
    // The sheet covers much of the box at the fitted zoom (its part on the
    // screen, a quarter of the samples at least) and nothing when hidden.
    const TDrawContext& v = f.Session()->Context();
    const QRect onScreen = QRect(QPoint(qRound(v.OriginX), qRound(v.OriginY)),
                                 QSize(qRound(1200 * v.Zoom), qRound(800 * v.Zoom)))
                               .intersected(QRect(QPoint(0, 0), f.Map()->Picture().size()));
    QVERIFY(!onScreen.isEmpty());
    // The phase selector shows every phase of the passport.
    QCOMPARE(int(f.PhaseGroup()->buttons().size()), int(Scheme_->Info->Phases.Count));
    for (QAbstractButton* b : f.PhaseGroup()->buttons()) QVERIFY(b->isVisible());
    QVERIFY(f.PhaseGroup()->button(0)->isChecked());
    const int shown = sheetPixels();
    QVERIFY2(shown > onScreen.width() * onScreen.height() / 16, qPrintable(QString::number(shown)));
    const QString shots = qEnvironmentVariable("SVPASS_SHOTS");
    if (!shots.isEmpty()) f.grab().save(shots + "/editor-base.png");
    f.BaseButton()->click();
    QCOMPARE(sheetPixels(), 0);
    f.BaseButton()->click();

    // Mid-placement: a curb's rubber band, then a direction of three points.
    f.ToolButton("Прямой бордюр")->click();
    Click(f.Map(), QPoint(300, 200));
    Move(f.Map(), QPoint(620, 430));
    if (!shots.isEmpty()) f.grab().save(shots + "/editor-rubber.png");
    QTest::keyClick(f.Map(), Qt::Key_Escape);
    f.ToolButton("Направление движения")->click();
    for (const QPoint& p : {QPoint(200, 500), QPoint(420, 480), QPoint(520, 330)}) Click(f.Map(), p);
    Move(f.Map(), QPoint(640, 250));
    if (!shots.isEmpty()) f.grab().save(shots + "/editor-direction.png");
    QCOMPARE(f.Session()->PointCount(), 3);
  }

  void F4OpensTheEditorAndClosingItShowsTheViewerOnThePassportAsSaved() {
    TMainForm& main = Viewer();
    main.SetEditorRunner(MakeEditorRunner(CancelHost));
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QApplication::setActiveWindow(&main);
    const int curbs = main.Scheme()->Layer(4).Count();
    const QString png = Program_.path() + "/plan.png";
    QImage(40, 30, QImage::Format_RGB32).save(png, "PNG");

    std::vector<TEditForm*> editors;
    bool mainHidden = false, lockedMeanwhile = false, baseDroppedOnReopen = false;
    TAnswerer answers([&](QDialog& d) {
      auto* editor = qobject_cast<TEditForm*>(&d);
      if (!editor) return int(QDialog::Accepted);
      editors.push_back(editor);
      mainHidden = main.isHidden();
      const std::optional<TLockHolder> holder = TPassportLock::Holder(PassportDir());
      lockedMeanwhile = holder && holder->Pid == QCoreApplication::applicationPid();
      if (editors.size() == 2) {
        baseDroppedOnReopen = editor->Session()->BaseState() == TBaseState::None && !editor->BaseButton()->isEnabled();
        return int(QDialog::Rejected);
      }
      editor->LoadBaseFile(png);
      PlaceCurb(*editor);
      editor->SaveButton()->click();
      editor->reject();
      return int(QDialog::Rejected);
    });
    QTest::keyClick(&main, Qt::Key_F4);
    QCOMPARE(editors.size(), std::size_t(1));
    QCOMPARE(editors[0]->windowTitle(), QStringLiteral("Редактирование  схемы"));
    QVERIFY(mainHidden && lockedMeanwhile);
    QVERIFY(main.isVisible());
    // The viewer read the saved passport again; the lock is gone.
    QCOMPARE(main.Scheme()->Layer(4).Count(), curbs + 1);
    QVERIFY(!TPassportLock::Holder(PassportDir()));
    QVERIFY(!QFile::exists(TPassportLock::LockFilePath(PassportDir())));

    main.Menu().Edit->trigger();
    QCOMPARE(editors.size(), std::size_t(2));
    QCOMPARE(editors[1], editors[0]);
    QVERIFY(baseDroppedOnReopen);
  }

  void F4StartsFromTheSchemeOnDiskWhenAnotherEngineerSavedItMeanwhile() {
    // With table edits not yet written the scheme is not read again: saving
    // then asks before replacing the newer file.
    for (const bool tablesEdited : {false, true}) {
      TMainForm& main = Viewer();
      QCOMPARE(main.Scheme()->Layer(4).Count(), 2);
      main.Scheme()->Info->Modified = tablesEdited;
      WriteFile(MapPath(), Lines1251({"1", "5 5", "50 5"}));
      QFile file(MapPath());
      QVERIFY(file.open(QIODevice::ReadWrite));
      QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(30), QFileDevice::FileModificationTime));
      file.close();
      int curbsInEditor = -1;
      bool asked = false;
      main.SetEditorRunner([&](TMainForm& m, TSVObject& scheme) {
        curbsInEditor = scheme.Layer(4).Count();
        TAnswerer answers([](QDialog&) { return int(QMessageBox::No); });
        asked = !MayOverwrite(&m, MapPath(), m.MapStamp());
      });
      // Back from the editor, the unsaved table edits are let go ("Нет").
      TAnswerer afterEditor([](QDialog&) { return int(QMessageBox::No); });
      main.EditClick();
      QCOMPARE(curbsInEditor, tablesEdited ? 2 : 1);
      QCOMPARE(asked, tablesEdited);
      QCOMPARE(int(afterEditor.Boxes.size()), tablesEdited ? 1 : 0);
      cleanup();
      init();
    }
  }

  void APassportAnotherInstanceEditsOpensForViewingOnly() {
    WritePassport(PassportDir(), SampleInfo(), SampleMap());
    QProcess other;
    other.start(QCoreApplication::applicationFilePath(), {"--hold-lock", PassportDir()});
    QVERIFY(other.waitForReadyRead(20000));
    QCOMPARE(other.readLine().trimmed(), QByteArray("locked"));

    const std::optional<TLockHolder> holder = TPassportLock::Holder(PassportDir());
    QVERIFY(holder);
    QCOMPARE(holder->Pid, other.processId());
    QCOMPARE(holder->Machine, TPassportLock::Self().Machine);
    QCOMPARE(holder->User, TPassportLock::Self().User);
    TPassportLock mine(PassportDir());
    QVERIFY(!mine.TryLock());
    QCOMPARE(mine.Error(), QLockFile::LockFailedError);

    // The viewer says who edits the passport and does not open the editor.
    TMainForm& main = Viewer();
    bool ran = false;
    main.SetEditorRunner([&](TMainForm&, TSVObject&) { ran = true; });
    QVERIFY2(main.windowTitle().endsWith(" — только просмотр, схему изменяет " + HolderText(*holder)),
             qPrintable(main.windowTitle()));
    TAnswerer answers([](QDialog&) { return int(QMessageBox::Ok); });
    main.EditClick();
    QVERIFY(!ran);
    QCOMPARE(answers.Boxes.size(), std::size_t(1));
    QVERIFY2(answers.Boxes[0].contains(LockedPassportMessage(*holder, PassportDir())), qPrintable(answers.Boxes[0]));
    // Who, where, and the file to remove should that machine have crashed.
    const QString self = TPassportLock::Self().User, machine = TPassportLock::Self().Machine;
    QVERIFY(answers.Boxes[0].contains("изменяет пользователь " + self + " на компьютере " + machine + "."));
    QVERIFY(answers.Boxes[0].contains(QDir::toNativeSeparators(PassportDir() + "svpass.lock")));

    // The other instance dies without letting go: its lock is taken over.
    other.kill();
    QVERIFY(other.waitForFinished(10000));
    QVERIFY(QFile::exists(TPassportLock::LockFilePath(PassportDir())));
    main.EditClick();
    QVERIFY(ran);
    QCOMPARE(answers.Boxes.size(), std::size_t(1));
    QVERIFY(!main.windowTitle().contains("только просмотр"));
    QVERIFY(mine.TryLock());
  }
};

int main(int argc, char** argv) {
  if (argc == 3 && QByteArray(argv[1]) == "--hold-lock") {
    QCoreApplication app(argc, argv);
    return HoldLock(QString::fromLocal8Bit(argv[2]));
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  EditorWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "EditorWindowTest.moc"
