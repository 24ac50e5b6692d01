#include "SVInfo.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <fstream>

#include "platform/Codec1251.h"
#include "platform/Messages.h"
#include "platform/TextFile.h"
#include "model/SVObject.h"
#include "store/FolderStore.h"

namespace {

// A free text ends at the next NUL (consumed) or at the end of the file;
// line ends inside it belong to the text.
std::string ReadUpToNul(TTextReader& in) {
  std::string text;
  while (in.PeekByte() > 0) text += in.ReadChar();
  if (in.PeekByte() == 0) in.ReadChar();
  return text;
}

void WriteUpToNul(TTextWriter& out, const std::string& text) {
  std::string stored = text;
  stored.erase(std::remove(stored.begin(), stored.end(), '\0'), stored.end());
  out.Write(stored);
  out.WriteRaw(std::string(1, '\0'));
  out.WriteLine();
}

// The shortest text that reads back to the same value, "." as the decimal
// point whatever the locale of the process.
std::string RealText(double v) {
  if (!std::isfinite(v)) v = 1.0;
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, res.ptr);
}

}  // namespace

TSVInfo::TSVInfo(TSVObject* owner, const std::string& dir) : Owner(owner) {
  FileName = dir;
  if (!FileName.empty() && FileName.back() != '/' && FileName.back() != '\\') FileName += '/';
  FileName += "info.txt";
  Directions.Info = this;
}

void TSVInfo::SetDirectionCount(int n) {
  Directions.SetCount(n);
  DirectionCount = Directions.Count;
}

void TSVInfo::SetPhaseCount(int n) {
  Phases.SetCount(n);
  PhaseCount = Phases.Count;
}

bool TSVInfo::LoadAll() {
  FileMissing = !FileExists(FileName);
  return LoadFrom([this] { return ReadFolderFile(FileName, TMissingFile::ReadEmpty); });
}

bool TSVInfo::LoadFrom(const TFileSource& source) {
  const std::string context = "Источник ошибки - TSVInfo.LoadAll(). Имя файла - " + FileName + ".";
  try {
    TTextReader in = TTextReader::FromBytes(source().value_or(std::string()));
    Address1 = in.ReadLine();
    Address2 = in.ReadLine();
    ObjectType = static_cast<std::int32_t>(in.ReadInt());
    in.SkipLine();
    const int phases = CheckedCount(in.ReadInt(), kMaxSlots, "фаз");
    in.SkipLine();
    SetPhaseCount(phases);
    Phases.LoadFromFile(in);
    const int directions = CheckedCount(in.ReadInt(), kMaxSlots, "направлений");
    in.SkipLine();
    SetDirectionCount(directions);
    // Every load starts from fresh directions, whatever the dialogs left.
    Directions.Clear();
    Directions.SetCount(directions);
    Directions.LoadFromFile(in);
    Directions.PhaseCount = PhaseCount;
    Comment = ReadUpToNul(in);
    EquipmentTable.Load(in);
    ChangeTable.Load(in);
    ExoTable.Load(in);
    ConnectionText = ReadUpToNul(in);
    TramScheme.Load(in);
    RealScale = in.ReadReal();
    return true;
  } catch (const TInOutError& e) {
    ShowError("Не могу считать из файла. Ошибка № " + std::to_string(e.Code) + ". " + context);
  } catch (const TPassportIntegrityError& e) {
    ShowError(std::string(e.what()) + " " + context);
  } catch (const std::exception&) {
    ShowError("Неизвестная ошибка. " + context);
  }
  return false;
}

std::string TSVInfo::SavedBytes() const {
  TTextWriter out;
  out.WriteLine(OneLineText(Address1));
  out.WriteLine(OneLineText(Address2));
  out.WriteIntLine(ObjectType);
  out.WriteIntLine(Phases.Count);
  Phases.savetofile(out);
  out.WriteIntLine(Directions.Count);
  Directions.savetofile(out);
  WriteUpToNul(out, Comment);
  EquipmentTable.Save(out);
  ChangeTable.Save(out);
  ExoTable.Save(out);
  WriteUpToNul(out, ConnectionText);
  TramScheme.Save(out);
  out.WriteLine(RealText(RealScale));
  return out.Bytes();
}

bool TSVInfo::SaveAll() {
  // Information pointed at another file (a copy being written elsewhere)
  // goes there, not back to the passport it was read from.
  if (Owner && Owner->Store && FileName == Owner->Store->FileLocation(Owner->StoreId, TPassportFile::Info))
    return SaveTo([this](const std::string& bytes) { Owner->Store->Write(Owner->StoreId, TPassportFile::Info, bytes); });
  return SaveTo([this](const std::string& bytes) { WriteFileAtomically(FileName, bytes); });
}

bool TSVInfo::SaveTo(const TFileSink& sink) {
  try {
    sink(SavedBytes());
    Modified = false;
    return true;
  } catch (const TInOutError& e) {
    ShowError("Не могу записать в файл. Ошибка № " + std::to_string(e.Code) +
              ". Источник ошибки - TSVInfo.SaveAll(). Имя файла - " + FileName + ".");
  }
  return false;
}

std::string TSVInfo::AddressText() const { return TrimText(Address1) + " - " + TrimText(Address2); }

std::string TSVInfo::ObjectNumber() const {
  const std::size_t sep = FileName.find_last_of("/\\");
  const std::string dir = sep == std::string::npos ? std::string() : FileName.substr(0, sep);
  // Counted in characters, not bytes: a Cyrillic letter near the end of the
  // name must neither shift the window nor be cut in half.
  const std::size_t length = Utf8Length(dir);
  const std::size_t skip = length > 8 ? Utf8Left(dir, length - 8).size() : 0;
  const std::string tail = dir.substr(skip);
  const std::size_t p = tail.find("svo");
  if (p == std::string::npos) {
    ShowInfo("Нарушение в базе. Директория с началом на svo не найдена!");
    return "";
  }
  return Utf8Left(std::string_view(tail).substr(p + 3), 5);
}
