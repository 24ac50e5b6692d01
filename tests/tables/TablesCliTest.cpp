// The table dialogs driven headless through "svpass-cli edit": a refused Ok
// leaves the dialog open for the next lines of the script, is no script
// error, and its message is reported; what is stored shows in the report.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "../cli/JsonReader.h"
#include "TestSupport.h"

namespace {

struct TRun {
  int Code = -1;
  std::string Err;
  TJson Report;
};

// Runs the script on a copy of the sample passport svo1.
TRun Edit(const std::string& script) {
  TTempDir tmp;
  WriteBytes(tmp.File("script.txt"), script);
  const std::string cmd = std::string("'") + SVPASS_CLI + "' edit '" + SourcePath("data/Data/svo1") + "' --script '" +
                          tmp.File("script.txt") + "' --out '" + tmp.File("svo1") + "' --today 2026-03-07 >'" +
                          tmp.File("stdout") + "' 2>'" + tmp.File("stderr") + "'";
  const int status = std::system(cmd.c_str());
  TRun r;
  r.Code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.Err = ReadBytes(tmp.File("stderr"));
  r.Report = TJsonParser(ReadBytes(tmp.File("stdout"))).Parse();
  return r;
}

// The same passport as read, without any script.
TJson Dump() {
  TTempDir tmp;
  const std::string cmd = std::string("'") + SVPASS_CLI + "' dump '" + SourcePath("data/Data/svo1") + "' >'" +
                          tmp.File("stdout") + "'";
  EXPECT_EQ(std::system(cmd.c_str()), 0);
  return TJsonParser(ReadBytes(tmp.File("stdout"))).Parse();
}

std::vector<std::string> Messages(const TJson& report) {
  std::vector<std::string> texts;
  for (const TJson& m : report["messages"].Items) {
    EXPECT_EQ(m["severity"].S, "error");
    texts.push_back(m["text"].S);
  }
  return texts;
}

// A table of the report as rows of cells.
std::vector<std::vector<std::string>> TableRows(const TJson& report, const std::string& key) {
  std::vector<std::vector<std::string>> rows;
  for (const TJson& row : report[key]["rows"].Items) {
    rows.emplace_back();
    for (const TJson& cell : row.Items) rows.back().push_back(cell.S);
  }
  return rows;
}

// Each direction as its name and five thresholds.
std::vector<std::string> Directions(const TJson& report) {
  std::vector<std::string> out;
  for (const TJson& d : report["directions"].Items) {
    std::string t = d["name"].S;
    for (const char* k : {"tGreen", "tGreenFlash", "tYellow", "tRed", "tRedYellow"})
      t += " " + std::to_string(static_cast<int>(d[k].N));
    out.push_back(t + " " + d["phases"].S);
  }
  return out;
}

TEST(TablesCli, aCountThatIsNoWholeNumberIsRefusedAndTheGeneralInformationStaysOpenForTheMend) {
  const TRun run = Edit(
      "form TInfoForm\n"
      "text first \"ул. Новая\"\n"
      "text phase \"7.5\"\n"
      "ok\n"
      "text Napr \"пять\"\n"
      "text phase \"6\"\n"
      "ok\n"
      "text Napr \"12\"\n"
      "ok\n");
  ASSERT_EQ(run.Code, 0) << run.Err;
  EXPECT_EQ(Messages(run.Report), (std::vector<std::string>{"Поле «Фаз»: «7.5» — не целое число.",
                                                            "Поле «Направлений»: «пять» — не целое число."}));
  EXPECT_EQ(run.Report["address1"].S, "ул. Новая");
  EXPECT_EQ(run.Report["phases"].Items.size(), 6u);
  EXPECT_EQ(run.Report["directions"].Items.size(), 12u);
}

TEST(TablesCli, aBadCellRefusesTheWholeTableAndCancelThenKeepsThePassportAsItWas) {
  const TJson before = Dump();
  const TRun run = Edit(
      "form TNaprDataForm\n"
      "cell 1 2 \"5\"\n"
      "cell 2 8 \"7\"\n"
      "cell 3 3 \"abc\"\n"
      "ok\n"
      "cancel\n"
      "form TPhaseForm\n"
      "cell 1 1 \"40\"\n"
      "button \"Добавить\"\n"
      "cell 5 2 \"30\"\n"
      "ok\n"
      "cancel\n");
  ASSERT_EQ(run.Code, 0) << run.Err;
  EXPECT_EQ(Messages(run.Report),
            (std::vector<std::string>{"Строка 3, столбец «З»: «abc» — не целое число.",
                                      "Строка 5, столбец «Т мин.»: «» — не целое число."}));
  EXPECT_EQ(Directions(run.Report), Directions(before));
  ASSERT_EQ(run.Report["phases"].Items.size(), 4u);
  EXPECT_EQ(run.Report["phases"][0]["tmin"].N, 12);
}

TEST(TablesCli, aRefusedOkLeavesTheTableOpenAndTheMendedOkStoresEveryRow) {
  const TRun run = Edit(
      "form TPhaseForm\n"
      "cell 2 1 \"9\"\n"
      "button \"Добавить\"\n"
      "cell 5 1 \"6\"\n"
      "cell 5 3 \"21\"\n"
      "ok\n"
      "cell 5 2 \"33\"\n"
      "cell 5 4 \"19\"\n"
      "ok\n");
  ASSERT_EQ(run.Code, 0) << run.Err;
  EXPECT_EQ(Messages(run.Report),
            (std::vector<std::string>{"Строка 5, столбец «Т осн. - I»: «» — не целое число."}));
  const TJson& phases = run.Report["phases"];
  ASSERT_EQ(phases.Items.size(), 5u);
  EXPECT_EQ(phases[1]["tmin"].N, 9);
  EXPECT_EQ(phases[4]["number"].N, 5);
  EXPECT_EQ(phases[4]["tmin"].N, 6);
  EXPECT_EQ(phases[4]["tmain"][0].N, 33);
  EXPECT_EQ(phases[4]["tmain"][1].N, 21);
  EXPECT_EQ(phases[4]["tmain"][2].N, 19);
}

// "Добавить" selects the new row, so "Удалить" right after it removes that
// row in every table that deletes the selected row; "select" chooses
// another one.
TEST(TablesCli, deleteRightAfterAddRemovesTheAddedRowAndSelectChoosesTheRowDeleted) {
  const TJson before = Dump();
  const TRun run = Edit(
      "form TNaprDataForm\n"
      "button \"Добавить \"\n"
      "cell 11 1 \"1, 2\"\n"
      "button \"Удалить\"\n"
      "select 4\n"
      "button \"Удалить\"\n"
      "ok\n"
      "form TtexForm\n"
      "button \"Добавить \"\n"
      "button \"Удалить\"\n"
      "ok\n"
      "form Texoform\n"
      "button \"Добавить \"\n"
      "button \"Удалить\"\n"
      "ok\n"
      "form TComplForm\n"
      "button \"Добавить пустую\"\n"
      "button \"Удалить\"\n"
      "ok\n");
  ASSERT_EQ(run.Code, 0) << run.Err;
  EXPECT_TRUE(run.Report["messages"].Items.empty());
  std::vector<std::string> directions = Directions(before);
  ASSERT_EQ(directions.size(), 10u);
  directions.erase(directions.begin() + 3);
  EXPECT_EQ(Directions(run.Report), directions);
  for (const char* table : {"changes", "exo", "equipment"}) {
    EXPECT_EQ(TableRows(run.Report, table), TableRows(before, table)) << table;
    EXPECT_EQ(run.Report[table]["cols"].N, before[table]["cols"].N) << table;
  }
}

}  // namespace
