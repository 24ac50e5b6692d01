#pragma once
// The rows of the layers dialog ("Управление слоями"): each row switches one
// or more scheme layers under one caption. The captions also name the
// layers wherever a scheme leaves the program layer by layer (the DXF file).
#include <array>
#include <string>
#include <vector>

struct TLayerRow {
  const char* Label;
  // The first is the layer whose switches the dialog shows for the row.
  std::vector<int> Layers;
};

constexpr int kLayerRowCount = 9;

// In the dialog's order, top to bottom.
const std::array<TLayerRow, kLayerRowCount>& LayerRows();

// The caption of the row that switches layer `layer` (1..12); empty for a
// layer no row has.
std::string LayerCaption(int layer);
