#include "PrintPage.h"

#include <cstdio>

#include "PageText.h"
#include "TramDrawing.h"
#include "model/DrawContext.h"
#include "model/Geometry.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "plan/SVtime.h"

namespace {

constexpr const char* kTitleFace = "Times New Roman Cyr";

void FillWhite(TCanvas& canvas, const TRect& r) {
  canvas.SetBrushColor(clWhite);
  canvas.FillRect(r);
}

}  // namespace

std::string PrintDateText(int day, int month, int year) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d.%02d.%04d", day, month, year);
  return std::string(buf) + " г.";
}

void DrawPhasePicture(TSVObject& scheme, TDrawContext& ctx, const TRect& area, int footer, int phase, bool frames) {
  if (phase <= 0 || !ctx.Canvas) return;
  TCanvas& canvas = *ctx.Canvas;
  scheme.Time->SetPhase(phase);
  scheme.CopyTimingToDirections();
  const TRect picture{area.Left, area.Top, area.Right, area.Bottom - footer};
  const TRect caption{area.Left, area.Bottom - footer, area.Right, area.Bottom};
  ctx.FitSettled([&] { return scheme.BoundsOfVisibleLayers(ctx); }, picture, picture);
  FillWhite(canvas, area);
  scheme.PrintAll(ctx);
  FillWhite(canvas, caption);
  canvas.SetFont(PageFont("Times New Roman", 7, ctx.LineFactor));
  if (footer > 0) TextInBand(canvas, caption, "Фаза № " + std::to_string(phase), true);
  if (frames) {
    GreyFrame(canvas, picture);
    GreyFrame(canvas, caption);
  }
}

void DrawPage(TSVObject& scheme, TDrawContext& ctx, const TPageContent& content, const TPageRects& rects) {
  if (!ctx.Canvas) return;
  TCanvas& canvas = *ctx.Canvas;
  const double pf = ctx.LineFactor;
  canvas.Pen = TPen{};
  FillWhite(canvas, canvas.ClipRect());
  FillWhite(canvas, rects.Header);
  canvas.SetFont(PageFont(kTitleFace, 7, pf));
  TextInBand(canvas, rects.Header, content.Title, false);

  const TRect& body = rects.Body;
  switch (content.Mode) {
    case TPrintMode::Scheme:
      if (content.TwoPhases) {
        TRect first, second;
        SplitRect(body, first, second);
        DrawPhasePicture(scheme, ctx, first, rects.FooterHeight, content.FirstPhase, content.Frames);
        DrawPhasePicture(scheme, ctx, second, rects.FooterHeight, content.SecondPhase, content.Frames);
      } else {
        DrawPhasePicture(scheme, ctx, body, rects.FooterHeight, content.FirstPhase, content.Frames);
      }
      break;
    case TPrintMode::TimeDiagram:
      DrawTimeDiagram(canvas, body, pf, *scheme.Info, *scheme.Time, content.PhaseLengths);
      break;
    case TPrintMode::TramHeads:
      DrawTramSchemes(canvas, body, pf, scheme.Info->TramScheme, content.Frames);
      break;
  }

  if (content.Frames) {
    GreyFrame(canvas, rects.Header);
    GreyFrame(canvas, body);
  }
  if (!content.NoDate) {
    canvas.SetFont(PageFont(kTitleFace, 5, pf));
    const TRect band{rects.Page.Left, rects.Page.Bottom, rects.Page.Right, Round(rects.Page.Bottom + 10 * pf)};
    TextRightInBand(canvas, band, "Дата печати: " + content.Date);
  }
}
