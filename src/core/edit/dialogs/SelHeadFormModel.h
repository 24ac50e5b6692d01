#pragma once
// "Выбор секции": the kind of the signal head being placed (vehicle,
// pedestrian, tram), the direction(s) it shows, the arrow in a vehicle
// head's face and the head's label. The lists are refilled from the
// passport's directions at every opening; choices still valid survive.
#include <memory>
#include <string>

#include "DialogControls.h"
#include "platform/Dialogs.h"

class TCarHead;
class THead;
class TNaprSet;
class TSVInfo;
class TPedHead;
class TTramHead;

class TSelHeadFormModel : public TDialogModel {
 public:
  // Results of Ok by head kind, and of Cancel.
  static constexpr int kVehicle = 1;
  static constexpr int kPedestrian = 2;
  static constexpr int kTram = 3;
  static constexpr int kCancelled = 100;

  TSelHeadFormModel();

  const char* FormName() const override { return "TSelHeadForm"; }
  static const char* Caption() { return "Выбор секции"; }

  // Refills the lists from the passport's directions (kept for Fill) and
  // fills an empty label from the choice.
  void Prepare(const TNaprSet& directions);
  // The same from the passport's information.
  void Prepare(const TSVInfo& info);

  // A head kind ("Транспортная", "Пешеходная", "Трамвайная") or an arrow
  // ("нет", "Только прямо", ...); an arrow only while its group is enabled.
  bool Check(const std::string& caption) override;
  // `textfield`: the label.
  bool SetText(const std::string& control, const std::string& value) override;
  // `NaprBox`, `leftBox`, `forbox`, `rightbox` (only while enabled).
  bool Select(const std::string& control, const std::string& item) override;
  // Ok: kVehicle, kPedestrian or kTram by the head kind; Cancel and the
  // close box: kCancelled.
  int Press(TDialogButton button) override;

  // 0 vehicle, 1 pedestrian, 2 tram.
  int HeadKind() const { return HeadKind_.Index; }
  // 0 none .. 5 right and straight, as a vehicle head stores it.
  int ArrowKind() const { return ArrowGroup_.Index; }
  const std::string& Label() const { return Label_; }

  const TRadioGroup& HeadKindGroup() const { return HeadKind_; }
  const TRadioGroup& ArrowGroup() const { return ArrowGroup_; }
  const TPickList& NaprBox() const { return NaprBox_; }
  const TPickList& LeftBox() const { return LeftBox_; }
  const TPickList& ForBox() const { return ForBox_; }
  const TPickList& RightBox() const { return RightBox_; }
  // A list by control name, nullptr for another name.
  const TPickList* List(const std::string& control) const;

  // Gives the new head the chosen direction(s) and arrow, resolved in the
  // directions of the last Prepare ("-" and an empty list give none).
  void Fill(TCarHead& head) const;
  void Fill(TPedHead& head) const;
  void Fill(TTramHead& head) const;
  // The head Ok answered `result` for, filled: a vehicle (10), pedestrian
  // (12) or tram head (11); nullptr for kCancelled or any other result.
  std::unique_ptr<THead> MakeHead(int result) const;

 private:
  TPickList* MutableList(const std::string& control);
  // The label of the chosen kind: the direction's name followed by "н ",
  // or for a tram head one such part per tram list not at "-".
  std::string ComposedLabel() const;
  void ChooseKind(int kind);

  TRadioGroup HeadKind_;
  TRadioGroup ArrowGroup_;
  TPickList NaprBox_, LeftBox_, ForBox_, RightBox_;
  std::string Label_;
  const TNaprSet* Directions_ = nullptr;
};
