#pragma once
// One tool of the editor: a small state machine entered with its button.
// The session appends every press to the placement points before it asks
// the tool, and repaints after it.
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

class TEditSession;

class TEditTool {
 public:
  virtual ~TEditTool() = default;
  // Back to the start state (the button pressed, a placement ended or
  // cancelled).
  virtual void Start(TEditSession&) {}
  // A press while editing; the point is the placement's latest.
  virtual void Press(TEditSession& s) = 0;
  virtual void Move(TEditSession&, int, int) {}
  // Answers true when the release ended something (points are emptied and
  // the scheme repainted).
  virtual bool Release(TEditSession&, int, int) { return false; }
  // Whether presses are handled in view mode too (selection, view tools).
  virtual bool WorksInView() const { return false; }
  // Pan and zoom tools that keep the placement points their own way.
  virtual bool Dragging() const { return false; }
  // What the status line asks the user to do next. By default the step is
  // the number of placement points held: the text for that many clicks
  // made (the last text serves every further click).
  virtual std::string Step(const TEditSession& s) const;
  void SetSteps(std::vector<std::string> steps) { Steps_ = std::move(steps); }

 protected:
  std::string StepText(std::size_t index) const;

 private:
  std::vector<std::string> Steps_;
};
