// Opening a passport from a store: what is created for a missing file, what
// the reading says, and that saving goes back to the store it came from.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <utility>

#include "TestSupport.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "plan/SVtime.h"
#include "platform/Messages.h"
#include "platform/TextFile.h"
#include "store/FolderStore.h"
#include "store/OpenPassport.h"

namespace {

namespace fs = std::filesystem;

const std::string kCurb = "1\r\n10 20\r\n110.5 20\r\n";

int ItemCount(TSVObject& scheme) {
  int n = 0;
  for (int l = 1; l <= kLayerCount; ++l) n += scheme.Layer(l).Count();
  return n;
}

TEST(OpenPassport, readingAPassportWithoutInfoCreatesNothingAndKnowsWhereItCameFrom) {
  TTempDir db;
  fs::create_directory(db.File("svo3"));
  WriteBytes(db.File("svo3/map.txt"), kCurb);
  auto store = std::make_shared<TFolderStore>(db.Path());
  TLoadedPassport p = OpenPassport(store, "svo3", TMissingFile::ReadEmpty, TReadMessages::Kept);
  EXPECT_TRUE(p.Messages.empty());
  EXPECT_FALSE(fs::exists(db.File("svo3/info.txt")));
  EXPECT_TRUE(p.Scheme->Info->FileMissing);
  EXPECT_EQ(p.Scheme->Layer(4).Count(), 1);
  EXPECT_EQ(ItemCount(*p.Scheme), 1);
  EXPECT_EQ(p.Scheme->Dir, db.File("svo3/"));
  EXPECT_EQ(p.Scheme->Info->FileName, db.File("svo3/info.txt"));
  EXPECT_EQ(p.Scheme->Store, store);
  EXPECT_EQ(p.Scheme->StoreId, "svo3");
  EXPECT_EQ(p.Scheme->Time->Phase, 1);
  EXPECT_EQ(ReadBytes(db.File("svo3/map.txt")), kCurb);
}

TEST(OpenPassport, openingToViewCreatesBothMissingFilesEmpty) {
  TTempDir db;
  fs::create_directory(db.File("svo5"));
  TLoadedPassport p =
      OpenPassport(std::make_shared<TFolderStore>(db.Path()), "svo5", TMissingFile::CreateEmpty, TReadMessages::Kept);
  EXPECT_TRUE(p.Messages.empty());
  EXPECT_TRUE(p.Scheme->Info->FileMissing);
  ASSERT_TRUE(fs::exists(db.File("svo5/info.txt")));
  ASSERT_TRUE(fs::exists(db.File("svo5/map.txt")));
  EXPECT_EQ(ReadBytes(db.File("svo5/info.txt")), "");
  EXPECT_EQ(ReadBytes(db.File("svo5/map.txt")), "");
  EXPECT_EQ(ItemCount(*p.Scheme), 0);
}

TEST(OpenPassport, keepsTheReadingMessagesNamingTheFileAndNeverShowsThem) {
  TTempDir db;
  fs::create_directory(db.File("svo3"));
  WriteBytes(db.File("svo3/info.txt"), "");
  WriteBytes(db.File("svo3/map.txt"), kCurb + "1\r\n0 x\r\n");
  TMessageCapture shown;
  TLoadedPassport p = OpenPassportDir(db.File("svo3"), TReadMessages::Kept);
  EXPECT_TRUE(shown.Messages.empty());
  ASSERT_EQ(p.Messages.size(), 1u);
  EXPECT_EQ(p.Messages[0].Severity, TMessageSeverity::Error);
  EXPECT_EQ(p.Messages[0].Text, "Не могу считать из файла. Ошибка № 106. Источник ошибки - TSVObject.LoadAll(). "
                                "Имя файла - " + db.File("svo3/map.txt"));
  EXPECT_EQ(ItemCount(*p.Scheme), 1);
  // Shown, they go to the program-wide sink as they come.
  TLoadedPassport q = OpenPassportDir(db.File("svo3"));
  EXPECT_TRUE(q.Messages.empty());
  ASSERT_EQ(shown.Messages.size(), 1u);
  EXPECT_EQ(shown.Messages[0].Text, p.Messages[0].Text);
}

// A store that keeps its files in memory: what a store of versions would
// see of the passport's reads and saves.
class TMemoryStore : public TPassportStore {
 public:
  std::map<std::pair<std::string, TPassportFile>, std::string> Files;
  int Writes = 0;
  TPassportList List() const override { return {}; }
  std::optional<std::string> Read(const std::string& id, TPassportFile file, TMissingFile) override {
    const auto it = Files.find({id, file});
    if (it == Files.end()) return std::nullopt;
    return it->second;
  }
  void Write(const std::string& id, TPassportFile file, const std::string& bytes) override {
    ++Writes;
    Files[{id, file}] = bytes;
  }
  TRevision Revision(const std::string& id, TPassportFile file) const override {
    TRevision r;
    r.Exists = Files.count({id, file}) > 0;
    return r;
  }
  std::unique_ptr<TStoreLock> Lock(const std::string&) override { return nullptr; }
  std::string Location(const std::string& id) const override { return "memory:" + id + "/"; }
};

TEST(OpenPassport, savesGoBackToTheStoreThePassportCameFrom) {
  auto store = std::make_shared<TMemoryStore>();
  store->Files[{"svo9", TPassportFile::Map}] = kCurb;
  TLoadedPassport p = OpenPassport(store, "svo9", TMissingFile::ReadEmpty, TReadMessages::Kept);
  EXPECT_TRUE(p.Messages.empty());
  EXPECT_TRUE(p.Scheme->Info->FileMissing);
  EXPECT_EQ(p.Scheme->Info->FileName, "memory:svo9/info.txt");
  ASSERT_EQ(p.Scheme->Layer(4).Count(), 1);
  store->Files.clear();
  ASSERT_TRUE(p.Scheme->SaveMap());
  p.Scheme->Info->Address1 = "Мира";
  p.Scheme->Info->Modified = true;
  ASSERT_TRUE(p.Scheme->Info->SaveAll());
  EXPECT_FALSE(p.Scheme->Info->Modified);
  EXPECT_EQ(store->Writes, 2);
  EXPECT_EQ(store->Files[std::make_pair(std::string("svo9"), TPassportFile::Map)], kCurb);
  const std::string info = store->Files[std::make_pair(std::string("svo9"), TPassportFile::Info)];
  EXPECT_EQ(info.substr(0, 6), "\xCC\xE8\xF0\xE0\r\n");
  EXPECT_FALSE(fs::exists("memory:svo9"));
  // Information pointed at another file goes there instead.
  TTempDir out;
  p.Scheme->Info->FileName = out.File("info.txt");
  ASSERT_TRUE(p.Scheme->Info->SaveAll());
  EXPECT_EQ(store->Writes, 2);
  EXPECT_EQ(ReadBytes(out.File("info.txt")), info);
}

}  // namespace
