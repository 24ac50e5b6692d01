#pragma once
// The log of a picture's primitives as JSON lines: one object a line, in
// drawing order, so that a drawing rule can be checked on any passport
// without comparing pixels.
//
//   {"op":"line","points":[[x,y],[x,y]],
//    "pen":{"color":"0x0000FF","width":1,"style":"solid","mode":"copy"},
//    "brush":{"color":"0xFFFFFF","style":"solid"}}
//
// op: line, polyline, polygon, ellipse, rectangle, arc, pie, fillrect,
// stretchdraw, text. Colours are 0x00BBGGRR as six hex digits. Text ops add
// "font" (height, escapement, weight, italic, face, color: the text colour),
// "align" (baseline-left, center-top, left-top) and "text" (UTF-8).
#include <ostream>
#include <string>
#include <vector>

#include "platform/RecordingCanvas.h"

// One op as one line of JSON, without the line end.
std::string PrimitiveJson(const TCanvasOp& op);
// Every op, one a line; false when the stream failed.
bool WritePrimitives(std::ostream& out, const std::vector<TCanvasOp>& ops);
