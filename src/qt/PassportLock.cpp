#include "PassportLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QSysInfo>

namespace {

QString WithSeparator(const QString& dir) {
  QString d = QDir::fromNativeSeparators(dir);
  if (!d.endsWith('/')) d += '/';
  return d;
}

// A lock is never broken by its age: an engineer may keep a passport open
// in the editor for hours. Only a dead holder on this machine frees it.
void NeverStaleByAge(QLockFile& file) { file.setStaleLockTime(0); }

QString ReadOwnerUser(const QString& dir) {
  QFile f(TPassportLock::OwnerFilePath(dir));
  if (!f.open(QIODevice::ReadOnly)) return QString();
  return QString::fromUtf8(f.readLine()).trimmed();
}

}  // namespace

TPassportLock::TPassportLock(const QString& passportDir) : Dir_(WithSeparator(passportDir)) {}

TPassportLock::~TPassportLock() { Unlock(); }

QString TPassportLock::LockFilePath(const QString& passportDir) { return WithSeparator(passportDir) + "svpass.lock"; }

QString TPassportLock::OwnerFilePath(const QString& passportDir) {
  return WithSeparator(passportDir) + "svpass.lock.owner";
}

TLockHolder TPassportLock::Self() {
  TLockHolder self;
  self.User = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
  // Services and some shells leave both unset; the home folder is named after the user.
  if (self.User.isEmpty()) self.User = QDir::home().dirName();
  self.Machine = QSysInfo::machineHostName();
  self.Pid = QCoreApplication::applicationPid();
  return self;
}

bool TPassportLock::TryLock() {
  if (Locked_) return true;
  File_ = std::make_unique<QLockFile>(LockFilePath(Dir_));
  NeverStaleByAge(*File_);
  if (!File_->tryLock(0)) {
    Error_ = File_->error();
    File_.reset();
    return false;
  }
  Locked_ = true;
  Error_ = QLockFile::NoError;
  const TLockHolder self = Self();
  QSaveFile owner(OwnerFilePath(Dir_));
  if (owner.open(QIODevice::WriteOnly)) {
    owner.write((self.User + "\n" + self.Machine + "\n").toUtf8());
    owner.commit();
  }
  return true;
}

void TPassportLock::Unlock() {
  if (!Locked_) return;
  // The name goes first: a lock file without it still keeps others out,
  // a name without a lock would only mislead.
  QFile::remove(OwnerFilePath(Dir_));
  File_->unlock();
  File_.reset();
  Locked_ = false;
}

std::optional<TLockHolder> TPassportLock::Holder(const QString& passportDir) {
  const QString dir = WithSeparator(passportDir);
  if (!QFile::exists(LockFilePath(dir))) return std::nullopt;
  // Trying the lock applies exactly the rules a taker would: a stale lock
  // is cleared on the way, a live one is reported.
  QLockFile probe(LockFilePath(dir));
  NeverStaleByAge(probe);
  if (probe.tryLock(0)) {
    probe.unlock();
    return std::nullopt;
  }
  TLockHolder holder;
  QString application;
  if (!probe.getLockInfo(&holder.Pid, &holder.Machine, &application)) return std::nullopt;
  holder.User = ReadOwnerUser(dir);
  return holder;
}

QString HolderText(const TLockHolder& holder) {
  const QString user = holder.User.isEmpty() ? QStringLiteral("неизвестный пользователь")
                                             : QStringLiteral("пользователь ") + holder.User;
  if (holder.Machine.isEmpty()) return user + QStringLiteral(" на неизвестном компьютере");
  return user + QStringLiteral(" на компьютере ") + holder.Machine;
}

QString LockedPassportMessage(const TLockHolder& holder, const QString& passportDir) {
  // A machine that crashed while editing never lets go by itself; the
  // engineers need to know what to remove once they are sure of it.
  return QStringLiteral("Схему этого паспорта сейчас изменяет %1. Пока он не закончит, паспорт открыт только для "
                        "просмотра.\nЕсли на том компьютере программа уже не работает, удалите файл %2.")
      .arg(HolderText(holder), QDir::toNativeSeparators(TPassportLock::LockFilePath(passportDir)));
}

TQtStoreLock::TQtStoreLock(const std::string& passportDir)
    : Dir_(QString::fromStdString(passportDir)), Lock_(Dir_) {}

bool TQtStoreLock::TryLock() { return Lock_.TryLock(); }

TStoreLock::TError TQtStoreLock::Error() const {
  switch (Lock_.Error()) {
    case QLockFile::NoError:
      return TError::None;
    case QLockFile::LockFailedError:
      return TError::Held;
    default:
      return TError::CannotWrite;
  }
}

std::optional<TLockOwner> TQtStoreLock::Holder() const {
  const std::optional<TLockHolder> holder = TPassportLock::Holder(Dir_);
  if (!holder) return std::nullopt;
  return TLockOwner{holder->User.toStdString(), holder->Machine.toStdString(), holder->Pid};
}

TFolderStore::TLockMaker QtLockMaker() {
  return [](const std::string& passportDir) { return std::make_unique<TQtStoreLock>(passportDir); };
}
