#pragma once
// The commands that draw with Qt (render, print, export to PDF, edit's
// pictures) run without a display: Qt's offscreen platform and one
// application object for the run.
#include <QGuiApplication>
#include <cstdlib>
#include <memory>
#include <string>

#include <unistd.h>

namespace offscreen_detail {

// A run from cron or a container has no session, so no XDG_RUNTIME_DIR, and
// Qt would warn about it on every call: a private one for the run, removed
// at exit (the offscreen platform puts nothing in it).
inline void EnsureRuntimeDir() {
  const char* set = std::getenv("XDG_RUNTIME_DIR");
  if (set && *set) return;
  static std::string dir;
  char pattern[] = "/tmp/svpass-cli-XXXXXX";
  if (!::mkdtemp(pattern)) return;
  dir = pattern;
  ::setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
  std::atexit([] { ::rmdir(dir.c_str()); });
}

}  // namespace offscreen_detail

inline std::unique_ptr<QGuiApplication> StartOffscreenApplication() {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  offscreen_detail::EnsureRuntimeDir();
  // Qt keeps references to argc and argv for the application's lifetime.
  static int argc = 1;
  static char name[] = "svpass-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}
