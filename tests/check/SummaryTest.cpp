// The database overview: which directories are passports, in which order,
// and what one line of the overview says about a passport.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "TestSupport.h"
#include "check/PassportCheck.h"
#include "check/PassportSummary.h"
#include "platform/Codec1251.h"
#include "platform/Messages.h"

namespace {

TEST(PassportDirs, areTheSvoDirectoriesInNumberOrderNotNameOrder) {
  TTempDir db;
  for (const char* name : {"svo10", "svo2", "svo1a", "svo", "other", "svox"})
    std::filesystem::create_directory(db.File(name));
  WriteBytes(db.File("svo3"), "a file, not a passport");
  EXPECT_EQ(PassportDirs(db.Path()),
            (std::vector<std::string>{db.File("svo1a/"), db.File("svo2/"), db.File("svo10/")}));
}

TEST(ChangeDateKey, readsDayMonthYearAtTheStartOnly) {
  const struct {
    const char* Text;
    int Key;
  } cases[] = {{"05.03.2024 г.", 20240305}, {" 31.12.1999", 19991231}, {"3.5.2024", 0},
               {"2024.03.05", 0},           {"32.01.2020", 0},         {"12.13.2020", 0},
               {"", 0},                     {"01-02-2003", 0}};
  for (const auto& c : cases) EXPECT_EQ(ChangeDateKey(c.Text), c.Key) << c.Text;
}

// A passport of 3 phases, 1 direction open in phase 2, an empty scheme and a
// change log whose rows are not in date order: 2019 in the date column, then
// 2021 after a row number (as older logs keep it), then a row with no date.
std::string InfoWithLog() {
  const std::string nul(1, '\0');
  return Encode1251(CrLf({"ул. Речная", "д. 7", "1", "3", "1", "5 10 0 0", "2", "5 10 0 0", "3", "5 10 0 0", "0",
                        "1", "1", "2", "", "3 3 3 0 0", ""}) +
                  nul +
                  CrLf({"", "4 0", "8 3", "14.02.2019 г.", "", "", "", "", "", "", "", "2", "03.11.2021", "", "",
                        "", "", "", "", "не дата", "", "", "", "", "", "", "", "8 0"}) +
                  nul + CrLf({"", "0", "1"}));
}

TEST(SummarizePassport, countsThePlanAndTakesTheLatestDateOfTheLog) {
  TTempDir db;
  std::filesystem::create_directory(db.File("svo42"));
  WriteBytes(db.File("svo42/info.txt"), InfoWithLog());
  WriteBytes(db.File("svo42/map.txt"), "");
  const TPassportSummary s = SummarizePassport(db.File("svo42/"));
  EXPECT_EQ(s.Number, "42");
  EXPECT_EQ(s.Address, "ул. Речная - д. 7");
  EXPECT_EQ(s.ObjectType, 1);
  EXPECT_EQ(s.Phases, 3);
  EXPECT_EQ(s.Directions, 1);
  EXPECT_EQ(s.Items, 0);
  EXPECT_EQ(s.LastChange, "03.11.2021");
  EXPECT_EQ(s.LastChangeKey, 20211103);
  // Phases 1 and 3 open nothing (2 warnings), every phase lacks arrows (3),
  // direction 1 has no head (1): 6 warnings, no errors.
  EXPECT_EQ(s.Findings.Errors, 0);
  EXPECT_EQ(s.Findings.Warnings, 6);
}

TEST(ThreadMessageCapture, keepsAWorkerThreadsMessagesFromTheProgramWideSink) {
  TMessageCapture global;
  std::vector<TMessage> inWorker;
  std::thread worker([&] {
    TThreadMessageCapture capture;
    ShowError("из потока");
    inWorker = capture.Messages;
  });
  worker.join();
  ShowInfo("из окна");
  ASSERT_EQ(inWorker.size(), 1u);
  EXPECT_EQ(inWorker[0].Text, "из потока");
  EXPECT_EQ(inWorker[0].Severity, TMessageSeverity::Error);
  ASSERT_EQ(global.Messages.size(), 1u);
  EXPECT_EQ(global.Messages[0].Text, "из окна");
}

}  // namespace
