// Each primitive as the SVG element it becomes, with every attribute checked
// against values worked out by hand from asymmetric inputs.
#include <gtest/gtest.h>

#include <string>

#include "svg/SvgCanvas.h"
#include "svg/SvgText.h"

namespace {

// Seven pixels a byte, an ascent of 10 and a 14-pixel cell at any em.
class TFixedMeasure : public TTextMeasure {
 public:
  TFontMetrics Metrics(const TFontDesc& font) override {
    return TFontMetrics{font.Height < 0 ? -font.Height : 2 * font.Height, 10, 14};
  }
  TSize TextExtent(const TFontDesc&, const std::string& text) override {
    return TSize{7 * static_cast<int>(text.size()), 14};
  }
};

constexpr TColor kBackground = 0x404040;

class SvgCanvas : public ::testing::Test {
 protected:
  // The body between the document's head (and its definitions) and its end.
  std::string Body() const {
    const std::string doc = canvas_.Document();
    std::size_t from = doc.find("\">\n", doc.find("<svg ")) + 3;
    const std::size_t defsEnd = doc.find("</defs>\n");
    if (defsEnd != std::string::npos) from = defsEnd + 8;
    return doc.substr(from, doc.rfind("</svg>") - from);
  }
  TFixedMeasure measure_;
  TSvgCanvas canvas_{640, 480, measure_, kBackground};
};

}  // namespace

TEST_F(SvgCanvas, TheDocumentIsAnSvg11PictureOfTheCanvasSize) {
  const std::string doc = canvas_.Document();
  EXPECT_EQ(doc,
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
            "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"640\" height=\"480\" "
            "viewBox=\"0 0 640 480\">\n</svg>\n");
  EXPECT_EQ(canvas_.ClipRect(), (TRect{0, 0, 640, 480}));
}

TEST_F(SvgCanvas, LinesAndPolylinesRunThroughPixelCentresWithTheirPen) {
  canvas_.Pen = TPen{0x0000FF, 1};
  canvas_.Line(3, 4, 20, 9);
  canvas_.LineTo(20, 9);  // no length: nothing
  canvas_.Pen = TPen{0x00FF80, 3, TPenStyle::Dot};  // wide pens are solid
  canvas_.Polyline(std::vector<TPoint>{{1, 2}, {30, 5}, {7, 40}});
  canvas_.Pen = TPen{0x123456, 0, TPenStyle::Dot};
  canvas_.Polyline(std::vector<TPoint>{{-4, 9}, {11, 2}});
  canvas_.Polyline(std::vector<TPoint>{{1, 1}});  // one point: nothing
  EXPECT_EQ(Body(),
            "<line x1=\"3.5\" y1=\"4.5\" x2=\"20.5\" y2=\"9.5\" stroke=\"#ff0000\"/>\n"
            "<polyline points=\"1.5,2.5 30.5,5.5 7.5,40.5\" fill=\"none\" stroke=\"#80ff00\" stroke-width=\"3\" "
            "stroke-linecap=\"round\" stroke-linejoin=\"round\"/>\n"
            "<polyline points=\"-3.5,9.5 11.5,2.5\" fill=\"none\" stroke=\"#563412\" stroke-dasharray=\"3 3\"/>\n");
  EXPECT_EQ(canvas_.PenPos, (TPoint{20, 9}));
}

TEST_F(SvgCanvas, ShapesLeaveOutTheirRightAndBottomEdgeAndFillWithTheBrush) {
  canvas_.Pen = TPen{0xFFFFFF, 1};
  canvas_.SetBrushColor(0x123456);
  canvas_.Polygon(std::vector<TPoint>{{10, 0}, {40, 5}, {12, 33}});
  canvas_.SetBrushStyle(TBrushStyle::Clear);
  canvas_.Ellipse(40, 25, 10, 20);  // corners in any order
  canvas_.SetBrushColor(0x00A0FF);
  canvas_.Rectangle(10, 20, 40, 27);
  canvas_.Rectangle(10, 20, 10, 27);  // no width: nothing
  canvas_.Ellipse(5, 5, 9, 5);        // no height: nothing
  EXPECT_EQ(Body(),
            "<polygon points=\"10.5,0.5 40.5,5.5 12.5,33.5\" fill=\"#563412\" fill-rule=\"evenodd\" "
            "stroke=\"#ffffff\"/>\n"
            "<ellipse cx=\"25\" cy=\"22.5\" rx=\"14.5\" ry=\"2\" fill=\"none\" stroke=\"#ffffff\"/>\n"
            "<rect x=\"10.5\" y=\"20.5\" width=\"29\" height=\"6\" fill=\"#ffa000\" stroke=\"#ffffff\"/>\n");
}

TEST_F(SvgCanvas, ArcsAndPiesRunCounterClockwiseFromTheStartRay) {
  canvas_.Pen = TPen{0x0000FF, 2};
  // Circle of the box 0..100: centre (50, 50) at pixel centres, radius 49.5;
  // from 3 o'clock to noon is a quarter, counter-clockwise.
  canvas_.Arc(0, 0, 100, 100, 100, 50, 50, 0);
  // Ellipse 0..100 × 0..60 (half axes 49.5, 29.5, centre (50, 30)): from
  // noon to 3 o'clock is three quarters, the large arc.
  canvas_.SetBrushColor(0x0000FF);
  canvas_.SetBrushStyle(TBrushStyle::DiagCross);
  canvas_.Pie(0, 0, 100, 60, 50, 0, 100, 30);
  // Equal rays: the whole ellipse, in two halves.
  canvas_.Pen = TPen{0x00FF00, 1};
  canvas_.Arc(10, 10, 30, 50, 40, 30, 40, 30);
  canvas_.Arc(0, 0, 1, 50, 0, 0, 1, 1);  // one pixel wide: nothing
  EXPECT_EQ(Body(),
            "<path d=\"M99.5 50A49.5 49.5 0 0 0 50 0.5\" fill=\"none\" stroke=\"#ff0000\" stroke-width=\"2\" "
            "stroke-linecap=\"round\" stroke-linejoin=\"round\"/>\n"
            "<path d=\"M50 30L50 0.5A49.5 29.5 0 1 0 99.5 30Z\" fill=\"url(#hatch-ff0000)\" stroke=\"#ff0000\" "
            "stroke-width=\"2\" stroke-linecap=\"round\" stroke-linejoin=\"round\"/>\n"
            "<path d=\"M29.5 30A9.5 19.5 0 0 0 10.5 30A9.5 19.5 0 0 0 29.5 30\" fill=\"none\" stroke=\"#00ff00\"/>\n");
  const std::string doc = canvas_.Document();
  EXPECT_NE(doc.find("<defs>\n<pattern id=\"hatch-ff0000\" patternUnits=\"userSpaceOnUse\" width=\"8\" height=\"8\">"
                     "<path d=\"M0 0L8 8M8 0L0 8\" stroke=\"#ff0000\" fill=\"none\"/></pattern>\n</defs>\n"),
            std::string::npos);
}

TEST_F(SvgCanvas, AnXorPenIsTheColourItGivesOverTheBackgroundAndAFillIsAlwaysACopy) {
  canvas_.Pen = TPen{0x10FFFF, 1, TPenStyle::Solid, TPenMode::Xor};
  canvas_.SetBrushColor(0x0000FF);
  canvas_.Rectangle(1, 2, 5, 9);
  canvas_.FillRect(TRect{5, 6, 25, 16});
  canvas_.SetBrushStyle(TBrushStyle::Clear);
  canvas_.FillRect(TRect{0, 0, 50, 50});  // a clear brush fills nothing
  canvas_.SetBrushColor(0x00FF00);
  canvas_.FillRect(TRect{9, 9, 9, 20});   // no width: nothing
  // 0x10FFFF ^ 0x404040 = 0x50BFBF; 0x0000FF ^ 0x404040 = 0x4040BF.
  EXPECT_EQ(Body(),
            "<rect x=\"1.5\" y=\"2.5\" width=\"3\" height=\"6\" fill=\"#bf4040\" stroke=\"#bfbf50\"/>\n"
            "<rect x=\"5\" y=\"6\" width=\"20\" height=\"10\" fill=\"#ff0000\"/>\n");
}

TEST_F(SvgCanvas, TextsTurnByTheirEscapementAndAlignByTheirReferencePoint) {
  TFontDesc font;
  font.Height = -13;
  font.Escapement = 900;
  font.Weight = 700;
  font.Italic = true;
  font.FaceName = "Arial Cyr";
  canvas_.SetFont(font);
  canvas_.FontColor = 0x00FF00;
  canvas_.TextAlign = TTextAlign::CenterTop;
  canvas_.TextOut(100, 50, "Ab");
  font = TFontDesc{};
  font.Height = 6;  // a cell height: the fixed measure's em is twice it
  font.FaceName = "Times New Roman";
  font.Underline = true;
  font.StrikeOut = true;
  canvas_.SetFont(font);
  canvas_.FontColor = 0xFF0000;
  canvas_.TextAlign = TTextAlign::LeftTop;
  canvas_.TextTransparent = false;
  canvas_.BackColor = 0x00FFFF;
  canvas_.TextOut(7, 9, "abc");
  canvas_.TextAlign = TTextAlign::BaselineLeft;
  canvas_.TextTransparent = true;
  canvas_.TextOut(30, 40, "");  // nothing
  canvas_.TextOut(30, 40, "x");
  EXPECT_EQ(Body(),
            "<text x=\"100\" y=\"60\" text-anchor=\"middle\" font-family=\"Liberation Sans, sans-serif\" "
            "font-size=\"13\" font-weight=\"700\" font-style=\"italic\" fill=\"#00ff00\" "
            "transform=\"rotate(-90 100 50)\" xml:space=\"preserve\">Ab</text>\n"
            "<rect x=\"7\" y=\"9\" width=\"21\" height=\"14\" fill=\"#ffff00\"/>\n"
            "<text x=\"7\" y=\"19\" font-family=\"Liberation Serif, serif\" font-size=\"12\" "
            "text-decoration=\"underline line-through\" fill=\"#0000ff\" xml:space=\"preserve\">abc</text>\n"
            "<text x=\"30\" y=\"40\" font-family=\"Liberation Serif, serif\" font-size=\"12\" "
            "text-decoration=\"underline line-through\" fill=\"#0000ff\" xml:space=\"preserve\">x</text>\n");
  EXPECT_EQ(canvas_.TextExtent("abcd"), (TSize{28, 14}));
}

TEST_F(SvgCanvas, PrimitivesGoIntoTheGroupsOfTheirLayerAndItemAndEmptyOnesLeaveNone) {
  canvas_.SetBrushColor(0x404040);
  canvas_.FillRect(TRect{0, 0, 640, 480});  // the background, in no layer
  canvas_.BeginLayer(4);
  canvas_.BeginItem(41, 3);
  canvas_.Line(1, 1, 2, 2);
  canvas_.Line(2, 2, 3, 1);
  canvas_.EndItem();
  canvas_.BeginItem(42, 2);  // draws nothing
  canvas_.EndItem();
  canvas_.BeginItem(40, 0);
  canvas_.Line(5, 5, 6, 5);
  canvas_.EndItem();
  canvas_.EndLayer();
  canvas_.BeginLayer(5);  // draws nothing
  canvas_.EndLayer();
  canvas_.BeginLayer(12);
  canvas_.BeginItem(7, 11);
  canvas_.Line(9, 9, 9, 8);
  // The document closes what is still open.
  EXPECT_EQ(Body(),
            "<rect x=\"0\" y=\"0\" width=\"640\" height=\"480\" fill=\"#404040\"/>\n"
            "<g id=\"layer-4\">\n"
            "<g data-type=\"41\" data-index=\"3\">\n"
            "<line x1=\"1.5\" y1=\"1.5\" x2=\"2.5\" y2=\"2.5\" stroke=\"#000000\"/>\n"
            "<line x1=\"2.5\" y1=\"2.5\" x2=\"3.5\" y2=\"1.5\" stroke=\"#000000\"/>\n"
            "</g>\n"
            "<g data-type=\"40\" data-index=\"0\">\n"
            "<line x1=\"5.5\" y1=\"5.5\" x2=\"6.5\" y2=\"5.5\" stroke=\"#000000\"/>\n"
            "</g>\n"
            "</g>\n"
            "<g id=\"layer-12\">\n"
            "<g data-type=\"7\" data-index=\"11\">\n"
            "<line x1=\"9.5\" y1=\"9.5\" x2=\"9.5\" y2=\"8.5\" stroke=\"#000000\"/>\n"
            "</g>\n"
            "</g>\n");
}

TEST_F(SvgCanvas, ARasterImageIsAPlaceholderInItsAverageColour) {
  TRasterImage image{2, 2, {0x0000FF, 0x0000FF, 0xFF0000, 0x00FF00}, {}};
  canvas_.StretchDraw(TRect{30, 40, 10, 45}, image);
  // Red 510/4 = 127.5 → 128, green 255/4 = 63.75 → 64, blue 63.75 → 64.
  EXPECT_EQ(Body(), "<rect x=\"10\" y=\"40\" width=\"20\" height=\"5\" fill=\"#804040\"/>\n");
}

TEST(SvgText, EveryTextBecomesWellFormedXmlWhateverItsBytes) {
  struct TCase {
    const char* Name;
    std::string In;
    std::string Out;
  };
  const std::string fffd = "\xEF\xBF\xBD";
  const std::vector<TCase> cases = {
      {"markup", "<script>alert('x')</script>", "&lt;script&gt;alert(&apos;x&apos;)&lt;/script&gt;"},
      {"cdata end and ampersand", "a]]>b & \"c\"", "a]]&gt;b &amp; &quot;c&quot;"},
      {"tab and line ends kept as references", "1\t2\n3\r", "1&#9;2&#10;3&#13;"},
      {"other control characters", std::string("a\x01") + '\0' + "\x1f\x7f" + "b", "a" + fffd + fffd + fffd + "\x7f" + "b"},
      {"Cyrillic and an emoji pass", "Ж ул. \xF0\x9F\x98\x80", "Ж ул. \xF0\x9F\x98\x80"},
      {"a lone continuation and a bad lead byte", "x\x80y\xFFz", "x" + fffd + "y" + fffd + "z"},
      {"a truncated sequence at the end", "ok\xD0", "ok" + fffd},
      {"a truncated sequence before ASCII", "\xE2\x82" "A", fffd + fffd + "A"},
      {"an overlong slash", "\xC0\xAF", fffd + fffd},
      {"a surrogate, byte by byte", "\xED\xA0\x80", fffd + fffd + fffd},
      {"U+FFFE", "\xEF\xBF\xBE", fffd},
      {"beyond U+10FFFF, byte by byte", "\xF4\x90\x80\x80", fffd + fffd + fffd + fffd},
  };
  for (const auto& c : cases) EXPECT_EQ(XmlEscape(c.In), c.Out) << c.Name;
}

TEST(SvgText, NumbersAndColours) {
  EXPECT_EQ(SvgNumber(2.5), "2.5");
  EXPECT_EQ(SvgNumber(10), "10");
  EXPECT_EQ(SvgNumber(-3.1), "-3.1");
  EXPECT_EQ(SvgNumber(1.23456), "1.235");
  EXPECT_EQ(SvgNumber(-0.0001), "0");
  EXPECT_EQ(SvgNumber(1234567.25), "1234567.25");
  EXPECT_EQ(SvgColor(0x123456), "#563412");
  EXPECT_EQ(SvgColor(0xFF000000u | 0x0A0B0C), "#0c0b0a");
}
