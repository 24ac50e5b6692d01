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
bool LabelFollows(TTextReader& f, const std::string& message, bool* wrongWord) {
  const std::string keyword = f.ReadLine();
  const bool wrong = keyword != "text" && keyword != "notext";
  if (wrongWord) *wrongWord = wrong;
  if (wrong) ShowInfo(message);
  return keyword == "text";
}

template <class TLabel>
std::unique_ptr<TLabel> LoadLabel(TTextReader& f, TSVItem* owner, std::uint32_t labelCode, TColor color,
                                  const std::string& message, bool* wrongWord) {
  if (!LabelFollows(f, message, wrongWord)) return nullptr;
  auto label = std::make_unique<TLabel>(labelCode);
  label->LoadFromText(f);
  label->OwnerItem = owner;
  label->Color = color;
  return label;
}

}  // namespace

std::unique_ptr<TSVText> LoadTextLabel(TTextReader& f, TSVItem* owner, std::uint32_t labelCode, TColor color,
                                       const std::string& message, bool* wrongWord) {
  return LoadLabel<TSVText>(f, owner, labelCode, color, message, wrongWord);
}

std::unique_ptr<TLinedText> LoadLinedLabel(TTextReader& f, TSVItem* owner, std::uint32_t labelCode, TColor color,
                                           const std::string& message, bool* wrongWord) {
  return LoadLabel<TLinedText>(f, owner, labelCode, color, message, wrongWord);
}
