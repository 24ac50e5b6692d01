#pragma once
// The first page of a published database: every passport with what
// identifies it and what its check found, and a search field.
#include <string>
#include <vector>

struct TSiteEntry {
  std::string Id;
  std::string Number;
  std::string Address;
  int ObjectType = 0;
  int Errors = 0;
  int Warnings = 0;
};

std::string IndexPageHtml(const std::vector<TSiteEntry>& entries);
