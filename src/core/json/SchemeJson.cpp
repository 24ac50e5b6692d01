#include "SchemeJson.h"

#include <string>
#include <vector>

#include "Json.h"
#include "model/SVObject.h"
#include "platform/Codec1251.h"
#include "platform/TextFile.h"

std::vector<std::string> StoredLines(TSVItem& item) {
  TTextWriter w;
  item.SaveToText(w);
  return StoredLinesOf(w.Bytes());
}

std::vector<std::string> StoredLinesOf(const std::string& bytes) {
  const std::string text = Decode1251(bytes);
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

void WriteSchemeLayers(TJsonWriter& json, const TSVObject& scheme) {
  json.Key("layers").BeginArray();
  for (int n = 1; n <= kLayerCount; ++n) {
    const TLayer& layer = *scheme.Layers[static_cast<std::size_t>(n)];
    json.BeginObject()
        .Member("layer", n)
        .Member("visible", layer.Visible)
        .Member("editable", layer.Editable)
        .Member("showText", layer.ShowText)
        .Key("items")
        .BeginArray();
    const auto& items = layer.Items();
    for (auto it = items.rbegin(); it != items.rend(); ++it) {
      TSVItem& item = **it;
      if (item.Hidden) continue;
      json.BeginObject().Member("type", item.TypeCode).Key("lines").BeginArray();
      for (const std::string& line : StoredLines(item)) json.String(line);
      json.EndArray().EndObject();
    }
    json.EndArray().EndObject();
  }
  json.EndArray();
}
