#include "EditorDialogs.h"

#include "dialogs/ItemDialogs.h"
#include "items/CarHead.h"
#include "items/ECable.h"
#include "items/PedHead.h"
#include "items/TramHead.h"
#include "plan/SVInfo.h"
#include "platform/Dialogs.h"

namespace {

class TModelDialogs : public TEditorDialogs {
 public:
  explicit TModelDialogs(TDialogHost& host) : Host_(host) {}

  bool Pole(TSTOLB& pole) override {
    D_.Stolb.Prepare(&pole);
    const int r = Host_.Execute(D_.Stolb);
    D_.Stolb.Prepare(nullptr);
    return r == mrOk;
  }

  int Sign(std::string& number) override {
    D_.Sign.Prepare();
    const int r = Host_.Execute(D_.Sign);
    number = D_.Sign.Number();
    // The answer is the sign kind itself; the sign tool maps every kind,
    // the cancel answer included, to the class it makes.
    return r;
  }

  void WhiteSign(TWhiteSign& sign) override {
    D_.WhiteSign.Prepare(&sign);
    Host_.Execute(D_.WhiteSign);
    D_.WhiteSign.Prepare(nullptr);
  }

  bool Text(std::string& text) override {
    D_.Text.Prepare();
    const int r = Host_.Execute(D_.Text);
    text = D_.Text.TextFor(r);
    return r == mrOk;
  }

  int Head(TSVInfo& info) override {
    D_.Head.Prepare(info.Directions);
    const int r = Host_.Execute(D_.Head);
    return r >= TSelHeadFormModel::kVehicle && r <= TSelHeadFormModel::kTram ? r : kHeadCancelled;
  }

  void FillHead(THead& head, TSVInfo&, std::string& label) override {
    if (auto* car = dynamic_cast<TCarHead*>(&head)) D_.Head.Fill(*car);
    if (auto* ped = dynamic_cast<TPedHead*>(&head)) D_.Head.Fill(*ped);
    if (auto* tram = dynamic_cast<TTramHead*>(&head)) D_.Head.Fill(*tram);
    label = D_.Head.Label();
  }

  bool Napr(TNapr& napr, int phase, std::string& label) override {
    D_.Napr.Prepare(&napr, phase);
    const int r = Host_.Execute(D_.Napr);
    D_.Napr.Prepare(nullptr, phase);
    label = D_.Napr.Label();
    return r == mrOk;
  }

  bool LaneArrow(int& kind) override {
    D_.Arrow.Prepare();
    const bool ok = Host_.Execute(D_.Arrow) == mrOk;
    kind = D_.Arrow.ArrowKind();
    return ok;
  }

  bool Line(int& kind) override {
    D_.Line.Prepare();
    const bool ok = Host_.Execute(D_.Line) == mrOk;
    kind = D_.Line.LineKind();
    return ok;
  }

  bool Cable(int& type, std::string& upper, std::string& lower) override {
    D_.Cable.Prepare();
    const bool ok = Host_.Execute(D_.Cable) == mrOk;
    type = D_.Cable.CableType();
    upper = D_.Cable.UpperText();
    lower = D_.Cable.LowerText();
    return ok;
  }

  bool CableType(int& type) override {
    D_.Cable.PrepareTypeChange();
    const bool ok = Host_.Execute(D_.Cable) == mrOk;
    type = D_.Cable.CableType();
    return ok;
  }

 private:
  TDialogHost& Host_;
  TItemDialogs D_;
};

}  // namespace

std::unique_ptr<TEditorDialogs> MakeEditorDialogs(TDialogHost& host) { return std::make_unique<TModelDialogs>(host); }
