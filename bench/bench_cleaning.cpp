// The cleaning alone: throughput on mail, the engine against the rule followed literally, and how
// the time grows with the text on adversarial input. Sizes and rates count characters. Every ratio
// compares figures taken in the same run, in processor time.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "bench/sample_text.h"
#include "main_window/text_cleaning.h"
#include "tests/main_window/literal_cleaning.h"

namespace {
using namespace sample_text;
using Cleaning = std::function<void(String&)>;

// The processor time of this thread: the machine may be shared, and the cleaning runs on one thread.
double Now() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// The fastest of several runs of clean on a fresh copy of text; copying is not timed, since the
// window hands the cleaning a text of its own.
double BestSeconds(const String& text, const Cleaning& clean, int runs) {
  double best = 1e300;
  for (int i = 0; i < runs; ++i) {
    String work = text;
    const double t0 = Now();
    clean(work);
    best = std::min(best, Now() - t0);
    benchmark::DoNotOptimize(work.data());
  }
  return best;
}

void Simple(String& text) { RunCleaningPass(text, kCleaningPasses[0]); }
void Complex(String& text) { text = ComplexCleaning(std::move(text)); }

void Throughput(benchmark::State& state, Cleaning clean) {
  const String text = RandomMail(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) state.SetIterationTime(BestSeconds(text, clean, 1));
  state.counters["chars_per_s"] = benchmark::Counter(static_cast<double>(state.iterations() * state.range(0)), benchmark::Counter::kIsRate);
}
void MailSizes(benchmark::internal::Benchmark* b) {
  b->ArgName("chars")->Arg(Ki)->Arg(Mi)->Arg(64 * Mi)->UseManualTime()->Unit(benchmark::kMillisecond);
}
BENCHMARK_CAPTURE(Throughput, simple_mail, Simple)->Apply(MailSizes);
BENCHMARK_CAPTURE(Throughput, complex_mail, Complex)->Apply(MailSizes);

// growth_pN: time on one text of 64 Mi characters over time on 1 Mi, for pass N alone; a linear
// pass gives 64. The 1 Mi figure is an average over 64 separate texts, so both sides stream the same
// 64 Mi characters through memory and the cache favours neither.
void Growth(benchmark::State& state) {
  const auto kind = static_cast<Adversarial>(state.range(0));
  state.SetLabel(Name(kind));
  constexpr std::size_t kCopies = 64;
  const String small = Make(kind, Mi), large = Make(kind, kCopies * Mi);
  double worst = 0;
  for (auto _ : state) {
    for (std::size_t p = 0; p < kCleaningPasses.size(); ++p) {
      auto pass = [p](String& text) { RunCleaningPass(text, kCleaningPasses[p]); };
      double smalls = 1e300, largeOne = 1e300;
      for (int run = 0; run < 5; ++run) {  // interleaved, so a busy moment hits both
        std::vector<String> texts(kCopies, small);
        const double t0 = Now();
        for (auto& text : texts) pass(text);
        smalls = std::min(smalls, (Now() - t0) / kCopies);
        largeOne = std::min(largeOne, BestSeconds(large, pass, 1));
      }
      const double growth = largeOne / smalls;
      state.counters["growth_p" + std::to_string(p + 1)] = growth;
      worst = std::max(worst, growth);
    }
  }
  state.counters["growth_worst"] = worst;
}
BENCHMARK(Growth)->ArgName("text")->DenseRange(0, static_cast<int>(kAllAdversarial.size()) - 1)->Iterations(1)->Unit(benchmark::kSecond);

// literal_x: how many times longer the rule followed literally takes, at a size where it takes
// seconds; literal_s is that time.
void AgainstLiteral(benchmark::State& state, Cleaning clean, std::function<String(const String&)> literal, bool mail) {
  const auto chars = static_cast<std::size_t>(state.range(0));
  const String text = mail ? RandomMail(chars) : Make(Adversarial::kQuotes, chars);
  state.SetLabel(mail ? "mail" : "runs_of_quotes");
  for (auto _ : state) {
    String fast = text;
    const double engine = BestSeconds(text, clean, 20);
    clean(fast);
    const double t0 = Now();
    const String slow = literal(text);
    const double rule = Now() - t0;
    if (fast != slow) state.SkipWithError("the engine and the literal rule differ");
    state.counters["literal_x"] = rule / engine;
    state.counters["literal_s"] = rule;
  }
}
BENCHMARK_CAPTURE(
    AgainstLiteral, simple, Simple, [](const String& t) { return literal_cleaning::RunPass(t, literal_cleaning::Passes()[0]); }, false)
    ->ArgName("chars")
    ->Arg(320 * Ki)
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(
    AgainstLiteral, complex, Complex, [](const String& t) { return literal_cleaning::Complex(t); }, true)
    ->ArgName("chars")
    ->Arg(256 * Ki)
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
}  // namespace

BENCHMARK_MAIN();
