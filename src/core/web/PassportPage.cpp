#include "PassportPage.h"

#include <array>
#include <map>

#include "HeadLooks.h"
#include "SignalPlan.h"
#include "WebText.h"
#include "check/PassportSummary.h"
#include "json/Json.h"
#include "json/PassportJson.h"
#include "model/SVObject.h"
#include "model/SchemeColors.h"
#include "plan/SVInfo.h"
#include "plan/SVtime.h"
#include "svg/SvgText.h"
#include "view/SchemeView.h"

namespace {

constexpr std::array<const char*, 4> kPresetCaptions = {"Показать все слои", "Кабельное хозяйство",
                                                        "Схема расстановки ТСРД", "Схема ОДД"};
constexpr std::array<const char*, kProgramCount> kProgramNames = {"I", "II", "III"};

// The layer switches and the clock, put back when the page is made.
class TSavedView {
 public:
  explicit TSavedView(TSVObject& scheme) : Scheme_(scheme), Time_(*scheme.Time) {
    for (int n = 1; n <= kLayerCount; ++n) Layers_[static_cast<std::size_t>(n)] = Switches(n);
  }
  ~TSavedView() {
    RestoreLayers();
    *Scheme_.Time = Time_;
    Scheme_.CopyTimingToDirections();
  }
  TSavedView(const TSavedView&) = delete;
  TSavedView& operator=(const TSavedView&) = delete;

  void RestoreLayers() {
    for (int n = 1; n <= kLayerCount; ++n) {
      Scheme_.Layer(n).Visible = Layers_[static_cast<std::size_t>(n)].first;
      Scheme_.Layer(n).ShowText = Layers_[static_cast<std::size_t>(n)].second;
    }
  }

 private:
  std::pair<bool, bool> Switches(int n) { return {Scheme_.Layer(n).Visible, Scheme_.Layer(n).ShowText}; }
  TSVObject& Scheme_;
  TSVtime Time_;
  std::array<std::pair<bool, bool>, kLayerCount + 1> Layers_{};
};

// Which layers each preset shows, read off the viewer's own presets.
std::array<std::vector<int>, 4> PresetLayers(TSVObject& scheme, TSavedView& saved) {
  std::array<std::vector<int>, 4> shown;
  for (int p = 0; p < 4; ++p) {
    saved.RestoreLayers();
    ApplyLayerPreset(scheme, TLayerPreset::All);
    ApplyLayerPreset(scheme, static_cast<TLayerPreset>(p));
    for (int n = 1; n <= kLayerCount; ++n)
      if (scheme.Layer(n).Visible) shown[static_cast<std::size_t>(p)].push_back(n);
  }
  saved.RestoreLayers();
  ApplyLayerPreset(scheme, TLayerPreset::All);
  return shown;
}

struct TDrawnScheme {
  std::string Svg;
  THeadLooks Looks;
};

// All layers, program I, phase 1; with the heads' looks when a plan is given.
TDrawnScheme DrawScheme(TSVObject& scheme, TTextMeasure& measure, const TSignalPlan* plan) {
  scheme.Time->Program = 0;
  ShowPhase(scheme, 1);
  TSvgCanvas canvas(kPageSchemeWidth, kPageSchemeHeight, measure, kSchemeBackground);
  canvas.ItemTags = [&scheme](int layer, std::uint32_t, int index) { return HeadTags(scheme, layer, index); };
  TDrawContext view;
  InitViewContext(view, &canvas, scheme);
  FitShown(scheme, view, kPageSchemeWidth, kPageSchemeHeight);
  PaintScheme(scheme, view, TSchemeLook::View);
  TDrawnScheme drawn{canvas.Document(), {}};
  if (plan)
    drawn.Looks = DrawHeadLooks(scheme, view, *plan, measure, kPageSchemeWidth, kPageSchemeHeight, kSchemeBackground);
  return drawn;
}

std::string PlanJson(const TSVObject& scheme, const TSignalPlan& plan, const THeadLooks& looks,
                     const std::array<std::vector<int>, 4>& presets) {
  TJsonWriter json(0);
  json.BeginObject().Key("directions").BeginArray();
  const TNaprSet& directions = scheme.Info->Directions;
  for (int i = 1; i <= directions.Count; ++i) {
    const auto& states = plan.States[static_cast<std::size_t>(i - 1)];
    json.BeginObject().Member("number", directions.Item(i)->Number).Key("states").BeginArray();
    for (const TDirectionState& s : states) json.String(ColorText(s.Color));
    json.EndArray().Key("green").BeginArray();
    for (const TDirectionState& s : states) json.Int(s.GreenNow ? 1 : 0);
    json.EndArray().EndObject();
  }
  // Each distinct set of the directions' states once; a step names its set.
  std::map<std::vector<int>, int> moments;
  json.EndArray().Key("programs").BeginArray();
  for (const TProgramCycle& cycle : plan.Programs) {
    json.BeginObject().Key("phases").BeginArray();
    for (const auto& [phase, step] : cycle.PhaseStarts) json.BeginArray().Int(phase).Int(step).EndArray();
    json.EndArray().Key("steps").BeginArray();
    for (const TPlanStep& step : cycle.Steps) {
      const int moment = moments.emplace(step.States, static_cast<int>(moments.size())).first->second;
      json.BeginArray().Int(step.Phase).Real(step.Remaining).Int(moment).EndArray();
    }
    json.EndArray().EndObject();
  }
  std::vector<const std::vector<int>*> byId(moments.size());
  for (const auto& [states, id] : moments) byId[static_cast<std::size_t>(id)] = &states;
  json.EndArray().Key("moments").BeginArray();
  for (const std::vector<int>* states : byId) {
    json.BeginArray();
    for (int s : *states) json.Int(s);
    json.EndArray();
  }
  json.EndArray().Key("heads").BeginArray();
  for (const THeadLook& head : looks.Heads) {
    json.BeginObject().Member("index", head.Index).Member("green", head.GreenOnly).Key("slots").BeginArray();
    for (int s : head.Slots) json.Int(s);
    json.EndArray().Key("looks").BeginObject();
    for (const auto& [key, id] : head.Looks) json.Member(key, id);
    json.EndObject().EndObject();
  }
  json.EndArray().Key("presets").BeginArray();
  for (const std::vector<int>& layers : presets) {
    json.BeginArray();
    for (int n : layers) json.Int(n);
    json.EndArray();
  }
  json.EndArray().EndObject();
  return json.Text();
}

std::string Cell(const std::string& text) { return "<td>" + HtmlText(text) + "</td>"; }
std::string Cell(int v) { return "<td>" + std::to_string(v) + "</td>"; }

std::string TableStart(const std::string& caption, std::initializer_list<const char*> heads) {
  std::string html = "<div class=\"scroll\"><table><caption>" + caption + "</caption><thead><tr>";
  for (const char* h : heads) html += std::string("<th scope=\"col\">") + h + "</th>";
  return html + "</tr></thead><tbody>\n";
}

std::string PhaseTable(TSVObject& scheme) {
  TSVtime& time = *scheme.Time;
  std::string html = TableStart("Фазы и их длительности, с",
                                {"Фаза", "Tmin", "Tосн I", "Tосн II", "Tосн III", "Промтакт", "Длительность I"});
  time.Program = 0;
  for (int k = 1; k <= scheme.Info->Phases.Count; ++k) {
    const TSVPhase& p = *scheme.Info->Phases.Item(k);
    html += "<tr><th scope=\"row\">" + HtmlText(p.NumberText()) + "</th>" + Cell(p.TMin) + Cell(p.TMain[1]) +
            Cell(p.TMain[2]) + Cell(p.TMain[3]) + Cell(time.IntermediateTime(k)) + Cell(time.Duration(k)) +
            "</tr>\n";
  }
  return html + "</tbody></table></div>\n";
}

std::string DirectionTable(const TSVInfo& info) {
  std::string html = TableStart("Направления и их времена, с", {"Направление", "Номер", "Фазы", "Конфликтные",
                                                                "Tз", "Tзм", "Tж", "Tк", "Tкж", "Контроль красного"});
  for (int i = 1; i <= info.Directions.Count; ++i) {
    const TSVNapr& d = *info.Directions.Item(i);
    html += "<tr><th scope=\"row\">" + HtmlText(d.Name) + "</th>" + Cell(d.Number) + Cell(d.PhaseListText()) +
            Cell(d.ConflictText) + Cell(d.TGreen) + Cell(d.TGreenFlash) + Cell(d.TYellow) + Cell(d.TRed) +
            Cell(d.TRedYellow) + Cell(d.RedControlText) + "</tr>\n";
  }
  return html + "</tbody></table></div>\n";
}

std::string Findings(const std::vector<TFinding>& findings) {
  const TFindingCounts counts = CountFindings(findings);
  std::string html = "<p>Ошибок: " + std::to_string(counts.Errors) + ", предупреждений: " +
                     std::to_string(counts.Warnings) + ".</p>\n";
  if (findings.empty()) return html;
  html += "<ul class=\"findings\">\n";
  for (const TFinding& f : findings)
    html += std::string("<li class=\"") + SeverityName(f.Severity) + "\"><strong>" + SeverityCaption(f.Severity) +
            "</strong>: " + HtmlText(f.Message) + "</li>\n";
  return html + "</ul>\n";
}

std::string Documents(const TPageDocuments& docs) {
  std::string items;
  const auto link = [&](const std::string& href, const char* caption) {
    if (!href.empty()) items += "<li><a href=\"" + HtmlText(href) + "\">" + caption + "</a></li>\n";
  };
  link(docs.SchemePdf, "Схема (PDF)");
  link(docs.DiagramPdf, "Временная диаграмма (PDF)");
  const std::size_t dot = docs.Tables.rfind('.');
  const std::string tables = "Таблицы паспорта (" + docs.Tables.substr(dot == std::string::npos ? 0 : dot) + ")";
  link(docs.Tables, tables.c_str());
  return items.empty() ? std::string("<p>Документов нет.</p>\n") : "<ul>\n" + items + "</ul>\n";
}

// The SVG file's own prolog has no place inside a page.
std::string InlineSvg(const std::string& svg) {
  const std::size_t start = svg.find("<svg");
  std::string inner = start == std::string::npos ? svg : svg.substr(start);
  // The margins the page's height limit leaves beside the picture are the
  // scheme's own background.
  return "<svg role=\"img\" aria-label=\"Схема перекрёстка\" style=\"background:" + SvgColor(kSchemeBackground) +
         '"' + inner.substr(4);
}

// The heads' drawings as markup the page never shows: the script copies
// look N from group data-look="N" into a head's group.
std::string LookTemplate(const THeadLooks& looks) {
  if (looks.Drawings.empty()) return std::string();
  std::string html = "<template id=\"head-looks\"><svg xmlns=\"http://www.w3.org/2000/svg\">\n";
  for (std::size_t i = 0; i < looks.Drawings.size(); ++i)
    html += "<g data-look=\"" + std::to_string(i) + "\">\n" + looks.Drawings[i] + "</g>\n";
  return html + "</svg></template>\n";
}

}  // namespace

std::string PassportSchemeSvg(TSVObject& scheme, TTextMeasure& measure) {
  TSavedView saved(scheme);
  ApplyLayerPreset(scheme, TLayerPreset::All);
  return DrawScheme(scheme, measure, nullptr).Svg;
}

std::string PassportPageHtml(TSVObject& scheme, const std::string& id, const std::vector<TFinding>& findings,
                             const TPageDocuments& documents, TTextMeasure& measure) {
  TSavedView saved(scheme);
  const auto presets = PresetLayers(scheme, saved);
  const TSignalPlan plan = ComputeSignalPlan(scheme);
  const TDrawnScheme drawn = DrawScheme(scheme, measure, &plan);
  const TSVInfo& info = *scheme.Info;
  const std::string address = HtmlText(info.AddressText());
  const std::string type = HtmlText(ObjectTypeCaption(info.ObjectType));

  std::string html;
  html.reserve(drawn.Svg.size() * 2 + 16384);
  html += "<!DOCTYPE html>\n<html lang=\"ru\">\n<head>\n<meta charset=\"utf-8\">\n"
          "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" +
          HtmlText(id) + " — " + address + "</title>\n<link rel=\"stylesheet\" href=\"../site.css\">\n</head>\n<body>\n";
  html += "<header>\n<nav><a href=\"../index.html\">← Все паспорта</a></nav>\n<h1><span class=\"id\">" +
          HtmlText(id) + "</span> " + address + "</h1>\n<p>Тип объекта: " + type + ". Номер объекта: " +
          HtmlText(info.ObjectNumber()) + ".</p>\n</header>\n<main>\n";
  html += "<section aria-labelledby=\"h-scheme\">\n<h2 id=\"h-scheme\">Схема</h2>\n";
  html += "<div class=\"bar\" role=\"group\" aria-label=\"Слои схемы\">\n";
  for (std::size_t p = 0; p < kPresetCaptions.size(); ++p)
    html += "<button type=\"button\" data-preset=\"" + std::to_string(p) + "\" aria-pressed=\"" +
            (p == 0 ? "true" : "false") + "\">" + kPresetCaptions[p] + "</button>\n";
  html += "</div>\n<div class=\"controls\">\n<div class=\"bar\" role=\"group\" aria-label=\"Программа\">\n"
          "<span>Программа:</span>\n";
  for (std::size_t k = 0; k < kProgramNames.size(); ++k)
    html += "<button type=\"button\" data-program=\"" + std::to_string(k) + "\" aria-pressed=\"" +
            (k == 0 ? "true" : "false") + "\" aria-label=\"Программа " + kProgramNames[k] + "\">" +
            kProgramNames[k] + "</button>\n";
  html += "</div>\n<div class=\"bar\" role=\"group\" aria-label=\"Фазы\">\n<span>Фаза:</span>\n";
  for (int k = 1; k <= info.PhaseCount; ++k)
    html += "<button type=\"button\" data-phase=\"" + std::to_string(k) + "\" aria-pressed=\"" +
            (k == 1 ? "true" : "false") + "\" aria-label=\"Фаза " + std::to_string(k) + "\">" + std::to_string(k) +
            "</button>\n";
  html += "<button type=\"button\" id=\"play\" aria-pressed=\"false\">▶ Пуск</button>\n"
          "<span class=\"clock\" aria-live=\"off\">фаза <output id=\"phase\">1</output>, осталось "
          "<output id=\"left\">—</output> с</span>\n</div>\n</div>\n";
  html += "<div class=\"scheme\">\n" + InlineSvg(drawn.Svg) + "</div>\n" + LookTemplate(drawn.Looks) + "</section>\n";
  html += "<section aria-labelledby=\"h-phases\">\n<h2 id=\"h-phases\">Фазы</h2>\n" + PhaseTable(scheme) +
          "</section>\n";
  html += "<section aria-labelledby=\"h-dirs\">\n<h2 id=\"h-dirs\">Направления</h2>\n" + DirectionTable(info) +
          "</section>\n";
  html += "<section aria-labelledby=\"h-check\">\n<h2 id=\"h-check\">Проверка паспорта</h2>\n" + Findings(findings) +
          "</section>\n";
  html += "<section aria-labelledby=\"h-docs\">\n<h2 id=\"h-docs\">Документы</h2>\n" + Documents(documents) +
          "</section>\n</main>\n";
  html += "<script type=\"application/json\" id=\"plan\">" + ScriptJson(PlanJson(scheme, plan, drawn.Looks, presets)) +
          "</script>\n<script src=\"../site.js\"></script>\n</body>\n</html>\n";
  return html;
}
