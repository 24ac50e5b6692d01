#pragma once
// How the viewer records versions of a passport: under the author of the
// settings, each with the readable summary of what changed.
#include "history/Record.h"

TRecordOptions ViewerRecordOptions();
