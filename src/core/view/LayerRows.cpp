#include "LayerRows.h"

#include <algorithm>

const std::array<TLayerRow, kLayerRowCount>& LayerRows() {
  static const std::array<TLayerRow, kLayerRowCount> rows = {{
      {"Бордюр, рельсы", {4}},
      {"Колодцы", {5}},
      {"Кабель", {2}},
      {"Контроллеры", {6}},
      {"Светофоры и знаки", {8, 11, 12}},
      {"Стойки и столбы", {10, 9}},
      {"Направления движ.", {7}},
      {"Здания", {1}},
      {"Разметка", {3}},
  }};
  return rows;
}

std::string LayerCaption(int layer) {
  for (const TLayerRow& row : LayerRows())
    if (std::find(row.Layers.begin(), row.Layers.end(), layer) != row.Layers.end()) return row.Label;
  return {};
}
