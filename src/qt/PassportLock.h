#pragma once
// The editing lock of one passport directory. A passport database usually
// lives on a share that several engineers use; while one of them edits a
// passport's scheme, the lock tells every other instance of the program to
// open that passport for viewing only, and whom to ask.
//
// The lock is a lock file in the passport directory with the usual rules: a
// lock left behind by a process that no longer runs on this machine is taken
// over; a lock held on another machine is never broken. Beside it a small
// file names the user and the machine that hold it.
#include <QLockFile>
#include <QString>
#include <memory>
#include <optional>

#include "store/FolderStore.h"

struct TLockHolder {
  QString User;
  QString Machine;
  qint64 Pid = 0;
};

class TPassportLock {
 public:
  // `passportDir`: the passport directory, with or without a trailing separator.
  explicit TPassportLock(const QString& passportDir);
  ~TPassportLock();
  TPassportLock(const TPassportLock&) = delete;
  TPassportLock& operator=(const TPassportLock&) = delete;

  // Takes the lock when nobody holds it (or only a dead process of this
  // machine did). False when it is held; Holder() then says by whom.
  bool TryLock();
  bool IsLocked() const { return Locked_; }
  // Why the last TryLock failed: held by another, or the directory cannot be written.
  QLockFile::LockError Error() const { return Error_; }
  void Unlock();

  // Who holds the lock of the passport now; nothing when it is free or stale.
  static std::optional<TLockHolder> Holder(const QString& passportDir);
  // The lock file and the file naming its holder.
  static QString LockFilePath(const QString& passportDir);
  static QString OwnerFilePath(const QString& passportDir);
  // The user and the machine this instance runs as.
  static TLockHolder Self();

 private:
  QString Dir_;
  std::unique_ptr<QLockFile> File_;
  bool Locked_ = false;
  QLockFile::LockError Error_ = QLockFile::NoError;
};

// "пользователь ivanov на компьютере PC-12"
QString HolderText(const TLockHolder& holder);
// The refusal shown when the editor cannot have the passport in `passportDir`.
QString LockedPassportMessage(const TLockHolder& holder, const QString& passportDir);

// The lock above as the folder store's lock of a passport.
class TQtStoreLock : public TStoreLock {
 public:
  explicit TQtStoreLock(const std::string& passportDir);
  bool TryLock() override;
  bool IsLocked() const override { return Lock_.IsLocked(); }
  TError Error() const override;
  void Unlock() override { Lock_.Unlock(); }
  std::optional<TLockOwner> Holder() const override;

 private:
  QString Dir_;
  TPassportLock Lock_;
};
// What the viewer gives the folder store to lock its passports with.
TFolderStore::TLockMaker QtLockMaker();
