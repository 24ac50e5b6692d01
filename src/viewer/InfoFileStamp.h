#pragma once
// What info.txt held when the passport information was read or written, so
// that saving never overwrites, without asking, a file that someone else
// changed on disk in the meantime.
#include <QByteArray>
#include <QDateTime>
#include <QString>

class TInfoFileStamp {
 public:
  // Remembers the file as it is now, after reading or writing it; readWhole:
  // every field of it was read (a damaged file stops the reading part-way).
  void Take(const QString& path, bool readWhole);
  void Clear() { Path_.clear(); }
  // Writing the information over a file read only in part loses the rest.
  bool ReadWhole() const { return ReadWhole_; }
  QString PartlyReadQuestion() const;
  // The file's content differs from what was remembered, or it was removed.
  bool ChangedOnDisk() const;
  // The question shown before overwriting it: where it is and when it
  // changed.
  QString ChangedQuestion() const;

 private:
  static QByteArray Digest(const QString& path, bool& exists);

  QString Path_;
  bool Existed_ = false;
  bool ReadWhole_ = true;
  QByteArray Digest_;
};
