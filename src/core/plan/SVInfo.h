#pragma once
// Everything about a passport that is not drawn on the scheme: address,
// object type, signal plan, text tables, tram-head schemes, free texts and
// the real scale, read from and written to info.txt.
//
// info.txt, Windows-1251 with CR LF, in this order:
//   Address1 / Address2 (whole lines), ObjectType, the phase count, the phase
//   records and the cycle time, the direction count and the direction
//   records, Comment up to a NUL, the equipment, change and exo tables,
//   ConnectionText up to a NUL, the tram schemes, RealScale.
//
// SaveAll writes the canonical form of that layout, which LoadAll reads back
// to the same information:
//   - every integer alone on its line, or the numbers of one record separated
//     by one blank, plain decimal;
//   - a direction's name trimmed to at most 5 characters and its phase list
//     as "1, 3, 5";
//   - Comment and ConnectionText each followed by NUL and CR LF (the text
//     itself starts at the beginning of a line);
//   - RealScale in the shortest decimal form that reads back to the same
//     value, with "." as the decimal point ("1", "0.5").
// A file already in this form is written back byte for byte. Line breaks in a
// one-line field and NULs in a free text cannot be stored: a line break
// becomes a blank and a NUL is dropped.
#include <cstdint>
#include <string>

#include "SVNapr.h"
#include "SVTable.h"
#include "SVPhase.h"
#include "Tramscheme.h"
#include "platform/TextFile.h"

class TSVObject;
class TWordBasic;

class TSVInfo {
 public:
  // dir: the passport directory with its trailing separator.
  TSVInfo(TSVObject* owner, const std::string& dir);
  TSVInfo(const TSVInfo&) = delete;
  TSVInfo& operator=(const TSVInfo&) = delete;

  std::uint8_t DirectionCount = 0;
  std::uint8_t PhaseCount = 0;
  TSVObject* Owner;
  std::string FileName;
  TNaprSet Directions;
  TPhaseSet Phases;
  TSVTable EquipmentTable{4};
  TSVTable ChangeTable{8};
  TSVTable ExoTable{8};
  double RealScale = 1.0;
  std::string Address1;
  std::string Address2;
  std::string Comment;
  std::string ConnectionText;
  TTramscheme TramScheme;
  // 0 "Системный", 1 "Локальный", 2 "УК".
  int ObjectType = 0;

  // Set when a table dialog stores an edit, cleared when the information is
  // written: edits not yet in info.txt must not be lost to a reload.
  bool Modified = false;

  bool IsSystem() const { return ObjectType == 0; }
  bool IsUK() const { return ObjectType == 2; }

  // Reads info.txt named by FileName; a missing file reads as empty. A
  // damaged field stops the reading with an error box; what was read before
  // it stays. Returns true when the whole file was read.
  bool LoadAll();
  // The same from the bytes `source` gives (FileName names them in messages).
  bool LoadFrom(const TFileSource& source);
  // The last load found no info.txt (whether or not the store created one).
  bool FileMissing = false;
  // Writes info.txt atomically and clears Modified: through the store the
  // passport was opened from, else to FileName. On failure shows an error
  // box, leaves the old file and Modified as they were and returns false.
  bool SaveAll();
  // The same into `sink`.
  bool SaveTo(const TFileSink& sink);
  // The bytes SaveAll writes.
  std::string SavedBytes() const;

  void SetDirectionCount(int n);
  void SetPhaseCount(int n);
  // "Address1 - Address2", both trimmed.
  std::string AddressText() const;
  // The digits after "svo" in the passport directory's name; empty (with a
  // message) when the name has no "svo".
  std::string ObjectNumber() const;

  // The sections of the exported document, each written at the word
  // processor's insertion point from the templates beside the program.
  void ExportPhases(TWordBasic& wb) const;
  void ExportDirections(TWordBasic& wb) const;
  void ExportComment(TWordBasic& wb) const;
  void ExportEquipment(TWordBasic& wb) const;
  void ExportChanges(TWordBasic& wb) const;
  // Nothing at all when the table has no rows.
  void ExportExo(TWordBasic& wb) const;
  void ExportConnection(TWordBasic& wb) const;
};
