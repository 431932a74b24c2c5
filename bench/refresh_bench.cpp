// Per-call cost of the core refresh and of its parts, at three quit moments:
// the first minute, one year and fifty years. The clock is fixed, so every
// call does the same work; the luck draw is fixed too.
#include <benchmark/benchmark.h>

#include "engine/length.h"
#include "engine/messages.h"
#include "engine/progress.h"
#include "engine/ranks.h"
#include "engine/refresh.h"
#include "engine/summary.h"
#include "startup/settings.h"

namespace kemurina {
namespace {

constexpr LocalTime kNow{2024, 5, 1, 12, 0};
constexpr LocalTime kQuitNow{2024, 5, 1, 12, 0};
constexpr LocalTime kQuitYearAgo{2023, 5, 2, 12, 0};  // 365 days: 2024 has a 29 February
constexpr LocalTime kQuitFiftyYearsAgo{1974, 5, 1, 12, 0};
constexpr int kLuck = 42;

Settings SmokerWhoQuit(const LocalTime& quit) {
  Settings s;
  s.SetQuitDate(quit);
  s.SetupDone = 1;
  // The longest variant of both summaries (years smoked and cigarettes a day).
  s.CopyPlusMode = 2;
  return s;
}

SummaryInputs InputsOf(const Settings& s, const RefreshResult& r) {
  SummaryInputs in = SummaryInputsFor(s, r.Snapshot, 0);
  in.ElapsedCaption = r.Label2[0];
  in.MoneyCaption = r.Label2[2];
  in.StatusCaption = r.Label2[3];
  in.CountCaption = r.Label2[4];
  in.SummarySentence = r.SummarySentence;
  return in;
}

// The whole core refresh: snapshot, rank, length choice, message, both texts.
void BM_ComputeRefresh(benchmark::State& state, LocalTime quit) {
  const Settings s = SmokerWhoQuit(quit);
  for (auto _ : state) {
    RefreshResult r = ComputeRefresh(s, kNow, kLuck, 0);
    benchmark::DoNotOptimize(r);
  }
}

// What the short copy command adds on top of a refresh.
void BM_ComposeShortSummary(benchmark::State& state, LocalTime quit) {
  const Settings s = SmokerWhoQuit(quit);
  const RefreshResult r = ComputeRefresh(s, kNow, kLuck, 0);
  const SummaryInputs in = InputsOf(s, r);
  for (auto _ : state) {
    std::string text = ComposeShortSummary(in);
    benchmark::DoNotOptimize(text);
  }
}

// The parts, to see where a slow refresh spends its time.
void BM_ComposeFullSummary(benchmark::State& state, LocalTime quit) {
  const Settings s = SmokerWhoQuit(quit);
  const RefreshResult r = ComputeRefresh(s, kNow, kLuck, 0);
  const SummaryInputs in = InputsOf(s, r);
  for (auto _ : state) {
    std::string text = ComposeFullSummary(in);
    benchmark::DoNotOptimize(text);
  }
}

void BM_ComputeSnapshot(benchmark::State& state, LocalTime quit) {
  const Settings s = SmokerWhoQuit(quit);
  for (auto _ : state) {
    ProgressSnapshot snap = ComputeSnapshot(s, kNow);
    benchmark::DoNotOptimize(snap);
  }
}

void BM_CompareLength(benchmark::State& state, LocalTime quit) {
  const Settings s = SmokerWhoQuit(quit);
  const ProgressSnapshot snap = ComputeSnapshot(s, kNow);
  for (auto _ : state) {
    LengthComparison c = CompareLength(snap);
    benchmark::DoNotOptimize(c);
  }
}

void BM_StatusRank(benchmark::State& state, LocalTime quit) {
  const Settings s = SmokerWhoQuit(quit);
  const ProgressSnapshot snap = ComputeSnapshot(s, kNow);
  for (auto _ : state) {
    std::string_view rank = StatusRank(s.StatusModeName, snap.ElapsedWholeDays, snap.ElapsedYears);
    benchmark::DoNotOptimize(rank);
  }
}

void BM_MessageOfTheDay(benchmark::State& state, LocalTime quit) {
  const Settings s = SmokerWhoQuit(quit);
  const ProgressSnapshot snap = ComputeSnapshot(s, kNow);
  for (auto _ : state) {
    const int row =
        ChooseMessageIndex(snap.ElapsedWholeDays, snap.ElapsedYears, snap.ElapsedMonths, kLuck);
    std::string_view text = MessageText(row);
    benchmark::DoNotOptimize(text);
  }
}

// The luck draw RefreshAll makes before the core refresh (a reseeded generator).
void BM_DrawLuck(benchmark::State& state) {
  std::uint64_t seed = 1714564800123456789ULL;
  for (auto _ : state) {
    benchmark::DoNotOptimize(DrawLuck(seed++));
  }
}

#define KEMURINA_AT_THREE_MOMENTS(fn)          \
  BENCHMARK_CAPTURE(fn, day0, kQuitNow);       \
  BENCHMARK_CAPTURE(fn, day365, kQuitYearAgo); \
  BENCHMARK_CAPTURE(fn, year50, kQuitFiftyYearsAgo)

KEMURINA_AT_THREE_MOMENTS(BM_ComputeRefresh);
KEMURINA_AT_THREE_MOMENTS(BM_ComposeShortSummary);
KEMURINA_AT_THREE_MOMENTS(BM_ComposeFullSummary);
KEMURINA_AT_THREE_MOMENTS(BM_ComputeSnapshot);
KEMURINA_AT_THREE_MOMENTS(BM_CompareLength);
KEMURINA_AT_THREE_MOMENTS(BM_StatusRank);
KEMURINA_AT_THREE_MOMENTS(BM_MessageOfTheDay);
BENCHMARK(BM_DrawLuck);

}  // namespace
}  // namespace kemurina
