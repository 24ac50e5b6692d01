#pragma once
// Records the versions of saved passports on a thread of its own, so that an
// engineer's save takes no longer than in a plain folder: the file is on disk
// when the save returns, its version (with the summary of the change, which
// means reading both sides) follows moments later. Requests for a passport
// whose version is not yet begun are one version, their comments joined.
// A process stopped before its versions are recorded loses no edit: the
// working files are newer than the branch, and the next sync or `db commit`
// records them.
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "Record.h"

class TVersionRecorder {
 public:
  // Called on the recording thread with the failure's message (the file is
  // saved, its version is not).
  using TFailureHandler = std::function<void(const std::string& message)>;

  TVersionRecorder(std::string database, TRecordOptions options, TFailureHandler onFailure = TFailureHandler());
  // Records what was requested, then stops.
  ~TVersionRecorder();
  TVersionRecorder(const TVersionRecorder&) = delete;
  TVersionRecorder& operator=(const TVersionRecorder&) = delete;

  // `location` names the saved file in a failure's message.
  void Request(const std::string& id, const std::string& comment, const std::string& location);
  // Waits until every requested version is recorded. Throws TInOutError
  // with the failures no handler took since the last call.
  void Settle();
  // The author of the versions requested from now on.
  void SetAuthor(TAuthor author);

 private:
  struct TRequest {
    std::string Id, Comment, Location;
    TAuthor Author;
  };
  void Run();
  void RecordOne(std::optional<TDbRepository>& repo, const TRequest& request);

  const std::string Database_;
  TFailureHandler OnFailure_;
  std::mutex Mutex_;
  std::condition_variable Wake_, Idle_;
  TRecordOptions Options_;  // guarded by Mutex_
  std::deque<TRequest> Queue_;
  std::vector<std::string> Failures_;
  bool Busy_ = false, Stop_ = false;
  std::thread Worker_;
};
