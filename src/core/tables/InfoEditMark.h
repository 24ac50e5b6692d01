#pragma once
// Marks the passport information as holding unsaved edits when a dialog's Ok
// really changed it. Confirming a dialog without changes must not ask the
// user to save, and real edits must not be lost to a reload.
#include <string>

#include "plan/SVInfo.h"

class TInfoEditMark {
 public:
  explicit TInfoEditMark(TSVInfo& info) : Info_(info), Before_(info.SavedBytes()) {}
  ~TInfoEditMark() {
    if (!Info_.Modified && Info_.SavedBytes() != Before_) Info_.Modified = true;
  }
  TInfoEditMark(const TInfoEditMark&) = delete;
  TInfoEditMark& operator=(const TInfoEditMark&) = delete;

 private:
  TSVInfo& Info_;
  std::string Before_;
};
