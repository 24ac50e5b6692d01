#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "JsonReader.h"
#include "TestSupport.h"
#include "platform/Codec1251.h"

namespace {

struct TRun {
  int Code = -1;
  std::string Out;
  std::string Err;
  TJson Json() const { return TJsonParser(Out).Parse(); }
};

TRun RunCli(const std::string& args) {
  TToolRun r = RunTool(args);
  return TRun{r.Code, std::move(r.Out), std::move(r.Err)};
}

std::string Sample(const char* name) { return "'" + SourcePath(std::string("data/Data/") + name) + "'"; }

const TJson& DirectionNamed(const TJson& dump, const std::string& name) {
  for (const TJson& d : dump["directions"].Items)
    if (d["name"].S == name) return d;
  throw std::runtime_error("no direction " + name);
}

}  // namespace

TEST(Dump, ReportsTheWholeSamplePassportAtTheStartOfPhaseOne) {
  const TRun run = RunCli("dump " + Sample("svo1"));
  ASSERT_EQ(run.Code, 0) << run.Err;
  EXPECT_EQ(run.Err, "");
  const TJson dump = run.Json();
  for (const char* key : {"address", "address1", "address2", "objectNumber", "objectType", "realScale", "tkk",
                          "comment", "connection", "phases", "directions", "equipment", "changes", "exo", "tram",
                          "clock", "messages"})
    EXPECT_TRUE(dump.Has(key)) << key;
  EXPECT_EQ(dump["address"].S, "ул. Ленина - пр. Мира");
  EXPECT_EQ(dump["objectNumber"].S, "1");
  EXPECT_EQ(dump["objectType"].N, 1);
  EXPECT_NE(dump["comment"].S.find("\r\n"), std::string::npos);
  ASSERT_EQ(dump["phases"].Items.size(), 4u);
  const TJson& p1 = dump["phases"][0];
  EXPECT_EQ(p1["tmain"].Items.size(), 3u);
  EXPECT_EQ(p1["duration"].N, p1["tmain"][0].N + p1["intermediate"].N);
  ASSERT_EQ(dump["directions"].Items.size(), 10u);
  EXPECT_EQ(dump["equipment"]["cols"].N, 4);
  EXPECT_EQ(dump["changes"]["cols"].N, 8);
  EXPECT_EQ(dump["equipment"]["rows"][0].Items.size(), 4u);
  EXPECT_EQ(dump["tram"]["count"].N, 2);
  EXPECT_EQ(dump["tram"]["schemes"][1]["lamps"][2][1].N, 10);
  EXPECT_EQ(dump["clock"]["phase"].N, 1);
  EXPECT_EQ(dump["clock"]["program"].N, 0);
  EXPECT_EQ(dump["clock"]["remaining"].N, p1["duration"].N);
  EXPECT_TRUE(dump["messages"].Items.empty());
  // At the start of phase 1 its directions are green, the others red.
  EXPECT_EQ(DirectionNamed(dump, "1")["color"].S, "0x60FF60");
  EXPECT_TRUE(DirectionNamed(dump, "1")["greenNow"].B);
  EXPECT_EQ(DirectionNamed(dump, "3")["color"].S, "0x5050FF");
  EXPECT_FALSE(DirectionNamed(dump, "3")["greenNow"].B);
}

TEST(Dump, PhaseProgramAndRemainingSetTheClockAndTheColours) {
  const TJson base = RunCli("dump " + Sample("svo1")).Json();
  const TJson& p2 = base["phases"][1];

  const TJson second = RunCli("dump " + Sample("svo1") + " --phase 2 --program 2").Json();
  EXPECT_EQ(second["clock"]["phase"].N, 2);
  EXPECT_EQ(second["clock"]["program"].N, 2);
  EXPECT_EQ(second["clock"]["remaining"].N, p2["tmain"][2].N + p2["intermediate"].N);
  EXPECT_EQ(second["phases"][1]["duration"].N, second["clock"]["remaining"].N);

  // Phase 1 with 7.5 s left: direction 1 closes (yellow from 6 s), direction 2
  // stays open into phase 2.
  const TJson late = RunCli("dump " + Sample("svo1") + " --remaining 7.5").Json();
  EXPECT_EQ(late["clock"]["remaining"].N, 7.5);
  EXPECT_EQ(DirectionNamed(late, "1")["color"].S, "0x60FF60");
  EXPECT_FALSE(DirectionNamed(late, "1")["greenNow"].B);
  const TJson flash = RunCli("dump " + Sample("svo1") + " --remaining 7").Json();
  EXPECT_EQ(DirectionNamed(flash, "1")["color"].S, "0x404040");
  const TJson yellow = RunCli("dump " + Sample("svo1") + " --remaining 5").Json();
  EXPECT_EQ(DirectionNamed(yellow, "1")["color"].S, "0x20FFFF");
  EXPECT_EQ(DirectionNamed(yellow, "2")["color"].S, "0x60FF60");
}

TEST(Dump, TheOtherSamplesLoadWithoutMessages) {
  for (const char* name : {"svo2", "svo3"}) {
    const TRun run = RunCli(std::string("dump ") + Sample(name));
    ASSERT_EQ(run.Code, 0) << name;
    EXPECT_TRUE(run.Json()["messages"].Items.empty()) << name;
  }
  const TJson uk = RunCli("dump " + Sample("svo3") + " --phase 2").Json();
  EXPECT_EQ(uk["objectType"].N, 2);
  EXPECT_EQ(DirectionNamed(uk, "2")["color"].S, "0x60FF60");
  EXPECT_EQ(DirectionNamed(uk, "1")["color"].S, "0x5050FF");
}

TEST(Dump, ADamagedPassportStillDumpsWithItsMessagesInOrder) {
  TTempDir db;
  const std::string dir = db.Path() + "object";  // no "svo": a second message
  ASSERT_EQ(std::system(("mkdir '" + dir + "'").c_str()), 0);
  const std::string nul(1, '\0');
  WriteBytes(dir + "/info.txt",
             Encode1251(CrLf({"ул. \"Новая\"", "тупик\\1", "1", "1", "1", "5 x 0 0"})));
  const TRun run = RunCli("dump '" + dir + "'");
  ASSERT_EQ(run.Code, 0);
  const TJson dump = run.Json();
  EXPECT_EQ(dump["address1"].S, "ул. \"Новая\"");
  EXPECT_EQ(dump["address2"].S, "тупик\\1");
  ASSERT_EQ(dump["messages"].Items.size(), 2u);
  EXPECT_EQ(dump["messages"][0]["severity"].S, "error");
  EXPECT_EQ(dump["messages"][0]["text"].S.rfind("Не могу считать из файла. Ошибка № 106. ", 0), 0u);
  EXPECT_EQ(dump["messages"][1]["severity"].S, "info");
  EXPECT_EQ(dump["objectNumber"].S, "");
  EXPECT_EQ(run.Err, "error: " + dump["messages"][0]["text"].S + "\ninfo: " + dump["messages"][1]["text"].S + "\n");
}

TEST(Dump, ControlCharactersInTextsAreEscaped) {
  TTempDir db;
  const std::string dir = db.Path() + "svo7";
  ASSERT_EQ(std::system(("mkdir '" + dir + "'").c_str()), 0);
  const std::string comment = "таб\tи\x01знак\r\nконец";
  WriteBytes(dir + "/info.txt", Encode1251(CrLf({"a", "b", "1", "0", "0", "0"}) + comment + std::string(1, '\0')));
  const TRun run = RunCli("dump '" + dir + "'");
  ASSERT_EQ(run.Code, 0);
  EXPECT_NE(run.Out.find("\\u0001"), std::string::npos);
  EXPECT_EQ(run.Json()["comment"].S, comment);
  EXPECT_EQ(run.Json()["objectNumber"].S, "7");
}

TEST(Dump, BadArgumentsAndUnreadableDirectoriesAreRefused) {
  const std::string svo1 = Sample("svo1");
  const std::vector<std::string> bad = {"dump",
                                        "dump --phase 1",
                                        "dump " + svo1 + " --phase",
                                        "dump " + svo1 + " --phase 0",
                                        "dump " + svo1 + " --phase x",
                                        "dump " + svo1 + " --program 3",
                                        "dump " + svo1 + " --remaining 1,5",
                                        "dump " + svo1 + " --colour red",
                                        "dump " + svo1 + " " + Sample("svo2")};
  for (const std::string& args : bad) {
    const TRun run = RunCli(args);
    EXPECT_EQ(run.Code, 2) << args;
    EXPECT_EQ(run.Out, "") << args;
  }
  TTempDir db;
  const TRun missing = RunCli("dump '" + db.Path() + "svo404'");
  EXPECT_EQ(missing.Code, 1);
  EXPECT_EQ(missing.Out, "");
}
