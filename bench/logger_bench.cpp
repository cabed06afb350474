// Benchmarks of MultiSinkLogger, each beside the same case for the baseline
// fan-out, so the report reads as a ratio; bench/ratios.py prints the ratios.
// Every benchmark reports the global operator new calls per iteration, which
// must stay at zero.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "allocation_counter.h"
#include "baseline.h"
#include "tavik/common/multi_sink_logger.h"

namespace tavik::common::bench {
namespace {

constexpr std::string_view kMessage = "request served in 42 ms";

// The sinks and both fan-outs over them, shared by the threads of a
// multi-threaded benchmark.
struct Setup {
  explicit Setup(std::size_t sinkCount) {
    MultiSinkLogger::SinkList handles;
    std::vector<ILogSink*> raw;
    for (std::size_t i = 0; i < sinkCount; ++i) {
      handles.push_back(std::make_shared<NullSink>());
      raw.push_back(handles.back().get());
    }
    baseline = std::make_unique<BaselineFanOut>(std::move(raw));
    logger = std::make_unique<MultiSinkLogger>(std::move(handles));
  }
  std::unique_ptr<BaselineFanOut> baseline;
  std::unique_ptr<MultiSinkLogger> logger;
};

template <typename Body>
void measure(benchmark::State& state, Body&& body) {
  const std::size_t before = testing::allocationCount();
  for (auto _ : state) {
    body();
  }
  state.counters["allocs"] = benchmark::Counter(
      static_cast<double>(testing::allocationCount() - before),
      benchmark::Counter::kAvgIterations);
}

void BM_Baseline_Dropped(benchmark::State& state) {
  Setup setup(1);
  measure(state, [&] { setup.baseline->log(LogLevel::Debug, kMessage); });
}

void BM_Logger_Dropped_ViaInterface(benchmark::State& state) {
  Setup setup(1);
  ILogger* logger = setup.logger.get();
  benchmark::DoNotOptimize(logger);  // hide the dynamic type
  measure(state, [&] { logger->log(LogLevel::Debug, kMessage); });
}

void BM_Logger_Dropped_ViaOwnType(benchmark::State& state) {
  Setup setup(1);
  MultiSinkLogger& logger = *setup.logger;
  benchmark::DoNotOptimize(&logger);
  measure(state, [&] {
    logger.log(LogLevel::Debug, kMessage);
    benchmark::ClobberMemory();  // reload the level every time
  });
}

void BM_Baseline_Accepted(benchmark::State& state) {
  Setup setup(static_cast<std::size_t>(state.range(0)));
  measure(state, [&] { setup.baseline->log(LogLevel::Info, kMessage); });
}

void BM_Logger_Accepted(benchmark::State& state) {
  Setup setup(static_cast<std::size_t>(state.range(0)));
  ILogger* logger = setup.logger.get();
  benchmark::DoNotOptimize(logger);
  measure(state, [&] { logger->log(LogLevel::Info, kMessage); });
}

// Both threads log through one shared fan-out to two sinks.
Setup& contended() {
  static Setup setup(2);
  return setup;
}

void BM_Baseline_Contended(benchmark::State& state) {
  BaselineFanOut& baseline = *contended().baseline;
  measure(state, [&] { baseline.log(LogLevel::Info, kMessage); });
}

void BM_Logger_Contended(benchmark::State& state) {
  ILogger* logger = contended().logger.get();
  benchmark::DoNotOptimize(logger);
  measure(state, [&] { logger->log(LogLevel::Info, kMessage); });
}

BENCHMARK(BM_Baseline_Dropped);
BENCHMARK(BM_Logger_Dropped_ViaInterface);
BENCHMARK(BM_Logger_Dropped_ViaOwnType);
BENCHMARK(BM_Baseline_Accepted)->Arg(1)->Arg(2)->Arg(8)->Arg(64);
BENCHMARK(BM_Logger_Accepted)->Arg(1)->Arg(2)->Arg(8)->Arg(64);
BENCHMARK(BM_Baseline_Contended)->Threads(2)->UseRealTime();
BENCHMARK(BM_Logger_Contended)->Threads(2)->UseRealTime();

}  // namespace
}  // namespace tavik::common::bench

BENCHMARK_MAIN();
