#pragma once
// The item dialogs as the editor's tools ask them: each call fills the
// dialog's model for this opening, shows it through the dialog host and
// reads back what the tool needs. One model of each dialog lives as long as
// the editor, so its controls keep the values of the previous use.
#include <cstdint>
#include <memory>
#include <string>

class TDialogHost;
class TSTOLB;
class TWhiteSign;
class TNapr;
class THead;
class TSVInfo;

// The sign kind the sign dialog answers when it places no sign.
constexpr int kSignCancelled = 19;
// The head dialog's answer when it creates no head.
constexpr int kHeadCancelled = 100;

class TEditorDialogs {
 public:
  virtual ~TEditorDialogs() = default;
  // "Столб" on the new pole: true on Ok, the pole's flag and label set.
  virtual bool Pole(TSTOLB& pole) = 0;
  // "Выбор знака": the sign kind (kSignCancelled for none) and the number.
  virtual int Sign(std::string& number) = 0;
  // The white-sign picture on the new sign of kind 17.
  virtual void WhiteSign(TWhiteSign& sign) = 0;
  // "Ввод текста": true with the text on Ok (the text may be empty).
  virtual bool Text(std::string& text) = 0;
  // "Выбор секции": 1 vehicle, 2 pedestrian, 3 tram, kHeadCancelled.
  virtual int Head(TSVInfo& info) = 0;
  // Fills the head made for the last answer; gives the label text.
  virtual void FillHead(THead& head, TSVInfo& info, std::string& label) = 0;
  // "Выбор направления движения" on the new arrow: true on Ok (flags and
  // phase set), with the label text.
  virtual bool Napr(TNapr& napr, int phase, std::string& label) = 0;
  // "Выбор направления движения по полосе": true on Ok with the arrow kind.
  virtual bool LaneArrow(int& kind) = 0;
  // "Тип тонкой линии разметки": true on Ok with the line kind.
  virtual bool Line(int& kind) = 0;
  // "Выбор кабеля" for a new cable: true on Ok with type and both texts.
  virtual bool Cable(int& type, std::string& upper, std::string& lower) = 0;
  // "Выбор кабеля" for the change of cable type, texts disabled.
  virtual bool CableType(int& type) = 0;
};

// The dialogs over their Qt-free models, shown through the host.
std::unique_ptr<TEditorDialogs> MakeEditorDialogs(TDialogHost& host);
