// Printing from the main window: the six print entries and the default-page
// entry open their dialogs with the entry's settings, and the preview prints
// a page to a PDF printer.
#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QScrollArea>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include "QtTestSupport.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "plan/SVtime.h"
#include "platform/IniFile.h"
#include "platform/Messages.h"
#include "ui/print/PageLayFormUnit.h"
#include "print/PrintEntry.h"
#include "ui/print/PrintFormUnit.h"
#include "ui/print/SetPageUnit.h"
#include "qt/PaintBox.h"
#include "ui/tables/SetPhaseLenUnit.h"
#include "ui/viewer/PrintEntries.h"
#include "ui/viewer/MainForm.h"

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
      // Right is faulty: the dialog stays, with the cursor in it, and not
      // even left is taken.
      [&] {
        QVERIFY(page->result() != QDialog::Accepted);
        QCOMPARE(print.Model().Margins.Left, 3.0);
        QCOMPARE(page->Margins.Edits[1]->selectedText(), QStringLiteral("x"));
        QCOMPARE(QString::fromStdString(Messages_->Messages.back().Text),
                 QStringLiteral("Правое поле: «x» — не число сантиметров (например, «1,5»)."));
      }();
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
    QCOMPARE(Messages_->Messages.size(), std::size_t{1});
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

  void TheDefaultPageDialogRefusesAFaultyValueNamingItAndStoresNothingUntilAllAreNumbers() {
    TMainForm& f = Started();
    f.Config()->WriteString("Page", "leftmargin", "2,0");
    int okClicks = 0;
    {
      TAnswerer answer([&](QDialog& d) {
        auto* lay = qobject_cast<TPageLayForm*>(&d);
        if (!lay) return static_cast<int>(QDialog::Rejected);
        auto* ok = lay->findChild<QDialogButtonBox*>()->buttons()[0];
        lay->Margins.Edits[0]->setText(QStringLiteral("2,75"));
        lay->Margins.Edits[5]->setText(QStringLiteral("0.5 см"));
        ok->click();
        ++okClicks;
        [&] {
          QVERIFY(lay->result() != QDialog::Accepted);
          QCOMPARE(lay->Margins.Edits[5]->selectedText(), QStringLiteral("0.5 см"));
          QCOMPARE(QString::fromStdString(Messages_->Messages.back().Text),
                   QStringLiteral("Высота нижнего колонтитула: «0.5 см» — не число сантиметров (например, «1,5»)."));
          // Not even the left margin, typed before it, is stored.
          QCOMPARE(QString::fromStdString(f.Config()->ReadString("Page", "leftmargin", "")), QStringLiteral("2,0"));
          QVERIFY(!f.Config()->ValueExists("Page", "bottomColon"));
        }();
        // Cancel then keeps config.ini as it was.
        return static_cast<int>(QDialog::Rejected);
      });
      f.Menu().PageSetup->trigger();
    }
    QCOMPARE(okClicks, 1);
    QCOMPARE(QString::fromStdString(f.Config()->ReadString("Page", "leftmargin", "")), QStringLiteral("2,0"));
    QVERIFY(!f.Config()->ValueExists("Page", "bottomColon"));
    // And a print still opens.
    int shown = 0;
    {
      TAnswerer answer([&](QDialog& d) {
        shown += qobject_cast<TPrintForm*>(&d) != nullptr;
        return static_cast<int>(QDialog::Rejected);
      });
      f.Menu().PrintScheme->trigger();
    }
    QCOMPARE(shown, 1);
  }

  void APhaseLengthAboveTwoHundredSecondsCanBeShortenedAndPrintsAsTyped() {
    TMainForm& f = Started();
    f.Scheme()->Info->Phases.Item(1)->TMain[1] = 250;
    TSeen seen;
    {
      TAnswerer answer([&](QDialog& d) {
        if (auto* lengths = qobject_cast<TSetPhaseForm*>(&d)) {
          [&] {
            QCOMPARE(lengths->SpinEdit(1)->value(), 250);
            QCOMPARE(lengths->SpinEdit(1)->maximum(), 250);
            QCOMPARE(lengths->SpinEdit(2)->maximum(), 200);
          }();
          lengths->SpinEdit(1)->setValue(230);
          lengths->SpinEdit(3)->setValue(17);
          return static_cast<int>(QDialog::Accepted);
        }
        return Look(d, seen);
      });
      f.Menu().PrintTimeDiagram->trigger();
    }
    QCOMPARE(seen.Shown, 1);
    QCOMPARE(seen.Lengths, (TPhaseLengths{0, 230, 12, 17, 0, 0, 0, 0}));
  }

  void APrintLeavesTheViewersPhaseProgramAndLayersAsTheyWere() {
    TMainForm& f = Started();
    TSVObject& scheme = *f.Scheme();
    scheme.Time->Program = 1;
    scheme.Time->SetPhase(2);
    scheme.Time->Remaining = 7.5;
    scheme.CopyTimingToDirections();
    scheme.Layer(4).Visible = false;
    scheme.Layer(9).Editable = false;
    const auto layerSwitches = [&] {
      std::vector<std::pair<bool, bool>> out;
      for (int n = 1; n <= kLayerCount; ++n) out.emplace_back(scheme.Layer(n).Visible, scheme.Layer(n).Editable);
      return out;
    };
    const std::vector<std::pair<bool, bool>> layers = layerSwitches();
    const QString pdf = Program_.path() + "/page.pdf";
    for (QAction* entry : {f.Menu().PrintScheme, f.Menu().PrintOdd}) {
      QStringList buttons;
      std::vector<std::pair<bool, bool>> printedLayers;
      int printedPhase = 0;
      TSeen seen;
      QFile::remove(pdf);
      {
        TAnswerer answer([&](QDialog& d) {
          if (auto* box = qobject_cast<QMessageBox*>(&d)) {
            for (QAbstractButton* b : box->buttons()) buttons << b->text();
            return static_cast<int>(QMessageBox::Yes);
          }
          auto* print = qobject_cast<TPrintForm*>(&d);
          if (!print) return static_cast<int>(QDialog::Rejected);
          Look(d, seen);
          printedLayers = layerSwitches();
          print->Printer().setOutputFormat(QPrinter::PdfFormat);
          print->Printer().setOutputFileName(pdf);
          print->Model().Content.TwoPhases = true;
          print->Model().Content.FirstPhase = 3;
          print->Model().Content.SecondPhase = 1;
          [&] { QVERIFY(print->PrintClick()); }();
          printedPhase = scheme.Time->Phase;
          return static_cast<int>(QDialog::Accepted);
        });
        entry->trigger();
      }
      const QString name = entry->text();
      QCOMPARE(seen.Shown, 1);
      QVERIFY(ReadFile(pdf).startsWith("%PDF"));
      // The print stepped the clock to the last phase printed...
      QCOMPARE(printedPhase, 1);
      if (entry == f.Menu().PrintOdd) {
        buttons.sort();
        QCOMPARE(buttons, (QStringList{QStringLiteral("Да"), QStringLiteral("Нет"), QStringLiteral("Отмена")}));
        // The title's lines end as the command line's title does.
        QCOMPARE(seen.Title, PrintTitle(*scheme.Info, TPrintEntry::Odd));
        // ...and showed the layer set only...
        QVERIFY(printedLayers != layers);
      }
      // ...and the viewer is back where it was.
      QVERIFY2(scheme.Time->Phase == 2, qPrintable(name));
      QCOMPARE(int(scheme.Time->Program), 1);
      QCOMPARE(scheme.Time->Remaining, 7.5);
      for (int i = 1; i <= scheme.Info->Directions.Count; ++i) {
        QCOMPARE(int(scheme.Info->Directions.Item(i)->CurrentPhase), 2);
        QCOMPARE(scheme.Info->Directions.Item(i)->Remaining, 7.5);
      }
      QVERIFY2(layerSwitches() == layers, qPrintable(name));
    }
  }

  void ThePreviewOpensWithTheWholePageInItsWindow() {
    TMainForm& f = Started();
    TPrintForm print;
    QVERIFY(print.Prepare(*f.Scheme(), f.Config()));
    print.Refresh();
    // The printer's own resolution would show the page at a few per cent.
    const QString prepared = print.ZoomLabel()->text();
    print.resize(800, 600);
    print.show();
    QVERIFY(QTest::qWaitForWindowExposed(&print));
    QTRY_VERIFY(print.ZoomLabel()->text() != prepared);
    const QSize room = print.Scroll()->maximumViewportSize();
    const QSize paper = print.Paper()->Picture().size();
    // The paper fills the window's room on its longer side and fits on both.
    QVERIFY2(paper.width() <= room.width() && paper.height() <= room.height(),
             qPrintable(QStringLiteral("%1x%2 in %3x%4").arg(paper.width()).arg(paper.height()).arg(room.width()).arg(room.height())));
    QVERIFY(paper.height() >= room.height() - 12 || paper.width() >= room.width() - 12);
    QCOMPARE(print.ZoomLabel()->text(), QString::fromStdString(print.Model().ZoomLabel()));
    const QString shots = qEnvironmentVariable("SVPASS_SHOTS");
    if (!shots.isEmpty()) print.grab().save(shots + "/print-preview.png");
    print.hide();
  }

  void WithoutAPrinterThePageIsSavedWhereTheUserSaysAndNeverOverwrittenUnasked() {
    TMainForm& f = Started();
    TPrintForm print;
    QVERIFY(print.Prepare(*f.Scheme(), f.Config()));
    print.Model().Content.Mode = TPrintMode::TramHeads;
    // The printer of a machine without one: PDF, no file named.
    print.Printer().setOutputFileName(QString());
    print.Printer().setOutputFormat(QPrinter::PdfFormat);
    const QString existing = Program_.path() + "/svo1 трамвайные головки.pdf";
    WriteFile(existing, "old");
    QStringList titles, names, boxes;
    int round = 0;
    const auto answer = [&](const std::vector<int>& fileAnswers, const std::vector<int>& boxAnswers) {
      std::size_t file = 0, box = 0;
      return [&, fileAnswers, boxAnswers, file, box](QDialog& d) mutable {
        if (auto* dialog = qobject_cast<QFileDialog*>(&d)) {
          titles << dialog->windowTitle() + "|" + dialog->labelText(QFileDialog::Accept) + "|" +
                        dialog->labelText(QFileDialog::Reject) + "|" + dialog->labelText(QFileDialog::FileName);
          names << QFileInfo(dialog->selectedFiles().value(0)).fileName();
          const QString shots = qEnvironmentVariable("SVPASS_SHOTS");
          if (!shots.isEmpty() && round == 0) {
            dialog->resize(760, 460);
            dialog->show();
            QTest::qWait(300);
            dialog->grab().save(shots + "/print-save.png");
            dialog->hide();
          }
          ++round;
          dialog->selectFile(existing);
          return fileAnswers.at(file++);
        }
        if (auto* b = qobject_cast<QMessageBox*>(&d)) {
          boxes << b->text();
          return boxAnswers.at(box++);
        }
        return static_cast<int>(QDialog::Rejected);
      };
    };
    {
      // Cancel: nothing is written, the preview stays.
      TAnswerer a(answer({QDialog::Rejected}, {}));
      QVERIFY(!print.PrintClick());
    }
    QCOMPARE(ReadFile(existing), QByteArray("old"));
    QCOMPARE(names, (QStringList{QStringLiteral("svo1 трамвайные головки.pdf")}));
    QCOMPARE(titles.value(0), QStringLiteral("Принтер не найден: сохранить страницу в файл PDF|Сохранить|Отмена|Имя файла:"));
    {
      // The file is there: "Нет" asks for another name, "Да" replaces it,
      // and the user is told where the page went.
      TAnswerer a(answer({QDialog::Accepted, QDialog::Accepted}, {QMessageBox::No, QMessageBox::Yes, QMessageBox::Ok}));
      QVERIFY(print.PrintClick());
    }
    const QString native = QDir::toNativeSeparators(existing);
    QCOMPARE(boxes, (QStringList{QStringLiteral("Файл «%1» уже есть. Заменить его?").arg(native),
                                 QStringLiteral("Файл «%1» уже есть. Заменить его?").arg(native),
                                 QStringLiteral("Страница сохранена в файл\n%1").arg(native)}));
    QVERIFY(ReadFile(existing).startsWith("%PDF"));
    // The next print asks again, in the same folder, rather than overwrite.
    const QByteArray printed = ReadFile(existing);
    titles.clear();
    {
      TAnswerer a([&](QDialog& d) {
        if (auto* dialog = qobject_cast<QFileDialog*>(&d))
          titles << QFileInfo(dialog->selectedFiles().value(0)).absolutePath();
        return static_cast<int>(QDialog::Rejected);
      });
      QVERIFY(!print.PrintClick());
    }
    QCOMPARE(titles, (QStringList{QFileInfo(existing).absolutePath()}));
    QCOMPARE(ReadFile(existing), printed);
  }
};

SVPASS_QTEST_MAIN(PrintTest)
#include "PrintTest.moc"
