#pragma once
// A DXF drawing as read, before its block insertions are resolved: each
// block's entities in the block's own coordinates (DXF, y up).
#include <string>
#include <vector>

enum class TDxfRawKind { Poly, Circle, Arc, Text, Insert };

struct TDxfVertex {
  double X = 0, Y = 0;
  // The arc to the next vertex: tan(¼ of its angle), positive counter-clockwise.
  double Bulge = 0;
};

struct TDxfRawEntity {
  TDxfRawKind Kind = TDxfRawKind::Poly;
  // In the entity's own coordinates mirrored in x (an extrusion of −Z, as
  // CAD programs write mirrored arcs and circles).
  bool MirrorX = false;
  // Poly (a LINE is a two-vertex one).
  std::vector<TDxfVertex> Vertices;
  bool Closed = false;
  // Circle and arc: the centre; text: the reference point; insertion: the point.
  double X = 0, Y = 0;
  double Radius = 0;
  // Arc: from Start to End counter-clockwise, in degrees.
  double Start = 0, End = 0;
  // Text: the height, the direction (radians), the decoded text (MTEXT:
  // one line per paragraph), the line pitch and whether the point is its top left.
  double Height = 0, Angle = 0, LinePitch = 0;
  std::vector<std::string> Lines;
  bool TopLeft = false;
  // Insertion: the block (upper case), scales, rotation (degrees), array.
  std::string Block;
  double ScaleX = 1, ScaleY = 1, Rotation = 0;
  int Columns = 1, Rows = 1;
  double ColumnSpacing = 0, RowSpacing = 0;
};

struct TDxfRawBlock {
  double BaseX = 0, BaseY = 0;
  std::vector<TDxfRawEntity> Entities;
};
