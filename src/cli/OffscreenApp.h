#pragma once
// The commands that draw with Qt (render, print, export to PDF, edit's
// pictures) run without a display: Qt's offscreen platform and one
// application object for the run.
#include <QGuiApplication>
#include <memory>

inline std::unique_ptr<QGuiApplication> StartOffscreenApplication() {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // Qt keeps references to argc and argv for the application's lifetime.
  static int argc = 1;
  static char name[] = "svpass-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}
