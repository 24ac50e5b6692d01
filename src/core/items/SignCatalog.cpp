#include "SignCatalog.h"

#include "model/TypeCodes.h"

namespace {

const TSignKindInfo kKinds[kSignKindCount] = {
    {1, "Синий круглый знак", TypeCode::Sign, ""},
    {2, "Треугольный знак", TypeCode::Sign, ""},
    {3, "Квадратный знак", TypeCode::Sign, ""},
    {4, "Главная дорога", TypeCode::MainSign, "2.1"},
    {5, "Красный круглый знак", TypeCode::Sign, ""},
    {6, "Уступи дорогу", TypeCode::LeaveSign, "2.4"},
    {7, "Stop", TypeCode::StopSign, "2.5"},
    {8, "Конец главной дороги", TypeCode::MainSign, "2.2"},
    {9, "Движение прямо", TypeCode::ArrowSign, "4.1.1"},
    {10, "Движение направо", TypeCode::ArrowSign, "4.1.2"},
    {11, "Движение налево", TypeCode::ArrowSign, "4.1.3"},
    {12, "Движение прямо или направо", TypeCode::ArrowSign, "4.1.4"},
    {13, "Движение прямо или налево", TypeCode::ArrowSign, "4.1.5"},
    {14, "Круговое движение", TypeCode::ArrowSign, "4.3"},
    {15, "Движение направо или налево", TypeCode::ArrowSign, "4.1.6"},
    {16, "Въезд запрещен", TypeCode::BrickSign, "3.1"},
    {17, "Направление главной дороги", TypeCode::WhiteSign, "7.13"},
    {18, "Табличка", TypeCode::TableSign, "7."},
};

}  // namespace

const TSignKindInfo* FindSignKind(int kind) {
  if (kind < 1 || kind > kSignKindCount) return nullptr;
  return &kKinds[kind - 1];
}

std::uint32_t SignTypeCode(int kind) {
  const TSignKindInfo* info = FindSignKind(kind);
  return info ? info->TypeCode : 0;
}
