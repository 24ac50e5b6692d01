// On a high-resolution screen (here a scale factor of 2) the paint box keeps
// one picture pixel per screen pixel: the scheme is drawn in the widget's
// pixels and comes out twice as fine, not as a blurred enlargement.
#include <QImage>
#include <QPixmap>
#include <cstdlib>

#include "QtTestSupport.h"
#include "model/SVObject.h"
#include "qt/Cursors.h"
#include "qt/PaintBox.h"
#include "qt/QtCanvas.h"
#include "view/SchemeView.h"

namespace {

// The scheme of the sample passport 1 drawn as the viewer shows it at
// start-up into a paint box of 360 x 250 widget pixels at the given ratio.
void PaintSample(TPaintBox& box, qreal ratio) {
  box.SetPictureSize(QSize(360, 250), ratio);
  TSVObject scheme(SVPASS_SOURCE_DIR "/data/Data/svo1/");
  scheme.ClearAll();
  scheme.LoadAll();
  TDrawContext view;
  InitViewContext(view, box.Canvas(), scheme);
  FitShown(scheme, view, box.PictureWidth(), box.PictureHeight());
  PaintScheme(scheme, view, TSchemeLook::View);
}

int Difference(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

// Each k x k block of a picture averaged channel by channel into one pixel.
QImage Reduced(const QImage& big, int k) {
  QImage small(big.width() / k, big.height() / k, QImage::Format_RGB32);
  for (int y = 0; y < small.height(); ++y)
    for (int x = 0; x < small.width(); ++x) {
      int r = 0, g = 0, b = 0;
      for (int dy = 0; dy < k; ++dy)
        for (int dx = 0; dx < k; ++dx) {
          const QRgb p = big.pixel(k * x + dx, k * y + dy);
          r += qRed(p), g += qGreen(p), b += qBlue(p);
        }
      small.setPixel(x, y, qRgb(r / (k * k), g / (k * k), b / (k * k)));
    }
  return small;
}

// Mean of the summed channel differences over all pixels.
double MeanDifference(const QImage& a, const QImage& b) {
  long total = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) total += Difference(a.pixel(x, y), b.pixel(x, y));
  return double(total) / (a.width() * a.height());
}

}  // namespace

class HiDpiTest : public QObject {
  Q_OBJECT

 private slots:
  void ARenderAtRatioTwoHasTwiceThePixelsAndTheSamePictureScaledDown() {
    TPaintBox one, two;
    PaintSample(one, 1);
    PaintSample(two, 2);
    QCOMPARE(one.Picture().size(), QSize(360, 250));
    QCOMPARE(two.Picture().size(), QSize(720, 500));
    QCOMPARE(two.PictureSize(), QSize(360, 250));

    // Scaled down, the fine picture is the coarse one but for edges that
    // fall half a pixel apart and text shaped at the finer resolution. For
    // scale: the same pictures two widget pixels apart differ by about 88
    // (summed channels, mean over the pixels), and by about 44 in blocks of
    // 4 x 4; the top-left quarter of the fine picture (an unscaled canvas)
    // by about 190.
    const QImage coarse = one.Picture().convertToFormat(QImage::Format_RGB32);
    const QImage big = two.Picture().convertToFormat(QImage::Format_RGB32);
    if (qEnvironmentVariableIsSet("SVPASS_HIDPI_SHOTS")) {
      coarse.save("/tmp/hidpi_one.png");
      big.save("/tmp/hidpi_two.png");
    }
    int inked = 0;
    for (int y = 0; y < coarse.height(); ++y)
      for (int x = 0; x < coarse.width(); ++x)
        if (coarse.pixel(x, y) != coarse.pixel(0, 0)) ++inked;
    QVERIFY2(inked > coarse.width() * coarse.height() / 20, "the sample scheme was drawn");
    const double pixelwise = MeanDifference(coarse, Reduced(big, 2));
    const double blockwise = MeanDifference(Reduced(coarse, 4), Reduced(big, 8));
    QVERIFY2(pixelwise < 40, qPrintable(QString("mean difference %1").arg(pixelwise)));
    QVERIFY2(blockwise < 15, qPrintable(QString("mean difference in blocks %1").arg(blockwise)));

    // Not an enlargement: many 2 x 2 blocks of the fine picture hold more
    // than one colour.
    int mixed = 0;
    for (int y = 0; y + 1 < big.height(); y += 2)
      for (int x = 0; x + 1 < big.width(); x += 2) {
        const QRgb p = big.pixel(x, y);
        if (big.pixel(x + 1, y) != p || big.pixel(x, y + 1) != p || big.pixel(x + 1, y + 1) != p) ++mixed;
      }
    QVERIFY2(mixed > 1000, qPrintable(QString("%1 blocks of more than one colour").arg(mixed)));
  }

  void XorFeedbackAtRatioTwoErasesItselfExactlyWhereTheWidgetPixelsSay() {
    TPaintBox box;
    PaintSample(box, 2);
    const QImage before = box.Picture().copy();
    TQtCanvas& c = *box.Canvas();
    const TPoint band[] = {{17, 203}, {151, 188}, {333, 241}};
    for (int pass = 0; pass < 2; ++pass) {
      c.Pen = TPen{clWhite, 1, TPenStyle::Dot, TPenMode::Xor};
      c.SetBrushStyle(TBrushStyle::Clear);
      c.Rectangle(41, 13, 297, 171);
      c.Pen = TPen{0x10FFFF, 1, TPenStyle::Solid, TPenMode::Xor};
      c.Polyline(band, 3);
      c.Ellipse(101, 57, 163, 95);
      c.Line(3, 247, 356, 5);
      if (pass == 0) {
        // The rubber band's rectangle lies at twice its widget coordinates.
        QImage once = box.Picture();
        int left = once.width(), right = -1, top = once.height();
        // The top edge only: left of where the diagonal line comes up that high.
        for (int y = 0; y < 2 * 14; ++y)
          for (int x = 0; x < 2 * 320; ++x)
            if (once.pixel(x, y) != before.pixel(x, y)) {
              left = std::min(left, x), right = std::max(right, x), top = std::min(top, y);
            }
        QVERIFY2(top >= 2 * 13 - 1 && top <= 2 * 13 + 1, qPrintable(QString("top %1").arg(top)));
        QVERIFY2(left >= 2 * 41 - 1 && left <= 2 * 41 + 1, qPrintable(QString("left %1").arg(left)));
        QVERIFY2(right >= 2 * 296 - 1 && right <= 2 * 297, qPrintable(QString("right %1").arg(right)));
        QVERIFY(once != before);
      }
    }
    QCOMPARE(box.Picture(), before);
  }

  void TheWidgetShowsEveryScreenPixelOfItsPicture() {
    TPaintBox box;
    box.resize(200, 120);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(box.devicePixelRatioF(), 2.0);
    QCOMPARE(box.Picture().size(), QSize(400, 240));
    QCOMPARE(box.PictureSize(), QSize(200, 120));
    // Four marks, one near each corner, so that a copy of a wrong part of the
    // picture or at a wrong scale shows.
    TQtCanvas& c = *box.Canvas();
    c.SetBrushColor(0x0000FF);
    c.FillRect(TRect{3, 5, 11, 9});
    c.SetBrushColor(0x00FF00);
    c.FillRect(TRect{187, 4, 199, 7});
    c.SetBrushColor(0xFF0000);
    c.FillRect(TRect{2, 111, 6, 120});
    c.SetBrushColor(0xFFFFFF);
    c.FillRect(TRect{150, 100, 197, 117});
    box.repaint();
    const QImage shown = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), QSize(400, 240));
    const QImage picture = box.Picture().convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    for (int y = 0; y < 240; ++y)
      for (int x = 0; x < 400; ++x)
        if (shown.pixel(x, y) != picture.pixel(x, y)) ++differing;
    QCOMPARE(differing, 0);
    QCOMPARE(shown.pixel(2 * 3, 2 * 5), qRgb(255, 0, 0));
    QCOMPARE(shown.pixel(2 * 11 - 1, 2 * 9 - 1), qRgb(255, 0, 0));
    QCOMPARE(shown.pixel(2 * 11, 2 * 9), qRgb(0, 0, 0));
    QCOMPARE(shown.pixel(2 * 199 - 1, 2 * 4), qRgb(0, 255, 0));
    QCOMPARE(shown.pixel(2 * 2, 2 * 120 - 1), qRgb(0, 0, 255));
    QCOMPARE(shown.pixel(2 * 197 - 1, 2 * 117 - 1), qRgb(255, 255, 255));
  }

  void ToolIconsAtRatioTwoAreTheirPixelsDoubledNotSmoothed() {
    SetProgramDir(SVPASS_SOURCE_DIR "/resources");
    for (const char* name : {"pan", "zoomin", "zoomout", "pointer", "layers", "scale", "fit", "play", "stop"}) {
      const QIcon icon = ToolIcon(QString::fromLatin1(name));
      const QImage one = icon.pixmap(QSize(24, 24), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
      const QImage two = icon.pixmap(QSize(24, 24), 2.0).toImage().convertToFormat(QImage::Format_ARGB32);
      QCOMPARE(one.size(), QSize(24, 24));
      QCOMPARE(two.size(), QSize(48, 48));
      QCOMPARE(two.devicePixelRatio(), 2.0);
      int wrong = 0;
      for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x)
          if (two.pixel(x, y) != one.pixel(x / 2, y / 2)) ++wrong;
      QVERIFY2(wrong == 0, qPrintable(QString("%1: %2 pixels not their original's").arg(name).arg(wrong)));
    }
  }

  void CursorsAtRatioTwoAreTheirPixelsDoubledWithTheHotSpotInWidgetPixels() {
    SetProgramDir(SVPASS_SOURCE_DIR "/resources");
    const QImage original = QImage(SVPASS_SOURCE_DIR "/resources/cursors/ZoomInCursor.xpm");
    QCOMPARE(original.size(), QSize(32, 32));
    const QCursor cursor = SchemeCursor(crZoomIn);
    QCOMPARE(cursor.shape(), Qt::BitmapCursor);
    QCOMPARE(cursor.hotSpot(), QPoint(12, 12));
    const QImage two = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(two.size(), QSize(64, 64));
    QCOMPARE(two.devicePixelRatio(), 2.0);
    const QImage one = original.convertToFormat(QImage::Format_ARGB32);
    int wrong = 0;
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x)
        if (two.pixel(x, y) != one.pixel(x / 2, y / 2)) ++wrong;
    QCOMPARE(wrong, 0);
  }
};

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_SCALE_FACTOR", "2");
  QApplication app(argc, argv);
  HiDpiTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "HiDpiTest.moc"
