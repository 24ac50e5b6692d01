#pragma once
// Bringing passports of the working folder to what a version holds. Every
// file is replaced through a temporary file and a rename, and writing the
// same version twice changes nothing, so a writing cut short is simply done
// again.
#include <string>
#include <vector>

#include "Repository.h"

// Makes the root entries `names` of the working folder what they are in
// `to`, coming from `from`: files of `to` written where they differ, files
// only in `from` removed (a passport folder left empty goes too).
void WriteEntries(const TDbRepository& repo, const git_tree* from, const git_tree* to,
                  const std::vector<std::string>& names);
// The root entries that differ between two trees, sorted by name.
std::vector<std::string> DifferentEntries(const git_tree* a, const git_tree* b);
