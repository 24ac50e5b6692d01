#pragma once
// The base image of the editor: a raster picture of the site (a survey plan,
// an aerial photograph) read from any picture format the program knows.
#include <QString>

#include "platform/Canvas.h"

class QImage;

// The picture in the editor's pixels (0x00BBGGRR, row by row from the top).
TRasterImage RasterFromImage(const QImage& image);

// Reads the picture; on failure `image` is left as it was and `error` says
// why ("Unsupported image format", a missing file, a damaged one).
bool ReadBaseImage(const QString& path, TRasterImage& image, QString& error);

// The filter of the open dialog: the picture formats and DXF drawings,
// the drawings alone, then every file.
QString BaseImageFilter();

// The message shown when the picture cannot be read.
QString BaseImageError(const QString& path, const QString& reason);
