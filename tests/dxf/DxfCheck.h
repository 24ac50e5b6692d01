#pragma once
// Running the ezdxf checker (dxf_check.py) and a shell command from a test.
#include <sys/wait.h>

#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "TestSupport.h"

namespace dxftest {

inline int Shell(const std::string& cmd) {
  const int status = std::system(cmd.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

inline bool Have(const std::string& program) { return Shell("command -v " + program + " >/dev/null 2>&1") == 0; }

// The system's Python, which the Debian package of ezdxf belongs to.
inline const std::string& Python() {
  static const std::string python = "/usr/bin/python3";
  return python;
}

inline bool HaveEzdxf() { return Shell(Python() + " -c 'import ezdxf' >/dev/null 2>&1") == 0; }

// The checker's lines; an empty list when it failed (its errors in `err`).
inline std::vector<std::string> Check(const std::string& mode, const std::string& dxf, const TTempDir& tmp,
                                      std::string& err) {
  const std::string out = tmp.File("check.out"), errFile = tmp.File("check.err");
  const int code = Shell(Python() + " '" + SourcePath("tests/dxf/dxf_check.py") + "' " + mode + " '" + dxf + "' >'" +
                         out + "' 2>'" + errFile + "'");
  err = ReadBytes(errFile);
  std::vector<std::string> lines;
  if (code != 0) return lines;
  std::istringstream in(ReadBytes(out));
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// What the audit says of a file.
struct TAudit {
  std::string Version, Codepage;
  int Errors = -1, Fixes = -1;
  std::vector<std::string> Messages;
  // Entities of each layer of the table.
  std::map<std::string, int> Layers;
};

inline TAudit Audit(const std::string& dxf, const TTempDir& tmp, std::string& err) {
  TAudit a;
  for (const std::string& line : Check("audit", dxf, tmp, err)) {
    const auto space = line.find(' ');
    const std::string key = line.substr(0, space), rest = space == std::string::npos ? "" : line.substr(space + 1);
    if (key == "version") a.Version = rest;
    if (key == "codepage") a.Codepage = rest;
    if (key == "errors") a.Errors = std::stoi(rest);
    if (key == "fixes") a.Fixes = std::stoi(rest);
    if (key == "message") a.Messages.push_back(rest);
    if (key == "layer") {
      const auto gap = rest.find(' ');
      a.Layers[rest.substr(gap + 1)] = std::stoi(rest.substr(0, gap));
    }
  }
  return a;
}

inline std::string Joined(const std::vector<std::string>& lines) {
  std::string s;
  for (const auto& l : lines) s += l + '\n';
  return s;
}

}  // namespace dxftest
