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
// and moves it so that its frame lies on the screen.
void KeepOnScreen(QWidget* window);
