#include "FuzzSupport.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "gen/PassportGenerator.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "platform/Codec1251.h"

namespace fs = std::filesystem;

void TSilentMessages::Show(TMessageSeverity severity, const std::string& text) {
  (severity == TMessageSeverity::Error ? Errors : Infos)++;
  Last = text;
}

TSilentMessages& Messages() {
  static TSilentMessages* sink = [] {
    auto* s = new TSilentMessages;
    SetMessageSink(s);
    return s;
  }();
  return *sink;
}

namespace {

// The scratch directories of this process, removed when it ends normally.
class TScratch {
 public:
  ~TScratch() {
    std::error_code ec;
    if (!Root_.empty()) fs::remove_all(Root_, ec);
  }
  const std::string& Dir(const std::string& name) {
    if (Root_.empty()) {
      const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
      Root_ = (base / ("svpass-fuzz-" + std::to_string(::getpid()))).string();
    }
    auto it = Dirs_.find(name);
    if (it == Dirs_.end()) {
      const std::string dir = Root_ + "/" + name + "/";
      fs::create_directories(dir);
      it = Dirs_.emplace(name, dir).first;
    }
    return it->second;
  }

 private:
  std::string Root_;
  std::map<std::string, std::string> Dirs_;
};

}  // namespace

const std::string& ScratchDir(const std::string& name) {
  static TScratch scratch;
  return scratch.Dir(name);
}

const std::string& FixedInfoBytes() {
  // The information of a generated passport: every kind of record, and the
  // direction names the generated heads are bound to.
  static const std::string bytes = [] {
    TSVObject scheme(ScratchDir("info-source"));
    GeneratePassport(scheme, TGeneratorOptions{0, 1});
    return scheme.Info->SavedBytes();
  }();
  return bytes;
}

void WriteFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!f) FuzzFail("cannot write " + path);
}

void WriteFile(const std::string& path, const std::string& bytes) {
  WriteFile(path, reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

std::string ReadFile(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::ostringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

void FuzzFail(const std::string& what) {
  std::fprintf(stderr, "\nproperty broken: %s\n", what.c_str());
  std::abort();
}

// --- the null canvas -------------------------------------------------------

void TNullCanvas::Touch(const TPoint* pts, int count) {
  ++Ops;
  if (count < 0) FuzzFail("a primitive with a negative point count");
  if (count > 0 && !pts) FuzzFail("a primitive without points");
  for (int i = 0; i < count; ++i) Checksum += pts[i].x ^ pts[i].y;
}

void TNullCanvas::LineTo(int x, int y) {
  const TPoint pts[2] = {PenPos, TPoint{x, y}};
  Touch(pts, 2);
  PenPos = TPoint{x, y};
}

void TNullCanvas::Polyline(const TPoint* pts, int count) { Touch(pts, count); }

void TNullCanvas::Polygon(const TPoint* pts, int count) { Touch(pts, count); }

void TNullCanvas::Ellipse(int l, int t, int r, int b) {
  const TPoint pts[2] = {{l, t}, {r, b}};
  Touch(pts, 2);
}

void TNullCanvas::Rectangle(int l, int t, int r, int b) { Ellipse(l, t, r, b); }

void TNullCanvas::Arc(int l, int t, int r, int b, int x3, int y3, int x4, int y4) {
  const TPoint pts[4] = {{l, t}, {r, b}, {x3, y3}, {x4, y4}};
  Touch(pts, 4);
}

void TNullCanvas::Pie(int l, int t, int r, int b, int x3, int y3, int x4, int y4) { Arc(l, t, r, b, x3, y3, x4, y4); }

void TNullCanvas::FillRect(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }

void TNullCanvas::StretchDraw(const TRect& dest, const TRasterImage& image) {
  const std::size_t pixels = static_cast<std::size_t>(image.Width) * static_cast<std::size_t>(image.Height);
  if (!image.Empty() && image.Pixels.size() < pixels)
    FuzzFail("a raster image smaller than its size");
  FillRect(dest);
}

void TNullCanvas::TextOut(int x, int y, const std::string& text) {
  const TPoint p{x, y};
  Touch(&p, 1);
  Checksum += static_cast<std::int64_t>(text.size());
}

TSize TNullCanvas::TextExtent(const std::string& text) {
  // The recording canvas's metrics, computed without overflow.
  const long long h = Font().Height;
  long long height = h == 0 ? 16 : (h < 0 ? -h : h);
  if (height > 1000000) height = 1000000;
  const long long width = static_cast<long long>(Utf8Length(text)) * (height / 2 > 0 ? height / 2 : 1);
  return TSize{static_cast<int>(width > 1000000000 ? 1000000000 : width), static_cast<int>(height)};
}
