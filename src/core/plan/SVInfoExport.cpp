// The passport's sections of the exported document. Each section pulls its
// template in at the insertion point, steps into the template's table at the
// bookmark "t-1", walks over the header cells and fills one new row per
// record: a step past the table's last cell makes the word processor append
// the row.
#include <string>

#include "SVInfo.h"
#include "platform/WordBasic.h"

namespace {

void Cmd(TWordBasic& wb, const char* name, const TWordArgs& args = {}) { wb.Send(name, args); }

void Insert(TWordBasic& wb, const std::string& text) { Cmd(wb, "Insert", {TWordArg::Str(text)}); }

void Repeat(TWordBasic& wb, const char* name, int times) {
  for (int i = 0; i < times; ++i) Cmd(wb, name);
}

// The template pulled in and the insertion point in its table's first cell.
void EnterTemplate(TWordBasic& wb, const char* file, int linesToTable) {
  Cmd(wb, "Insertfile", {TWordArg::Named("name", TemplatePath(file))});
  Cmd(wb, "LineDown", {TWordArg::Num(linesToTable)});
  Cmd(wb, "EditGoTo", {TWordArg::Named("Destination", "t-1")});
}

// Leaves the table and opens a new left-aligned paragraph after it.
void LeaveTable(TWordBasic& wb) {
  Cmd(wb, "TableSelectTable");
  Cmd(wb, "CharRight");
  Cmd(wb, "insertPara");
  Cmd(wb, "LeftPara");
}

void ExportTable(TWordBasic& wb, const TSVTable& table, const char* file, int linesToTable, int headerCells) {
  EnterTemplate(wb, file, linesToTable);
  Repeat(wb, "NextCell", headerCells - 1);
  for (int row = 1; row <= table.RowCount; ++row) {
    for (int col = 1; col <= table.ColCount; ++col) {
      Cmd(wb, "NextCell");
      Insert(wb, table.Cell(col, row));
    }
  }
  LeaveTable(wb);
}

// A bold heading paragraph of a free text.
void TextHeading(TWordBasic& wb, const char* heading) {
  Cmd(wb, "InsertPara");
  Cmd(wb, "leftpara");
  Cmd(wb, "fontsize", {TWordArg::Num(14)});
  Cmd(wb, "bold");
  Insert(wb, heading);
  Cmd(wb, "bold");
}

}  // namespace

void TSVInfo::ExportPhases(TWordBasic& wb) const {
  const bool system = IsSystem();
  EnterTemplate(wb, system ? "phaseI.doc" : "phaseIII.doc", 3);
  // Header of one row of 3 cells, or of two rows with 8 cells together.
  Repeat(wb, "Nextcell", system ? 2 : 7);
  for (int k = 1; k <= PhaseCount; ++k) {
    const TSVPhase* phase = Phases.Item(k);
    const TSVPhase none{};
    const TSVPhase& p = phase ? *phase : none;
    // The row number, not the phase's own number: the table lists the
    // phases in the order they run.
    Cmd(wb, "NextCell");
    Insert(wb, std::to_string(k));
    Cmd(wb, "NextCell");
    Insert(wb, std::to_string(p.TMin));
    Cmd(wb, "NextCell");
    Insert(wb, std::to_string(p.TMain[1]));
    if (!system) {
      Cmd(wb, "NextCell");
      Insert(wb, std::to_string(p.TMain[2]));
      Cmd(wb, "NextCell");
      Insert(wb, std::to_string(p.TMain[3]));
    }
  }
  LeaveTable(wb);
  Cmd(wb, "fontsize", {TWordArg::Num(14)});
  Cmd(wb, "bold");
  Insert(wb, "T kk = " + std::to_string(Phases.Tkk) + " сек");
}

void TSVInfo::ExportDirections(TWordBasic& wb) const {
  EnterTemplate(wb, "napr.doc", 3);
  Repeat(wb, "Nextcell", 13);
  for (int i = 1; i <= DirectionCount; ++i) {
    const TSVNapr* napr = Directions.Items[i].get();
    const TSVNapr none;
    const TSVNapr& d = napr ? *napr : none;
    Cmd(wb, "NextCell");
    Cmd(wb, "fontsize", {TWordArg::Num(14)});
    Insert(wb, std::to_string(i));
    Cmd(wb, "NextCell");
    Insert(wb, d.PhaseListText());
    Cmd(wb, "NextCell");
    Insert(wb, d.ConflictText);
    for (const int t : {d.TGreen, d.TGreenFlash, d.TYellow, d.TRed, d.TRedYellow}) {
      Cmd(wb, "NextCell");
      Insert(wb, std::to_string(t));
    }
    Cmd(wb, "NextCell");
    Insert(wb, d.RedControlText);
  }
  LeaveTable(wb);
}

void TSVInfo::ExportComment(TWordBasic& wb) const {
  TextHeading(wb, "Комментарий к таблицам:");
  Cmd(wb, "InsertPara");
  Cmd(wb, "InsertPara");
  Insert(wb, Comment);
  Cmd(wb, "InsertPara");
  Cmd(wb, "InsertPara");
  Insert(wb, " ");
}

void TSVInfo::ExportEquipment(TWordBasic& wb) const { ExportTable(wb, EquipmentTable, "compl.doc", 3, 4); }

void TSVInfo::ExportChanges(TWordBasic& wb) const { ExportTable(wb, ChangeTable, "Change.doc", 2, 13); }

void TSVInfo::ExportExo(TWordBasic& wb) const {
  if (ExoTable.RowCount == 0) return;
  ExportTable(wb, ExoTable, "ExoNapr.doc", 4, 13);
}

void TSVInfo::ExportConnection(TWordBasic& wb) const {
  TextHeading(wb, "Описание подключения СО:");
  Repeat(wb, "InsertPara", 4);
  Insert(wb, ConnectionText);
}
