#include "Cursors.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QMap>
#include <QPixmap>
#include <QToolButton>
#include <QtMath>

#include "platform/ProgramDir.h"

namespace {

struct TCursorDef {
  int Number;
  const char* Name;
  int HotX, HotY;
  Qt::CursorShape Fallback;
};

// Tool cursors have their hot spot where the item goes: the cross centre of
// the placing cursors, the finger tip, the centre of the magnifier.
const TCursorDef kCursors[] = {
    {crSLB, "SLBCursor", 15, 15, Qt::CrossCursor},       {crCB, "CBCursor", 15, 15, Qt::CrossCursor},
    {crSV, "SVCursor", 15, 15, Qt::CrossCursor},         {crECable, "ECableCursor", 15, 15, Qt::CrossCursor},
    {crHand, "HandCursor", 15, 15, Qt::OpenHandCursor},  {crFist, "FistCursor", 15, 15, Qt::ClosedHandCursor},
    {crWell, "WellCursor", 15, 15, Qt::CrossCursor},     {crContr, "ContrCursor", 15, 15, Qt::CrossCursor},
    {crStolb, "StolbCursor", 15, 15, Qt::CrossCursor},   {crZoomIn, "ZoomInCursor", 12, 12, Qt::CrossCursor},
    {crZoomOut, "ZoomOutCursor", 12, 12, Qt::CrossCursor}, {crStick, "StickCursor", 15, 15, Qt::CrossCursor},
    {crHead, "HeadCur", 15, 15, Qt::CrossCursor},        {crSign, "SignCursor", 15, 15, Qt::CrossCursor},
    {crPlaceText, "PlaceTextCur", 15, 15, Qt::IBeamCursor}, {crNapr, "NaprCursor", 15, 15, Qt::CrossCursor},
    {crFerma, "FermaCursor", 15, 15, Qt::CrossCursor},   {crRail, "RailCursor", 15, 15, Qt::CrossCursor},
    {crBuild, "BuildCursor", 15, 15, Qt::CrossCursor},   {crZebra, "ZebraCursor", 15, 15, Qt::CrossCursor},
};

// Each pixel of a pixel drawing as a ratio x ratio block, for a screen of
// that pixel ratio.
QPixmap Sharp(const QPixmap& image, int ratio) {
  if (image.isNull() || ratio == 1) return image;
  QPixmap big = image.scaled(image.size() * ratio, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  big.setDevicePixelRatio(ratio);
  return big;
}

QMap<int, QCursor>& Registry() {
  static QMap<int, QCursor> registry;
  return registry;
}

}  // namespace

void RegisterCursors() {
  if (!Registry().isEmpty()) return;
  // Cursors are pixel drawings too: on a high-resolution screen each pixel
  // becomes a block of whole screen pixels, so that they keep their size
  // and stay sharp.
  const int ratio = qMax(1, qCeil(qApp->devicePixelRatio() - 0.01));
  for (const TCursorDef& def : kCursors) {
    const QString file = QString::fromStdString(ProgramDir()) + QStringLiteral("cursors/") +
                         QString::fromLatin1(def.Name) + QStringLiteral(".xpm");
    const QPixmap image = Sharp(QPixmap(file), ratio);
    // The hot spot is in the widget's pixels whatever the picture's ratio.
    Registry().insert(def.Number, image.isNull() ? QCursor(def.Fallback) : QCursor(image, def.HotX, def.HotY));
  }
}

QCursor SchemeCursor(int number) {
  RegisterCursors();
  return Registry().value(number, QCursor(Qt::ArrowCursor));
}

QString CursorName(int number) {
  for (const TCursorDef& def : kCursors)
    if (def.Number == number) return QString::fromLatin1(def.Name);
  return QString();
}

QIcon ToolIcon(const QString& name) {
  const QString file = QString::fromStdString(ProgramDir()) + QStringLiteral("icons/") + name + QStringLiteral(".xpm");
  const QPixmap image(file);
  if (image.isNull()) return QIcon();
  // The icons are pixel drawings: on a screen of twice the resolution each
  // pixel becomes a 2 x 2 block, sharp, rather than a smoothed enlargement.
  QIcon icon;
  icon.addPixmap(image);
  icon.addPixmap(Sharp(image, 2));
  return icon;
}

QToolButton* MakeToolButton(QWidget* parent, const QString& icon, const QString& text, const QString& hint,
                            bool checkable, int side) {
  auto* b = new QToolButton(parent);
  const QIcon image = ToolIcon(icon);
  if (image.isNull())
    b->setText(text);
  else
    b->setIcon(image);
  b->setIconSize(QSize(24, 24));
  b->setToolTip(hint);
  b->setCheckable(checkable);
  b->setAutoRaise(true);
  b->setFixedSize(side, side);
  return b;
}
