// svpass-cli render: the viewer's start-up picture of a passport in a PNG.
#include <QImage>
#include <QProcess>

#include "QtTestSupport.h"

using namespace qtsupport;

namespace {

struct TRun {
  int Code = -1;
  QString Errors;
};

TRun Render(const QStringList& args) {
  QProcess p;
  p.start(QStringLiteral(SVPASS_CLI), QStringList{"render"} + args);
  p.waitForFinished(60000);
  return TRun{p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardError())};
}

int CountColour(const QImage& img, QRgb c) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) n += img.pixel(x, y) == c;
  return n;
}

}  // namespace

class RenderTest : public QObject {
  Q_OBJECT

  QTemporaryDir Dir_;
  QString Passport() const { return Dir_.path() + "/svo7"; }
  QString Out(const char* name) const { return Dir_.path() + "/" + name; }

 private slots:
  void initTestCase() { WritePassport(Passport(), SampleInfo(), SampleMap()); }

  void TheViewLookIsTheSchemeOnDarkGreyFittedIntoTheImage() {
    const TRun run = Render({Passport(), "--out", Out("view.png"), "--width", "320", "--height", "200"});
    QCOMPARE(run.Code, 0);
    const QImage img(Out("view.png"));
    QCOMPARE(img.size(), QSize(320, 200));
    QCOMPARE(img.pixel(319, 199), qRgb(0x40, 0x40, 0x40));
    // Something of the scheme near each margin: the fit leaves 5 pixels.
    int left = img.width(), top = img.height();
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x)
        if (img.pixel(x, y) != qRgb(0x40, 0x40, 0x40)) left = qMin(left, x), top = qMin(top, y);
    QVERIFY(left <= 8 || top <= 8);
    QVERIFY(left >= 3 && top >= 3);
  }

  void ThePhaseAndTheTimeChooseTheColoursOfTheHeads() {
    const QRgb green = qRgb(0x60, 0xFF, 0x60), red = qRgb(0xFF, 0x50, 0x50);
    QCOMPARE(Render({Passport(), "--out", Out("p1.png")}).Code, 0);
    QCOMPARE(Render({Passport(), "--out", Out("p2.png"), "--phase", "2"}).Code, 0);
    const QImage p1(Out("p1.png")), p2(Out("p2.png"));
    QVERIFY(CountColour(p1, green) > 10 && CountColour(p1, red) == 0);
    QVERIFY(CountColour(p2, red) > 10 && CountColour(p2, green) == 0);
  }

  void ThePrintLookIsOnWhiteAndAPresetHidesItsLayers() {
    QCOMPARE(Render({Passport(), "--out", Out("print.png"), "--look", "print"}).Code, 0);
    QCOMPARE(QImage(Out("print.png")).pixel(0, 0), qRgb(255, 255, 255));
    // The cable plant hides the signal heads.
    QCOMPARE(Render({Passport(), "--out", Out("cable.png"), "--preset", "cable"}).Code, 0);
    QCOMPARE(CountColour(QImage(Out("cable.png")), qRgb(0x60, 0xFF, 0x60)), 0);
  }

  void BadArgumentsAreRefusedWithTheUsage() {
    for (const QStringList& args : {QStringList{Passport()}, QStringList{"--out", Out("x.png")},
                                    QStringList{Passport(), "--out", Out("x.png"), "--look", "glossy"},
                                    QStringList{Passport(), "--out", Out("x.png"), "--width", "0"},
                                    QStringList{Passport(), "--out", Out("x.png"), "--sign-scale", "-1"}}) {
      const TRun run = Render(args);
      QCOMPARE(run.Code, 2);
      QVERIFY(run.Errors.contains("usage"));
    }
    QCOMPARE(Render({Dir_.path() + "/missing", "--out", Out("x.png")}).Code, 1);
    QVERIFY(!QFileInfo::exists(Out("x.png")));
  }
};

SVPASS_QTEST_MAIN(RenderTest)
#include "RenderTest.moc"
