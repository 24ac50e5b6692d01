#pragma once
// A JSON document read back into memory: what compares two reports member by
// member. Numbers keep the text they were written with, so a value reads
// back and is written out again exactly as the report had it.
#include <optional>
#include <string>
#include <utility>
#include <vector>

class TJsonWriter;

struct TJsonValue {
  enum class TKind { Null, Bool, Number, String, Array, Object };
  TKind Kind = TKind::Null;
  bool Flag = false;
  // The number's text, or the string's UTF-8 text.
  std::string Text;
  std::vector<TJsonValue> Items;
  // Members in the order they were written.
  std::vector<std::pair<std::string, TJsonValue>> Members;

  bool IsNull() const { return Kind == TKind::Null; }
  // The member `name` of an object; nullptr when there is none.
  const TJsonValue* Find(const std::string& name) const;
  friend bool operator==(const TJsonValue& a, const TJsonValue& b);
  friend bool operator!=(const TJsonValue& a, const TJsonValue& b) { return !(a == b); }
};

// Reads one JSON value (surrounding blanks allowed); nothing when the text is
// not JSON.
std::optional<TJsonValue> ParseJson(const std::string& text);
// Writes the value as the next value of `json`.
void WriteJsonValue(TJsonWriter& json, const TJsonValue& value);
// The value as compact JSON text.
std::string JsonText(const TJsonValue& value);
