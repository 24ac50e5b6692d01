#pragma once
// The nine item dialogs of the scheme editor, made once and kept for the
// editor's life so that every dialog offers its last choices again.
#include "SelArrowFormModel.h"
#include "SelCableFormModel.h"
#include "SelHeadFormModel.h"
#include "SelLineFormModel.h"
#include "SelNaprFormModel.h"
#include "SelSignFormModel.h"
#include "SetTextFormModel.h"
#include "StolbMenuFormModel.h"
#include "WhiteSignFormModel.h"

struct TItemDialogs {
  TStolbMenuFormModel Stolb;
  TSelSignFormModel Sign;
  TSetTextFormModel Text;
  TWhiteSignFormModel WhiteSign;
  TSelHeadFormModel Head;
  TSelNaprFormModel Napr;
  TSelArrowFormModel Arrow;
  TSelCableFormModel Cable;
  TSelLineFormModel Line;
};
