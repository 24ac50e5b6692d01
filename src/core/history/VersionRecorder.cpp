#include "VersionRecorder.h"

#include <optional>

#include "platform/Messages.h"
#include "platform/TextFile.h"

TVersionRecorder::TVersionRecorder(std::string database, TRecordOptions options, TFailureHandler onFailure)
    : Database_(std::move(database)), OnFailure_(std::move(onFailure)), Options_(std::move(options)) {
  Worker_ = std::thread([this] { Run(); });
}

TVersionRecorder::~TVersionRecorder() {
  {
    std::lock_guard<std::mutex> lock(Mutex_);
    Stop_ = true;
  }
  Wake_.notify_all();
  Worker_.join();
}

void TVersionRecorder::Request(const std::string& id, const std::string& comment, const std::string& location) {
  {
    std::lock_guard<std::mutex> lock(Mutex_);
    bool joined = false;
    for (TRequest& r : Queue_) {
      if (r.Id != id) continue;
      if (!comment.empty()) r.Comment += (r.Comment.empty() ? "" : "\n") + comment;
      joined = true;
      break;
    }
    if (!joined) Queue_.push_back({id, comment, location, Options_.Author});
  }
  Wake_.notify_all();
}

void TVersionRecorder::Settle() {
  std::unique_lock<std::mutex> lock(Mutex_);
  Idle_.wait(lock, [this] { return Queue_.empty() && !Busy_; });
  if (Failures_.empty()) return;
  std::string text;
  for (const std::string& f : Failures_) text += (text.empty() ? "" : "\n") + f;
  Failures_.clear();
  throw TInOutError(kIoWriteFault, text);
}

void TVersionRecorder::SetAuthor(TAuthor author) {
  std::lock_guard<std::mutex> lock(Mutex_);
  Options_.Author = std::move(author);
}

void TVersionRecorder::Run() {
  // The repository is opened here and used by this thread alone.
  std::optional<TDbRepository> repo;
  std::unique_lock<std::mutex> lock(Mutex_);
  for (;;) {
    Wake_.wait(lock, [this] { return Stop_ || !Queue_.empty(); });
    if (Queue_.empty()) break;
    const TRequest request = std::move(Queue_.front());
    Queue_.pop_front();
    Busy_ = true;
    lock.unlock();
    RecordOne(repo, request);
    lock.lock();
    Busy_ = false;
    if (Queue_.empty()) Idle_.notify_all();
  }
  Idle_.notify_all();
}

void TVersionRecorder::RecordOne(std::optional<TDbRepository>& repo, const TRequest& request) {
  std::string failure;
  try {
    if (!repo) repo = TDbRepository::OpenExisting(Database_);
    // Passports that cannot be read for the summary must not raise boxes
    // from this thread.
    TThreadMessageCapture quiet;
    TRecordOptions options;
    {
      std::lock_guard<std::mutex> lock(Mutex_);
      options = Options_;
    }
    options.Comment = request.Comment;
    options.Author = request.Author;
    RecordPassport(*repo, request.Id, options);
  } catch (const std::exception& e) {
    failure = request.Location + " сохранён, но его версия не записана: " + e.what();
  }
  if (failure.empty()) return;
  if (OnFailure_) {
    OnFailure_(failure);
    return;
  }
  std::lock_guard<std::mutex> lock(Mutex_);
  Failures_.push_back(failure);
}
