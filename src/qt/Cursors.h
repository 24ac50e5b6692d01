#pragma once
// The scheme cursors, by their numbers: 5 SLBCursor, 6 CBCursor, 7 SVCursor,
// 9 ECableCursor, 10 HandCursor, 11 FistCursor, 12 WellCursor, 14
// ContrCursor, 15 StolbCursor, 16 ZoomInCursor, 17 ZoomOutCursor, 18
// StickCursor, 19 HeadCur, 20 SignCursor, 21 PlaceTextCur, 22 NaprCursor, 23
// FermaCursor, 24 RailCursor, 25 BuildCursor, 26 ZebraCursor. The images are
// read from "cursors/<name>.xpm" beside the program.
#include <QCursor>
#include <QIcon>
#include <QString>

#include "edit/CursorIds.h"

class QToolButton;
class QWidget;

enum TCursorNumber {
  crSLB = CursorId::Slb,
  crCB = CursorId::Cb,
  crSV = CursorId::Sv,
  crECable = CursorId::ECable,
  crHand = CursorId::Hand,
  crFist = CursorId::Fist,
  crWell = CursorId::Well,
  crContr = CursorId::Contr,
  crStolb = CursorId::Stolb,
  crZoomIn = CursorId::ZoomIn,
  crZoomOut = CursorId::ZoomOut,
  crStick = CursorId::Stick,
  crHead = CursorId::Head,
  crSign = CursorId::Sign,
  crPlaceText = CursorId::PlaceText,
  crNapr = CursorId::Napr,
  crFerma = CursorId::Ferma,
  crRail = CursorId::Rail,
  crBuild = CursorId::Build,
  crZebra = CursorId::Zebra,
};

// Loads every cursor once; later calls do nothing.
void RegisterCursors();
// The cursor of the number, or the arrow for a number without one.
QCursor SchemeCursor(int number);
// The resource name of the number ("HandCursor"), empty when none.
QString CursorName(int number);

// A tool icon from "icons/<name>.xpm" beside the program; null when missing.
QIcon ToolIcon(const QString& name);
// A square tool button of `side` pixels showing the tool's icon, or `text`
// where the icon is missing, with the hint as its tooltip.
QToolButton* MakeToolButton(QWidget* parent, const QString& icon, const QString& text, const QString& hint,
                            bool checkable, int side);
