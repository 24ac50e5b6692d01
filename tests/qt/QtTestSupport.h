#pragma once
// Window tests run on the offscreen platform unless told otherwise, answer
// every modal dialog through the modal seam, and build small passports in
// temporary directories.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "platform/Codec1251.h"
#include "platform/Messages.h"
#include "platform/ProgramDir.h"
#include "qt/Modal.h"

#define SVPASS_QTEST_MAIN(TestClass)                    \
  int main(int argc, char** argv) {                     \
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) \
      qputenv("QT_QPA_PLATFORM", "offscreen");          \
    QApplication app(argc, argv);                       \
    TestClass test;                                     \
    return QTest::qExec(&test, argc, argv);             \
  }

namespace qtsupport {

// Lines joined with CR LF and encoded as the passport files are.
inline std::string Lines1251(std::initializer_list<std::string> lines) {
  std::string out;
  for (const std::string& l : lines) out += l + "\r\n";
  return Encode1251(out);
}

inline void WriteFile(const QString& path, const std::string& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

inline QByteArray ReadFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A passport of a local object with three phases (10, 12 and 14 s in
// program I; 20, 22, 24 in II) and two directions: 1 open in phase 1 and
// 2 in phases 2 and 3, each with a 3-second green share, so the phases last
// 13, 12 and 17 seconds in program I.
inline std::string SampleInfo(int objectType = 1, const std::string& realScale = "1") {
  std::string text = Lines1251({"ул. Тестовая", "пр. Проверочный", std::to_string(objectType), "3", "1",
                                "5 10 20 30", "2", "5 12 22 32", "3", "5 14 24 34", "60", "2", "1", "1", "",
                                "3 2 1 0 0", "", "2", "2, 3", "", "3 2 1 0 0", ""});
  text += Encode1251("Комментарий");
  text += std::string(1, '\0') + "\r\n";
  text += Lines1251({"4 0", "8 0", "8 0"});
  text += std::string(1, '\0') + "\r\n";
  text += Lines1251({"0", realScale});
  return text;
}

// Two curbs meeting at the origin (200 along x, 100 along y), a building,
// and a vehicle head of direction 1 at (100, 50).
inline std::string SampleMap() {
  return Lines1251({"1", "0 0", "200 0", "1", "0 0", "0 100", "21", "4", "20 20", "60 20", "60 60", "20 60",
                    "notext", "10", "100 50", "0 0", "0 -12", "0", "1", "notext"});
}

inline void WritePassport(const QString& dir, const std::string& info, const std::string& map) {
  WriteFile(dir + "/info.txt", info);
  WriteFile(dir + "/map.txt", map);
}

// Answers modal dialogs while it lives: each dialog shown is handed to the
// handler, whose return value is the dialog's result.
class TAnswerer {
 public:
  explicit TAnswerer(std::function<int(QDialog&)> handler) {
    Previous_ = SetModalAnswerer([this, handler](QDialog& d) {
      Seen.push_back(d.metaObject()->className());
      if (auto* box = qobject_cast<QMessageBox*>(&d)) Boxes.push_back(box->windowTitle() + "|" + box->text());
      return handler(d);
    });
  }
  ~TAnswerer() { SetModalAnswerer(Previous_); }
  TAnswerer(const TAnswerer&) = delete;
  TAnswerer& operator=(const TAnswerer&) = delete;

  std::vector<QString> Seen;
  // "title|text" of every message box, in order.
  std::vector<QString> Boxes;

 private:
  TModalAnswerer Previous_;
};

// Every test of a window runs in a program directory of its own, so its
// settings, database and messages start empty: entered in init(), emptied
// again in cleanup().
inline void EnterProgramDir(const QTemporaryDir& dir, std::unique_ptr<TMessageCapture>& messages) {
  QVERIFY(dir.isValid());
  SetProgramDir(dir.path().toStdString());
  messages = std::make_unique<TMessageCapture>();
}

inline void LeaveProgramDir(const QTemporaryDir& dir, std::unique_ptr<TMessageCapture>& messages) {
  messages.reset();
  QDir(dir.path()).removeRecursively();
  QDir().mkpath(dir.path());
}

// Every entry of the menu (and of its submenus) has an Alt letter of its own.
inline QString MnemonicClash(QMenu* menu) {
  QSet<QChar> used;
  for (QAction* a : menu->actions()) {
    if (a->isSeparator() || a->text().isEmpty()) continue;
    const int amp = a->text().indexOf('&');
    if (amp < 0 || amp + 1 >= a->text().size()) return a->text() + " has no letter";
    const QChar letter = a->text().at(amp + 1).toLower();
    if (used.contains(letter)) return a->text() + " repeats " + letter;
    used.insert(letter);
    if (a->menu())
      if (const QString clash = MnemonicClash(a->menu()); !clash.isEmpty()) return clash;
  }
  return QString();
}

#ifdef SVPASS_CLI
// Runs the command-line tool as the engineer's other client; its exit code
// (-1 when it did not finish within a minute).
inline int Tool(const QStringList& args) {
  QProcess p;
  p.start(QStringLiteral(SVPASS_CLI), args);
  if (!p.waitForFinished(60000)) return -1;
  return p.exitCode();
}
#endif

// What a program printed on standard output.
inline QString ProgramOutput(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  p.waitForFinished(60000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace qtsupport
