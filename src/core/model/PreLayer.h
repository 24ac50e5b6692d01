#pragma once
// The roots of the layer and of the scheme object.

class TPreLayer {
 public:
  virtual ~TPreLayer() = default;
  // Items of the layer may be added, selected, deleted and placed.
  bool Editable = true;
  // The layer is drawn, printed, counted in the visible bounds and snapped to.
  bool Visible = true;
  // Labels and texts of the layer's items are shown.
  bool ShowText = true;
};

class TpreObject {
 public:
  virtual ~TpreObject() = default;
};
