#include "CarrierTools.h"

#include <cstdint>

#include "EditSession.h"
#include "EditorDialogs.h"
#include "items/Ferma.h"
#include "items/Head.h"
#include "items/SVText.h"
#include "items/Sign.h"
#include "items/WhiteSign.h"
#include "model/SVObject.h"

namespace {

bool HasText(const std::string& s) { return s.find_first_not_of(" \t") != std::string::npos; }

class TStickTool : public TEditTool {
 public:
  void Press(TEditSession& s) override {
    TPlacement& p = s.Place();
    if (p.Count == 1) {
      if (!s.Snap(SnapRequest::Stick) && !s.SnapEx(SnapRequest::Stick)) {
        s.DropPoint("Здесь не к чему крепить соединительную линию: нужен столб, портал, трос, здание "
                    "или другая соединительная линия");
        return;
      }
      p.Current = TSVObject::CreateItem(TypeCode::Stick);
      p.Points[0] = s.Context().WorldToScreen(p.Snap[0].X, p.Snap[0].Y);
      return;
    }
    p.Current->PlaceAt(s.Context(), p.Points, p.Snap, 1);
    s.AddAndRestart();
  }
  void Move(TEditSession& s, int x, int y) override { s.FollowSecondPoint(x, y); }
};

// Head and sign: the first click finds the stick end (or stand) to hang
// on, the second gives the direction the symbol faces; the dialog between
// decides which item is made.
class THangingTool : public TEditTool {
 public:
  THangingTool(std::uint32_t snapCode, const char* missing) : SnapCode_(snapCode), Missing_(missing) {}
  void Press(TEditSession& s) override {
    TPlacement& p = s.Place();
    if (p.Count == 1) {
      if (!s.SnapEx(SnapCode_)) s.DropPoint(Missing_);
      return;
    }
    Finish(s);
  }

 protected:
  virtual void Finish(TEditSession& s) = 0;
  // Places the item made by the dialog and starts its label, if any.
  template <typename TItem>
  void PlaceWithLabel(TEditSession& s, std::unique_ptr<TSVItem> item, TItem* typed, const std::string& label) {
    TPlacement& p = s.Place();
    p.Current = std::move(item);
    p.Current->PlaceAt(s.Context(), p.Points, p.Snap, 1);
    if (!s.AddCurrent()) {
      s.Cancel();
      return;
    }
    if (!HasText(label)) {
      s.Cancel();
      return;
    }
    typed->Label = TSVText::MakeLabel(typed, label, 1.0);
    s.StartLabel(typed, typed->Label.get(), true);
  }

 private:
  std::uint32_t SnapCode_;
  const char* Missing_;
};

class THeadTool : public THangingTool {
 public:
  THeadTool()
      : THangingTool(SnapRequest::Head,
                     "Здесь нет конца соединительной линии или стойки отдельного знака: головка вешается "
                     "только на них") {}

 protected:
  void Finish(TEditSession& s) override {
    const int answer = s.Dialogs().Head(*s.Scheme().Info);
    static constexpr std::uint32_t kCodes[] = {TypeCode::CarHead, TypeCode::PedHead, TypeCode::TramHead};
    if (answer < 1 || answer > 3) {
      s.Cancel();
      return;
    }
    auto item = TSVObject::CreateItem(kCodes[answer - 1]);
    auto* head = dynamic_cast<THead*>(item.get());
    std::string label;
    s.Dialogs().FillHead(*head, *s.Scheme().Info, label);
    PlaceWithLabel(s, std::move(item), head, label);
  }
};

class TSignTool : public THangingTool {
 public:
  TSignTool()
      : THangingTool(SnapRequest::Sign,
                     "Здесь нет соединительной линии или стойки отдельного знака: знак вешается только на них") {}

 protected:
  void Finish(TEditSession& s) override {
    std::string number;
    const int kind = s.Dialogs().Sign(number) & 0x7F;
    const int code = SignClassOf(kind);
    if (code == 0) {
      s.Cancel();
      return;
    }
    auto item = TSVObject::CreateItem(static_cast<std::uint32_t>(code));
    auto* sign = dynamic_cast<TSign*>(item.get());
    if (auto* white = dynamic_cast<TWhiteSign*>(sign)) s.Dialogs().WhiteSign(*white);
    sign->Kind = static_cast<std::uint8_t>(kind);
    PlaceWithLabel(s, std::move(item), sign, number);
  }
};

// Gantry and stay: both ends must find their carrier; console: only the
// fixed end.
class TSpanTool : public TEditTool {
 public:
  // Makes the item of `code`, asking both ends' carriers with `snap`.
  TSpanTool(std::uint32_t code, std::uint32_t snap, int cantilever, bool bothEnds, const char* missing)
      : Code_(code), Snap_(snap), Cantilever_(cantilever), BothEnds_(bothEnds), Missing_(missing) {}
  void Press(TEditSession& s) override {
    TPlacement& p = s.Place();
    if (p.Count == 1) {
      if (!s.Snap(Snap_)) {
        s.DropPoint(Missing_);
        return;
      }
      p.Current = TSVObject::CreateItem(Code_);
      if (auto* ferma = dynamic_cast<TFerma*>(p.Current.get())) ferma->Cantilever = Cantilever_;
      return;
    }
    if (BothEnds_ && !s.Snap(Snap_)) {
      s.DropPoint(Missing_);
      return;
    }
    p.Current->PlaceAt(s.Context(), p.Points, p.Snap, 2);
    s.AddAndRestart();
  }
  void Move(TEditSession& s, int x, int y) override { s.FollowSecondPoint(x, y); }

 private:
  std::uint32_t Code_;
  std::uint32_t Snap_;
  int Cantilever_;
  bool BothEnds_;
  const char* Missing_;
};

}  // namespace

int SignClassOf(int answer) {
  switch (answer) {
    case 4:
    case 8:
      return TypeCode::MainSign;
    case 6:
      return TypeCode::LeaveSign;
    case 7:
      return TypeCode::StopSign;
    case 16:
      return TypeCode::BrickSign;
    case 17:
      return TypeCode::WhiteSign;
    case 18:
      return TypeCode::TableSign;
    case 19:
      return 0;
    default:
      return answer >= 9 && answer <= 15 ? TypeCode::ArrowSign : TypeCode::Sign;
  }
}

std::unique_ptr<TEditTool> MakeStickTool() { return std::make_unique<TStickTool>(); }
std::unique_ptr<TEditTool> MakeHeadTool() { return std::make_unique<THeadTool>(); }
std::unique_ptr<TEditTool> MakeSignTool() { return std::make_unique<TSignTool>(); }
std::unique_ptr<TEditTool> MakeGantryTool() {
  return std::make_unique<TSpanTool>(TypeCode::Ferma, SnapRequest::Gantry, 0, true,
                                     "Здесь нет столба: портал ставится на два столба");
}
std::unique_ptr<TEditTool> MakeConsoleTool() {
  return std::make_unique<TSpanTool>(TypeCode::Ferma, SnapRequest::Gantry, 1, false,
                                     "Здесь нет столба: консоль крепится к столбу");
}
std::unique_ptr<TEditTool> MakeStayTool() {
  return std::make_unique<TSpanTool>(TypeCode::Tros, SnapRequest::Stay, 0, true,
                                     "Здесь нет столба или здания: трос натягивается между ними");
}
