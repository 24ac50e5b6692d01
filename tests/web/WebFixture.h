#pragma once
// A small database for the site's tests: the three sample passports and a
// fourth, a copy of svo1 under an address made to break markup.
#include <filesystem>
#include <string>

#include "TestSupport.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "store/OpenPassport.h"

inline const std::string kHostileAddress = "<script>alert(1)</script>\" & ' ]]> </script><!-- Тверская";

inline void CopySample(const std::string& id, const std::string& db) {
  namespace fs = std::filesystem;
  fs::create_directories(db + id);
  for (const char* f : {"info.txt", "map.txt"})
    fs::copy_file(SourcePath("data/Data/" + id + "/" + f), db + id + "/" + f, fs::copy_options::overwrite_existing);
}

// The database under `root` ("db/"), with svo9 the hostile copy of svo1.
inline std::string MakeWebDatabase(const TTempDir& root) {
  const std::string db = root.File("db/");
  for (const char* id : {"svo1", "svo2", "svo3"}) CopySample(id, db);
  CopySample("svo1", db + "tmp/");
  std::filesystem::rename(db + "tmp/svo1", db + "svo9");
  std::filesystem::remove(db + "tmp");
  TLoadedPassport p = OpenPassportDir(db + "svo9/", TReadMessages::Kept);
  p.Scheme->Info->Address1 = kHostileAddress;
  p.Scheme->Info->Address2 = "у дома № 5 \"А\"";
  WriteBytes(db + "svo9/info.txt", p.Scheme->Info->SavedBytes());
  return db;
}
