// "Сохранить схему как…": the picture the window shows, out to PNG and SVG.
#include <QFileDialog>
#include <QImage>
#include <QRegularExpression>

#include "QtTestSupport.h"
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
  }
};

QTEST_MAIN(SaveSchemeTest)
#include "SaveSchemeTest.moc"
