// Commands that are not built yet.
#include <iostream>

#include "Commands.h"

int CmdDump(const TArgs&) {
  std::cerr << "dump: not available yet\n";
  return 2;
}

int CmdResave(const TArgs&) {
  std::cerr << "resave: not available yet\n";
  return 2;
}
