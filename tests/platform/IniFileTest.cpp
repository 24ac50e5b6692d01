#include <gtest/gtest.h>

#include <sys/stat.h>

#include "TestSupport.h"
#include "platform/IniFile.h"

namespace {

const std::string kConfig =
    "; program settings\r\n"
    "[DataBase]\r\n"
    "LocalData=1\r\n"
    "DataBaseDir = C:\\Data\\ \r\n"
    "\r\n"
    "[Page]\r\n"
    "Left=2,5\r\n"
    "Quoted=\"  x  \"\r\n"
    "; Top=9\r\n"
    "\r\n"
    "[\xCA\xEE\xEC\xEF\xEB]\r\n"  // [Компл] in Windows-1251
    "\xC8\xEC\xFF=\xCA\xD1-2\r\n";  // Имя=КС-2

}  // namespace

TEST(IniFile, NamesCompareWithoutCaseValuesStayText) {
  TTempDir dir;
  WriteBytes(dir.File("config.ini"), kConfig);
  const TIniFile ini(dir.File("config.ini"));
  EXPECT_EQ(ini.ReadString("database", "DATABASEDIR", "-"), "C:\\Data\\");
  EXPECT_EQ(ini.ReadString("Page", "Left", "-"), "2,5");
  EXPECT_EQ(ini.ReadString("Page", "Quoted", "-"), "  x  ");
  EXPECT_EQ(ini.ReadString("компл", "ИМЯ", "-"), "КС-2");
  EXPECT_EQ(ini.ReadInteger("DataBase", "LocalData", 7), 1);
  EXPECT_TRUE(ini.ReadBool("DataBase", "LocalData", false));
  EXPECT_TRUE(ini.SectionExists("PAGE"));
  EXPECT_EQ(ini.ReadSection("page"), (std::vector<std::string>{"Left", "Quoted"}));
}

TEST(IniFile, MissingKeysCommentsAndNonIntegersGiveTheDefault) {
  TTempDir dir;
  WriteBytes(dir.File("config.ini"), kConfig);
  const TIniFile ini(dir.File("config.ini"));
  EXPECT_EQ(ini.ReadString("Page", "Top", "def"), "def");  // commented out
  EXPECT_EQ(ini.ReadString("Page", "LocalData", "def"), "def");  // another section's key
  EXPECT_EQ(ini.ReadString("Nowhere", "Left", "def"), "def");
  EXPECT_EQ(ini.ReadInteger("Page", "Left", -1), -1);
  EXPECT_FALSE(ini.ValueExists("Page", "Top"));
  EXPECT_FALSE(ini.SectionExists("Nowhere"));
  const TIniFile missing(dir.File("none.ini"));
  EXPECT_EQ(missing.ReadInteger("map", "lastTramscale", 3), 3);
}

TEST(IniFile, WritingAKeyKeepsEveryOtherLineAsItWas) {
  TTempDir dir;
  const std::string path = dir.File("config.ini");
  WriteBytes(path, kConfig);
  TIniFile ini(path);
  ASSERT_TRUE(ini.WriteString("page", "Left", "3,0"));
  std::string expected = kConfig;
  expected.replace(expected.find("Left=2,5"), 8, "Left=3,0");
  EXPECT_EQ(ReadBytes(path), expected);

  // A new key goes after the last line of its section, before the blank.
  ASSERT_TRUE(ini.WriteInteger("DataBase", "Extra", 4));
  expected.insert(expected.find("\r\n\r\n[Page]") + 2, "Extra=4\r\n");
  EXPECT_EQ(ReadBytes(path), expected);

  // A new section is appended after a blank line.
  ASSERT_TRUE(ini.WriteBool("map", "flag", true));
  EXPECT_EQ(ReadBytes(path), expected + "\r\n[map]\r\nflag=1\r\n");

  ASSERT_TRUE(ini.DeleteKey("DATABASE", "extra"));
  EXPECT_EQ(ReadBytes(path), kConfig.substr(0, kConfig.find("Left")) + "Left=3,0" +
                                 kConfig.substr(kConfig.find("Left") + 8) + "\r\n[map]\r\nflag=1\r\n");
  EXPECT_EQ(TIniFile(path).ReadInteger("map", "flag", 0), 1);
}

TEST(IniFile, TwoWindowsWritingTheSameFileKeepEachOthersKeys) {
  TTempDir dir;
  const std::string path = dir.File("config.ini");
  TIniFile mainWindow(path);
  TIniFile printDialog(path);
  ASSERT_TRUE(printDialog.WriteString("Page", "Left", "2,0"));
  ASSERT_TRUE(mainWindow.WriteInteger("map", "lastTramscale", 2));
  const TIniFile after(path);
  EXPECT_EQ(after.ReadString("Page", "Left", "-"), "2,0");
  EXPECT_EQ(after.ReadInteger("map", "lastTramscale", 0), 2);
}

TEST(IniFile, AFailedWriteReportsFalseAndKeepsTheValueForTheSession) {
  TTempDir dir;
  const std::string path = dir.File("config.ini");
  WriteBytes(path, "[Page]\r\nLeft=1\r\n");
  ASSERT_EQ(::mkdir((path + ".tmp~").c_str(), 0755), 0);
  TIniFile ini(path);
  EXPECT_FALSE(ini.WriteString("Page", "Left", "9"));
  EXPECT_EQ(ini.ReadString("Page", "Left", "-"), "9");
  EXPECT_EQ(ReadBytes(path), "[Page]\r\nLeft=1\r\n");
  // A second failed write keeps the first value too, and once the file can
  // be written again both reach it.
  EXPECT_FALSE(ini.WriteString("Page", "Top", "4"));
  EXPECT_EQ(ini.ReadString("Page", "Left", "-"), "9");
  EXPECT_EQ(ini.ReadString("Page", "Top", "-"), "4");
  ASSERT_EQ(::rmdir((path + ".tmp~").c_str()), 0);
  EXPECT_TRUE(ini.WriteString("Page", "Right", "2"));
  EXPECT_EQ(ReadBytes(path), "[Page]\r\nLeft=9\r\nTop=4\r\nRight=2\r\n");
}
