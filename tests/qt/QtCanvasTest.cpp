// The Qt canvas checked by the pixels it leaves in an image: where the
// items rely on device-context behaviour (XOR erasing, arc direction, edges
// left out, rotated and aligned text, dotted pens), the picture must agree.
#include <QImage>

#include "QtTestSupport.h"
#include "qt/QtCanvas.h"

namespace {

constexpr QRgb kBack = 0xFF404040;

QImage Blank(int w = 200, int h = 200) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(kBack);
  return img;
}

bool Inked(const QImage& img, int x, int y) { return img.pixel(x, y) != kBack; }

// The smallest rectangle holding every pixel that is not background.
QRect InkBox(const QImage& img) {
  QRect box;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (Inked(img, x, y)) box = box.united(QRect(x, y, 1, 1));
  return box;
}

int InkIn(const QImage& img, const QRect& r) {
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (Inked(img, x, y)) ++n;
  return n;
}

void WhitePen(TCanvas& c, TPenMode mode = TPenMode::Copy, TPenStyle style = TPenStyle::Solid, int width = 1) {
  c.Pen = TPen{clWhite, width, style, mode};
}

}  // namespace

class QtCanvasTest : public QObject {
  Q_OBJECT

 private slots:
  void XorShapesDrawnTwiceLeaveThePictureAsItWas() {
    QImage img = Blank();
    {
      TQtCanvas c(&img);
      c.SetBrushColor(0x3080C0);
      c.FillRect(TRect{20, 20, 120, 90});
      c.Pen = TPen{0x0000FF, 3};
      c.Line(0, 150, 199, 60);
    }
    const QImage before = img.copy();
    TQtCanvas c(&img);
    const TPoint poly[] = {{10, 10}, {150, 30}, {90, 170}, {30, 120}};
    for (int pass = 0; pass < 2; ++pass) {
      WhitePen(c, TPenMode::Xor, TPenStyle::Dot);
      c.SetBrushStyle(TBrushStyle::Clear);
      c.Rectangle(15, 25, 170, 140);
      c.Pen = TPen{0x10FFFF, 1, TPenStyle::Solid, TPenMode::Xor};
      c.SetBrushColor(0x10FFFF);
      c.Polygon(poly, 4);
      c.Ellipse(40, 40, 100, 80);
      c.Line(5, 190, 190, 5);
      c.MoveTo(5, 5);
      c.LineTo(60, 5);
      c.LineTo(60, 60);
      c.Arc(100, 100, 180, 180, 180, 140, 140, 100);
      if (pass == 0) QVERIFY(img != before);
    }
    QCOMPARE(img, before);
  }

  void AnXorPenTurnsTheBackgroundIntoTheExclusiveOrOfBoth() {
    QImage img = Blank();
    TQtCanvas c(&img);
    c.Pen = TPen{0x10FFFF, 1, TPenStyle::Solid, TPenMode::Xor};
    c.Line(10, 10, 50, 10);
    // 0x404040 ^ 0x10FFFF as 0x00BBGGRR is r=0xBF, g=0xBF, b=0x50.
    QCOMPARE(img.pixel(20, 10), qRgb(0xBF, 0xBF, 0x50));
  }

  void AnArcFromNoonToThreeOClockCoversTheUpperRightQuadrantOnly() {
    QImage img = Blank();
    TQtCanvas c(&img);
    WhitePen(c);
    // Counter-clockwise from the ray towards 3 o'clock to the ray towards 12.
    c.Arc(0, 0, 101, 101, 150, 50, 50, -40);
    QVERIFY(InkIn(img, QRect(55, 0, 50, 45)) > 20);
    QCOMPARE(InkIn(img, QRect(0, 0, 46, 101)), 0);
    QCOMPARE(InkIn(img, QRect(0, 56, 101, 45)), 0);
  }

  void APieRunsCounterClockwiseFromItsStartRayToItsEndRay() {
    QImage img = Blank();
    TQtCanvas c(&img);
    WhitePen(c);
    c.SetBrushColor(clRed);
    // From 12 o'clock round through 9 and 6 to 3 o'clock: three quarters.
    c.Pie(0, 0, 101, 101, 50, -40, 150, 50);
    QCOMPARE(img.pixel(25, 25), qRgb(255, 0, 0));
    QCOMPARE(img.pixel(25, 75), qRgb(255, 0, 0));
    QCOMPARE(img.pixel(75, 75), qRgb(255, 0, 0));
    QCOMPARE(img.pixel(75, 25), kBack);
  }

  void RectanglesEllipsesFillsAndLinesLeaveOutTheirRightAndBottomEdge() {
    QImage img = Blank();
    TQtCanvas c(&img);
    WhitePen(c);
    c.SetBrushStyle(TBrushStyle::Clear);
    c.Rectangle(10, 10, 20, 20);
    QVERIFY(Inked(img, 10, 15) && Inked(img, 19, 15) && Inked(img, 15, 19));
    QVERIFY(!Inked(img, 20, 15) && !Inked(img, 15, 20) && !Inked(img, 15, 15));

    c.SetBrushColor(clRed);
    c.FillRect(TRect{30, 30, 40, 40});
    QCOMPARE(img.pixel(30, 30), qRgb(255, 0, 0));
    QCOMPARE(img.pixel(39, 39), qRgb(255, 0, 0));
    QVERIFY(!Inked(img, 40, 35) && !Inked(img, 35, 40));

    c.Ellipse(50, 50, 71, 71);
    QCOMPARE(InkBox(img.copy(45, 45, 40, 40)), QRect(5, 5, 21, 21));

    c.Line(100, 5, 110, 5);
    QVERIFY(Inked(img, 100, 5) && Inked(img, 109, 5) && !Inked(img, 110, 5));
  }

  void ADottedPenLeavesGapsAndAWidePenDoesNot() {
    QImage img = Blank();
    TQtCanvas c(&img);
    WhitePen(c, TPenMode::Copy, TPenStyle::Dot);
    c.Line(10, 10, 70, 10);
    const int dotted = InkIn(img, QRect(10, 10, 60, 1));
    QVERIFY(dotted >= 24 && dotted <= 36);
    QVERIFY(Inked(img, 10, 10) && !Inked(img, 13, 10));
    WhitePen(c, TPenMode::Copy, TPenStyle::Dot, 3);
    c.Line(10, 50, 70, 50);
    QCOMPARE(InkIn(img, QRect(12, 50, 50, 1)), 50);
  }

  void ADiagonalCrossBrushHatchesWithoutFillingEverything() {
    QImage img = Blank();
    TQtCanvas c(&img);
    c.SetBrushColor(clWhite);
    c.SetBrushStyle(TBrushStyle::DiagCross);
    c.FillRect(TRect{0, 0, 40, 40});
    const int ink = InkIn(img, QRect(0, 0, 40, 40));
    QVERIFY(ink > 200 && ink < 1200);
  }

  void RotatedTextLandsOnTheSideOfItsReferencePointItsEscapementTurnsItTo() {
    QImage img = Blank(300, 300);
    TQtCanvas c(&img);
    c.FontColor = clWhite;
    TFontDesc f;
    f.Height = -20;
    f.FaceName = "Arial Cyr";
    c.SetFont(f);
    c.TextOut(150, 150, "НЕБО");
    QRect box = InkBox(img);
    QVERIFY(box.left() >= 150 && box.right() > 190 && box.bottom() <= 150 && box.top() < 140);

    img.fill(kBack);
    f.Escapement = 900;  // a quarter turn counter-clockwise: the text runs up
    c.SetFont(f);
    c.TextOut(150, 150, "НЕБО");
    box = InkBox(img);
    QVERIFY(box.bottom() <= 151 && box.top() < 110 && box.right() <= 151 && box.left() < 140);

    img.fill(kBack);
    f.Escapement = 2700;  // three quarters: the text runs down, letters to the right
    c.SetFont(f);
    c.TextOut(150, 150, "НЕБО");
    box = InkBox(img);
    QVERIFY(box.top() >= 149 && box.bottom() > 190 && box.left() >= 149 && box.right() > 160);
  }

  void TextAlignsByBaselineByTopCentreAndByTopLeft() {
    QImage img = Blank(300, 200);
    TQtCanvas c(&img);
    c.FontColor = clWhite;
    TFontDesc f;
    f.Height = -20;
    c.SetFont(f);
    const TSize ext = c.TextExtent("НЕБО");
    c.TextAlign = TTextAlign::CenterTop;
    c.TextOut(150, 50, "НЕБО");
    QRect box = InkBox(img);
    QVERIFY(box.top() >= 50 && box.bottom() < 50 + ext.cy);
    QVERIFY(qAbs((box.left() + box.right()) / 2 - 150) <= 2);

    img.fill(kBack);
    c.TextAlign = TTextAlign::LeftTop;
    c.TextOut(150, 50, "НЕБО");
    box = InkBox(img);
    QVERIFY(box.top() >= 50 && box.left() >= 150 && box.right() <= 150 + ext.cx);
  }

  void AnOpaqueTextFillsItsCellWithTheBackgroundColour() {
    QImage img = Blank();
    TQtCanvas c(&img);
    c.FontColor = clWhite;
    c.TextTransparent = false;
    c.BackColor = clRed;
    c.TextAlign = TTextAlign::LeftTop;
    TFontDesc f;
    f.Height = 20;
    c.SetFont(f);
    const TSize ext = c.TextExtent("ab");
    c.TextOut(10, 10, "ab");
    QCOMPARE(img.pixel(10, 10), qRgb(255, 0, 0));
    QCOMPARE(img.pixel(10 + ext.cx - 1, 10 + ext.cy - 1), qRgb(255, 0, 0));
    QCOMPARE(img.pixel(10 + ext.cx + 1, 10), kBack);
  }

  void APositiveFontHeightIsTheCellAndANegativeOneTheCharacter() {
    QImage img = Blank();
    TQtCanvas c(&img);
    TFontDesc f;
    f.Height = 30;
    f.FaceName = "Times New Roman Cyr";
    c.SetFont(f);
    QVERIFY(qAbs(c.TextExtent("Ж").cy - 30) <= 1);
    f.Height = -30;
    c.SetFont(f);
    QVERIFY(c.TextExtent("Ж").cy > 31);
    f.Height = 0;
    c.SetFont(f);
    QVERIFY(qAbs(c.TextExtent("Ж").cy - 16) <= 1);
  }

  void FacesOfThePassportsMapToTheMetricCompatibleFonts() {
    QCOMPARE(MapFaceName("Arial Cyr"), QStringLiteral("Liberation Sans"));
    QCOMPARE(MapFaceName(""), QStringLiteral("Liberation Sans"));
    QCOMPARE(MapFaceName("Times New Roman Cyr"), QStringLiteral("Liberation Serif"));
    QCOMPARE(ToQColor(0x5050FF), QColor(0xFF, 0x50, 0x50));
    QCOMPARE(FromQColor(QColor(0x60, 0xFF, 0x60)), TColor{0x60FF60});
  }

  void AMeasureApartFromTheCanvasMeasuresAsTheCanvasDraws() {
    QImage img = Blank();
    TQtCanvas c(&img);
    QImage other(10, 10, QImage::Format_RGB32);
    TQtTextMeasure measure(&other);
    const char* text = "Ул. Ленина, 12";
    for (int height : {-13, 25, 0, -40}) {
      TFontDesc f;
      f.Height = height;
      f.Weight = height == 25 ? 700 : 400;
      f.FaceName = "Arial Cyr";
      c.SetFont(f);
      const TSize drawn = c.TextExtent(text);
      QCOMPARE(measure.TextExtent(f, text), drawn);
      const TFontMetrics m = measure.Metrics(f);
      QCOMPARE(m.Height, drawn.cy);
      if (height < 0) QCOMPARE(m.PixelSize, -height);
      // The top of a top-aligned text lies its ascent above the baseline.
      QVERIFY(m.Ascent > m.Height / 2 && m.Ascent < m.Height);
    }
  }

  void StretchDrawScalesARasterIntoItsRectangle() {
    QImage img = Blank();
    TQtCanvas c(&img);
    TRasterImage raster{2, 1, {clRed, clBlue}, {}};
    c.StretchDraw(TRect{0, 0, 20, 10}, raster);
    QCOMPARE(img.pixel(5, 5), qRgb(255, 0, 0));
    QCOMPARE(img.pixel(15, 5), qRgb(0, 0, 255));
    QCOMPARE(img.pixel(25, 5), kBack);
  }
};

SVPASS_QTEST_MAIN(QtCanvasTest)
#include "QtCanvasTest.moc"
