#include "EditorDialogs.h"

namespace {

// Until the dialog models are in, every dialog answers as if cancelled.
class TCancelledDialogs : public TEditorDialogs {
public:
  bool Pole(TSTOLB &) override { return false; }
  int Sign(std::string &) override { return kSignCancelled; }
  void WhiteSign(TWhiteSign &) override {}
  bool Text(std::string &) override { return false; }
  int Head(TSVInfo &) override { return kHeadCancelled; }
  void FillHead(THead &, TSVInfo &, std::string &) override {}
  bool Napr(TNapr &, int, std::string &) override { return false; }
  bool LaneArrow(int &) override { return false; }
  bool Line(int &) override { return false; }
  bool Cable(int &, std::string &, std::string &) override { return false; }
  bool CableType(int &) override { return false; }
};

} // namespace

std::unique_ptr<TEditorDialogs> MakeEditorDialogs(TDialogHost &) {
  return std::make_unique<TCancelledDialogs>();
}
