#pragma once
// Small pictures of items for the dialogs' buttons, drawn by the items' own
// code through the Qt canvas, so a dialog shows what the scheme will show.
#include <QColor>
#include <QPixmap>

// A road sign of `kind` (1..18) standing upright in a square of `size`
// device-independent pixels on `background`.
QPixmap SignPicture(int kind, int size, qreal devicePixelRatio, const QColor& background);
// A signal head: 0 vehicle (with `arrowKind` in its face), 1 pedestrian,
// 2 tram, hanging down from the top of the square, showing green.
QPixmap HeadPicture(int headKind, int arrowKind, int size, qreal devicePixelRatio, const QColor& background);

