// The scheme editor's item dialogs as the user sees them: each view shows
// what its model holds, the user's clicks and typing reach the model, and
// the buttons, Esc and the close box close with the model's answer.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "QtTestSupport.h"
#include "ui/editor/dialogs/QtDialogHost.h"
#include "ui/editor/dialogs/SelArrowForm.h"
#include "ui/editor/dialogs/SelCableForm.h"
#include "ui/editor/dialogs/SelHeadForm.h"
#include "ui/editor/dialogs/SelLineForm.h"
#include "ui/editor/dialogs/SelNaprForm.h"
#include "ui/editor/dialogs/SelSignForm.h"
#include "ui/editor/dialogs/SetTextForm.h"
#include "ui/editor/dialogs/StolbMenuForm.h"
#include "ui/editor/dialogs/WhiteSignForm.h"
#include "items/Napr.h"
#include "items/STOLB.h"
#include "items/WhiteSign.h"
#include "plan/SVNapr.h"

namespace {

// With SVPASS_DIALOG_SHOTS set to a directory, every dialog is saved there
// as it looks at the end of its test.
void Shot(QWidget& dialog, const QString& name) {
  const QString dir = qEnvironmentVariable("SVPASS_DIALOG_SHOTS");
  if (dir.isEmpty()) return;
  QDir().mkpath(dir);
  dialog.grab().save(dir + "/" + name + ".png");
}

// Replaces the field's text key by key, Cyrillic included.
void Type(QLineEdit* edit, const QString& text) {
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  for (const QChar c : text) {
    QTest::sendKeyEvent(QTest::Press, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

void PressEsc(QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); }

// The colour at a point of a widget's picture, in the widget's own
// coordinates, whatever the screen's scale.
QColor At(const QImage& image, int x, int y) {
  const qreal r = image.devicePixelRatio();
  return image.pixelColor(qRound((x + 0.5) * r - 0.5), qRound((y + 0.5) * r - 0.5));
}

// How many pixels of an image differ from `background`.
int Painted(const QImage& image, const QColor& background) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y).rgb() != background.rgb();
  return n;
}

QRadioButton* Radio(QWidget& dialog, const QString& caption) {
  for (QRadioButton* b : dialog.findChildren<QRadioButton*>())
    if (b->text() == caption) return b;
  return nullptr;
}

}  // namespace

class EditorDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void ThePoleDialogShowsItsModelAndOkGivesThePoleTypeAndLabel() {
    TStolbMenuFormModel model;
    TSTOLB pole(7);
    model.Prepare(&pole);
    TStolbMenuForm dlg(model);
    dlg.show();
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Столб"));
    QCOMPARE(dlg.objectName(), QStringLiteral("TStolbMenuForm"));
    QVERIFY(dlg.StolbType()->Button(1)->isChecked());  // "Чужой" at first
    QCOMPARE(dlg.StolbType()->Box()->title(), QStringLiteral("Выберите тип столба"));
    QVERIFY(dlg.Ok()->isDefault());

    // Esc is not a way out of this dialog.
    PressEsc(dlg);
    QVERIFY(dlg.isVisible());
    dlg.StolbType()->Button(0)->click();
    Type(dlg.findChild<QLineEdit*>("TextField"), QStringLiteral("оп.5"));
    QCOMPARE(model.StolbType(), 0);
    QCOMPARE(model.Text(), std::string("оп.5"));
    Shot(dlg, "TStolbMenuForm");
    dlg.Ok()->click();
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), int(mrOk));
    QVERIFY(pole.Own);
    QVERIFY(pole.Label);
    QCOMPARE(pole.Label->Text, std::string("оп.5"));

    // A second pole: the view offers the previous choice; the close box cancels.
    TSTOLB second(7);
    model.Prepare(&second);
    TStolbMenuForm again(model);
    again.show();
    QVERIFY(again.StolbType()->Button(0)->isChecked());
    QCOMPARE(again.TextField()->text(), QStringLiteral("оп.5"));
    again.close();
    QCOMPARE(again.result(), int(mrCancel));
    QVERIFY(!second.Label);
  }

  void TheSignDialogShowsEveryKindWithItsPictureAndNeedsAChoice() {
    TSelSignFormModel model;
    TSelSignForm dlg(model);
    dlg.show();
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Выбор знака"));
    const QColor background = dlg.palette().color(QPalette::Window);
    for (const TSignChoice& choice : TSelSignFormModel::Choices()) {
      QRadioButton* button = dlg.findChild<QRadioButton*>(QString::fromLatin1(choice.Name));
      QVERIFY2(button, choice.Name);
      QVERIFY(button == dlg.KindButton(choice.Kind));
      QCOMPARE(button->text(), QString::fromStdString(TSelSignFormModel::KindCaption(choice.Kind)));
      QVERIFY(!button->isChecked());
      const QImage picture = dlg.KindPicture(choice.Kind)->pixmap().toImage();
      QVERIFY2(Painted(picture, background) > 40, choice.Name);
    }
    // Ok without a kind keeps the dialog open.
    dlg.Ok()->click();
    QVERIFY(dlg.isVisible());

    dlg.KindButton(7)->click();  // "Stop"
    QCOMPARE(dlg.textfield()->text(), QStringLiteral("2.5"));
    dlg.KindButton(1)->click();  // "Синий круглый знак"
    QCOMPARE(dlg.textfield()->text(), QString());
    dlg.KindButton(4)->click();
    Type(dlg.textfield(), QStringLiteral("2.1*"));
    QCOMPARE(model.Number(), std::string("2.1*"));
    Shot(dlg, "TSelSignForm");
    QTest::keyClick(dlg.textfield(), Qt::Key_Return);  // the default button
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), 4);

    // Reopened: the choice is shown; Esc and the close box both cancel.
    for (int way = 0; way < 2; ++way) {
      TSelSignForm again(model);
      again.show();
      QVERIFY(again.KindButton(4)->isChecked());
      QCOMPARE(again.textfield()->text(), QStringLiteral("2.1*"));
      if (way == 0)
        PressEsc(again);
      else
        again.close();
      QVERIFY(!again.isVisible());
      QCOMPARE(again.result(), TSelSignFormModel::kCancelled);
    }
  }

  void APickedKindsNumberIsSelectedSoTypingReplacesIt() {
    TSelSignFormModel model;
    TSelSignForm dlg(model);
    dlg.show();
    dlg.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    dlg.KindButton(16)->click();  // "Въезд запрещен"
    QCOMPARE(dlg.textfield()->text(), QStringLiteral("3.1"));
    QCOMPARE(dlg.textfield()->selectedText(), QStringLiteral("3.1"));
    QVERIFY(dlg.textfield()->hasFocus());
    // Keys as the user types them, to whatever has the focus.
    for (const QChar c : QStringLiteral("3.2")) {
      QWidget* target = QApplication::focusWidget();
      QVERIFY(target);
      QTest::sendKeyEvent(QTest::Press, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
      QTest::sendKeyEvent(QTest::Release, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    QCOMPARE(dlg.textfield()->text(), QStringLiteral("3.2"));
    QCOMPARE(model.Number(), std::string("3.2"));
    // Another kind selects its own number again.
    dlg.KindButton(10)->click();  // "Движение направо"
    QCOMPARE(dlg.textfield()->selectedText(), QStringLiteral("4.1.2"));
  }

  void TheTextDialogGivesTheTextOnlyOnOk() {
    TSetTextFormModel model;
    model.SetText("textfield", "ШР-2");
    TSetTextForm dlg(model);
    dlg.show();
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Ввод текста"));
    QCOMPARE(dlg.textfield()->text(), QStringLiteral("ШР-2"));
    QCOMPARE(dlg.NoText()->text(), QStringLiteral("Без текста"));
    Type(dlg.textfield(), QStringLiteral("ТК"));
    Shot(dlg, "TSetTextForm");
    dlg.NoText()->click();
    QCOMPARE(dlg.result(), int(mrCancel));
    QCOMPARE(model.TextFor(dlg.result()), std::string());

    TSetTextForm again(model);
    again.show();
    QCOMPARE(again.textfield()->text(), QStringLiteral("ТК"));
    QCOMPARE(again.textfield()->selectedText(), QStringLiteral("ТК"));
    PressEsc(again);
    QCOMPARE(again.result(), int(mrCancel));
    TSetTextForm third(model);
    third.show();
    third.Ok()->click();
    QCOMPARE(model.TextFor(third.result()), std::string("ТК"));
  }

  void TheWhiteSignPictureCyclesTheClickedCellAndShowsIt() {
    TWhiteSign sign(34);
    sign.Cells[5] = 2;  // the main road from the left
    TWhiteSignFormModel model;
    model.Prepare(&sign);
    TWhiteSignForm dlg(model);
    dlg.show();
    QCOMPARE(dlg.Ok()->text(), QStringLiteral("Ок"));
    QCOMPARE(dlg.SignArea()->size(), QSize(120, 120));
    QTest::mouseClick(dlg.SignArea(), Qt::LeftButton, Qt::NoModifier, QPoint(60, 10));
    QTest::mouseClick(dlg.SignArea(), Qt::RightButton, Qt::NoModifier, QPoint(100, 100));
    QTest::mouseClick(dlg.SignArea(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    const std::array<std::uint8_t, 9> cells{0, 0, 0, 1, 0, 2, 0, 0, 2};
    QVERIFY(sign.Cells == cells);

    // Up: a thin stub from (60, 6) to (60, 48); left: a thick line from
    // (6, 60) to the centre; down-right: a thick line from (114, 114).
    const QImage image = dlg.SignArea()->grab().toImage();
    const auto black = [&](int x, int y) { return At(image, x, y) == QColor(Qt::black); };
    QVERIFY(black(60, 30));
    QVERIFY(!black(60, 54));  // a secondary stub stops short of the centre
    QVERIFY(black(30, 60));
    QVERIFY(black(90, 90));
    QVERIFY(!black(90, 30));   // cell 2 is empty
    QVERIFY(!black(60, 90));   // cell 7 is empty
    Shot(dlg, "TWhiteSignForm");
    PressEsc(dlg);
    QVERIFY(dlg.isVisible());
    dlg.Ok()->click();
    QCOMPARE(dlg.result(), int(mrOk));
  }

  void TheHeadDialogShowsTheListsAndEnablesThemByHeadKind() {
    TNaprSet directions;
    directions.SetCount(3);
    directions.Item(2)->SetName("2т");
    TSelHeadFormModel model;
    model.Prepare(directions);
    TSelHeadForm dlg(model);
    dlg.show();
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Выбор секции"));
    QCOMPARE(dlg.NaprBox()->count(), 3);
    QCOMPARE(dlg.NaprBox()->itemText(1), QStringLiteral("2т"));
    QCOMPARE(dlg.leftBox()->count(), 4);
    QCOMPARE(dlg.leftBox()->itemText(0), QStringLiteral("-"));
    QCOMPARE(dlg.textfield()->text(), QStringLiteral("1н "));
    QVERIFY(dlg.KindButton(0)->isChecked());
    QVERIFY(dlg.NaprBox()->isEnabled() && dlg.ArrowGroup()->Box()->isEnabled());
    QVERIFY(!dlg.leftBox()->isEnabled() && !dlg.forbox()->isEnabled() && !dlg.rightbox()->isEnabled());
    QCOMPARE(dlg.ArrowGroup()->Box()->title(), QStringLiteral("Стрелка для транспортной  секции"));
    const QColor background = dlg.palette().color(QPalette::Window);
    for (int kind = 0; kind < 3; ++kind) QVERIFY(Painted(dlg.KindPicture(kind)->pixmap().toImage(), background) > 40);

    dlg.NaprBox()->setCurrentIndex(1);
    QCOMPARE(dlg.textfield()->text(), QStringLiteral("2тн "));
    Radio(dlg, QStringLiteral("Направо и прямо"))->click();
    QCOMPARE(model.ArrowKind(), 5);
    dlg.KindButton(1)->click();
    QVERIFY(!dlg.ArrowGroup()->Box()->isEnabled());
    dlg.KindButton(2)->click();
    QVERIFY(!dlg.NaprBox()->isEnabled());
    QVERIFY(dlg.leftBox()->isEnabled() && dlg.forbox()->isEnabled() && dlg.rightbox()->isEnabled());
    QCOMPARE(dlg.textfield()->text(), QString());
    dlg.rightbox()->setCurrentIndex(3);
    dlg.leftBox()->setCurrentIndex(2);
    QCOMPARE(dlg.textfield()->text(), QStringLiteral("2тн 3н "));
    QCOMPARE(model.Label(), std::string("2тн 3н "));
    Shot(dlg, "TSelHeadForm");
    dlg.Ok()->click();
    QCOMPARE(dlg.result(), TSelHeadFormModel::kTram);

    TSelHeadForm again(model);
    again.show();
    QVERIFY(again.KindButton(2)->isChecked());
    QCOMPARE(again.rightbox()->currentText(), QStringLiteral("3"));
    again.close();
    QCOMPARE(again.result(), TSelHeadFormModel::kCancelled);
  }

  void TheDirectionDialogPreviewFollowsTheGroupsAndOkSetsTheArrow() {
    TSelNaprFormModel model;
    TNapr arrow(16);
    model.Prepare(&arrow, 3);
    TSelNaprForm dlg(model);
    dlg.show();
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Выбор направления движения"));
    QCOMPARE(dlg.Ok()->text(), QStringLiteral("Оk"));
    QVERIFY(dlg.Oneway()->Button(0)->isChecked() && dlg.Run()->Button(0)->isChecked() &&
            dlg.Dotted()->Button(0)->isChecked());
    QCOMPARE(dlg.Run()->Button(0)->text(), QStringLiteral("Зеленый "));
    // The shaft runs along y = 10 from x = 70: green and solid at first.
    QImage preview = dlg.ExPlace()->grab().toImage();
    QCOMPARE(At(preview, 95, 10), QColor(0, 128, 0));
    QCOMPARE(At(preview, 150, 10), QColor(0, 128, 0));
    QCOMPARE(At(preview, 40, 10), dlg.palette().color(QPalette::Window));

    Radio(dlg, QStringLiteral("Красный"))->click();
    Radio(dlg, QStringLiteral("Прерывистая"))->click();
    Radio(dlg, QStringLiteral("Стрелка на обоих концах"))->click();
    preview = dlg.ExPlace()->grab().toImage();
    QCOMPARE(At(preview, 77, 10), QColor(255, 0, 0));                        // first dash, 70..85
    QCOMPARE(At(preview, 95, 10), dlg.palette().color(QPalette::Window));  // gap 85..105
    Type(dlg.textfield(), QStringLiteral("Н4"));
    Shot(dlg, "TSelNaprForm");
    dlg.Ok()->click();
    QCOMPARE(dlg.result(), int(mrOk));
    QVERIFY(!arrow.Oneway);
    QVERIFY(!arrow.Run);
    QCOMPARE(int(arrow.Dashed), 1);
    QCOMPARE(int(arrow.Phase), 3);
    QCOMPARE(model.Label(), std::string("Н4"));
    QCOMPARE(arrow.Count, std::uint8_t(0));  // the preview drew its own arrow
  }

  void TheLaneArrowAndLineDialogsGiveTheCheckedKind() {
    TSelArrowFormModel arrowModel;
    TSelArrowForm arrowDlg(arrowModel);
    arrowDlg.show();
    QCOMPARE(arrowDlg.windowTitle(), QStringLiteral("Выбор направления движения по полосе"));
    QCOMPARE(arrowDlg.ArrowGroup()->Count(), 5);
    QVERIFY(arrowDlg.ArrowGroup()->Button(0)->isChecked());
    arrowDlg.ArrowGroup()->Button(3)->click();
    QCOMPARE(arrowModel.ArrowKind(), 3);
    Shot(arrowDlg, "TSelArrowForm");
    arrowDlg.Ok()->click();
    QCOMPARE(arrowDlg.result(), int(mrOk));

    TSelLineFormModel lineModel;
    lineModel.Check("Короткие штрихи");
    TSelLineForm lineDlg(lineModel);
    lineDlg.show();
    QCOMPARE(lineDlg.windowTitle(), QStringLiteral("Тип тонкой линии разметки"));
    QCOMPARE(lineDlg.TypeGroup()->Box()->title(), QStringLiteral("Тип линии:"));
    QVERIFY(lineDlg.TypeGroup()->Button(2)->isChecked());
    lineDlg.TypeGroup()->Button(3)->click();
    QCOMPARE(lineModel.LineKind(), 3);
    Shot(lineDlg, "TSelLineForm");
    PressEsc(lineDlg);
    QCOMPARE(lineDlg.result(), int(mrCancel));
    QCOMPARE(lineModel.LineKind(), 3);
  }

  void TheCableDialogDisablesItsTextsOnlyForATypeChange() {
    TSelCableFormModel model;
    model.Prepare();
    TSelCableForm dlg(model);
    dlg.show();
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Выбор кабеля"));
    QCOMPARE(dlg.typeGroup()->Button(2)->text(), QStringLiteral("Линия связи "));
    dlg.typeGroup()->Button(4)->click();
    Type(dlg.TextField(), QStringLiteral("L=12"));
    Type(dlg.DownTextField(), QStringLiteral("КВВГ 4x1"));
    QCOMPARE(model.CableType(), 4);
    QCOMPARE(model.UpperText(), std::string("L=12"));
    QCOMPARE(model.LowerText(), std::string("КВВГ 4x1"));
    dlg.Ok()->click();
    QCOMPARE(dlg.result(), int(mrOk));

    model.PrepareTypeChange();
    TSelCableForm change(model);
    change.show();
    for (int i = 0; i < 3; ++i) QVERIFY(!change.TextLabel(i)->isEnabled());
    QVERIFY(!change.TextField()->isEnabled() && !change.DownTextField()->isEnabled());
    QCOMPARE(change.DownTextField()->text(), QStringLiteral("КВВГ 4x1"));
    QVERIFY(change.typeGroup()->Box()->isEnabled());
    change.typeGroup()->Button(1)->click();
    Shot(change, "TSelCableForm-type-change");
    change.Cancel()->click();
    QCOMPARE(change.result(), int(mrCancel));
    QVERIFY(model.TextsEnabled());
    QVERIFY(change.TextField()->isEnabled());
    QCOMPARE(model.CableType(), 1);
    Shot(dlg, "TSelCableForm");
  }

  void TheHostShowsEachModelInTheDialogOfItsWindowClass() {
    TStolbMenuFormModel stolb;
    TSelSignFormModel sign;
    TSetTextFormModel text;
    TWhiteSignFormModel white;
    TSelHeadFormModel head;
    TSelNaprFormModel napr;
    TSelArrowFormModel arrow;
    TSelCableFormModel cable;
    TSelLineFormModel line;
    TDialogModel* models[] = {&stolb, &sign, &text, &white, &head, &napr, &arrow, &cable, &line};
    const char* captions[] = {"Столб", "Выбор знака", "Ввод текста", "Выбор знака", "Выбор секции",
                              "Выбор направления движения", "Выбор направления движения по полосе",
                              "Выбор кабеля", "Тип тонкой линии разметки"};
    for (int i = 0; i < 9; ++i) {
      auto view = TQtDialogHost::MakeView(*models[i], nullptr);
      QVERIFY2(view, models[i]->FormName());
      QCOMPARE(view->objectName(), QString::fromLatin1(models[i]->FormName()));
      QCOMPARE(view->windowTitle(), QString::fromUtf8(captions[i]));
    }

    // Through the modal door, as the editor window runs it.
    TQtDialogHost host;
    const TModalAnswerer previous = SetModalAnswerer([](QDialog& dialog) {
      Radio(dialog, QStringLiteral("Главная дорога"))->click();
      for (QPushButton* b : dialog.findChildren<QPushButton*>())
        if (b->text() == "Ok") b->click();
      return dialog.result();
    });
    QCOMPARE(host.Execute(sign), 4);
    QCOMPARE(sign.Number(), std::string("2.1"));
    SetModalAnswerer(previous);
  }
};

SVPASS_QTEST_MAIN(EditorDialogsTest)
#include "EditorDialogsTest.moc"
