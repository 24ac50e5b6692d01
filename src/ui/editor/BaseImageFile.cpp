#include "BaseImageFile.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QStringList>

namespace {
// A scanned survey sheet or a photograph of 10 000 × 10 000 pixels takes
// 400 MB decoded; the reader's own guard is smaller than that.
constexpr int kAllocationLimitMb = 2048;
}  // namespace

TRasterImage RasterFromImage(const QImage& image) {
  TRasterImage out;
  if (image.isNull()) return out;
  const QImage rgb = image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
  out.Width = rgb.width();
  out.Height = rgb.height();
  out.Pixels.resize(static_cast<std::size_t>(out.Width) * static_cast<std::size_t>(out.Height));
  TColor* dst = out.Pixels.data();
  for (int y = 0; y < out.Height; ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < out.Width; ++x) {
      const QRgb p = line[x];
      *dst++ = static_cast<TColor>(qRed(p)) | static_cast<TColor>(qGreen(p)) << 8 |
               static_cast<TColor>(qBlue(p)) << 16;
    }
  }
  return out;
}

bool ReadBaseImage(const QString& path, TRasterImage& image, QString& error) {
  if (!QFileInfo(path).isFile()) {
    error = QStringLiteral("файл не найден");
    return false;
  }
  QImageReader::setAllocationLimit(kAllocationLimitMb);
  QImageReader reader(path);
  reader.setAutoTransform(true);
  QImage picture;
  if (!reader.read(&picture) || picture.isNull()) {
    error = reader.errorString();
    return false;
  }
  TRasterImage raster = RasterFromImage(picture);
  picture = QImage();
  if (raster.Empty()) {
    error = QStringLiteral("в файле нет изображения");
    return false;
  }
  image = std::move(raster);
  return true;
}

QString BaseImageFilter() {
  QStringList patterns{QStringLiteral("*.bmp")};
  for (const QByteArray& format : QImageReader::supportedImageFormats()) {
    const QString pattern = QStringLiteral("*.") + QString::fromLatin1(format).toLower();
    if (!patterns.contains(pattern)) patterns << pattern;
  }
  // Survey plans come as DXF drawings; they are offered with the pictures.
  patterns << QStringLiteral("*.dxf");
  return QStringLiteral("Графические файлы (%1);;Чертежи DXF (*.dxf);;Все файлы (*)").arg(patterns.join(' '));
}

QString BaseImageError(const QString& path, const QString& reason) {
  return QStringLiteral("При загрузке основы произошла ошибка.\nФайл: %1\nПричина: %2")
      .arg(QDir::toNativeSeparators(path), reason);
}
