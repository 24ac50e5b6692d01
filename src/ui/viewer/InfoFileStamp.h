#pragma once
// What info.txt was when the passport information was read or written: the
// file's stamp, so that saving never overwrites without asking a file that
// someone else changed on disk in the meantime, and whether it was read to
// its end, so that saving never drops without asking the part of a damaged
// file that could not be read.
#include <QString>

#include "qt/FileStamp.h"

class TInfoFileStamp {
 public:
  // Remembers the file as it is now, after reading or writing it; readWhole:
  // every field of it was read (a damaged file stops the reading part-way).
  void Take(const QString& path, bool readWhole);
  const TFileStamp& Read() const { return Read_; }
  // Written, created or removed since it was taken.
  bool ChangedOnDisk() const { return !Path_.isEmpty() && Read_.ChangedOnDisk(Path_); }
  // Writing the information over a file read only in part loses the rest.
  bool ReadWhole() const { return ReadWhole_; }
  QString PartlyReadQuestion() const;

 private:
  QString Path_;
  TFileStamp Read_;
  bool ReadWhole_ = true;
};
