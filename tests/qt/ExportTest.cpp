// The export dialog in the viewer: the two menu entries, the boxes, the
// gauge the user sees move, the save and print dialogs, and the files.
#include <QCheckBox>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>

#include "QtTestSupport.h"
#include "export/ExportModel.h"
#include "platform/Messages.h"
#include "print/ExportFormUnit.h"
#include "qt/PaintBox.h"
#include "viewer/main.h"

using namespace qtsupport;

class ExportTest : public QObject {
  Q_OBJECT

  QTemporaryDir Program_;
  std::unique_ptr<TMainForm> Form_;
  std::unique_ptr<TMessageCapture> Messages_;

  QString ProgramPath() const { return Program_.path() + "/"; }

  TMainForm& Started(int objectType) {
    WritePassport(ProgramPath() + "Data/svo1", SampleInfo(objectType), SampleMap());
    const QDir templates(QStringLiteral(SVPASS_SOURCE_DIR "/resources/template"));
    QDir().mkpath(ProgramPath() + "template");
    for (const QString& name : templates.entryList(QDir::Files))
      QFile::copy(templates.filePath(name), ProgramPath() + "template/" + name);
    Form_ = std::make_unique<TMainForm>();
    Form_->Map()->SetPictureSize(QSize(300, 200));
    [&] { QVERIFY(Form_->Start()); }();
    return *Form_;
  }

 private slots:
  void init() {
    QVERIFY(Program_.isValid());
    SetProgramDir(Program_.path().toStdString());
    Messages_ = std::make_unique<TMessageCapture>();
  }

  void cleanup() {
    Form_.reset();
    Messages_.reset();
    QDir(Program_.path()).removeRecursively();
    QDir().mkpath(Program_.path());
  }

  void PrintEntryShowsTheDialogFocusedOnPrintWithThePlanSectionsOffForAUkObject() {
    TMainForm& f = Started(2);
    QVERIFY(f.Menu().PrintTablesWord->isEnabled());
    QVERIFY(f.Menu().ExportTables->isEnabled());
    bool seen = false;
    TAnswerer answers([&](QDialog& d) {
      auto* form = qobject_cast<TExportForm*>(&d);
      if (!form) return int(QDialog::Rejected);
      seen = true;
      [&] {
        QCOMPARE(form->windowTitle(), QStringLiteral("Экспорт таблиц в Word / Печать"));
        QVERIFY(form->PrintB()->isDefault());
        QVERIFY(!form->ExportB()->isDefault());
        for (int i = 0; i < esCount; ++i) {
          const bool plan = i <= esExonapr;
          QCOMPARE(form->Box(i)->isEnabled(), !plan);
          QCOMPARE(form->Box(i)->isChecked(), !plan);
        }
        QVERIFY(!form->WordBox()->isChecked());
        QCOMPARE(form->Gauge()->value(), 0);
        // A click on an enabled box reaches the model.
        form->Box(esComm)->click();
        QVERIFY(!form->Model().Boxes[esComm].Checked);
        QVERIFY(!form->Box(esComm)->isChecked());
      }();
      return int(QDialog::Rejected);
    });
    f.Menu().PrintTablesWord->trigger();
    QVERIFY(seen);
  }

  void ExportWritesTheChosenPdfWhileTheGaugeMovesAndShowsTheResult() {
    TMainForm& f = Started(1);
    const QString out = ProgramPath() + "tables.pdf";
    std::vector<int> gauge;
    std::vector<std::string> shown;
    int result = -1;
    TAnswerer answers([&](QDialog& d) {
      if (auto* save = qobject_cast<QFileDialog*>(&d)) {
        [&] {
          QCOMPARE(save->windowTitle(), QStringLiteral("Выберите файл для экспорта таблиц"));
          QCOMPARE(save->defaultSuffix(), QStringLiteral("doc"));
          QCOMPARE(save->nameFilters(), (QStringList{"Документы MSWord (*.doc)", "Все файлы (*.*)",
                                                     "Документ RTF (*.rtf)", "PDF (*.pdf)"}));
        }();
        save->selectFile(out);
        return int(QDialog::Accepted);
      }
      auto* form = qobject_cast<TExportForm*>(&d);
      if (!form) return int(QDialog::Rejected);
      [&] { QVERIFY(form->ExportB()->isDefault()); }();
      form->DocOutput().OnShow = [&](const std::string& p) { shown.push_back(p); };
      QObject::connect(form->Gauge(), &QProgressBar::valueChanged, [&](int v) { gauge.push_back(v); });
      form->ExportB()->click();
      result = form->result();
      return form->result();
    });
    f.Menu().ExportTables->trigger();
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(gauge, (std::vector<int>{5, 10, 15, 20, 30, 50, 60, 65, 75, 85, 90, 100}));
    QCOMPARE(shown, std::vector<std::string>{out.toStdString()});
    QVERIFY(ReadFile(out).startsWith("%PDF"));
    QVERIFY(Messages_->Messages.empty());
  }

  void CancellingTheSaveDialogWritesNothingAndKeepsTheDialogOpen() {
    TMainForm& f = Started(0);
    bool stillOpen = false;
    TAnswerer answers([&](QDialog& d) {
      if (qobject_cast<QFileDialog*>(&d)) return int(QDialog::Rejected);
      auto* form = qobject_cast<TExportForm*>(&d);
      if (!form) return int(QDialog::Rejected);
      form->ExportB()->click();
      stillOpen = form->result() != QDialog::Accepted && form->Gauge()->value() == 0;
      return int(QDialog::Rejected);
    });
    f.Menu().ExportTables->trigger();
    QVERIFY(stillOpen);
    QCOMPARE(QDir(ProgramPath()).entryList(QDir::Files), QStringList{});
  }

  void PrintGoesToThePrinterTheDialogChoseAndLeavesNoTemporaryFileBesideTheProgram() {
    TMainForm& f = Started(1);
    const QString out = ProgramPath() + "printed.pdf";
    TAnswerer answers([&](QDialog& d) {
      if (auto* print = qobject_cast<QPrintDialog*>(&d)) {
        print->printer()->setOutputFormat(QPrinter::PdfFormat);
        print->printer()->setOutputFileName(out);
        return int(QDialog::Accepted);
      }
      auto* form = qobject_cast<TExportForm*>(&d);
      if (!form) return int(QDialog::Rejected);
      form->PrintB()->click();
      return form->result();
    });
    f.Menu().PrintTablesWord->trigger();
    QVERIFY(ReadFile(out).startsWith("%PDF"));
    QVERIFY(!QFile::exists(ProgramPath() + "template/temp.doc"));
    QVERIFY(Messages_->Messages.empty());
  }
};

SVPASS_QTEST_MAIN(ExportTest)
#include "ExportTest.moc"
