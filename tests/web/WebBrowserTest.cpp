// The published site in a real browser: headless Chromium driven by
// Selenium loads the index and a passport page from file://, filters the
// index by typing, presses every phase of every program and compares every
// head element's state with what `svpass-cli dump` says, plays the plan,
// and opens the page of a passport whose address is made to break markup.
// Skipped only where Chromium, its driver or Selenium is not installed.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "TestSupport.h"
#include "WebFixture.h"

namespace {

bool HaveBrowser() {
  return std::system("command -v chromedriver >/dev/null 2>&1 && (command -v chromium >/dev/null 2>&1 || command -v "
                     "chromium-browser >/dev/null 2>&1) && /usr/bin/python3 -c 'import selenium' >/dev/null 2>&1") == 0;
}

std::string Quoted(const std::string& s) {
  std::string out = "'";
  for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

std::string RunCommand(const std::string& command, int& code) {
  std::string out;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (!pipe) {
    code = -1;
    return out;
  }
  char buf[4096];
  while (std::size_t n = std::fread(buf, 1, sizeof buf, pipe)) out.append(buf, n);
  code = pclose(pipe);
  return out;
}

}  // namespace

TEST(WebBrowser, IndexAndPassportPageBehaveInChromium) {
  if (!HaveBrowser()) GTEST_SKIP() << "chromium, chromedriver or python3-selenium is not installed";
  TTempDir root;
  const std::string db = MakeWebDatabase(root);
  const std::string site = root.File("site");
  const TToolRun publish = RunTool("publish " + Quoted(db) + " --out " + Quoted(site));
  ASSERT_EQ(publish.Code, 0) << publish.Err;
  // Screenshots go where the caller asks (SVPASS_SHOTS), else nowhere.
  const char* shots = std::getenv("SVPASS_SHOTS");
  int code = 0;
  const std::string out =
      RunCommand("/usr/bin/python3 " + Quoted(SourcePath("tests/web/browser_check.py")) + ' ' + Quoted(SVPASS_CLI) + ' ' +
              Quoted(db) + ' ' + Quoted(site) + " svo9 " + Quoted(kHostileAddress + " - у дома № 5 \"А\"") +
              (shots ? ' ' + Quoted(shots) : std::string()),
          code);
  EXPECT_EQ(code, 0) << out;
}
