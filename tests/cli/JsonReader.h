#pragma once
// Just enough of a JSON reader to check what the tool prints.
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

struct TJson {
  enum Kind { Null, Bool, Number, String, Array, Object } Type = Null;
  bool B = false;
  double N = 0;
  std::string S;
  std::vector<TJson> Items;
  std::map<std::string, TJson> Members;

  const TJson& operator[](const std::string& key) const {
    const auto it = Members.find(key);
    if (Type != Object || it == Members.end()) throw std::runtime_error("no member " + key);
    return it->second;
  }
  const TJson& operator[](std::size_t i) const { return Items.at(i); }
  bool Has(const std::string& key) const { return Members.count(key) > 0; }
};

class TJsonParser {
 public:
  explicit TJsonParser(const std::string& text) : T_(text) {}
  TJson Parse() {
    TJson v = Value();
    Blanks();
    if (P_ != T_.size()) Fail();
    return v;
  }

 private:
  [[noreturn]] void Fail() const { throw std::runtime_error("bad JSON at " + std::to_string(P_)); }
  void Blanks() {
    while (P_ < T_.size() && (T_[P_] == ' ' || T_[P_] == '\n' || T_[P_] == '\r' || T_[P_] == '\t')) ++P_;
  }
  bool Take(char c) {
    Blanks();
    if (P_ < T_.size() && T_[P_] == c) return ++P_, true;
    return false;
  }
  void Expect(char c) {
    if (!Take(c)) Fail();
  }
  bool Word(const char* w) {
    const std::string s(w);
    if (T_.compare(P_, s.size(), s) != 0) return false;
    P_ += s.size();
    return true;
  }
  std::string Str() {
    Expect('"');
    std::string out;
    while (P_ < T_.size() && T_[P_] != '"') {
      const auto c = static_cast<unsigned char>(T_[P_++]);
      if (c < 0x20) Fail();
      if (c != '\\') {
        out += static_cast<char>(c);
        continue;
      }
      const char e = T_.at(P_++);
      const std::map<char, char> simple = {{'"', '"'}, {'\\', '\\'}, {'/', '/'}, {'n', '\n'},
                                           {'r', '\r'}, {'t', '\t'}, {'b', '\b'}, {'f', '\f'}};
      if (simple.count(e)) {
        out += simple.at(e);
      } else if (e == 'u') {
        const unsigned cp = static_cast<unsigned>(std::stoul(T_.substr(P_, 4), nullptr, 16));
        P_ += 4;
        if (cp >= 0x80) Fail();  // the tool escapes only control characters
        out += static_cast<char>(cp);
      } else {
        Fail();
      }
    }
    Expect('"');
    return out;
  }
  TJson Value() {
    Blanks();
    TJson v;
    if (P_ >= T_.size()) Fail();
    const char c = T_[P_];
    if (c == '{') {
      ++P_;
      v.Type = TJson::Object;
      if (Take('}')) return v;
      do {
        Blanks();
        const std::string key = Str();
        Expect(':');
        v.Members[key] = Value();
      } while (Take(','));
      Expect('}');
    } else if (c == '[') {
      ++P_;
      v.Type = TJson::Array;
      if (Take(']')) return v;
      do v.Items.push_back(Value());
      while (Take(','));
      Expect(']');
    } else if (c == '"') {
      v.Type = TJson::String;
      v.S = Str();
    } else if (Word("true") || Word("false")) {
      v.Type = TJson::Bool;
      v.B = T_[P_ - 1] == 'e' && T_[P_ - 2] == 'u';
    } else if (Word("null")) {
    } else {
      std::size_t used = 0;
      v.Type = TJson::Number;
      v.N = std::stod(T_.substr(P_), &used);
      if (used == 0) Fail();
      P_ += used;
    }
    return v;
  }
  const std::string& T_;
  std::size_t P_ = 0;
};
