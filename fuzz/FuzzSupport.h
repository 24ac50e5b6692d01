#pragma once
// What the fuzz targets share: a passport directory in memory-backed
// temporary storage, a fixed passport information file, a message sink that
// keeps nothing, and a canvas that draws nothing but touches every point it
// is given.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/Canvas.h"
#include "platform/Messages.h"

// Counts the messages shown and forgets their texts, so millions of runs do
// not pile up memory.
class TSilentMessages : public TMessageSink {
 public:
  void Show(TMessageSeverity severity, const std::string& text) override;
  int Infos = 0;
  int Errors = 0;
  std::string Last;
  void Reset() { Infos = Errors = 0, Last.clear(); }
};

// The sink installed for the whole process.
TSilentMessages& Messages();

// A fresh directory for this process (under /dev/shm when it exists), with a
// trailing separator; removed at exit.
const std::string& ScratchDir(const std::string& name);

// The information file every scheme is read with: a local object of four
// phases, ten vehicle, pedestrian and tram directions, tables and a tram
// scheme.
const std::string& FixedInfoBytes();

void WriteFile(const std::string& path, const std::uint8_t* data, std::size_t size);
void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);

// Stops the run with a message that names the broken property.
[[noreturn]] void FuzzFail(const std::string& what);

// Draws nothing. Every primitive reads all of its points, so an item that
// hands over a short array is caught by the address sanitizer.
class TNullCanvas : public TCanvas {
 public:
  void LineTo(int x, int y) override;
  void Polyline(const TPoint* pts, int count) override;
  void Polygon(const TPoint* pts, int count) override;
  void Ellipse(int l, int t, int r, int b) override;
  void Rectangle(int l, int t, int r, int b) override;
  void Arc(int l, int t, int r, int b, int x3, int y3, int x4, int y4) override;
  void Pie(int l, int t, int r, int b, int x3, int y3, int x4, int y4) override;
  void FillRect(const TRect& r) override;
  void StretchDraw(const TRect& dest, const TRasterImage& image) override;
  void TextOut(int x, int y, const std::string& text) override;
  TSize TextExtent(const std::string& text) override;
  TRect ClipRect() const override { return Clip_; }
  void SetClipRect(const TRect& r) override { Clip_ = r; }

  std::uint64_t Ops = 0;
  // Sum of every coordinate seen, so the reads are not optimised away.
  std::int64_t Checksum = 0;

 private:
  void Touch(const TPoint* pts, int count);
  TRect Clip_{0, 0, 1920, 1080};
};
