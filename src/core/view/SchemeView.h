#pragma once
// What the passport viewer window and the headless renderer share: how a
// view context is set up for a passport, how the whole scheme is fitted into
// the paint box, how the picture is painted in each look, and the four
// standard layer presets.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/DrawContext.h"
#include "model/SchemeColors.h"

class TSVObject;

// View: every item in its not-editable look (the viewer). Edit: the editable
// look, selected items in the selected look (the editor). Print: the printed
// look on white paper.
enum class TSchemeLook { View, Edit, Print };
std::optional<TSchemeLook> ParseSchemeLook(const std::string& name);

enum class TLayerPreset { All, Cable, Tsrd, Odd };
std::optional<TLayerPreset> ParseLayerPreset(const std::string& name);

// A fresh view of the passport on `canvas`: normalised, signs at 100 %, the
// spatial objects at the passport's real scale.
void InitViewContext(TDrawContext& ctx, TCanvas* canvas, TSVObject& scheme);

// Start-up fit: the bounds of every item not hidden, whatever the layer
// switches, into the whole box and then into the box less a 5-pixel margin.
// Fitting twice is needed because symbols keep their pixel size while the
// scheme is rescaled.
void FitShown(TSVObject& scheme, TDrawContext& ctx, int width, int height);
// "Показать целиком": the same with the bounds of the visible layers.
void FitVisible(TSVObject& scheme, TDrawContext& ctx, int width, int height);

// Fills the canvas clip rectangle with the background of the look and draws
// every layer from 1 to 12.
void PaintScheme(TSVObject& scheme, TDrawContext& ctx, TSchemeLook look);
// The two halves of PaintScheme, for a window that puts a picture of its own
// between them (the editor's base image).
void PaintBackground(TCanvas& canvas, TSchemeLook look);
void DrawScheme(TSVObject& scheme, TDrawContext& ctx, TSchemeLook look);

// Sets the layer switches of a standard scheme view. A switch the preset
// does not name is left as it is; Editable is never touched.
void ApplyLayerPreset(TSVObject& scheme, TLayerPreset preset);

// Puts the phase clock on `phase` and copies it into the directions, as
// picking a phase in the viewer does (0 or less only clears the time left).
void ShowPhase(TSVObject& scheme, int phase);
// Picks a timing program (0 = I, 1 = II, 2 = III) and restarts the current
// phase with its duration in that program.
void ShowProgram(TSVObject& scheme, int program);

// What the signal heads show at the clock's moment: the colour and the
// green-now state of every direction, the only parts of the plan they read.
std::vector<std::uint32_t> SignalState(const TSVObject& scheme);

// The animation's redraw of the signal heads (layer 12) over the picture.
// Most ticks change no head, only the seconds; then nothing is drawn.
class THeadRedraw {
 public:
  // The whole picture was just painted with the clock as it is now.
  void PictureTaken(const TSVObject& scheme) { Shown_ = SignalState(scheme); }
  // Draws layer 12 over the picture when what the heads show has changed
  // since it was last drawn; true when it drew.
  bool Update(TSVObject& scheme, TDrawContext& ctx);

 private:
  std::vector<std::uint32_t> Shown_;
};
