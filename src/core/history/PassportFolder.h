#pragma once
// The stored bytes of a passport in a plain folder, for a comparison.
#include <string>

#include "PassportFiles.h"

// Reads info.txt and map.txt of the passport directory `dir`; the id is the
// directory's own name. False, with the reason in `error`, when `dir` is no
// directory, holds neither file, or a file that is there cannot be read.
bool ReadPassportFolder(const std::string& dir, TPassportFiles& out, std::string& error);
