// The site's files: hostile passport texts stay text in every page and in
// the embedded plan, publishing again writes only what changed and removes
// only its own pages, and the plan covers every moment of every program.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "TestSupport.h"
#include "WebFixture.h"
#include "model/TypeCodes.h"
#include "plan/SVtime.h"
#include "platform/TextMeasure.h"
#include "store/FolderStore.h"
#include "view/SchemeView.h"
#include "web/HeadLooks.h"
#include "web/PassportPage.h"
#include "web/SignalPlan.h"
#include "web/SitePublisher.h"
#include "web/WebText.h"

namespace fs = std::filesystem;

namespace {

TPublishReport Publish(const std::string& db, const std::string& site, std::vector<std::string> only = {}) {
  TPublishOptions options;
  options.Out = site;
  options.Only = std::move(only);
  options.Tables = false;
  return PublishSite(std::make_shared<TFolderStore>(db), options);
}

std::vector<std::string> Sorted(std::vector<std::string> v) {
  std::sort(v.begin(), v.end());
  return v;
}

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

void SetAddress2(const std::string& dir, const std::string& address) {
  TLoadedPassport p = OpenPassportDir(dir, TReadMessages::Kept);
  p.Scheme->Info->Address2 = address;
  WriteBytes(dir + "info.txt", p.Scheme->Info->SavedBytes());
}

}  // namespace

TEST(WebText, ScriptJsonCannotEndTheScriptAndReadsBackTheSame) {
  const struct {
    const char* In;
    const char* Out;
  } cases[] = {
      {R"({"a":"</script><script>alert(1)</script>"})",
       R"({"a":"\u003c/script\u003e\u003cscript\u003ealert(1)\u003c/script\u003e"})"},
      {R"(["<!--", "a & b", "x > y"])", R"(["\u003c!--", "a \u0026 b", "x \u003e y"])"},
      {"[\"\xE2\x80\xA8|\xE2\x80\xA9|\xE2\x80\xA6\"]", "[\"\\u2028|\\u2029|\xE2\x80\xA6\"]"},
      {R"({"n":[1,2.5,true,null]})", R"({"n":[1,2.5,true,null]})"},
  };
  for (const auto& c : cases) EXPECT_EQ(ScriptJson(c.In), c.Out) << c.In;
}

TEST(WebPublish, HostileAddressStaysTextInPagesPlanAndIndex) {
  TTempDir root;
  const std::string db = MakeWebDatabase(root);
  const std::string site = root.File("site/");
  const TPublishReport r = Publish(db, site);
  EXPECT_TRUE(r.Failed.empty()) << r.Failed.front();
  const std::string page = ReadBytes(site + "svo9/index.html");
  const std::string index = ReadBytes(site + "index.html");
  const std::string escaped = "&lt;script&gt;alert(1)&lt;/script&gt;&quot; &amp; &apos; ]]&gt; &lt;/script&gt;&lt;!-- Тверская";
  for (const std::string* text : {&page, &index}) {
    EXPECT_EQ(text->find("<script>alert"), std::string::npos);
    EXPECT_EQ(text->find("<!-- Тверская"), std::string::npos);
    EXPECT_NE(text->find(escaped), std::string::npos);
    EXPECT_NE(text->find("у дома № 5 &quot;А&quot;"), std::string::npos);
  }
  // Two scripts, the plan and the shared one, and the plan has no "<" at all.
  EXPECT_EQ(Count(page, "<script"), 2u);
  EXPECT_EQ(Count(page, "</script>"), 2u);
  const std::size_t plan = page.find("<script type=\"application/json\" id=\"plan\">");
  ASSERT_NE(plan, std::string::npos);
  const std::size_t body = page.find('>', plan) + 1;
  EXPECT_EQ(page.substr(body, page.find("</script>", body) - body).find('<'), std::string::npos);
  EXPECT_NE(page.find("<html lang=\"ru\">"), std::string::npos);
}

TEST(WebPublish, AgainWritesOnlyChangedRemovesOnlyItsOwnPages) {
  TTempDir root;
  const std::string db = MakeWebDatabase(root);
  const std::string site = root.File("site/");
  // A backslash sequence in an address must come back from the manifest as written.
  SetAddress2(db + "svo2/", "C:\\temp\\new\tплощадь");
  TPublishReport r = Publish(db, site);
  EXPECT_EQ(Sorted(r.Written), (std::vector<std::string>{"svo1", "svo2", "svo3", "svo9"}));
  const std::string svo1Page = ReadBytes(site + "svo1/index.html");

  // A manifest line naming anything but a passport's own page is never acted on.
  fs::create_directories(root.File("victim"));
  WriteBytes(root.File("victim/index.html"), "keep");
  fs::create_directories(site + "svo77");
  WriteBytes(site + "svo77/index.html", "old page");
  std::ofstream(site + kSiteManifest, std::ios::app) << "../victim\tx\t0\t0\t0\t1\tx\nsvo77\tx\t0\t0\t0\t77\tx\n";

  SetAddress2(db + "svo3/", "новый адрес");
  WriteBytes(site + "svo1/mine.txt", "the user's own file");
  r = Publish(db, site);
  EXPECT_EQ(r.Written, (std::vector<std::string>{"svo3"}));
  EXPECT_EQ(Sorted(r.Unchanged), (std::vector<std::string>{"svo1", "svo2", "svo9"}));
  EXPECT_EQ(r.Removed, (std::vector<std::string>{"svo77"}));
  EXPECT_FALSE(fs::exists(site + "svo77"));
  EXPECT_EQ(ReadBytes(root.File("victim/index.html")), "keep");
  EXPECT_EQ(ReadBytes(site + "svo1/index.html"), svo1Page);
  std::string index = ReadBytes(site + "index.html");
  EXPECT_NE(index.find("новый адрес"), std::string::npos);
  // Read back from the manifest, not from the passport: the same text.
  EXPECT_NE(index.find("C:\\temp\\new&#9;площадь"), std::string::npos) << index;

  // --only: the named passport alone, even when another changed too.
  SetAddress2(db + "svo1/", "только этот");
  SetAddress2(db + "svo2/", "этот позже");
  r = Publish(db, site, {"svo1"});
  EXPECT_EQ(r.Written, (std::vector<std::string>{"svo1"}));
  EXPECT_TRUE(r.Unchanged.empty());
  index = ReadBytes(site + "index.html");
  EXPECT_NE(index.find("только этот"), std::string::npos);
  EXPECT_EQ(index.find("этот позже"), std::string::npos);

  // A passport gone: its page goes, a file the user put beside it stays.
  fs::remove_all(db + "svo1");
  r = Publish(db, site);
  EXPECT_EQ(r.Removed, (std::vector<std::string>{"svo1"}));
  EXPECT_EQ(r.Written, (std::vector<std::string>{"svo2"}));
  EXPECT_FALSE(fs::exists(site + "svo1/index.html"));
  EXPECT_EQ(ReadBytes(site + "svo1/mine.txt"), "the user's own file");
  index = ReadBytes(site + "index.html");
  EXPECT_EQ(index.find("svo1/index.html"), std::string::npos);
  EXPECT_NE(index.find("svo9/index.html"), std::string::npos);
}

TEST(WebPublish, UnwritableSiteIsAnErrorNamingTheFile) {
  TTempDir root;
  const std::string db = MakeWebDatabase(root);
  WriteBytes(root.File("site"), "a file where the site's directory should be");
  try {
    Publish(db, root.File("site/inner"));
    FAIL() << "no error";
  } catch (const TInOutError& e) {
    EXPECT_NE(std::string(e.what()).find(root.File("site/inner")), std::string::npos) << e.what();
  }
}

TEST(WebPlan, EveryProgramRunsThroughEveryPhaseAndEveryHeadHasEveryLook) {
  TLoadedPassport p = OpenPassportDir(SourcePath("data/Data/svo1/"), TReadMessages::Kept);
  TSVObject& scheme = *p.Scheme;
  scheme.Time->Program = 1;
  ShowPhase(scheme, 2);
  const TSignalPlan plan = ComputeSignalPlan(scheme);
  // The clock is left as it was found.
  EXPECT_EQ(scheme.Time->Program, 1);
  EXPECT_EQ(scheme.Time->Phase, 2);
  EXPECT_EQ(scheme.Time->Remaining, scheme.Time->Duration(2));
  ASSERT_GT(scheme.Info->PhaseCount, 1);
  for (int k = 0; k < kProgramCount; ++k) {
    const TProgramCycle& cycle = plan.Programs[static_cast<std::size_t>(k)];
    scheme.Time->Program = static_cast<std::uint8_t>(k);
    int at = 0;
    for (int ph = 1; ph <= scheme.Info->PhaseCount; ++ph) {
      const int duration = scheme.Time->Duration(ph);
      ASSERT_EQ(cycle.PhaseStarts[static_cast<std::size_t>(ph - 1)], std::make_pair(ph, at));
      // From the whole duration down to half a second, every half second.
      for (int i = 0; i < 2 * duration; ++i) {
        const TPlanStep& step = cycle.Steps[static_cast<std::size_t>(at + i)];
        EXPECT_EQ(step.Phase, ph);
        EXPECT_DOUBLE_EQ(step.Remaining, duration - 0.5 * i);
      }
      at += std::max(2 * duration, 1);
    }
    EXPECT_EQ(cycle.Steps.size(), static_cast<std::size_t>(at));
  }
  ShowProgram(scheme, 0);
  ShowPhase(scheme, 1);
  TApproxTextMeasure measure;
  TSvgCanvas canvas(kPageSchemeWidth, kPageSchemeHeight, measure, 0);
  TDrawContext view;
  InitViewContext(view, &canvas, scheme);
  FitShown(scheme, view, kPageSchemeWidth, kPageSchemeHeight);
  const THeadLooks looks = DrawHeadLooks(scheme, view, plan, measure, kPageSchemeWidth, kPageSchemeHeight, 0);
  EXPECT_EQ(view.Canvas, &canvas);
  ASSERT_GT(looks.Heads.size(), 4u);
  for (const THeadLook& head : looks.Heads)
    for (const TProgramCycle& cycle : plan.Programs)
      for (const TPlanStep& step : cycle.Steps) {
        const auto look = head.Looks.find(HeadLookKey(head, plan, step.States));
        ASSERT_NE(look, head.Looks.end()) << "head " << head.Index << " at phase " << step.Phase;
        const std::string& drawing = looks.Drawings[static_cast<std::size_t>(look->second)];
        if (head.Slots.size() != 1) continue;
        // A one-direction head's drawing carries that direction's state at this step.
        const std::size_t slot = static_cast<std::size_t>(head.Slots[0] - 1);
        const TColor color = plan.States[slot][static_cast<std::size_t>(step.States[slot])].Color;
        char expected[40];
        std::snprintf(expected, sizeof expected, "data-state=\"0x%06X\"", static_cast<unsigned>(color));
        EXPECT_EQ(Count(drawing, "data-state=\""), Count(drawing, expected)) << drawing;
        EXPECT_GT(Count(drawing, expected), 0u);
      }
}
