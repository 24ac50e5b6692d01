#include "LabelIO.h"

#include "platform/Messages.h"
#include "platform/TextFile.h"

void SaveLabel(TTextWriter& f, TSVText* label) {
  if (label && !label->Text.empty()) {
    f.WriteLine("text");
    label->SaveToText(f);
  } else {
    f.WriteLine("notext");
  }
}

namespace {

// Reads the keyword; true when a label's lines follow. A wrong keyword is
// reported and the owner stays without a label.
bool LabelFollows(TTextReader& f, const std::string& message) {
  const std::string keyword = f.ReadLine();
  if (keyword == "text") return true;
  if (keyword != "notext") ShowInfo(message);
  return false;
}

template <class TLabel>
std::unique_ptr<TLabel> LoadLabel(TTextReader& f, TSVItem* owner, std::uint32_t labelCode, TColor color,
                                  const std::string& message) {
  if (!LabelFollows(f, message)) return nullptr;
  auto label = std::make_unique<TLabel>(labelCode);
  label->LoadFromText(f);
  label->OwnerItem = owner;
  label->Color = color;
  return label;
}

}  // namespace

std::unique_ptr<TSVText> LoadTextLabel(TTextReader& f, TSVItem* owner, std::uint32_t labelCode, TColor color,
                                       const std::string& message) {
  return LoadLabel<TSVText>(f, owner, labelCode, color, message);
}

std::unique_ptr<TLinedText> LoadLinedLabel(TTextReader& f, TSVItem* owner, std::uint32_t labelCode, TColor color,
                                           const std::string& message) {
  return LoadLabel<TLinedText>(f, owner, labelCode, color, message);
}
