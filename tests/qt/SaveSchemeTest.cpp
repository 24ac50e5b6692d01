// "Сохранить схему как…": the picture the window shows, out to PNG and SVG;
// the scheme at world coordinates out to DXF; the printed page out to PDF.
#include <QFileDialog>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "QtTestSupport.h"
#include "model/SVObject.h"
#include "plan/SVtime.h"
#include "qt/PaintBox.h"
#include "ui/viewer/MainForm.h"

using namespace qtsupport;

namespace {

constexpr int kW = 420, kH = 280;

// How many item groups of each type code a layer group holds in the drawing.
int ItemsOfType(const QString& svg, int layer, int typeCode) {
  const int start = svg.indexOf(QStringLiteral("<g id=\"layer-%1\"").arg(layer));
  if (start < 0) return -1;
  const int end = svg.indexOf(QStringLiteral("<g id=\"layer-"), start + 1);
  const QString part = svg.mid(start, end < 0 ? -1 : end - start);
  return int(part.count(QStringLiteral("data-type=\"%1\"").arg(typeCode)));
}

}  // namespace

class SaveSchemeTest : public QObject {
  Q_OBJECT
  QTemporaryDir Program_;
  std::unique_ptr<TMainForm> Form_;
  std::unique_ptr<TMessageCapture> Messages_;

  TMainForm& Started() {
    WritePassport(Program_.path() + "/Data/svo1", SampleInfo(), SampleMap());
    Form_ = std::make_unique<TMainForm>();
    Form_->Map()->SetPictureSize(QSize(kW, kH));
    [&] { QVERIFY(Form_->Start()); }();
    return *Form_;
  }

 private slots:
  void init() { EnterProgramDir(Program_, Messages_); }
  void cleanup() {
    Form_.reset();
    LeaveProgramDir(Program_, Messages_);
  }

  // The PNG is the window's picture pixel for pixel, after a zoom the user
  // made, not a fresh fit.
  void ThePngIsThePictureTheWindowShows() {
    TMainForm& f = Started();
    f.View().Zoom *= 1.5;
    f.View().OriginX += 37;
    f.Repaint();
    const QString path = Program_.path() + "/shown.png";
    QVERIFY(f.SaveShownScheme(path.toStdString()));
    const QImage saved(path);
    QCOMPARE(saved.size(), QSize(kW, kH));
    const QImage shown = f.Map()->Picture().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), shown);
  }

  // The drawing groups the items by layer: the sample's building in layer 1,
  // its two curbs in layer 4 and its head in layer 12.
  void TheSvgGroupsEveryItemUnderItsLayer() {
    TMainForm& f = Started();
    const QString path = Program_.path() + "/shown.svg";
    QVERIFY(f.SaveShownScheme(path.toStdString()));
    const QString svg = QString::fromUtf8(ReadFile(path));
    QVERIFY(svg.startsWith(QStringLiteral("<?xml")));
    QVERIFY(svg.contains(QStringLiteral("width=\"%1\" height=\"%2\"").arg(kW).arg(kH)));
    QCOMPARE(ItemsOfType(svg, 1, 21), 1);
    QCOMPARE(ItemsOfType(svg, 4, 1), 2);
    QCOMPARE(ItemsOfType(svg, 12, 10), 1);
    QCOMPARE(ItemsOfType(svg, 4, 21), 0);
  }

  // The drawing is the scheme at its world coordinates with y turned up,
  // whatever the window's zoom and origin: the sample's curbs run from the
  // origin 200 along x and 100 along y, on the curbs' CAD layer.
  void TheDxfIsTheSchemeAtWorldCoordinates() {
    TMainForm& f = Started();
    f.View().Zoom *= 1.5;
    f.View().OriginX += 37;
    f.Repaint();
    const QString path = Program_.path() + "/shown.dxf";
    QVERIFY(f.SaveShownScheme(path.toStdString()));
    const QByteArray dxf = ReadFile(path);
    QVERIFY(dxf.startsWith("  0\r\nSECTION\r\n  2\r\nHEADER"));
    QVERIFY(dxf.contains("$ACADVER\r\n  1\r\nAC1018\r\n"));
    const QByteArray curbLayer = QByteArray::fromStdString(Encode1251("  8\r\n04 Бордюр, рельсы\r\n"));
    QCOMPARE(dxf.count(curbLayer), 2);
    QVERIFY(dxf.contains(" 10\r\n0\r\n 20\r\n0\r\n 10\r\n200\r\n 20\r\n0\r\n"));
    QVERIFY(dxf.contains(" 10\r\n0\r\n 20\r\n0\r\n 10\r\n0\r\n 20\r\n-100\r\n"));
    QVERIFY(dxf.endsWith("  0\r\nEOF\r\n"));
  }

  // The PDF is the page "Печать схемы" prints: the passport's address on
  // it, A4; the window keeps its phase.
  void ThePdfIsThePrintedPage() {
    TMainForm& f = Started();
    const int phase = f.Scheme()->Time->Phase;
    const QString path = Program_.path() + "/page.pdf";
    QVERIFY(f.SaveShownScheme(path.toStdString()));
    QVERIFY(ReadFile(path).startsWith("%PDF-"));
    QCOMPARE(f.Scheme()->Time->Phase, phase);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) QSKIP("pdftotext is not installed");
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    QVERIFY(text.waitForFinished(20000));
    const QString page = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY2(page.contains(QStringLiteral("Тестовая")), qPrintable(page));
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    QVERIFY(info.waitForFinished(20000));
    QVERIFY2(QString::fromUtf8(info.readAllStandardOutput()).contains(QStringLiteral("(A4)")), "not A4");
  }

  // The menu entry asks for the file: the SVG type puts .svg on a bare name;
  // a cancelled dialog writes nothing.
  void TheEntryAsksForTheFileAndItsType() {
    TMainForm& f = Started();
    const QString bare = Program_.path() + "/scheme";
    QString offered;
    {
      TAnswerer answers([&](QDialog& d) {
        auto* dialog = qobject_cast<QFileDialog*>(&d);
        if (!dialog) return int(QDialog::Rejected);
        offered = dialog->selectedFiles().value(0);
        dialog->selectNameFilter(QStringLiteral("Рисунок SVG (*.svg)"));
        emit dialog->filterSelected(QStringLiteral("Рисунок SVG (*.svg)"));
        dialog->selectFile(bare);
        return int(QDialog::Accepted);
      });
      f.Menu().SaveSchemeAs->trigger();
    }
    QVERIFY2(offered.endsWith(QStringLiteral("svo1 схема.png")), qPrintable(offered));
    QVERIFY(QFile::exists(bare + ".svg"));
    QVERIFY(ReadFile(bare + ".svg").startsWith("<?xml"));
    {
      TAnswerer answers([](QDialog&) { return int(QDialog::Rejected); });
      f.Menu().SaveSchemeAs->trigger();
    }
    QCOMPARE(QDir(Program_.path()).entryList({"*.png"}, QDir::Files).size(), 0);
    // The drawing's type puts .dxf on a bare name, the page's .pdf.
    for (const auto& [filter, ext] : {std::pair{QStringLiteral("Чертёж DXF (*.dxf)"), QStringLiteral("dxf")},
                                      std::pair{QStringLiteral("Страница печати PDF (*.pdf)"), QStringLiteral("pdf")}}) {
      const QString name = Program_.path() + "/by-type";
      TAnswerer answers([&](QDialog& d) {
        auto* dialog = qobject_cast<QFileDialog*>(&d);
        if (!dialog) return int(QDialog::Rejected);
        dialog->selectNameFilter(filter);
        emit dialog->filterSelected(filter);
        dialog->selectFile(name);
        return int(QDialog::Accepted);
      });
      f.Menu().SaveSchemeAs->trigger();
      const QByteArray bytes = ReadFile(name + "." + ext);
      QVERIFY2(ext == "dxf" ? bytes.contains("AC1018") : bytes.startsWith("%PDF-"), qPrintable(ext));
    }
  }
};

QTEST_MAIN(SaveSchemeTest)
#include "SaveSchemeTest.moc"
