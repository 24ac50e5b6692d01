// The scheme editor: a full repaint of the editor's picture, and the two
// mouse moves that follow the cursor while placing — a label or free text
// (the scheme restored from the picture last painted, then the preview)
// and a rubber band (the previous band erased in XOR, the new one drawn).
#include <benchmark/benchmark.h>

#include "BenchSupport.h"
#include "edit/EditSession.h"
#include "platform/Dialogs.h"
#include "qt/QtCanvas.h"

namespace {

// Every dialog answers Ok with what it holds; the text dialog gets a label.
class TOkHost : public TDialogHost {
 public:
  int Execute(TDialogModel& model) override {
    model.SetText("textfield", "ДК-1");
    return model.Press(TDialogButton::Ok);
  }
};

struct TEditor {
  explicit TEditor(TSVObject& scheme) : Window(scheme), Session(scheme, Host) {
    Session.SetCanvas(Window.Canvas.get(), kPictureWidth, kPictureHeight);
    Session.Prepare();
    Session.Show();
  }
  ~TEditor() { Session.Close(); }
  TWindow Window;
  TOkHost Host;
  TEditSession Session;
};

void EditRepaint(benchmark::State& state) {
  TEditor e(LoadedPassport(static_cast<int>(state.range(0))));
  for (auto _ : state) e.Session.Repaint();
}

void EditLabelMove(benchmark::State& state) {
  TEditor e(LoadedPassport(static_cast<int>(state.range(0))));
  e.Session.ChooseTool("Контроллер");
  e.Session.MouseDown(900, 500);
  e.Session.MouseDown(960, 500);
  e.Session.MouseDown(930, 450);
  int i = 0;
  for (auto _ : state) {
    ++i;
    e.Session.MouseMove(1000 + i % 200, 430 + i % 50);
  }
  // Esc takes the cabinet away again, so the passport stays as it was.
  e.Session.Key(TEditKey::Esc);
}

void EditRubberMove(benchmark::State& state) {
  TEditor e(LoadedPassport(static_cast<int>(state.range(0))));
  e.Session.ChooseTool("Прямой бордюр");
  e.Session.MouseDown(900, 500);
  int i = 0;
  for (auto _ : state) {
    ++i;
    e.Session.MouseMove(1000 + i % 200, 430 + i % 50);
  }
  e.Session.Key(TEditKey::Esc);
}

}  // namespace

BENCHMARK(EditRepaint)->Name("edit_repaint")->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(EditLabelMove)->Name("edit_label_move")->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(EditRubberMove)->Name("edit_rubber_move")->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
