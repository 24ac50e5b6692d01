// The export dialog in the viewer: the two menu entries, the boxes, the
// gauge the user sees move, the save and print dialogs, and the files.
#include <QCheckBox>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QAbstractTextDocumentLayout>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextTable>
#include <QTextBlock>
#include <QTextLayout>
#include <cmath>
#include <QProcess>
#include <QStandardPaths>

#include "QtTestSupport.h"
#include "export/ExportModel.h"
#include "platform/Messages.h"
#include "ui/export/ExportFormUnit.h"
#include "qt/PaintBox.h"
#include "ui/viewer/MainForm.h"

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
    EnterProgramDir(Program_, Messages_);
  }

  void cleanup() {
    Form_.reset();
    LeaveProgramDir(Program_, Messages_);
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
          QCOMPARE(save->defaultSuffix(), QStringLiteral("docx"));
          QCOMPARE(save->nameFilters(),
                   (QStringList{"Документ Word (*.docx)", "Все файлы (*.*)", "Документ ODF (*.odt)", "RTF (*.rtf)",
                                "Документ Word 97 (*.doc)", "PDF (*.pdf)"}));
        }();
        save->selectFile(out);
        return int(QDialog::Accepted);
      }
      auto* form = qobject_cast<TExportForm*>(&d);
      if (!form) return int(QDialog::Rejected);
      [&] { QVERIFY(form->ExportB()->isDefault()); }();
      form->DocOutput().OnShow = [&](const std::string& p) {
        shown.push_back(p);
        return true;
      };
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

  // The finished document is opened whether "Открыть Word" is checked or
  // not; that nothing could open it is said only to the user who asked.
  void NoViewerIsMentionedOnlyWhenOpeningWordWasAsked() {
    TMainForm& f = Started(1);
    for (const bool word : {false, true}) {
      Messages_->Messages.clear();
      const QString out = ProgramPath() + (word ? "shown.rtf" : "quiet.rtf");
      std::vector<std::string> tried;
      TAnswerer answers([&](QDialog& d) {
        if (auto* save = qobject_cast<QFileDialog*>(&d)) {
          save->selectFile(out);
          return int(QDialog::Accepted);
        }
        auto* form = qobject_cast<TExportForm*>(&d);
        if (!form) return int(QDialog::Rejected);
        form->DocOutput().OnShow = [&](const std::string& p) {
          tried.push_back(p);
          return false;
        };
        if (word) form->WordBox()->click();
        form->ExportB()->click();
        return form->result();
      });
      f.Menu().ExportTables->trigger();
      QCOMPARE(tried, std::vector<std::string>{out.toStdString()});
      QVERIFY(ReadFile(out).startsWith("{\\rtf1"));
      if (!word) {
        QVERIFY(Messages_->Messages.empty());
        continue;
      }
      QCOMPARE(Messages_->Messages.size(), std::size_t(1));
      QCOMPARE(QString::fromStdString(Messages_->Messages[0].Text),
               "Документ сохранён в файл " + out + ". Программа для его просмотра не найдена.");
    }
  }

  // The file type chosen in the save dialog names a bare file, and the file
  // is written in that format whatever the type: .docx and .odt zipped,
  // .doc as RTF.
  void TheChosenFileTypeNamesABareFileAndTheNameDecidesTheFormat() {
    TMainForm& f = Started(1);
    const struct {
      QString Filter;
      QString Name;
      QString Written;
      QByteArray Starts;
    } cases[] = {
        {"Документ ODF (*.odt)", "bare", "bare.odt", QByteArray("PK\x03\x04", 4)},
        {"Документ Word 97 (*.doc)", "old", "old.doc", "{\\rtf1"},
        {"Документ Word (*.docx)", "new", "new.docx", QByteArray("PK\x03\x04", 4)},
        {"Документ Word (*.docx)", "named.odt", "named.odt", QByteArray("PK\x03\x04", 4)},
    };
    for (const auto& c : cases) {
      TAnswerer answers([&](QDialog& d) {
        if (auto* save = qobject_cast<QFileDialog*>(&d)) {
          save->selectNameFilter(c.Filter);
          emit save->filterSelected(c.Filter);
          save->selectFile(ProgramPath() + c.Name);
          return int(QDialog::Accepted);
        }
        auto* form = qobject_cast<TExportForm*>(&d);
        if (!form) return int(QDialog::Rejected);
        form->DocOutput().OnShow = [](const std::string&) { return true; };
        form->ExportB()->click();
        return form->result();
      });
      f.Menu().ExportTables->trigger();
      const QByteArray bytes = ReadFile(ProgramPath() + c.Written);
      QVERIFY2(bytes.startsWith(c.Starts), qPrintable(c.Written));
      if (c.Written.endsWith(".odt")) QCOMPARE(bytes.mid(30, 8), QByteArray("mimetype"));
      if (c.Written.endsWith(".docx")) QVERIFY(bytes.contains("word/document.xml"));
    }
    QVERIFY(Messages_->Messages.empty());
  }

  // A heading (and the empty line under it) that keeps with the next block
  // goes over to the next page with it rather than stay alone at the foot
  // of a page; one that fits stays where it is.
  void AHeadingThatKeepsWithTheNextBlockIsNeverLeftAloneAtTheFootOfAPage() {
    QPdfWriter pdf(Program_.path() + "/keep.pdf");
    pdf.setResolution(300);
    const double pageH = 3000 * 300 / 1440.0;
    const double width = 5000 * 300 / 1440.0;
    auto para = [](const std::string& text, bool bold, bool keep) {
      TBlock b;
      if (!text.empty()) b.Para.Runs.push_back(TRun{text, TRunFormat{bold, bold ? 14 : 12}, ""});
      b.Para.KeepNext = keep;
      return b;
    };
    auto cellRow = [](const std::string& text, bool header) {
      TRow r;
      r.Header = header;
      TCell c;
      c.Right = 3000;
      c.Paras[0].Runs.push_back(TRun{text, TRunFormat{}, ""});
      r.Cells = {c, c};
      r.Cells[1].Right = 5000;
      return r;
    };
    auto pageOf = [&](QTextDocument& doc, const QString& text) {
      for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (b.text() != text) continue;
        const QRectF r = doc.documentLayout()->blockBoundingRect(b);
        const QTextLine line = b.layout()->lineAt(0);
        return static_cast<int>(std::floor((r.top() + line.y() + line.height() / 2) / pageH));
      }
      return -1;
    };
    int moved = 0;
    int stayed = 0;
    // Enough filler lines to put the heading on every line of the first
    // page's lower half and past it.
    for (int fill = 1; fill <= 40; ++fill) {
      for (const bool table : {true, false}) {
        TStory story;
        for (int i = 0; i < fill; ++i) story.Blocks.push_back(para("строка " + std::to_string(i), false, false));
        story.Blocks.push_back(para("Заголовок", true, true));
        story.Blocks.push_back(para("", false, true));
        if (table) {
          TBlock t;
          t.IsTable = true;
          t.Table.Rows = {cellRow("Шапка", true), cellRow("первая строка", false), cellRow("вторая", false)};
          story.Blocks.push_back(t);
          story.Blocks.push_back(para("", false, false));
        } else {
          story.Blocks.push_back(para("первая строка", false, false));
        }
        auto doc = LayOutBody(story, &pdf, width, pageH);
        const int heading = pageOf(*doc, QStringLiteral("Заголовок"));
        const int next = pageOf(*doc, QStringLiteral("первая строка"));
        const int before = pageOf(*doc, QString::fromStdString("строка " + std::to_string(fill - 1)));
        QVERIFY2(heading >= 0 && next >= 0 && before >= 0, qPrintable(QString::number(fill)));
        QVERIFY2(heading == next, qPrintable(QString("fill %1 table %2: heading on page %3, next on %4")
                                                 .arg(fill).arg(table).arg(heading).arg(next)));
        (heading > before ? moved : stayed)++;
      }
    }
    // Both the moving and the staying were tried.
    QVERIFY(moved > 0);
    QVERIFY(stayed > moved);
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

  void PagesSplitTablesBetweenRowsUnderARepeatedHeaderAndCarryThePageHeader() {
    // A table of a two-line header row and 70 rows of one, two or three
    // lines, far longer than a page.
    TDocument doc;
    doc.Header.Blocks.resize(1);
    doc.Header.Blocks[0].Para.Runs.push_back(TRun{"Шапка страницы", TRunFormat{}, ""});
    doc.Body.Blocks.resize(3);
    doc.Body.Blocks[0].Para.Runs.push_back(TRun{"Заголовок", TRunFormat{true, 14}, ""});
    doc.Body.Blocks[1].IsTable = true;
    TTable& t = doc.Body.Blocks[1].Table;
    auto row = [](std::vector<std::string> texts, bool header) {
      TRow r;
      r.Header = header;
      int right = 0;
      for (const std::string& text : texts) {
        TCell c;
        right += 2000;
        c.Right = right;
        TParagraph p;
        std::size_t start = 0;
        for (std::size_t nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1) {
          p.Runs = {TRun{text.substr(start, nl - start), TRunFormat{}, ""}};
          c.Paras.push_back(p);
        }
        p.Runs = {TRun{text.substr(start), TRunFormat{}, ""}};
        c.Paras.push_back(p);
        c.Paras.erase(c.Paras.begin());
        r.Cells.push_back(c);
      }
      return r;
    };
    t.Rows.push_back(row({"Номер\nстроки", "Текст"}, true));
    for (int i = 1; i <= 70; ++i) {
      std::string lines = "r" + std::to_string(i);
      for (int k = 0; k < i % 3; ++k) lines += "\nещё";
      t.Rows.push_back(row({std::to_string(i), lines}, false));
    }
    QPdfWriter pdf(Program_.path() + "/pages.pdf");
    pdf.setResolution(300);
    const double pageH = 5000 * 300 / 1440.0;
    auto body = LayOutBody(doc.Body, &pdf, 4000 * 300 / 1440.0, pageH);
    QVERIFY(body->pageCount() >= 3);
    // Every row lies on one page, every part of the table starts with the
    // header row, and the data rows come in order, none lost or doubled.
    int next = 1;
    int parts = 0;
    for (QTextFrame* frame : body->rootFrame()->childFrames()) {
      auto* table = qobject_cast<QTextTable*>(frame);
      if (!table) continue;
      ++parts;
      QCOMPARE(table->cellAt(0, 0).firstCursorPosition().block().text(), QStringLiteral("Номер"));
      for (int r = 0; r < table->rows(); ++r) {
        const QTextTableCell first = table->cellAt(r, 0);
        const QTextTableCell second = table->cellAt(r, 1);
        QAbstractTextDocumentLayout* layout = body->documentLayout();
        const double top = layout->blockBoundingRect(first.firstCursorPosition().block()).top();
        const double bottom = layout->blockBoundingRect(second.lastCursorPosition().block()).bottom();
        QCOMPARE(std::floor(top / pageH), std::floor((bottom - 0.5) / pageH));
        if (r == 0) continue;
        QCOMPARE(first.firstCursorPosition().block().text(), QString::number(next));
        ++next;
      }
    }
    QCOMPARE(next, 71);
    QVERIFY(parts >= 1);

    // On paper every page shows the page header and the table's header row.
    doc.Page.Height = 5000 + doc.Page.Top + doc.Page.Bottom;
    const QString path = Program_.path() + "/table.pdf";
    int pages = 0;
    {
      QPdfWriter out(path);
      pages = PaintDocument(doc, out);
    }
    QVERIFY(pages >= 3);
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("pdftotext is not installed");
    QProcess p;
    p.start("pdftotext", {path, "-"});
    QVERIFY(p.waitForFinished(30000));
    const QStringList pageTexts = QString::fromUtf8(p.readAllStandardOutput()).split(QChar('\f'), Qt::SkipEmptyParts);
    QCOMPARE(pageTexts.size(), pages);
    for (const QString& page : pageTexts) {
      QVERIFY(page.contains(QStringLiteral("Шапка страницы")));
      QVERIFY(page.contains(QStringLiteral("строки")));
    }
  }

  void EveryPrintedPageCarriesThePageHeader() {
    TDocument doc;
    doc.Header.Blocks.resize(1);
    doc.Header.Blocks[0].Para.Runs.push_back(TRun{"Шапка страницы", TRunFormat{}, ""});
    doc.Body.Blocks.resize(120);
    for (int i = 0; i < 120; ++i) doc.Body.Blocks[i].Para.Runs.push_back(TRun{"строка " + std::to_string(i), TRunFormat{}, ""});
    const QString path = Program_.path() + "/header.pdf";
    int pages = 0;
    {
      QPdfWriter pdf(path);
      pages = PaintDocument(doc, pdf);
    }
    QVERIFY(pages >= 3);
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("pdftotext is not installed");
    QProcess p;
    p.start("pdftotext", {path, "-"});
    QVERIFY(p.waitForFinished(30000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    QCOMPARE(text.count(QStringLiteral("Шапка страницы")), pages);
    QCOMPARE(text.count(QStringLiteral("\f")), pages);
    QVERIFY(text.contains(QStringLiteral("строка 119")));
  }
};

SVPASS_QTEST_MAIN(ExportTest)
#include "ExportTest.moc"
