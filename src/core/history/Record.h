#pragma once
// Recording a passport's working files as a new version: one commit that
// touches only that passport's folder, its message the summary of the change
// (and the engineer's comment after it).
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Author.h"
#include "PassportFiles.h"
#include "Repository.h"

// The change summary of a version, from the passport before and after it.
using TChangeSummarizer = std::function<std::string(const TPassportFiles& before, const TPassportFiles& after)>;
// A plain sentence naming the passport: "Паспорт СО № 7 изменён" (создан, удалён).
std::string PlainSummary(const TPassportFiles& before, const TPassportFiles& after);

struct TRecordOptions {
  TAuthor Author = DefaultAuthor();
  TChangeSummarizer Summarizer = PlainSummary;
  // The engineer's comment, after the summary; may be empty.
  std::string Comment;
};

// The message of a version: the summary, then the comment as its own paragraph.
std::string VersionMessage(const std::string& summary, const std::string& comment);

// Records passport `id` as it is in the working folder, when it differs from
// the branch's tip. Gives the new version, or nothing when there was nothing
// to record. Throws TGitError (or TInOutError for a file that cannot be read).
std::optional<git_oid> RecordPassport(const TDbRepository& repo, const std::string& id, const TRecordOptions& options);

// The passports whose working files differ from the branch's tip (added,
// changed or removed), sorted by name. Only folders named as passports count.
std::vector<std::string> ChangedPassports(const TDbRepository& repo);

// Records every changed passport, one version each; gives their names.
std::vector<std::string> RecordChanged(const TDbRepository& repo, const TRecordOptions& options);

// "svo7" → "7".
std::string PassportNumberText(const std::string& id);
