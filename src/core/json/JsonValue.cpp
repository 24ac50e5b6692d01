#include "JsonValue.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

#include "Json.h"

namespace {

class TJsonReader {
 public:
  explicit TJsonReader(const std::string& text) : S_(text) {}

  bool Document(TJsonValue& out) {
    if (!Value(out, 0)) return false;
    Blanks();
    return P_ == S_.size();
  }

 private:
  // Deeper than any report goes; a hostile text cannot exhaust the stack.
  static constexpr int kMaxDepth = 200;

  void Blanks() {
    while (P_ < S_.size() && (S_[P_] == ' ' || S_[P_] == '\t' || S_[P_] == '\n' || S_[P_] == '\r')) ++P_;
  }
  bool Take(char c) {
    Blanks();
    if (P_ < S_.size() && S_[P_] == c) {
      ++P_;
      return true;
    }
    return false;
  }
  bool Word(const char* w) {
    const std::size_t n = std::strlen(w);
    if (S_.compare(P_, n, w) != 0) return false;
    P_ += n;
    return true;
  }

  bool Value(TJsonValue& out, int depth) {
    if (depth > kMaxDepth) return false;
    Blanks();
    if (P_ >= S_.size()) return false;
    const char c = S_[P_];
    if (c == '{') return Object(out, depth);
    if (c == '[') return Array(out, depth);
    if (c == '"') {
      out.Kind = TJsonValue::TKind::String;
      return String(out.Text);
    }
    if (Word("null")) return out.Kind = TJsonValue::TKind::Null, true;
    if (Word("true")) return out.Kind = TJsonValue::TKind::Bool, out.Flag = true, true;
    if (Word("false")) return out.Kind = TJsonValue::TKind::Bool, out.Flag = false, true;
    return Number(out);
  }

  bool Object(TJsonValue& out, int depth) {
    out.Kind = TJsonValue::TKind::Object;
    ++P_;
    if (Take('}')) return true;
    do {
      Blanks();
      std::string key;
      if (P_ >= S_.size() || S_[P_] != '"' || !String(key) || !Take(':')) return false;
      out.Members.emplace_back(std::move(key), TJsonValue{});
      if (!Value(out.Members.back().second, depth + 1)) return false;
    } while (Take(','));
    return Take('}');
  }

  bool Array(TJsonValue& out, int depth) {
    out.Kind = TJsonValue::TKind::Array;
    ++P_;
    if (Take(']')) return true;
    do {
      out.Items.emplace_back();
      if (!Value(out.Items.back(), depth + 1)) return false;
    } while (Take(','));
    return Take(']');
  }

  bool Number(TJsonValue& out) {
    const std::size_t start = P_;
    if (P_ < S_.size() && S_[P_] == '-') ++P_;
    const std::size_t digits = P_;
    while (P_ < S_.size() && (std::isdigit(static_cast<unsigned char>(S_[P_])) || S_[P_] == '.' || S_[P_] == 'e' ||
                              S_[P_] == 'E' || S_[P_] == '+' || S_[P_] == '-'))
      ++P_;
    if (P_ == digits || !std::isdigit(static_cast<unsigned char>(S_[digits]))) return false;
    out.Kind = TJsonValue::TKind::Number;
    out.Text = S_.substr(start, P_ - start);
    return true;
  }

  static void PutUtf8(std::string& out, unsigned cp) {
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (cp >> 18));
      out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }

  bool Hex4(unsigned& cp) {
    if (P_ + 4 > S_.size()) return false;
    cp = 0;
    for (int i = 0; i < 4; ++i) {
      const char h = S_[P_++];
      cp <<= 4;
      if (h >= '0' && h <= '9') cp |= static_cast<unsigned>(h - '0');
      else if (h >= 'a' && h <= 'f') cp |= static_cast<unsigned>(h - 'a' + 10);
      else if (h >= 'A' && h <= 'F') cp |= static_cast<unsigned>(h - 'A' + 10);
      else return false;
    }
    return true;
  }

  bool String(std::string& out) {
    ++P_;
    while (P_ < S_.size()) {
      const char c = S_[P_++];
      if (c == '"') return true;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (P_ >= S_.size()) return false;
      const char e = S_[P_++];
      switch (e) {
        case '"': case '\\': case '/': out += e; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'u': {
          unsigned cp = 0;
          if (!Hex4(cp)) return false;
          if (cp >= 0xD800 && cp < 0xDC00 && P_ + 1 < S_.size() && S_[P_] == '\\' && S_[P_ + 1] == 'u') {
            P_ += 2;
            unsigned low = 0;
            if (!Hex4(low) || low < 0xDC00 || low > 0xDFFF) return false;
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
          }
          PutUtf8(out, cp);
          break;
        }
        default:
          return false;
      }
    }
    return false;
  }

  const std::string& S_;
  std::size_t P_ = 0;
};

}  // namespace

const TJsonValue* TJsonValue::Find(const std::string& name) const {
  for (const auto& m : Members)
    if (m.first == name) return &m.second;
  return nullptr;
}

bool operator==(const TJsonValue& a, const TJsonValue& b) {
  if (a.Kind != b.Kind) return false;
  switch (a.Kind) {
    case TJsonValue::TKind::Null: return true;
    case TJsonValue::TKind::Bool: return a.Flag == b.Flag;
    case TJsonValue::TKind::Number:
    case TJsonValue::TKind::String: return a.Text == b.Text;
    case TJsonValue::TKind::Array: return a.Items == b.Items;
    case TJsonValue::TKind::Object: return a.Members == b.Members;
  }
  return false;
}

std::optional<TJsonValue> ParseJson(const std::string& text) {
  TJsonValue v;
  TJsonReader reader(text);
  if (!reader.Document(v)) return std::nullopt;
  return v;
}

void WriteJsonValue(TJsonWriter& json, const TJsonValue& value) {
  switch (value.Kind) {
    case TJsonValue::TKind::Null: json.Null(); break;
    case TJsonValue::TKind::Bool: json.Bool(value.Flag); break;
    case TJsonValue::TKind::Number:
      if (value.Text.find_first_of(".eE") == std::string::npos) json.Int(std::strtoll(value.Text.c_str(), nullptr, 10));
      else json.Real(std::strtod(value.Text.c_str(), nullptr));
      break;
    case TJsonValue::TKind::String: json.String(value.Text); break;
    case TJsonValue::TKind::Array:
      json.BeginArray();
      for (const TJsonValue& item : value.Items) WriteJsonValue(json, item);
      json.EndArray();
      break;
    case TJsonValue::TKind::Object:
      json.BeginObject();
      for (const auto& m : value.Members) {
        json.Key(m.first);
        WriteJsonValue(json, m.second);
      }
      json.EndObject();
      break;
  }
}

std::string JsonText(const TJsonValue& value) {
  TJsonWriter json(0);
  WriteJsonValue(json, value);
  return json.Text();
}
