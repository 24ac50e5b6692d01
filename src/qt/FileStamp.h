#pragma once
// What a passport file looked like when it was read, so that it is never
// overwritten silently after someone else changed it on the share: the
// store's revision of it (its modification time and size, or that it did
// not exist).
#include <QDateTime>
#include <QString>

#include "store/PassportStore.h"

class QWidget;

class TFileStamp {
 public:
  TFileStamp() = default;
  explicit TFileStamp(const TRevision& revision) : Revision_(revision) {}
  // The file as it is on disk now.
  static TFileStamp Of(const QString& path);

  bool Exists() const { return Revision_.Exists; }
  QDateTime Modified() const;
  qint64 Size() const { return Revision_.Size; }
  const TRevision& Revision() const { return Revision_; }
  // Whether the file on disk now is not the one stamped: written, created
  // or removed since.
  bool ChangedOnDisk(const QString& path) const { return !(Of(path) == *this); }

  friend bool operator==(const TFileStamp& a, const TFileStamp& b) { return a.Revision_ == b.Revision_; }

 private:
  TRevision Revision_;
};

// Before writing `path`, read as `read`: true when it may be written — it
// is as it was read, or it has gone (nothing to lose), or the user agreed
// after being told when it changed.
bool MayOverwrite(QWidget* parent, const QString& path, const TFileStamp& read);
// The question MayOverwrite asks about a file found as `now`.
QString ChangedOnDiskQuestion(const QString& path, const TFileStamp& now);
