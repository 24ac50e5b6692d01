// The viewer's small dialogs: layers, scale and the database path, and the
// rules behind their fields.
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>

#include "QtTestSupport.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "platform/IniFile.h"
#include "platform/Messages.h"
#include "platform/RecordingCanvas.h"
#include "qt/Cursors.h"
#include "qt/QtMessages.h"
#include "qt/QtTranslations.h"
#include "ui/viewer/DataPathFormUnit.h"
#include "ui/viewer/HelpWindow.h"
#include "ui/viewer/Database.h"
#include "ui/viewer/LayControl.h"
#include "ui/viewer/PathFormUnit.h"
#include "ui/viewer/SerScaleDlg.h"
#include "ui/viewer/MainForm.h"

using namespace qtsupport;

namespace {

constexpr int kSignalsRow = 4;   // "Светофоры и знаки": layers 8, 11, 12
constexpr int kMarkingsRow = 8;  // "Разметка": layer 3

struct TView {
  TRecordingCanvas Canvas{TRect{0, 0, 400, 300}};
  TDrawContext Context;
  TView() {
    Context.Canvas = &Canvas;
    Context.Normalize();
  }
};

}  // namespace

class ViewerDialogsTest : public QObject {
  Q_OBJECT

  QTemporaryDir Dir_;

 private slots:
  void init() { SetProgramDir(Dir_.path().toStdString()); }

  void TheLayerDialogShowsTheFirstLayerOfARowAndStoresIntoAllOfIt() {
    TSVObject scheme(Dir_.path().toStdString() + "/svo1");
    scheme.Layer(3).ShowText = false;
    scheme.Layer(11).Visible = false;  // not the row's first layer: not shown
    TlayersDlg dlg;
    dlg.Fill(scheme);
    QCOMPARE(TlayersDlg::RowLabel(kMarkingsRow), QStringLiteral("Разметка"));
    QVERIFY(!dlg.Box(kMarkingsRow, TlayersDlg::kText)->isChecked());
    QVERIFY(dlg.Box(kMarkingsRow, TlayersDlg::kVisible)->isChecked());
    QVERIFY(dlg.Box(kSignalsRow, TlayersDlg::kVisible)->isChecked());

    dlg.Box(kSignalsRow, TlayersDlg::kVisible)->click();
    QVERIFY(!dlg.Box(kSignalsRow, TlayersDlg::kEditable)->isEnabled());
    QVERIFY(!dlg.Box(kSignalsRow, TlayersDlg::kText)->isEnabled());
    dlg.Box(kSignalsRow, TlayersDlg::kEditable)->setChecked(false);
    dlg.Store(scheme);
    for (int n : {8, 11, 12}) QVERIFY(!scheme.Layer(n).Visible && !scheme.Layer(n).Editable);
    QVERIFY(scheme.Layer(10).Visible && !scheme.Layer(3).ShowText);
  }

  void ATypedCharacterConfirmsTheLayerDialogButTabOnlyMovesOn() {
    TSVObject scheme(Dir_.path().toStdString() + "/svo1");
    TlayersDlg dlg;
    int tabResult = -1;
    bool storedBeforeToggle = false;
    TAnswerer answers([&](QDialog& d) {
      auto& layers = dynamic_cast<TlayersDlg&>(d);
      QTest::keyClick(layers.Box(0, TlayersDlg::kVisible), Qt::Key_Tab);
      tabResult = layers.result();
      // Space would toggle the focused box; the dialog takes the key first.
      QCheckBox* box = layers.Box(1, TlayersDlg::kVisible);
      box->setChecked(false);
      QTest::keyClick(box, Qt::Key_Space);
      storedBeforeToggle = !box->isChecked();
      return layers.result();
    });
    QVERIFY(dlg.Execute(scheme));
    QCOMPARE(tabResult, int(QDialog::Rejected));
    QVERIFY(storedBeforeToggle);
    QVERIFY(!scheme.Layer(5).Visible);  // "Колодцы"
  }

  void TheScaleDialogShowsTheViewAndThePassportScale() {
    TView v;
    v.Context.Zoom = 1.25;
    v.Context.SignScale = 0.75;
    TSVInfo info(nullptr, Dir_.path().toStdString() + "/");
    info.RealScale = 0.75;
    TSetScale dlg;
    dlg.Fill(v.Context, info);
    QCOMPARE(dlg.Edit1()->currentText(), QStringLiteral("125 %"));
    QCOMPARE(dlg.edit2()->currentText(), QStringLiteral("75 %"));
    QCOMPARE(dlg.realScaleBox()->text(), QStringLiteral("0,75"));
    QCOMPARE(RealScaleText(1.0), QStringLiteral("1"));
    QCOMPARE(RealScaleText(2.5), QStringLiteral("2,5"));
  }

  void TheScaleDialogReplacesValuesBelowItsLimitsByAHundredPercent() {
    TSVInfo info(nullptr, Dir_.path().toStdString() + "/");
    info.RealScale = 1.5;
    TSetScale dlg;
    struct TCase {
      const char* Zoom;
      const char* Sign;
      const char* Real;
      double WantZoom, WantSign, WantReal;
    };
    const TCase cases[] = {
        {"3 %", "30 %", "", 1.0, 1.0, 1.5},          // too small: 100 %; empty real scale kept
        {"250 %", "40 %", "-2", 2.5, 0.4, 1.5},      // 40 % is the smallest sign zoom; negative kept
        {"5 %", "125%", "0.5", 1.0, 1.25, 0.5},      // 5 % passes the check but the view refuses it
        {"abc", "200 % of", "2x", 1.0, 2.0, 2.0},    // the number a text starts with
    };
    for (const TCase& c : cases) {
      TView v;
      v.Context.ObjectScale = info.RealScale;
      dlg.Edit1()->setEditText(c.Zoom);
      dlg.edit2()->setEditText(c.Sign);
      dlg.realScaleBox()->setText(c.Real);
      dlg.Apply(v.Context, info);
      QCOMPARE(v.Context.Zoom, c.WantZoom);
      QCOMPARE(v.Context.SignScale, c.WantSign);
      QCOMPARE(info.RealScale, c.WantReal);
      QCOMPARE(v.Context.ObjectScale, c.WantReal);
    }
  }

  void TheDatabasePathDialogEnablesTheDirectoryOnlyForAnotherDatabase() {
    TIniFile config(Dir_.path().toStdString() + "/config.ini");
    QDir().mkpath(Dir_.path() + "/db");
    TDataPathForm dlg;
    QString browsed;
    TAnswerer answers([&](QDialog& d) {
      if (auto* browser = qobject_cast<TPathForm*>(&d)) {
        browser->PathEdit()->setText(Dir_.path() + "/db");
        return int(QDialog::Accepted);
      }
      auto& path = dynamic_cast<TDataPathForm&>(d);
      if (!path.LocalButton()->isChecked() || path.DirEdit()->isEnabled() || path.BrowseButton()->isEnabled())
        return int(QDialog::Rejected);
      path.OtherButton()->click();
      path.BrowseButton()->click();
      browsed = path.DirEdit()->text();
      return int(QDialog::Accepted);
    });
    QVERIFY(dlg.Execute(config));
    QCOMPARE(browsed, Dir_.path() + "/db");
    QVERIFY(!config.ReadBool("DataBase", "LocalData", true));
    QCOMPARE(config.ReadString("DataBase", "DataBaseDir", ""), (Dir_.path() + "/db").toStdString());
    QCOMPARE(DatabaseDirFromConfig(config), (Dir_.path() + "/db/").toStdString());
  }

  // The program's own subdirectory is shown as this system writes paths.
  void TheDatabasePathDialogNamesTheDataSubdirectoryWithSlashes() {
    TDataPathForm dlg;
    QCOMPARE(dlg.LocalButton()->text(),
             QStringLiteral("База данных находится в подкаталоге /Data/ каталога  исполняемого файла"));
  }

  void TheDatabaseIsTheProgramsDataDirectoryUnlessConfiguredOtherwise() {
    TIniFile config(Dir_.path().toStdString() + "/fresh.ini");
    const std::string program = Dir_.path().toStdString() + "/";
    QCOMPARE(DatabaseDirFromConfig(config), program + "Data/");
    config.WriteBool("DataBase", "LocalData", false);
    QCOMPARE(DatabaseDirFromConfig(config), program + "Data/");
    config.WriteString("DataBase", "DataBaseDir", "  ");
    QCOMPARE(DatabaseDirFromConfig(config), std::string());
    QVERIFY(!DatabaseDirUsable(""));
    QVERIFY(DatabaseDirUsable(program));
    QVERIFY(!DatabaseDirUsable(program + "missing/"));
  }

  void APassportNumberIsOneToFiveLettersOrDigits() {
    for (const char* good : {"1", "12345", "A7", "Ц12"}) QVERIFY2(IsValidPassportNumber(QString::fromUtf8(good)), good);
    for (const char* bad : {"", "123456", "../x", "..", "a/b", "a b", "x\\y", "1.2", "_1"})
      QVERIFY2(!IsValidPassportNumber(QString::fromUtf8(bad)), bad);
    QCOMPARE(PassportDir("/db/", "12"), std::string("/db/svo12/"));
  }

  void TheHelpPageAndTheCursorsAreFoundBesideTheProgram() {
    TMessageCapture messages;
    THelpWindow help;
    QVERIFY(!help.ShowContents());
    QCOMPARE(messages.Messages.size(), std::size_t{1});
    SetProgramDir(SVPASS_SOURCE_DIR "/resources");
    QVERIFY(help.ShowContents());
    QVERIFY(help.Browser()->toPlainText().contains(QStringLiteral("Фазы и имитация работы СО")));
    help.close();
    QCOMPARE(SchemeCursor(crHand).shape(), Qt::BitmapCursor);
    QCOMPARE(SchemeCursor(crZoomIn).hotSpot(), QPoint(12, 12));
    QCOMPARE(SchemeCursor(3).shape(), Qt::ArrowCursor);
    QVERIFY(!ToolIcon("play").isNull());
  }

  void ModelMessagesBecomeBoxesWithOneOkButton() {
    TQtMessageSink sink;
    TMessageSink* previous = SetMessageSink(&sink);
    SetApplicationTitle("ул. Тестовая - пр. Проверочный");
    TAnswerer answers([](QDialog& d) {
      auto& box = dynamic_cast<QMessageBox&>(d);
      return box.standardButtons() == QMessageBox::Ok ? int(QMessageBox::Ok) : -1;
    });
    ShowError("Не могу считать из файла.");
    ShowInfo("Неизвестный код предмета.");
    SetMessageSink(previous);
    const std::vector<QString> boxes{"Ошибка|Не могу считать из файла.",
                                     "ул. Тестовая - пр. Проверочный|Неизвестный код предмета."};
    QCOMPARE(answers.Boxes, boxes);
  }

  void NumbersAreReadAndShownTheWayTheFieldsShowThem() {
    QCOMPARE(LeadingNumber(" 125 %"), 125.0);
    QCOMPARE(LeadingNumber("0.75x"), 0.75);
    QCOMPARE(LeadingNumber("%"), 0.0);
    QCOMPARE(PercentText(1.0), QStringLiteral("100 %"));
    QCOMPARE(SecondsText(12.5), QStringLiteral("12,5"));
    QCOMPARE(SecondsText(12), QStringLiteral("12"));
    QCOMPARE(SecondsText(0), QStringLiteral("0"));
    QCOMPARE(SecondsText(123.456), QStringLiteral("123,46"));
    QCOMPARE(FormatLastTramscale(1), std::string("1.000"));
    QCOMPARE(PercentText(0.125), QStringLiteral("12 %"));  // halves to even
    // Zeros go only from the decimals, and no digit of a large value is lost.
    QCOMPARE(RealScaleText(1000), QStringLiteral("1000"));
    const QString huge = QStringLiteral("10000000000000000725314363815292351261583744096465219555182101554790400");
    QCOMPARE(RealScaleText(1e70), huge);
    QCOMPARE(FormatLastTramscale(1e70), huge.toStdString() + ".000");
  }

  // Last: once installed, Qt's catalogue stays for the rest of the run.
  void QtsOwnDialogsSpeakRussianOnceItsCatalogueIsInstalled() {
    if (QtRussianCatalogue().isEmpty())
      QSKIP("Qt's Russian catalogue (Debian package qt6-translations-l10n) is not installed");
    const auto buttons = [](QMessageBox& box) {
      QStringList texts;
      for (auto b : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel, QMessageBox::Save})
        texts << box.button(b)->text().remove('&');
      return texts;
    };
    QMessageBox before(QMessageBox::Question, "", "", QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel |
                                                         QMessageBox::Save);
    QCOMPARE(buttons(before), (QStringList{"Yes", "No", "Cancel", "Save"}));
    QVERIFY(InstallQtRussian(*QCoreApplication::instance()));
    QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel |
                                                      QMessageBox::Save);
    QCOMPARE(buttons(box), (QStringList{"Да", "Нет", "Отмена", "Сохранить"}));

    // Qt's own file dialog, as the print and export windows open it.
    QFileDialog files(nullptr, QStringLiteral("Сохранить как"), Dir_.path());
    files.setOption(QFileDialog::DontUseNativeDialog);
    files.setAcceptMode(QFileDialog::AcceptSave);
    QStringList shown;
    for (QLabel* l : files.findChildren<QLabel*>()) shown << l->text().remove('&');
    for (QAbstractButton* b : files.findChild<QDialogButtonBox*>()->buttons()) shown << b->text().remove('&');
    for (const char* english : {"Look in:", "File name:", "Save", "Cancel"})
      QVERIFY2(!shown.contains(QString::fromLatin1(english)), english);
    for (const QString& russian : {QStringLiteral("Имя файла:"), QStringLiteral("Сохранить"), QStringLiteral("Отмена")})
      QVERIFY2(shown.contains(russian), qPrintable(shown.join(" | ")));
  }
};

SVPASS_QTEST_MAIN(ViewerDialogsTest)
#include "ViewerDialogsTest.moc"
