#pragma once
// A small streaming JSON writer for the tool's reports: values are appended
// in order, commas and indentation are placed by the writer, strings are
// escaped (UTF-8 passes through as it is).
#include <cstdint>
#include <string>
#include <vector>

class TJsonWriter {
 public:
  // indent: spaces per level; 0 writes everything on one line.
  explicit TJsonWriter(int indent = 2) : Indent_(indent) {}

  TJsonWriter& BeginObject();
  TJsonWriter& EndObject();
  TJsonWriter& BeginArray();
  TJsonWriter& EndArray();
  // The name of the next member of the current object.
  TJsonWriter& Key(const std::string& name);

  TJsonWriter& String(const std::string& text);
  TJsonWriter& Int(std::int64_t value);
  // Shortest form that reads back to the same double; null when not finite.
  TJsonWriter& Real(double value);
  TJsonWriter& Bool(bool value);
  TJsonWriter& Null();

  // Key and value in one call.
  template <typename T>
  TJsonWriter& Member(const std::string& name, const T& value) {
    Key(name);
    return Value(value);
  }

  const std::string& Text() const { return Out_; }

  static std::string Escape(const std::string& text);

 private:
  TJsonWriter& Value(const std::string& v) { return String(v); }
  TJsonWriter& Value(const char* v) { return String(v); }
  TJsonWriter& Value(bool v) { return Bool(v); }
  TJsonWriter& Value(double v) { return Real(v); }
  TJsonWriter& Value(int v) { return Int(v); }
  TJsonWriter& Value(unsigned v) { return Int(v); }
  TJsonWriter& Value(std::int64_t v) { return Int(v); }
  TJsonWriter& Value(std::uint8_t v) { return Int(v); }
  TJsonWriter& Value(std::uint16_t v) { return Int(v); }

  void BeforeValue();
  void Open(char bracket);
  void Close(char bracket);
  void NewLine();

  struct Level {
    bool Object;
    bool Empty;
  };
  std::vector<Level> Stack_;
  bool AfterKey_ = false;
  int Indent_;
  std::string Out_;
};
