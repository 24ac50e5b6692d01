#pragma once
// A survey plan read from a CAD drawing, flattened for the editor's base:
// every block insertion resolved, every shape in scheme world coordinates
// (y down), ready to be drawn in one colour under the scheme.
#include <map>
#include <string>
#include <vector>

#include "platform/Types.h"

enum class TBaseShapeKind { Polyline, Circle, Arc, Text };

struct TBaseShape {
  TBaseShapeKind Kind = TBaseShapeKind::Polyline;
  // Polyline: its points are Points[First .. First + Count).
  int First = 0;
  int Count = 0;
  bool Closed = false;
  // Circle, arc: the centre and radius. Text: the reference point.
  TRealPoint At{};
  double Radius = 0;
  // Arc: counter-clockwise as seen on the screen from Start to End, in
  // radians; text: its direction in radians, counter-clockwise.
  double Start = 0;
  double End = 0;
  // Text: the character height in world units, the text (UTF-8) and whether
  // the reference point is its top left corner (else the left end of its
  // baseline).
  double Height = 0;
  std::string Text;
  bool TopLeft = false;
};

struct TBaseDrawing {
  std::vector<TBaseShape> Shapes;
  std::vector<TRealPoint> Points;
  // The world rectangle every shape lies in (texts by their reference point
  // and height); meaningless while there are no shapes.
  double MinX = 0, MinY = 0, MaxX = 0, MaxY = 0;
  // Entities not drawn, by their DXF type.
  std::map<std::string, int> Skipped;

  bool Empty() const { return Shapes.empty(); }
  int SkippedCount() const;
  // "Пропущено объектов: 12 (SPLINE, 3DFACE)": the types in name order,
  // each once; empty when nothing was skipped.
  std::string SkippedMessage() const;
  // Sets the bounds from the shapes.
  void ComputeBounds();
};
