#include "Json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

std::string TJsonWriter::Escape(const std::string& text) {
  std::string out = "\"";
  for (char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20 || c == 0x7F) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04X", c);
          out += buf;
        } else {
          out += ch;
        }
    }
  }
  return out + "\"";
}

void TJsonWriter::NewLine() {
  if (Indent_ <= 0) return;
  Out_ += '\n';
  Out_.append(Stack_.size() * static_cast<std::size_t>(Indent_), ' ');
}

void TJsonWriter::BeforeValue() {
  if (AfterKey_) {
    AfterKey_ = false;
    return;
  }
  if (Stack_.empty()) return;
  if (!Stack_.back().Empty) Out_ += ',';
  Stack_.back().Empty = false;
  NewLine();
}

void TJsonWriter::Open(char bracket) {
  BeforeValue();
  Out_ += bracket;
  Stack_.push_back({bracket == '{', true});
}

void TJsonWriter::Close(char bracket) {
  if (Stack_.empty()) return;
  const bool empty = Stack_.back().Empty;
  Stack_.pop_back();
  if (!empty) NewLine();
  Out_ += bracket;
}

TJsonWriter& TJsonWriter::BeginObject() {
  Open('{');
  return *this;
}

TJsonWriter& TJsonWriter::EndObject() {
  Close('}');
  return *this;
}

TJsonWriter& TJsonWriter::BeginArray() {
  Open('[');
  return *this;
}

TJsonWriter& TJsonWriter::EndArray() {
  Close(']');
  return *this;
}

TJsonWriter& TJsonWriter::Key(const std::string& name) {
  BeforeValue();
  Out_ += Escape(name);
  Out_ += Indent_ > 0 ? ": " : ":";
  AfterKey_ = true;
  return *this;
}

TJsonWriter& TJsonWriter::String(const std::string& text) {
  BeforeValue();
  Out_ += Escape(text);
  return *this;
}

TJsonWriter& TJsonWriter::Int(std::int64_t value) {
  BeforeValue();
  Out_ += std::to_string(value);
  return *this;
}

TJsonWriter& TJsonWriter::Real(double value) {
  if (!std::isfinite(value)) return Null();
  BeforeValue();
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, value);
  Out_.append(buf, res.ptr);
  return *this;
}

TJsonWriter& TJsonWriter::Bool(bool value) {
  BeforeValue();
  Out_ += value ? "true" : "false";
  return *this;
}

TJsonWriter& TJsonWriter::Null() {
  BeforeValue();
  Out_ += "null";
  return *this;
}
