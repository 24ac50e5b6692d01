#include <gtest/gtest.h>

#include <sys/stat.h>

#include "ProbeItems.h"
#include "TestSupport.h"
#include "model/SVObject.h"
#include "plan/SVtime.h"
#include "platform/Messages.h"
#include "store/OpenPassport.h"

namespace {

class MapFileTest : public ::testing::Test {
 protected:
  MapFileTest() { WriteBytes(Dir.File("info.txt"), ""); }

  // Loads map.txt with these bytes into a fresh scheme.
  TSVObject& Load(const std::string& bytes) {
    WriteBytes(Dir.File("map.txt"), bytes);
    Scheme = std::make_unique<TSVObject>(Dir.Path());
    Scheme->LoadAll();
    return *Scheme;
  }

  int ItemCount() const {
    int n = 0;
    for (int l = 1; l <= kLayerCount; ++l) n += Scheme->Layer(l).Count();
    return n;
  }

  std::string Context() const {
    return "Источник ошибки - TSVObject.LoadAll(). Имя файла - " + Dir.File("map.txt");
  }

  TTempDir Dir;
  TMessageCapture Messages;
  std::unique_ptr<TSVObject> Scheme;
};

// A building with a label, curbs and tram tracks, in the order and the form
// the writer gives them.
const std::string kCanonicalMap = CrLf({"21", "3", "0 0", "100 0", "100 50", "text", "10 20", "0 0", "5 -3",
                                        "Дом 5", "1", "10 20", "110.5 20", "1", "110.5 20", "200 20", "3",
                                        "150 70", "200 70", "100 70", "200 70", "19", "0 100", "300.25 100"});

const std::string kCurb = CrLf({"1", "0 0", "10 0"});

}  // namespace

TEST_F(MapFileTest, AMissingMapIsReadAsEmptyWithoutWritingAnything) {
  std::remove(Dir.File("info.txt").c_str());
  TSVObject scheme(Dir.Path());
  scheme.LoadAll();
  EXPECT_TRUE(Messages.Messages.empty());
  EXPECT_FALSE(FileExists(Dir.File("map.txt")));
  EXPECT_FALSE(FileExists(Dir.File("info.txt")));
  EXPECT_EQ(scheme.Time->Phase, 1);
  ReadPassportAgain(scheme, TMissingFile::CreateEmpty);
  EXPECT_TRUE(FileExists(Dir.File("map.txt")));
  EXPECT_TRUE(FileExists(Dir.File("info.txt")));
}

// A plan-less scheme keeps no direction arrow; the reader must say how many
// it dropped and from want of which file, whichever way it treats the file.
TEST_F(MapFileTest, ArrowsDroppedForWantOfInfoAreCountedInOneMessageNamingTheFile) {
  std::remove(Dir.File("info.txt").c_str());
  const std::string arrow = CrLf({"16", "2", "0 0", "50 0", "oneway", "run", "0", "1", "notext"});
  for (TMissingFile missing : {TMissingFile::ReadEmpty, TMissingFile::CreateEmpty}) {
    Messages.Messages.clear();
    WriteBytes(Dir.File("map.txt"), arrow + kCurb + arrow + arrow);
    TSVObject scheme(Dir.Path());
    ReadPassportAgain(scheme, missing);
    int items = 0;
    for (int l = 1; l <= kLayerCount; ++l) items += scheme.Layer(l).Count();
    EXPECT_EQ(items, 1);
    ASSERT_EQ(Messages.Messages.size(), 1u);
    EXPECT_EQ(Messages.Messages[0].Severity, TMessageSeverity::Error);
    EXPECT_EQ(Messages.Messages[0].Text, "Нет файла " + Dir.File("info.txt") +
                                             ": без плана фаз не прочитано стрелок направлений: 3. " + Context());
    std::remove(Dir.File("info.txt").c_str());
  }
  // With the plan's file there, even an empty one, the arrows of phases it
  // lacks go as before, without that message.
  Messages.Messages.clear();
  WriteBytes(Dir.File("info.txt"), "");
  Load(arrow);
  EXPECT_TRUE(Messages.Messages.empty());
}

TEST_F(MapFileTest, AMissingMapIsCreatedEmptyAndGivesAnEmptySchemeWithTheClockAtPhaseOne) {
  TSVObject scheme(Dir.Path());
  ReadPassportAgain(scheme, TMissingFile::CreateEmpty);
  EXPECT_TRUE(Messages.Messages.empty());
  EXPECT_EQ(ReadBytes(Dir.File("map.txt")), "");
  EXPECT_EQ(scheme.Time->Phase, 1);
  Scheme = nullptr;
}

TEST_F(MapFileTest, AnUnknownCodeStopsLoadingAndKeepsWhatWasRead) {
  Load(kCurb + CrLf({"0", "1", "5 5", "6 6"}));
  ASSERT_EQ(Messages.Messages.size(), 1u);
  EXPECT_EQ(Messages.Messages[0].Severity, TMessageSeverity::Error);
  EXPECT_EQ(Messages.Messages[0].Text,
            "В файле карты встретился неизвестный код типа объекта. " + Context() + " Неизвестный код: 0");
  EXPECT_EQ(ItemCount(), 1);
  // The clock is left alone when loading stops at an unknown code.
  EXPECT_EQ(Scheme->Time->Phase, 0);
}

TEST_F(MapFileTest, TypeCodesAreTakenModulo256) {
  Load(CrLf({"257 and a comment", "10 20", "110.5 20"}));
  EXPECT_TRUE(Messages.Messages.empty());
  ASSERT_EQ(Scheme->Layer(4).Count(), 1);
  EXPECT_EQ(Scheme->Layer(4).Items()[0]->TypeCode, 1u);
  ASSERT_TRUE(Scheme->SaveMap(Dir.File("out.txt")));
  EXPECT_EQ(ReadBytes(Dir.File("out.txt")), CrLf({"1", "10 20", "110.5 20"}));
}

TEST_F(MapFileTest, ALabelAsATopLevelEntryIsDroppedAndItsLinesAreMisreadAsEntries) {
  Load(kCurb + CrLf({"33", "0 0", "0 0", "0 0", "label"}));
  ASSERT_EQ(Messages.Messages.size(), 2u);
  EXPECT_EQ(Messages.Messages[0].Severity, TMessageSeverity::Info);
  EXPECT_EQ(Messages.Messages[0].Text, "Неизвестный код предмета. (TSVObject.AddItem)");
  EXPECT_EQ(Messages.Messages[1].Text,
            "В файле карты встретился неизвестный код типа объекта. " + Context() + " Неизвестный код: 0");
  EXPECT_EQ(ItemCount(), 1);
}

TEST_F(MapFileTest, AMalformedNumberReportsTheReadErrorKeepsTheWholeEntriesAndStillSetsTheClock) {
  Load(kCurb + CrLf({"1", "5 x5", "6 6", "1", "7 7", "8 8"}));
  ASSERT_EQ(Messages.Messages.size(), 1u);
  EXPECT_EQ(Messages.Messages[0].Severity, TMessageSeverity::Error);
  EXPECT_EQ(Messages.Messages[0].Text, "Не могу считать из файла. Ошибка № 106. " + Context());
  ASSERT_EQ(ItemCount(), 1);
  EXPECT_EQ(Scheme->Layer(4).Items()[0]->Owner, &Scheme->Layer(4));
  EXPECT_EQ(Scheme->Time->Phase, 1);
}

TEST_F(MapFileTest, BlankLinesAfterTheLastEntryAreNotAnotherEntry) {
  Load(kCurb + "\r\n  \r\n");
  EXPECT_TRUE(Messages.Messages.empty());
  EXPECT_EQ(ItemCount(), 1);
}

TEST_F(MapFileTest, LoadingAgainReplacesTheSchemeAndKeepsTheLayerSwitches) {
  Load(kCurb + kCurb);
  Scheme->Layer(4).Editable = false;
  Scheme->LoadAll();
  EXPECT_EQ(Scheme->Layer(4).Count(), 2);
  EXPECT_FALSE(Scheme->Layer(4).Editable);
}

TEST_F(MapFileTest, ItemsReadLaterInALayerAreDrawnFirst) {
  Load(CrLf({"1", "0 0", "10 0", "1", "0 5", "10 5"}));
  const auto& items = Scheme->Layer(4).Items();
  ASSERT_EQ(items.size(), 2u);
  // Items are kept oldest first and drawn from the back.
  EXPECT_EQ(static_cast<TLineSVItem&>(*items[0]).Y1, 0);
  EXPECT_EQ(static_cast<TLineSVItem&>(*items[1]).Y1, 5);
}

TEST_F(MapFileTest, AFileInTheWritersFormIsWrittenBackByteForByte) {
  Load(kCanonicalMap);
  EXPECT_TRUE(Messages.Messages.empty());
  ASSERT_TRUE(Scheme->SaveMap());
  EXPECT_EQ(ReadBytes(Dir.File("map.txt")), kCanonicalMap);
}

TEST_F(MapFileTest, SavingGroupsEntriesByLayerAndAReloadedSchemeSavesTheSameBytes) {
  // The building comes last here; the writer puts it first (layer 1).
  Load(CrLf({"19", "0 100", "300.25 100", "1", "10 20", "110.5 20", "21", "1", "0 0", "notext", "1",
             "110.5 20", "200 20"}));
  EXPECT_TRUE(Messages.Messages.empty());
  ASSERT_TRUE(Scheme->SaveMap());
  const std::string first = ReadBytes(Dir.File("map.txt"));
  EXPECT_EQ(first, CrLf({"21", "1", "0 0", "notext", "19", "0 100", "300.25 100", "1", "10 20", "110.5 20", "1",
                         "110.5 20", "200 20"}));
  Scheme->LoadAll();
  ASSERT_TRUE(Scheme->SaveMap());
  EXPECT_EQ(ReadBytes(Dir.File("map.txt")), first);
}

TEST_F(MapFileTest, DeletedItemsAwaitingUndoAreNotWritten) {
  Load(kCurb + CrLf({"1", "0 5", "10 5"}));
  Scheme->Layer(4).Items()[0]->Selected = true;
  Scheme->HideSelected();
  ASSERT_TRUE(Scheme->SaveMap());
  EXPECT_EQ(ReadBytes(Dir.File("map.txt")), CrLf({"1", "0 5", "10 5"}));
}

TEST_F(MapFileTest, AFailedSaveReportsTheErrorAndLeavesTheOldMap) {
  Load(kCurb);
  Scheme->Layer(4).Items()[0]->Selected = true;
  Scheme->DeleteSelected();
  // A directory where the writer wants its temporary file.
  ASSERT_EQ(::mkdir(Dir.File("map.txt.tmp~").c_str(), 0700), 0);
  EXPECT_FALSE(Scheme->SaveMap());
  EXPECT_EQ(ReadBytes(Dir.File("map.txt")), kCurb);
  ASSERT_EQ(Messages.Messages.size(), 1u);
  EXPECT_EQ(Messages.Messages[0].Severity, TMessageSeverity::Error);
  const std::string& text = Messages.Messages[0].Text;
  EXPECT_EQ(text.rfind("Не могу записать в файл. Ошибка № ", 0), 0u) << text;
  const std::string tail = ". Источник ошибки - TSVObject.SaveMap(). Имя файла - " + Dir.File("map.txt");
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);

  EXPECT_FALSE(Scheme->SaveMap(Dir.File("no-such-dir/map.txt")));
}
