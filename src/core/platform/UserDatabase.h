#pragma once
// The database an installed program gives a new user: its sample passports,
// copied once into the user's documents so that they can be opened, edited
// and saved without touching the shared installed copy.
#include <string>

// <documents>/svpass/Data/, with a trailing separator.
std::string UserDatabaseDir(const std::string& documentsDir);

// Copies the directory tree `from` to `to` unless `to` exists already (the
// user's passports are never overwritten). The copy is assembled under a
// temporary name beside `to` and renamed when complete, so an interrupted
// copy never passes for a database. True when `to` is a directory afterwards.
bool CopyDatabaseOnce(const std::string& from, const std::string& to);
