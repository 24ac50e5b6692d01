#include "TestSupport.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "model/SVItem.h"
#include "platform/TextFile.h"

TTempDir::TTempDir() {
  std::string templ = (std::filesystem::temp_directory_path() / "svpass-test-XXXXXX").string();
  if (!::mkdtemp(templ.data())) throw std::runtime_error("mkdtemp failed");
  Path_ = templ + "/";
}

TTempDir::~TTempDir() {
  std::error_code ec;
  std::filesystem::remove_all(Path_, ec);
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

std::string CrLf(std::initializer_list<std::string> lines) {
  std::string out;
  for (const auto& l : lines) out += l + "\r\n";
  return out;
}

std::string SourcePath(const std::string& relative) { return std::string(SVPASS_SOURCE_DIR) + "/" + relative; }

std::string Saved(TSVItem& item) {
  TTextWriter w;
  item.SaveToText(w);
  return w.Bytes();
}

TToolRun RunTool(const std::string& args) {
  TTempDir tmp;
  const std::string cmd = std::string("'") + SVPASS_CLI + "' " + args + " >'" + tmp.File("out") + "' 2>'" +
                          tmp.File("err") + "'";
  const int status = std::system(cmd.c_str());
  TToolRun r;
  r.Code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.Out = ReadBytes(tmp.File("out"));
  r.Err = ReadBytes(tmp.File("err"));
  return r;
}
