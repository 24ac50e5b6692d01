#pragma once
// Windows that stay on the screen they open on. A size a window asks for
// is cut to the screen's available area (without panels and docks), so a
// small screen or a large scale factor never leaves a window's buttons out
// of reach.
#include <QRect>
#include <QSize>

class QWidget;

// `wanted` cut to `available`, each side on its own.
QSize SizeWithin(QSize wanted, const QRect& available);
// The available area of the screen the widget is on (or would open on).
QRect AvailableArea(const QWidget* widget);
// Resizes a window to `wanted`, cut to its screen.
void ResizeWithinScreen(QWidget* window, QSize wanted);
// Cuts a laid-out top-level window (and its minimum size) to its screen
// and moves it so that its frame lies on the screen. A window not yet
// decorated by the window manager is given the frame of the window it
// belongs to.
void KeepOnScreen(QWidget* window);
// Shows a window that is not modal, fitted to its screen before it appears
// (a window manager places a window that is too tall with its bottom off
// the screen) and again once its frame is known.
void ShowWithinScreen(QWidget* window);

// The largest of the parts of `area` left, right, above and below `cover`
// (a window lying over it): where something shown in `area` stays in view.
// The whole area when the cover misses it or leaves nothing of it.
QRect LargestUncovered(const QRect& area, const QRect& cover);
