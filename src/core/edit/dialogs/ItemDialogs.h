#pragma once
// The nine item dialogs of the scheme editor, made once and kept for the
// editor's life so that every dialog offers its last choices again.
#include "SelArrowForm.h"
#include "SelCableForm.h"
#include "SelHeadForm.h"
#include "SelLineForm.h"
#include "SelNaprForm.h"
#include "SelSignForm.h"
#include "SetTextForm.h"
#include "StolbMenuForm.h"
#include "WhiteSignForm.h"

struct TItemDialogs {
  TStolbMenuForm Stolb;
  TSelSignForm Sign;
  TSetTextForm Text;
  TWhiteSignForm WhiteSign;
  TSelHeadForm Head;
  TSelNaprForm Napr;
  TSelArrowForm Arrow;
  TSelCableForm Cable;
  TSelLineForm Line;
};
