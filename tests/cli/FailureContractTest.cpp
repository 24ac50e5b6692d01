// What a script relies on when a command meets a fault: the exit status of
// the fault's kind, exactly one line on standard error naming what failed,
// and no output file left behind. Every command against every kind of fault.
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {

struct TRun {
  int Code = -1;
  std::string Out;
  std::string Err;
};

// stdout: where standard output goes ("" for a file read back into Out).
TRun Cli(const std::string& args, const std::string& stdoutTo = "") {
  TTempDir tmp;
  const std::string out = stdoutTo.empty() ? tmp.File("out") : stdoutTo;
  // "closed": standard output is no open file at all.
  const std::string redirect = stdoutTo == "closed" ? std::string(">&-") : " >'" + out + "'";
  const std::string cmd = std::string("'") + SVPASS_CLI + "' " + args + redirect + " 2>'" + tmp.File("err") + "'";
  const int status = std::system(cmd.c_str());
  TRun r;
  r.Code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  if (stdoutTo.empty()) r.Out = ReadBytes(out);
  r.Err = ReadBytes(tmp.File("err"));
  return r;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  return lines;
}

// The error lines of the tool itself; hints ("Try ...", "usage: ...") and the
// messages of reading ("error: ...", "info: ...") are not counted.
std::vector<std::string> ToolLines(const std::string& err) {
  std::vector<std::string> out;
  for (const std::string& l : Lines(err))
    if (l.rfind("svpass-cli: ", 0) == 0) out.push_back(l);
  return out;
}

std::string Quoted(const std::string& s) { return "'" + s + "'"; }

// A passport whose info.txt breaks off at a phase count that is no number:
// reading says so once and goes on with the scheme.
void WriteDamaged(const std::string& dir) {
  fs::create_directories(dir);
  WriteBytes(dir + "/info.txt", "ул. Первая\r\nул. Вторая\r\n1\r\nдва\r\n");
  WriteBytes(dir + "/map.txt", "1\r\n10 20\r\n110.5 20\r\n");
}

// A small filesystem already full, when this process may mount one.
class TFullDisk {
 public:
  TFullDisk() {
    Dir_ = Tmp_.File("full");
    fs::create_directories(Dir_);
    if (::mount("tmpfs", Dir_.c_str(), "tmpfs", 0, "size=64k") != 0) return;
    Mounted_ = true;
    std::ofstream fill(Dir_ + "/fill", std::ios::binary);
    const std::string block(4096, 'x');
    for (int i = 0; i < 64 && fill; ++i) fill.write(block.data(), static_cast<std::streamsize>(block.size())), fill.flush();
  }
  ~TFullDisk() {
    if (Mounted_) ::umount(Dir_.c_str());
  }
  bool Mounted() const { return Mounted_; }
  std::string File(const std::string& name) const { return Dir_ + "/" + name; }
  // What the disk holds besides the file that fills it.
  std::vector<std::string> Left() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(Dir_))
      if (e.path().filename() != "fill") names.push_back(e.path().filename().string());
    return names;
  }

 private:
  TTempDir Tmp_;
  std::string Dir_;
  bool Mounted_ = false;
};

struct TCommandCase {
  std::string Name;
  // The command line with {DIR} for the passport and {OUT} for the output
  // target (a file, a directory, or standard output when empty).
  std::string Line;
  bool OutIsStdout;
  bool Reads = true;  // takes a passport
  std::string BadOption;
  std::string BadOptionLine;  // the tool's line for it
  // Appended to Line for every run but the one with the bad option.
  std::string Rest = "";
};

}  // namespace

TEST(CliFailureContract, EveryCommandAgainstEveryKindOfFault) {
  const std::string sample = SourcePath("data/Data/svo1");
  TTempDir tmp;
  const std::string script = tmp.File("script.txt");
  WriteBytes(script, "");
  const std::vector<TCommandCase> commands = {
      {"dump", "dump {DIR}", true, true, "--phase 0", "svpass-cli: dump: --phase 0: a phase, 1 to 255"},
      {"check", "check {DIR}", true, true, "--jsn", "svpass-cli: check: unknown option '--jsn'"},
      {"render", "render {DIR} --out {OUT}.png", false, true, "--width 10",
       "svpass-cli: render: --width 10: 16 to 20000"},
      {"print", "print {DIR} --out {OUT}.pdf", false, true, "--phases 9", "svpass-cli: print: --phases 9: the passport has 4 phases"},
      {"export", "export {DIR} --out {OUT}.doc", false, true, "--sections nothing",
       "svpass-cli: export: --sections nothing: \"nothing\" is none of changes, comment, connection, directions, equipment, exo, phases"},
      {"resave", "resave {DIR} --out {OUT}", false, true, "--info=yes",
       "svpass-cli: resave: unknown option '--info=yes'"},
      {"edit", "edit {DIR} --script " + Quoted(script) + " --out {OUT}", true, true, "--size 10x10",
       "svpass-cli: edit: --size 10x10: WxH, each 16 to 20000"},
      {"generate", "generate --seed 1 --out {OUT}", false, false, "--items -1",
       "svpass-cli: generate: --items -1: 0 to 10000000", " --items 5"},
  };
  auto expand = [](std::string text, const std::string& dir, const std::string& out) {
    for (std::size_t p; (p = text.find("{DIR}")) != std::string::npos;) text.replace(p, 5, Quoted(dir));
    for (std::size_t p; (p = text.find("{OUT}")) != std::string::npos;) text.replace(p, 5, Quoted(out));
    return text;
  };
  const std::string damaged = tmp.File("svo7");
  WriteDamaged(damaged);
  TFullDisk full;

  for (const TCommandCase& c : commands) {
    SCOPED_TRACE(c.Name);
    // The output of a command without --out goes to standard output; the
    // others write a file (resave, generate and edit a directory).
    auto line = [&](const std::string& text, const std::string& dir, const std::string& out) {
      return expand(text, dir, out) + c.Rest;
    };
    const bool dirOut = c.Name == "resave" || c.Name == "generate" || c.Name == "edit";
    // edit reads its copy back from the output directory: a passport name
    // there, or reading would add the message of a directory without "svo".
    auto fresh = [&](const std::string& tag) { return tmp.File(c.Name + "-" + tag + (c.Name == "edit" ? "-svo1" : "")); };

    if (c.Reads) {
      // A passport that is not there: exit 1 (check: 2, it could not run),
      // one line naming the directory.
      const std::string missing = tmp.File("no-such-passport");
      const TRun m = Cli(line(c.Line, missing, fresh("missing")));
      EXPECT_EQ(m.Code, c.Name == "check" ? 2 : 1) << m.Err;
      const auto ml = Lines(m.Err);
      ASSERT_EQ(ml.size(), 1u) << m.Err;
      EXPECT_NE(ml[0].find("no-such-passport"), std::string::npos) << m.Err;
      EXPECT_FALSE(fs::exists(fresh("missing") + (dirOut ? "" : ".png")));

      // A damaged passport: what can be read is used, the message of reading
      // is on standard error, exit 0 (check reports it as an error: 2).
      const TRun d = Cli(line(c.Line, damaged, fresh("damaged")));
      EXPECT_EQ(d.Code, c.Name == "check" ? 2 : 0) << d.Err;
      EXPECT_EQ(Lines(d.Err).size(), 1u) << d.Err;
      if (c.Name != "check") {
        EXPECT_EQ(d.Err.find("error: Не могу считать из файла. Ошибка № 106."), 0u) << d.Err;
      }
      if (c.Name != "check") {
        // With --strict the same message stops it before it writes anything.
        const TRun s = Cli(line(c.Line, damaged, fresh("strict")) + " --strict");
        if (c.Name == "edit") {
          EXPECT_EQ(s.Code, 2);  // edit works on a copy and has no --strict
        } else {
          EXPECT_EQ(s.Code, 1) << s.Err;
          EXPECT_EQ(s.Out, "");
          const auto sl = ToolLines(s.Err);
          ASSERT_EQ(sl.size(), 1u) << s.Err;
          EXPECT_NE(sl[0].find("--strict"), std::string::npos);
          for (const char* ext : {"", ".png", ".pdf", ".doc"}) EXPECT_FALSE(fs::exists(fresh("strict") + ext)) << ext;
        }
      }
    }

    // A target that cannot be written: exit 1, one line naming it.
    const std::string unwritable = tmp.File("no-such-dir/x");
    if (c.OutIsStdout) {
      if (c.Name != "edit") {
        const TRun u = Cli(line(c.Line, sample, ""), "closed");
        EXPECT_EQ(u.Code, c.Name == "check" ? 2 : 1) << u.Err;
        const auto ul = ToolLines(u.Err);
        ASSERT_EQ(ul.size(), 1u) << u.Err;
        EXPECT_NE(ul[0].find("cannot write standard output"), std::string::npos) << u.Err;
      }
    } else if (!dirOut) {
      const TRun u = Cli(line(c.Line, sample, unwritable));
      EXPECT_EQ(u.Code, 1) << u.Err;
      EXPECT_EQ(Lines(u.Err).size(), 1u) << u.Err;
      EXPECT_NE(u.Err.find(unwritable), std::string::npos) << u.Err;
    }

    // A full disk: standard output on /dev/full, files on a full tmpfs. Exit
    // 1 (check: 2), one line, nothing half-written left.
    if (c.OutIsStdout) {
      const TRun f = Cli(line(c.Line, sample, tmp.File(c.Name + "-full")), "/dev/full");
      EXPECT_EQ(f.Code, c.Name == "check" ? 2 : 1) << f.Err;
      const auto fl = ToolLines(f.Err);
      ASSERT_EQ(fl.size(), 1u) << f.Err;
      EXPECT_EQ(fl[0].find("svpass-cli: " + c.Name + ": cannot write standard output: "), 0u) << f.Err;
    }
    if (full.Mounted() && !c.OutIsStdout) {
      const TRun f = Cli(line(c.Line, sample, full.File(c.Name)));
      EXPECT_EQ(f.Code, 1) << f.Err;
      EXPECT_GE(Lines(f.Err).size(), 1u);
      EXPECT_LE(Lines(f.Err).size(), 1u) << f.Err;
      EXPECT_NE(f.Err.find(full.File(c.Name)), std::string::npos) << f.Err;
      if (c.Name == "resave" || c.Name == "generate") {
        // The directory may stay; no passport file in it.
        EXPECT_FALSE(fs::exists(full.File(c.Name) + "/map.txt"));
        EXPECT_FALSE(fs::exists(full.File(c.Name) + "/info.txt"));
      } else {
        EXPECT_TRUE(full.Left().empty()) << full.Left().front();
      }
      for (const auto& e : fs::directory_iterator(full.File("").substr(0, full.File("").size() - 1)))
        if (e.path().filename() != "fill") fs::remove_all(e.path());
    }

    // A bad option: exit 2, the line names the option and the reason.
    const TRun b = Cli(expand(c.Line, sample, fresh("bad")) + " " + c.BadOption);
    EXPECT_EQ(b.Code, 2) << b.Err;
    const auto bl = ToolLines(b.Err);
    ASSERT_EQ(bl.size(), 1u) << b.Err;
    EXPECT_EQ(bl[0], c.BadOptionLine);
  }
  if (!full.Mounted()) GTEST_SKIP() << "no tmpfs could be mounted: the full-disk cases of the file writers were not run";
}
