#pragma once
// The colour behind the scheme in the viewer and the editor, shared by the
// windows that paint it and by the items drawn hollow in it.
#include "platform/Types.h"

// Dark grey.
constexpr TColor kSchemeBackground = 0x404040;
