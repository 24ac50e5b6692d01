#pragma once
// What the benchmarks share: generated passports on disk and in memory,
// heap accounting, and the floor against which a repaint is measured (the
// same primitives drawn straight with QPainter).
#include <QImage>
#include <QPainter>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "model/SVObject.h"
#include "view/SchemeView.h"

// The picture every repaint draws into: a full-HD window.
constexpr int kPictureWidth = 1920;
constexpr int kPictureHeight = 1080;

// The directory of a generated passport of `items` items (made on first use).
const std::string& PassportDir(int items);
// The passport, read once and kept.
TSVObject& LoadedPassport(int items);

// Heap accounting, off unless asked for so it does not weigh on the timings:
// the bytes allocated and not yet freed since StartHeapCount (frees of older
// blocks count against it), and the most that was at any moment.
void StartHeapCount();
void StopHeapCount();
long long HeapNow();
long long HeapPeak();

// A window picture with its canvas and a view fitted the way the viewer
// fits a freshly opened passport.
struct TWindow {
  explicit TWindow(TSVObject& scheme);
  ~TWindow();
  QImage Picture;
  std::unique_ptr<class TQtCanvas> Canvas;
  TDrawContext Ctx;
};

// The primitives one repaint draws, recorded once and replayed straight on
// a QPainter: the cost of the pixels alone.
class TReplay {
 public:
  // Records what PaintScheme draws in `look` with the view of `ctx`, or
  // with `layer` what the viewer's animation draws: that layer alone.
  TReplay(TSVObject& scheme, const TDrawContext& ctx, TSchemeLook look, int layer = 0);
  ~TReplay();
  void Draw(QPainter& painter) const;
  std::size_t Count() const;

 private:
  struct TOp;
  std::vector<TOp> Ops_;
};
