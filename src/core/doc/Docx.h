#pragma once
// The passport document as Office Open XML (.docx) and OpenDocument Text
// (.odt): the same body, page header, tables and page set-up the RTF writer
// writes, in the formats offices file today. `path` is only the file the
// bytes are for, named when packing them fails.
#include <string>

#include "Document.h"

std::string WriteDocx(const TDocument& doc, const std::string& path);
std::string WriteOdt(const TDocument& doc, const std::string& path);
