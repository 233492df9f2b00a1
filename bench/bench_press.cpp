// A press on "Simple" or "Complex" with a large paste in the real window, against the work Qt
// itself cannot avoid for the same result: setPlainText of the cleaned text and putting it on the
// clipboard. Sizes count characters. Run on any Qt platform (offscreen when none is set).
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <ctime>
#include <fstream>
#include <functional>
#include <string>

#include "app/startup.h"
#include "bench/sample_text.h"
#include "framework/runtime.h"
#include "framework/window.h"
#include "main_window/text_cleaning.h"
#include "main_window/window1.h"

namespace {
using namespace sample_text;
using Button = std::shared_ptr<PushButton> (Window1::*)() const;

// Processor time of the whole process, so a busy machine does not count and no thread of Qt's is missed.
double Now() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// The cleaned text as Qt is given it: line feeds for line breaks.
QString QtText(const String& text) {
  QString out;
  for (char32_t c : text) out += c == U'\r' ? QString(QChar(u'\n')) : QString::fromUcs4(&c, 1);
  return out;
}

struct Setup {
  std::shared_ptr<class Window1> window = Window1();
  String paste;
  QString bare;
  QPlainTextEdit* edit;
  Setup(std::size_t chars, String (*clean)(String))
      : paste(RandomMail(chars)), bare(QtText(clean(paste))), edit(static_cast<QPlainTextEdit*>(NotNil(window->EditField1()).Widget())) {}
  void Paste() {
    NotNil(window->EditField1()).SetText(paste);
    QApplication::clipboard()->clear();
  }
  void BareQtWork() {
    edit->setPlainText(bare);
    QApplication::clipboard()->setText(bare);
  }
};

// qt_x: the press over the bare Qt work, both timed in each iteration on the same field holding
// the same paste.
void Press(benchmark::State& state, Button button, String (*clean)(String)) {
  Setup setup(static_cast<std::size_t>(state.range(0)), clean);
  double press = 0, bare = 0;
  for (auto _ : state) {
    setup.Paste();
    double t0 = Now();
    NotNil(((*setup.window).*button)()).Push();
    const double once = Now() - t0;
    press += once;
    setup.Paste();
    t0 = Now();
    setup.BareQtWork();
    bare += Now() - t0;
    state.SetIterationTime(once);
  }
  setup.Paste();
  NotNil(((*setup.window).*button)()).Push();
  if (QApplication::clipboard()->text() != setup.bare) state.SkipWithError("the clipboard does not hold the cleaned text");
  state.counters["qt_x"] = press / bare;
}
void TenMiPresses(benchmark::internal::Benchmark* b) {
  b->ArgName("chars")->Arg(10 * Mi)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);
}
BENCHMARK_CAPTURE(Press, simple, &Window1::Zendle1, &SimpleCleaning)->Apply(TenMiPresses);
BENCHMARK_CAPTURE(Press, complex, &Window1::Zendle2, &ComplexCleaning)->Apply(TenMiPresses);

// Resident memory in bytes, now and at its peak since the peak was last reset.
std::size_t StatusField(const char* name) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind(name, 0) == 0) return std::stoull(line.substr(std::string(name).size())) * 1024;
  }
  return 0;
}
void ResetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

double PeakGrowth(const std::function<void()>& work) {
  // Large blocks go straight back to the system when freed, so resident memory shows what is held.
  // Set only here: the timings run with the allocator as the program has it.
  mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
  malloc_trim(0);
  ResetPeak();
  const auto before = static_cast<double>(StatusField("VmRSS:"));
  work();
  return static_cast<double>(StatusField("VmHWM:")) - before;
}

// peak_x: the peak growth of resident memory during one press over the text's size in UTF-32
// (four bytes a character); bare_peak_x the same for the bare Qt work.
void PressMemory(benchmark::State& state, Button button, String (*clean)(String)) {
  const auto chars = static_cast<std::size_t>(state.range(0));
  Setup setup(chars, clean);
  const double utf32 = 4.0 * static_cast<double>(chars);
  for (auto _ : state) {
    setup.Paste();
    state.counters["peak_x"] = PeakGrowth([&] { NotNil(((*setup.window).*button)()).Push(); }) / utf32;
    setup.Paste();
    state.counters["bare_peak_x"] = PeakGrowth([&] { setup.BareQtWork(); }) / utf32;
  }
}
BENCHMARK_CAPTURE(PressMemory, simple, &Window1::Zendle1, &SimpleCleaning)
    ->ArgName("chars")
    ->Arg(10 * Mi)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PressMemory, complex, &Window1::Zendle2, &ComplexCleaning)
    ->ArgName("chars")
    ->Arg(10 * Mi)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir config;  // the window saves its position on close
  qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);

  // The program's own start-up, short of the event loop.
  StartProgram(0, nullptr);

  benchmark::RunSpecifiedBenchmarks();

  for (const auto& window : OpenWindows()) window->Close();
  StopProgram();
  benchmark::Shutdown();
  return 0;
}
