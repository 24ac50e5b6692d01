// The export of a passport's tables through damaged templates: the templates
// are files a user may replace, so whatever they hold the export either
// writes a document that reads back or refuses with one error message that
// names the template, and never touches the chosen file on a refusal.
//
// The first byte chooses what the rest replaces: bit 0 clear, every table
// template ("phaseI.doc" ... "ExoNapr.doc"); set, the frame "empty.doc" with
// the table templates intact. The byte shifted right by one, modulo 3, is
// the object type (the УК type leaves the plan sections out).
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "FuzzSupport.h"
#include "doc/Rtf.h"
#include "export/ExportModel.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "platform/ProgramDir.h"

#ifndef SVPASS_TEMPLATE_DIR
#error "SVPASS_TEMPLATE_DIR names the shipped templates"
#endif

namespace {

const char* const kTableTemplates[] = {"phaseI.doc", "phaseIII.doc", "napr.doc",
                                       "compl.doc",  "Change.doc",   "ExoNapr.doc"};

// Neither shows nor prints: the export writes RTF into a ".doc" name.
class TNoOutput : public TDocOutput {
 public:
  void WritePdf(const TDocument&, const std::string&) override { FuzzFail("a .doc export laid out a PDF"); }
  void Print(const TDocument&) override { FuzzFail("an export printed"); }
  void Show(const std::string&, bool) override {}
};

class THost : public TExportHost {
 public:
  bool ChooseExportFile(std::string&) override { return false; }
  bool ChoosePrinter() override { return false; }
  TDocOutput* Output() override { return &Output_; }
  void SetBusy(bool) override {}

 private:
  TNoOutput Output_;
};

struct TFixture {
  std::string Program;
  std::string Templates;
  std::string Passport;
  std::string Target;
  TSVObject* Scheme = nullptr;
};

TFixture& Fixture() {
  static TFixture f = [] {
    TFixture x;
    x.Program = ScratchDir("program");
    x.Templates = x.Program + "template/";
    std::filesystem::create_directories(x.Templates);
    x.Passport = ScratchDir("svo12");
    WriteFile(x.Passport + "info.txt", FixedInfoBytes());
    x.Target = ScratchDir("out") + "tables.doc";
    x.Scheme = new TSVObject(x.Passport);
    x.Scheme->Info->LoadAll();
    SetProgramDir(x.Program);
    return x;
  }();
  return f;
}

std::string Shipped(const std::string& name) {
  static const std::string dir = std::string(SVPASS_TEMPLATE_DIR) + "/";
  const std::string bytes = ReadFile(dir + name);
  if (bytes.empty()) FuzzFail("no shipped template " + dir + name);
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  Messages();
  Fixture();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  TFixture& f = Fixture();
  const bool frame = (data[0] & 1) != 0;
  const std::string damaged(reinterpret_cast<const char*>(data) + 1, size - 1);
  WriteFile(f.Templates + "empty.doc", frame ? damaged : Shipped("empty.doc"));
  for (const char* name : kTableTemplates) WriteFile(f.Templates + name, frame ? Shipped(name) : damaged);
  std::error_code ec;
  std::filesystem::remove(f.Target, ec);

  TSVInfo& info = *f.Scheme->Info;
  info.ObjectType = (data[0] >> 1) % 3;
  TExportModel model;
  THost host;
  model.Host = &host;
  model.Prepare(info);
  model.WordBox = (data[0] & 8) != 0;
  Messages().Reset();
  const bool ok = model.ExportTo(f.Target, host);

  if (ok) {
    if (Messages().Errors != 0) FuzzFail("an export that succeeded showed an error: " + Messages().Last);
    const std::string written = ReadFile(f.Target);
    try {
      ReadRtf(written);
    } catch (const TDocError& e) {
      FuzzFail(std::string("the exported document does not read back: ") + e.what());
    }
    return 0;
  }
  if (Messages().Errors != 1 || Messages().Infos != 0)
    FuzzFail("a refused export showed other than one error: " + Messages().Last);
  if (Messages().Last.find(f.Templates) == std::string::npos)
    FuzzFail("a refused export does not name the template: " + Messages().Last);
  if (std::filesystem::exists(f.Target)) FuzzFail("a refused export wrote the chosen file");
  return 0;
}
