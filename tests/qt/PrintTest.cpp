// Printing from the main window: the six print entries and the default-page
// entry open their dialogs with the entry's settings, and the preview prints
// a page to a PDF printer.
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include "QtTestSupport.h"
#include "model/SVObject.h"
#include "plan/SVtime.h"
#include "platform/IniFile.h"
#include "platform/Messages.h"
#include "print/PageLayFormUnit.h"
#include "print/PrintFormUnit.h"
#include "print/SetPageUnit.h"
#include "qt/PaintBox.h"
#include "tables/SetPhaseLenUnit.h"
#include "viewer/PrintEntries.h"
#include "viewer/MainForm.h"

using namespace qtsupport;

class PrintTest : public QObject {
  Q_OBJECT

  QTemporaryDir Program_;
  std::unique_ptr<TMainForm> Form_;
  std::unique_ptr<TMessageCapture> Messages_;

  TMainForm& Started(int objectType = 1) {
    WritePassport(Program_.path() + "/Data/svo1", SampleInfo(objectType), SampleMap());
    Form_ = std::make_unique<TMainForm>();
    Form_->Map()->SetPictureSize(QSize(400, 300));
    [&] { QVERIFY(Form_->Start()); }();
    InstallPrinting(*Form_);
    return *Form_;
  }

  // What a print dialog held when it was shown.
  struct TSeen {
    TPrintMode Mode = TPrintMode::Scheme;
    std::string Title;
    double Footer = -1;
    TPhaseLengths Lengths{};
    int Shown = 0;
  };

  static int Look(QDialog& d, TSeen& seen) {
    if (auto* print = qobject_cast<TPrintForm*>(&d)) {
      const TPrintFormModel& m = print->Model();
      seen = TSeen{m.Content.Mode, m.Content.Title, m.Margins.Footer, m.Content.PhaseLengths, seen.Shown + 1};
    }
    return QDialog::Rejected;
  }

 private slots:
  void init() {
    EnterProgramDir(Program_, Messages_);
  }

  void cleanup() {
    Form_.reset();
    LeaveProgramDir(Program_, Messages_);
  }

  void TheSchemeEntriesOpenThePreviewWithTheirTitleAndCaptionBand() {
    TMainForm& f = Started();
    for (QAction* a : {f.Menu().PrintScheme, f.Menu().PrintTimeDiagram, f.Menu().PrintTramHeads, f.Menu().PrintTsrd,
                       f.Menu().PrintOdd, f.Menu().PrintCable, f.Menu().PageSetup})
      QVERIFY2(a->isEnabled(), qPrintable(a->text()));
    TSeen seen;
    {
      TAnswerer answer([&](QDialog& d) { return Look(d, seen); });
      f.Menu().PrintScheme->trigger();
    }
    QCOMPARE(seen.Shown, 1);
    QCOMPARE(seen.Mode, TPrintMode::Scheme);
    QCOMPARE(QString::fromStdString(seen.Title), QStringLiteral("ул. Тестовая - пр. Проверочный (Объект № 1) "));
    QCOMPARE(seen.Footer, 0.9);
    {
      // "No" keeps the layers and prints with the layer set's title.
      TAnswerer answer([&](QDialog& d) {
        if (qobject_cast<QMessageBox*>(&d)) return static_cast<int>(QMessageBox::No);
        return Look(d, seen);
      });
      f.Menu().PrintOdd->trigger();
    }
    QCOMPARE(seen.Shown, 2);
    QVERIFY(QString::fromStdString(seen.Title).endsWith(QStringLiteral("\nСхема ОДД")));
    QCOMPARE(seen.Footer, 0.0);
    // The scheme prints free their dialog afterwards.
    QVERIFY(f.findChildren<TPrintForm*>().isEmpty());
  }

  void ThePassportOfTheUkTypeHasNoTimeDiagramEntry() {
    TMainForm& f = Started(2);
    QVERIFY(!f.Menu().PrintTimeDiagram->isEnabled());
    QVERIFY(f.Menu().PrintTramHeads->isEnabled() && f.Menu().PrintScheme->isEnabled());
  }

  void TheTimeDiagramAsksForThePhaseLengthsFirstAndCancelPrintsNothing() {
    TMainForm& f = Started();
    TSeen seen;
    {
      TAnswerer answer([&](QDialog& d) {
        if (auto* lengths = qobject_cast<TSetPhaseForm*>(&d)) {
          // Three phases: main times 10, 12, 14 of program I; the rest off.
          [&] {
            QCOMPARE(lengths->SpinEdit(2)->value(), 12);
            QVERIFY(lengths->SpinEdit(3)->isEnabled());
            QVERIFY(!lengths->SpinEdit(4)->isEnabled());
          }();
          lengths->SpinEdit(2)->setValue(44);
          return static_cast<int>(QDialog::Accepted);
        }
        return Look(d, seen);
      });
      f.Menu().PrintTimeDiagram->trigger();
    }
    QCOMPARE(seen.Shown, 1);
    QCOMPARE(seen.Mode, TPrintMode::TimeDiagram);
    QVERIFY(QString::fromStdString(seen.Title).endsWith(QStringLiteral("\nВременная диаграмма работы СО")));
    QCOMPARE(seen.Lengths, (TPhaseLengths{0, 10, 44, 14, 0, 0, 0, 0}));
    {
      TAnswerer answer([&](QDialog& d) {
        if (qobject_cast<TSetPhaseForm*>(&d)) return static_cast<int>(QDialog::Rejected);
        return Look(d, seen);
      });
      f.Menu().PrintTimeDiagram->trigger();
    }
    QCOMPARE(seen.Shown, 1);
    {
      TAnswerer answer([&](QDialog& d) { return Look(d, seen); });
      f.Menu().PrintTramHeads->trigger();
    }
    QCOMPARE(seen.Shown, 2);
    QCOMPARE(seen.Mode, TPrintMode::TramHeads);
    QVERIFY(QString::fromStdString(seen.Title).endsWith(QStringLiteral("\nСхемы подключения трамвайных головок")));
    // The diagram's and the tram heads' dialog is kept.
    QCOMPARE(f.findChildren<TPrintForm*>().size(), 1);
  }

  void ABrokenStoredMarginStopsThePrintBeforeThePreviewAndTheDefaultPageDialogMendsIt() {
    TMainForm& f = Started();
    f.Config()->WriteString("Page", "topmargin", "1,5 см");
    TSeen seen;
    {
      TAnswerer answer([&](QDialog& d) { return Look(d, seen); });
      f.Menu().PrintScheme->trigger();
    }
    QCOMPARE(seen.Shown, 0);
    QVERIFY(!Messages_->Messages.empty());
    QCOMPARE(QString::fromStdString(Messages_->Messages.back().Text),
             QStringLiteral("'1,5 см' is not a valid floating point value"));
    {
      TAnswerer answer([&](QDialog& d) {
        auto* lay = qobject_cast<TPageLayForm*>(&d);
        if (!lay) return static_cast<int>(QDialog::Rejected);
        [&] {
          QCOMPARE(lay->Margins.Edits[2]->text(), QStringLiteral("1,5 см"));
          QCOMPARE(lay->Margins.Edits[0]->text(), QStringLiteral("3,0"));
        }();
        lay->Margins.Edits[2]->setText(QStringLiteral("2,25"));
        return static_cast<int>(QDialog::Accepted);
      });
      f.Menu().PageSetup->trigger();
    }
    QCOMPARE(QString::fromStdString(f.Config()->ReadString("Page", "topmargin", "")), QStringLiteral("2,25"));
    QCOMPARE(QString::fromStdString(f.Config()->ReadString("Page", "leftmargin", "")), QStringLiteral("3,0"));
  }

  void PageSettingsShowTheModesControlsAndOkStopsAtAFaultyMarginUntilItIsMended() {
    TMainForm& f = Started();
    TPrintForm print;
    QVERIFY(print.Prepare(*f.Scheme(), f.Config()));
    print.Model().Content.Title = "A\r\nB";
    int shown = 0;
    TAnswerer answer([&](QDialog& d) {
      auto* page = qobject_cast<TSetPageForm*>(&d);
      if (!page) return static_cast<int>(QDialog::Rejected);
      ++shown;
      auto* ok = page->findChild<QDialogButtonBox*>()->buttons()[0];
      [&] {
        QVERIFY(page->Phases->isVisibleTo(page) && page->GrayBorder->isVisibleTo(page));
        QVERIFY(!page->SecondPhase->isEnabled());
        QCOMPARE(page->FirstPhase->maximum(), 3);
        QCOMPARE(page->Margins.Edits[0]->text(), QStringLiteral("3"));
        QCOMPARE(page->Title->toPlainText(), QStringLiteral("A\nB"));
      }();
      page->TwoPhases->setChecked(true);
      page->SecondPhase->setValue(3);
      page->Margins.Edits[0]->setText(QStringLiteral("2,5"));
      page->Margins.Edits[1]->setText(QStringLiteral("x"));
      page->Title->setPlainText(QStringLiteral("C\nD"));
      ok->click();
      // Right is faulty: the dialog stays, left (read before it) is taken.
      [&] { QVERIFY(page->result() != QDialog::Accepted); }();
      page->Margins.Edits[1]->setText(QStringLiteral("1,25"));
      ok->click();
      return page->result();
    });
    print.PageSetupClick();
    QCOMPARE(shown, 1);
    const TPrintFormModel& m = print.Model();
    QCOMPARE(m.Margins.Left, 2.5);
    QCOMPARE(m.Margins.Right, 1.25);
    QVERIFY(m.Content.TwoPhases);
    QCOMPARE(m.Content.SecondPhase, 3);
    QCOMPARE(QString::fromStdString(m.Content.Title), QStringLiteral("C\r\nD"));
    QCOMPARE(QString::fromStdString(Messages_->Messages.back().Text),
             QStringLiteral("'x' is not a valid floating point value"));
  }

  void ThePreviewZoomsAndPrintsTheClockedPhasesToAPdfPrinter() {
    TMainForm& f = Started();
    TPrintForm print;
    print.Printer().setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = Program_.path() + "/page.pdf";
    print.Printer().setOutputFileName(pdf);
    QVERIFY(print.Prepare(*f.Scheme(), f.Config()));
    print.Refresh();
    const TSize paper = print.Model().PaperSize();
    QCOMPARE(print.Paper()->Picture().size(), QSize(paper.cx, paper.cy));
    QCOMPARE(print.ZoomLabel()->text(), QString::fromStdString(print.Model().ZoomLabel()));
    QVERIFY(print.Frames()->isChecked());
    print.ZoomInClick();
    QVERIFY(print.Paper()->Picture().width() > paper.cx);
    print.SignLargerClick();
    QCOMPARE(print.SignLabel()->text(), QStringLiteral("120%"));
    // The preview's paper shows more than white.
    const QImage picture = print.Paper()->Picture();
    int marked = 0;
    for (int y = 0; y < picture.height(); y += 2)
      for (int x = 0; x < picture.width(); x += 2) marked += picture.pixel(x, y) != qRgb(255, 255, 255);
    QVERIFY(marked > 100);

    print.Model().Content.TwoPhases = true;
    print.Model().Content.FirstPhase = 2;
    print.Model().Content.SecondPhase = 3;
    QVERIFY(print.PrintClick());
    QCOMPARE(f.Scheme()->Time->Phase, 3);
    const QByteArray bytes = ReadFile(pdf);
    QVERIFY(bytes.startsWith("%PDF"));
    QVERIFY(bytes.size() > 1000);
    // A later print dialog prints where this one was set to.
    TPrintForm next;
    QCOMPARE(next.Printer().outputFileName(), pdf);
  }
};

SVPASS_QTEST_MAIN(PrintTest)
#include "PrintTest.moc"
