// The editor's picture cache: while a label follows the mouse, the scheme
// restored from the picture last painted must be the scheme painted anew,
// pixel for pixel; and only the visible part of a base image is drawn.
#include <QImage>
#include <QtTest>

#include "QtTestSupport.h"

#include "edit/EditSession.h"
#include "model/SVObject.h"
#include "platform/Dialogs.h"
#include "qt/QtCanvas.h"

namespace {

class TLabelHost : public TDialogHost {
 public:
  int Execute(TDialogModel& model) override {
    model.SetText("textfield", "ДК-1");
    return model.Press(TDialogButton::Ok);
  }
};

}  // namespace

class EditPictureCacheTest : public QObject {
  Q_OBJECT

 private slots:
  void a_label_preview_over_the_cached_picture_equals_one_over_a_full_repaint() {
    // A controller's label (a leader, a frame and its text) and a free text
    // turned towards the mouse; on an ordinary and on a high-resolution
    // screen, where the picture has two pixels to a window pixel each way.
    struct TCase {
      const char* Tool;
      std::vector<QPoint> Clicks;
      int Mode;
    };
    const TCase cases[] = {{"Контроллер", {{300, 200}, {340, 200}, {320, 160}}, 2}, {"Подпись", {{300, 200}}, 1}};
    for (const TCase& c : cases)
    for (const int ratio : {1, 2}) {
      TSVObject scheme(QString(SVPASS_SOURCE_DIR "/data/Data/svo1/").toStdString());
      scheme.LoadAll();
      QImage picture(640 * ratio, 480 * ratio, QImage::Format_RGB32);
      picture.setDevicePixelRatio(ratio);
      TQtCanvas canvas(&picture);
      TLabelHost host;
      TEditSession session(scheme, host);
      session.SetCanvas(&canvas, 640, 480);
      session.Prepare();
      session.Show();
      QVERIFY(session.ChooseTool(c.Tool));
      for (const QPoint& p : c.Clicks) session.MouseDown(p.x(), p.y());
      QCOMPARE(session.Cursor(), 21);
      // Each move restores what the one before drew over: short steps, a
      // jump across the window, and one to its corner.
      const QPoint moves[] = {{420, 140}, {450, 120}, {120, 400}, {630, 10}, {310, 250}};
      for (const QPoint& m : moves) {
        session.MouseMove(m.x(), m.y());
        const QImage cached = picture.copy();
        // The same preview over a scheme painted anew.
        session.Repaint();
        session.RepaintWithPreview(c.Mode);
        const QImage fresh = picture.copy();
        QCOMPARE(cached.size(), fresh.size());
        int differing = 0;
        for (int y = 0; y < fresh.height(); ++y)
          for (int x = 0; x < fresh.width(); ++x) differing += cached.pixel(x, y) != fresh.pixel(x, y) ? 1 : 0;
        QVERIFY2(differing == 0, qPrintable(QString("%1, ratio %2, move to %3,%4: %5 pixels differ")
                                                .arg(c.Tool).arg(ratio).arg(m.x()).arg(m.y()).arg(differing)));
        // And the preview did draw something over the scheme.
        session.Repaint();
        QVERIFY(picture != fresh);
        session.RepaintWithPreview(c.Mode);
      }
    }
  }

  void a_base_image_is_drawn_from_its_visible_part_only() {
    TSVObject scheme(QString(SVPASS_SOURCE_DIR "/data/Data/svo1/").toStdString());
    QImage picture(200, 100, QImage::Format_RGB32);
    TQtCanvas canvas(&picture);
    TLabelHost host;
    TEditSession session(scheme, host);
    session.SetCanvas(&canvas, 200, 100);
    session.Show();
    // A 300 x 60 image: left half red, right half blue, at world (-100, 10),
    // zoom 2, origin (0, 0): its screen rectangle is (-200, 20)-(400, 140),
    // so the paint box shows image columns 100..199 (the boundary at 150
    // lands on screen x 100) and rows 0..39.
    TRasterImage image;
    image.Width = 300;
    image.Height = 60;
    for (int y = 0; y < 60; ++y)
      for (int x = 0; x < 300; ++x) image.Pixels.push_back(x < 150 ? clRed : clBlue);
    TDrawContext& ctx = session.Context();
    ctx.Zoom = 2;
    ctx.OriginX = 0;
    ctx.OriginY = 0;
    ctx.BaseImageX = -100;
    ctx.BaseImageY = 10;
    session.LoadBase(image);
    QCOMPARE(QColor(picture.pixel(50, 60)), QColor(Qt::red));
    QCOMPARE(QColor(picture.pixel(150, 60)), QColor(Qt::blue));
    QCOMPARE(QColor(picture.pixel(50, 10)), QColor(0x40, 0x40, 0x40));
    session.ToggleBase();
    QCOMPARE(QColor(picture.pixel(50, 60)), QColor(0x40, 0x40, 0x40));
  }
};

SVPASS_QTEST_MAIN(EditPictureCacheTest)
#include "EditPictureCacheTest.moc"
