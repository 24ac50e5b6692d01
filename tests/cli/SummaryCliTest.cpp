// svpass-cli summary: one row per passport, every column of every row worked
// out by hand from the files the test writes, as a table, CSV and JSON.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

#include "JsonReader.h"
#include "TestSupport.h"
#include "platform/Codec1251.h"

namespace {

using TRun = TToolRun;

TRun Summary(const std::string& args) { return RunTool("summary " + args); }

std::string Info(const std::string& address, const std::string& type, std::initializer_list<std::string> plan) {
  const std::string nul(1, '\0');
  std::string text = CrLf({address, "д. 1", type});
  text += CrLf(plan);
  return Encode1251(text + nul + CrLf({"", "4 0", "8 0", "8 0"}) + nul + CrLf({"", "0", "1"}));
}

void SetModified(const std::string& path, std::time_t when) {
  const timespec times[2] = {{when, 0}, {when, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0) << path;
}

// svo2: a system object with a quoted, comma-holding address, no plan and an
// empty scheme: nothing to find. svo10: a controlled-area object ("УК") of one
// phase in which nothing opens and no arrow is drawn (2 warnings), without a
// map.txt. svo12: a local object whose one direction opens in its one phase
// and whose one vehicle head hangs on nothing and is bound to no direction
// (2 errors), with no arrow for the phase and no head for the direction (2
// warnings). A folder and a file that are not passports lie beside them.
struct TDatabase {
  TTempDir Dir;
  TDatabase() {
    Make("svo2", Info("ул. \"Первая\", 5", "0", {"0", "0", "0"}), "");
    Make("svo10", Info("ул. Вторая", "2", {"1", "1", "5 10 0 0", "0", "0"}), std::nullopt);
    Make("svo12", Info("ул. Третья", "1", {"1", "1", "5 10 0 0", "0", "1", "1", "1", "", "3 3 3 0 0", ""}),
         CrLf({"10", "100 50", "0 0", "0 -12", "0", "no napr", "notext"}));
    // 2001-09-09T01:46:40Z, 2023-11-14T22:13:20Z, 2009-02-13T23:31:30Z,
    // 2017-07-14T02:40:00Z, 2020-09-13T12:26:40Z.
    SetModified(Dir.File("svo2/info.txt"), 1000000000);
    SetModified(Dir.File("svo2/map.txt"), 1700000000);
    SetModified(Dir.File("svo10/info.txt"), 1234567890);
    SetModified(Dir.File("svo12/info.txt"), 1500000000);
    SetModified(Dir.File("svo12/map.txt"), 1600000000);
    std::filesystem::create_directory(Dir.File("notes"));
    WriteBytes(Dir.File("svo7"), "a file, not a passport");
  }
  void Make(const std::string& name, const std::string& info, const std::optional<std::string>& map) {
    std::filesystem::create_directory(Dir.File(name));
    WriteBytes(Dir.File(name + "/info.txt"), info);
    if (map) WriteBytes(Dir.File(name + "/map.txt"), *map);
  }
  std::string Quoted() const { return "'" + Dir.Path() + "'"; }
};

TEST(SummaryCommand, TableCsvAndJsonGiveEveryColumnOfEveryPassportInNumberOrder) {
  // A database of its own for each form, whatever reading leaves behind.
  TDatabase db, csvDb, jsonDb;
  const TRun table = Summary(db.Quoted());
  ASSERT_EQ(table.Code, 0) << table.Err;
  EXPECT_EQ(table.Out,
            "number  address                 type       phases  directions  items  errors  warnings  info_date      "
            "       map_date\n"
            "     2  ул. \"Первая\", 5 - д. 1  Системный       0           0      0       0         0  "
            "2001-09-09T01:46:40Z  2023-11-14T22:13:20Z\n"
            "    10  ул. Вторая - д. 1       УК              1           0      0       0         2  "
            "2009-02-13T23:31:30Z  -\n"
            "    12  ул. Третья - д. 1       Локальный       1           1      1       2         2  "
            "2017-07-14T02:40:00Z  2020-09-13T12:26:40Z\n");

  const TRun csv = Summary(csvDb.Quoted() + " --csv");
  ASSERT_EQ(csv.Code, 0) << csv.Err;
  EXPECT_EQ(csv.Out,
            "number,address,type,phases,directions,items,errors,warnings,info_date,map_date\r\n"
            "2,\"ул. \"\"Первая\"\", 5 - д. 1\",Системный,0,0,0,0,0,2001-09-09T01:46:40Z,2023-11-14T22:13:20Z\r\n"
            "10,ул. Вторая - д. 1,УК,1,0,0,0,2,2009-02-13T23:31:30Z,\r\n"
            "12,ул. Третья - д. 1,Локальный,1,1,1,2,2,2017-07-14T02:40:00Z,2020-09-13T12:26:40Z\r\n");

  const TRun json = Summary(jsonDb.Quoted() + " --json");
  ASSERT_EQ(json.Code, 0) << json.Err;
  const TJson doc = TJsonParser(json.Out).Parse();
  const TJson& rows = doc["passports"];
  ASSERT_EQ(rows.Items.size(), 3u);
  const struct {
    const char* Dir;
    const char* Number;
    const char* Address;
    int Type;
    const char* TypeName;
    int Phases, Directions, Items, Errors, Warnings;
    const char* InfoDate;
    const char* MapDate;  // nullptr: null
  } expected[] = {
      {"svo2/", "2", "ул. \"Первая\", 5 - д. 1", 0, "Системный", 0, 0, 0, 0, 0, "2001-09-09T01:46:40Z",
       "2023-11-14T22:13:20Z"},
      {"svo10/", "10", "ул. Вторая - д. 1", 2, "УК", 1, 0, 0, 0, 2, "2009-02-13T23:31:30Z", nullptr},
      {"svo12/", "12", "ул. Третья - д. 1", 1, "Локальный", 1, 1, 1, 2, 2, "2017-07-14T02:40:00Z",
       "2020-09-13T12:26:40Z"},
  };
  for (std::size_t i = 0; i < 3; ++i) {
    SCOPED_TRACE(expected[i].Dir);
    const TJson& r = rows[i];
    EXPECT_EQ(r.Members.size(), 12u);
    EXPECT_EQ(r["dir"].S, jsonDb.Dir.File(expected[i].Dir));
    EXPECT_EQ(r["number"].S, expected[i].Number);
    EXPECT_EQ(r["address"].S, expected[i].Address);
    EXPECT_EQ(r["objectType"].N, expected[i].Type);
    EXPECT_EQ(r["objectTypeName"].S, expected[i].TypeName);
    EXPECT_EQ(r["phases"].N, expected[i].Phases);
    EXPECT_EQ(r["directions"].N, expected[i].Directions);
    EXPECT_EQ(r["items"].N, expected[i].Items);
    EXPECT_EQ(r["errors"].N, expected[i].Errors);
    EXPECT_EQ(r["warnings"].N, expected[i].Warnings);
    EXPECT_EQ(r["infoDate"].S, expected[i].InfoDate);
    if (expected[i].MapDate)
      EXPECT_EQ(r["mapDate"].S, expected[i].MapDate);
    else
      EXPECT_EQ(r["mapDate"].Type, TJson::Null);
  }
}

TEST(SummaryCommand, RefusesTwoFormsAndFindsNothingToSumUpInAnEmptyFolder) {
  TDatabase db;
  TTempDir empty;
  const struct {
    std::string Args;
    int Code;
  } cases[] = {{db.Quoted() + " --csv --json", 2},
               {db.Quoted() + " --xml", 2},
               {"", 2},
               {"'" + empty.Path() + "'", 1},
               {"'" + empty.File("missing") + "'", 1}};
  for (const auto& c : cases) {
    const TRun run = Summary(c.Args);
    EXPECT_EQ(run.Code, c.Code) << c.Args;
    EXPECT_EQ(run.Out, "") << c.Args;
  }
}

}  // namespace
