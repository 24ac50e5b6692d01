#pragma once
// Runs this very program again in child processes, a bounded number at a
// time: each passport of a database run gets a process of its own, so one
// that crashes or runs out of memory takes no other with it, and Qt paints
// on each child's own main thread.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

struct TChildRun {
  // The arguments after the program's name.
  std::vector<std::string> Args;
  // Where the child's standard output goes; empty: with its standard error.
  std::string StdoutFile;
};

struct TChildResult {
  // The exit status; -1 when the child could not be started or was killed.
  int Code = -1;
  // The signal that ended the child, 0 when it exited.
  int Signal = 0;
  // What the child wrote on its standard error, or why it did not start.
  std::string Output;
};

// Starts the runs in order, at most `jobs` at once, and calls `done` on this
// thread for each as it ends (in the order they end).
void RunChildren(const std::vector<TChildRun>& runs, int jobs,
                 const std::function<void(std::size_t, const TChildResult&)>& done);
