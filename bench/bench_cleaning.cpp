// Cleaning throughput on ordinary and adversarial text, the engine against the rule followed
// literally, and a button press on a large paste in the real window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QTemporaryDir>
#include <chrono>
#include <functional>
#include <utility>

#include "app/startup.h"
#include "framework/window.h"
#include "main_window/text_cleaning.h"
#include "main_window/window1.h"
#include "tests/main_window/literal_cleaning.h"

namespace {
constexpr std::int64_t KiB = 1024, MiB = 1024 * KiB;

enum Kind : std::int64_t { kEmail, kQuotes, kBlanks, kBreaks };

// Quoted mail as it is pasted: nested quote marks, blank lines, double blanks, split no-break spaces.
const String kEmailUnit =
    U"> > On Tuesday, Ann Example wrote:\r> >\r> > Thanks for the note.  I will be there at five...\r"
    U">\r> Regards,\r> Bob\r\r\r\r> \u00C2\u00A0Sent from a phone\r> \r> - the list at lists.example\r";

String Make(std::int64_t kind, std::int64_t size) {
  const String unit = kind == kEmail ? kEmailUnit : kind == kQuotes ? U">" : kind == kBlanks ? U" " : U"\r";
  String text;
  text.reserve(static_cast<std::size_t>(size));
  while (Len(text) < size) text += unit;
  text.resize(static_cast<std::size_t>(size));
  return text;
}

const char* KindName(std::int64_t kind) {
  static const char* names[] = {"email", "all_quotes", "all_blanks", "all_line_breaks"};
  return names[kind];
}

using Cleaning = String (*)(String);
String LiteralSimple(String text) { return literal_cleaning::RunPass(std::move(text), literal_cleaning::Passes()[0]); }
String LiteralComplex(String text) { return literal_cleaning::Complex(text); }

using Clock = std::chrono::steady_clock;
double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

// The cleaning takes its text over, as the window hands it the field's text; copying the input
// for the next iteration is not part of it.
void Throughput(benchmark::State& state, Cleaning clean) {
  const String text = Make(state.range(0), state.range(1));
  state.SetLabel(KindName(state.range(0)));
  for (auto _ : state) {
    String work = text;
    const auto t0 = Clock::now();
    String result = clean(std::move(work));
    state.SetIterationTime(Seconds(Clock::now() - t0));
    benchmark::DoNotOptimize(result);
  }
  state.SetBytesProcessed(state.iterations() * state.range(1));
}

// Both on the same text in the same iteration; the counter is how many times longer the rule takes.
void AgainstLiteral(benchmark::State& state, Cleaning clean, Cleaning literal) {
  const String text = Make(state.range(0), state.range(1));
  state.SetLabel(KindName(state.range(0)));
  Clock::duration engine{}, rule{};
  for (auto _ : state) {
    const auto t0 = Clock::now();
    const String fast = clean(text);  // both copy the input here
    const auto t1 = Clock::now();
    const String slow = literal(text);
    rule += Clock::now() - t1;
    engine += t1 - t0;
    if (fast != slow) state.SkipWithError("engine and literal rule differ");
  }
  state.counters["literal_x"] = static_cast<double>(rule.count()) / static_cast<double>(engine.count());
}

void AllKinds(benchmark::internal::Benchmark* b, std::initializer_list<std::int64_t> sizes) {
  b->ArgNames({"kind", "chars"});
  for (std::int64_t kind : {kEmail, kQuotes, kBlanks, kBreaks})
    for (std::int64_t size : sizes) b->Args({kind, size});
  b->Unit(benchmark::kMillisecond);
}

BENCHMARK_CAPTURE(Throughput, Simple, &SimpleCleaning)->Apply([](auto* b) {
  AllKinds(b, {KiB, MiB, 64 * MiB});
  b->UseManualTime();
});
BENCHMARK_CAPTURE(Throughput, Complex, &ComplexCleaning)->Apply([](auto* b) {
  AllKinds(b, {KiB, MiB, 64 * MiB});
  b->UseManualTime();
});
BENCHMARK_CAPTURE(AgainstLiteral, Simple, &SimpleCleaning, &LiteralSimple)->Apply([](auto* b) { AllKinds(b, {KiB, 16 * KiB}); });
BENCHMARK_CAPTURE(AgainstLiteral, Complex, &ComplexCleaning, &LiteralComplex)->Apply([](auto* b) { AllKinds(b, {KiB, 16 * KiB}); });

// A press on "Simple" or "Complex" with a 1 MiB paste in the field: cleaning, field, redraw, clipboard.
void ButtonPress(benchmark::State& state, std::function<std::shared_ptr<PushButton>(class Window1&)> button) {
  auto window = Window1();
  const String text = Make(kEmail, MiB);
  for (auto _ : state) {
    state.PauseTiming();
    NotNil(window->EditField1()).SetText(text);
    state.ResumeTiming();
    NotNil(button(*window)).Push();
  }
  if (QApplication::clipboard()->text().size() != static_cast<qsizetype>(NotNil(window->EditField1()).Text().size()))
    state.SkipWithError("the clipboard does not hold the field's text");
  state.SetBytesProcessed(state.iterations() * MiB);
}
BENCHMARK_CAPTURE(ButtonPress, Simple, [](class Window1& w) { return w.Zendle1(); })->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ButtonPress, Complex, [](class Window1& w) { return w.Zendle2(); })->Unit(benchmark::kMillisecond);
}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  qputenv("QT_QPA_PLATFORM", "offscreen");
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
