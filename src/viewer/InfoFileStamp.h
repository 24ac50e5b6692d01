#pragma once
// What info.txt held when the passport information was read or written, so
// that saving never overwrites, without asking, a file that someone else
// changed on disk in the meantime.
#include <QByteArray>
#include <QDateTime>
#include <QString>

class TInfoFileStamp {
 public:
  // Remembers the file as it is now (after reading or writing it).
  void Take(const QString& path);
  void Clear() { Path_.clear(); }
  // The file's content differs from what was remembered, or it was removed.
  bool ChangedOnDisk() const;
  // The question shown before overwriting it: where it is and when it
  // changed.
  QString ChangedQuestion() const;

 private:
  static QByteArray Digest(const QString& path, bool& exists);

  QString Path_;
  bool Existed_ = false;
  QByteArray Digest_;
};
