// The folder store's editing lock of a passport, as the viewer takes it:
// held by one, refused to another, given back, and taken over from a
// process that ended without giving it back.
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>

#include "QtTestSupport.h"
#include "qt/PassportLock.h"
#include "store/FolderStore.h"

using namespace qtsupport;

namespace {

// The id of a process of this machine that has ended.
qint64 EndedPid() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  int status = 0;
  ::waitpid(child, &status, 0);
  return child;
}

}  // namespace

class StoreLockTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    Db_ = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(Db_->path()).mkdir("svo4"));
    Store_ = std::make_unique<TFolderStore>(Db_->path().toStdString(), QtLockMaker());
  }

  void aHeldLockIsRefusedToAnotherUntilItIsGivenBack() {
    std::unique_ptr<TStoreLock> mine = Store_->Lock("svo4");
    std::unique_ptr<TStoreLock> theirs = Store_->Lock("svo4");
    QVERIFY(mine && theirs);
    QVERIFY(!mine->Holder());
    QVERIFY(mine->TryLock());
    QVERIFY(mine->IsLocked());
    QVERIFY(!theirs->TryLock());
    QVERIFY(!theirs->IsLocked());
    QCOMPARE(int(theirs->Error()), int(TStoreLock::TError::Held));
    const std::optional<TLockOwner> holder = theirs->Holder();
    QVERIFY(holder);
    QCOMPARE(holder->Pid, QCoreApplication::applicationPid());
    QCOMPARE(QString::fromStdString(holder->Machine), QSysInfo::machineHostName());
    QCOMPARE(QString::fromStdString(holder->User), TPassportLock::Self().User);
    // Another passport of the same database is free.
    QVERIFY(QDir(Db_->path()).mkdir("svo12"));
    std::unique_ptr<TStoreLock> other = Store_->Lock("svo12");
    QVERIFY(other->TryLock());

    mine->Unlock();
    QVERIFY(!mine->IsLocked());
    QVERIFY(!theirs->Holder());
    QVERIFY(!QFile::exists(Db_->path() + "/svo4/svpass.lock"));
    QVERIFY(theirs->TryLock());
    QCOMPARE(int(theirs->Error()), int(TStoreLock::TError::None));
  }

  void aLockLeftByAnEndedProcessOfThisMachineIsTakenOver() {
    QFile stale(Db_->path() + "/svo4/svpass.lock");
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write(QByteArray::number(EndedPid()) + "\nsvpass\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();
    std::unique_ptr<TStoreLock> lock = Store_->Lock("svo4");
    QVERIFY(!lock->Holder());
    QVERIFY(lock->TryLock());
    QCOMPARE(lock->Holder()->Pid, QCoreApplication::applicationPid());
  }

  void aLockHeldOnAnotherMachineIsNeverBroken() {
    QFile remote(Db_->path() + "/svo4/svpass.lock");
    QVERIFY(remote.open(QIODevice::WriteOnly));
    remote.write(QByteArray::number(EndedPid()) + "\nsvpass\nsome-other-machine\n");
    remote.close();
    std::unique_ptr<TStoreLock> lock = Store_->Lock("svo4");
    QVERIFY(!lock->TryLock());
    QCOMPARE(int(lock->Error()), int(TStoreLock::TError::Held));
    QCOMPARE(QString::fromStdString(lock->Holder()->Machine), QStringLiteral("some-other-machine"));
  }

 private:
  std::unique_ptr<QTemporaryDir> Db_;
  std::unique_ptr<TFolderStore> Store_;
};

SVPASS_QTEST_MAIN(StoreLockTest)
#include "StoreLockTest.moc"
