#include "SchemeDxf.h"

#include "DxfCanvas.h"
#include "model/SVObject.h"

void DrawSchemeAtWorld(TSVObject& scheme, TCanvas& canvas, TSchemeLook look, double signScale) {
  TDrawContext view;
  InitViewContext(view, &canvas, scheme);
  view.SetSignScale(signScale);
  if (look == TSchemeLook::Print) view.ColorPrint = true;
  DrawScheme(scheme, view, look);
}

TColor LookBackground(TSchemeLook look) { return look == TSchemeLook::Print ? clWhite : kSchemeBackground; }

std::string SchemeDxf(TSVObject& scheme, TTextMeasure& measure) {
  TDxfCanvas canvas(measure, LookBackground(TSchemeLook::View));
  DrawSchemeAtWorld(scheme, canvas);
  return canvas.Document();
}
