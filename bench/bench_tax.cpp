// Wage-tax engine benchmarks: one full calculation of 2023 and the pap batch over its reference
// rows. Run: build-release/bench/bench_tax
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>

#include "cli/Pap.h"
#include "tax/EngineWahl.h"

namespace {

using salvaro::Money;

void Berechnung2023(benchmark::State& state) {
  salvaro::LohnsteuerEingabe e;
  e.RE4 = Money::euro(3000);
  e.STKL = 1;
  e.LZZ = 2;
  e.KVZ = Money::parse("1.6");
  e.f = Money::euro(1);
  for (auto _ : state) {
    auto engine = salvaro::EngineFuer(2023, 1);
    benchmark::DoNotOptimize(engine->LohnsteuerLfd(e));
    benchmark::DoNotOptimize(engine->SolzLfd());
    benchmark::DoNotOptimize(engine->KirchensteuerLfd(1, 12, 1, 0, Money(), Money::euro(99)));
    benchmark::DoNotOptimize(engine->KirchensteuerLfd(1, 12, 1, 1, Money(), Money()));
    benchmark::DoNotOptimize(engine->KirchensteuerLfd(1, 12, 1, 0, Money(), Money()));
    e.RE4 += Money::cent(1);
  }
}
BENCHMARK(Berechnung2023);

void PapReferenz2023(benchmark::State& state) {
  std::ifstream datei(SALVARO_TESTDATA "/lst2023.csv");
  std::stringstream inhalt;
  inhalt << datei.rdbuf();
  const std::string text = inhalt.str();
  std::int64_t zeilen = 0;
  for (auto _ : state) {
    std::istringstream ein(text);
    std::ostringstream aus;
    zeilen += salvaro::Pap(ein, aus, "OruSteuern2023").zeilen;
  }
  state.counters["rows/s"] = benchmark::Counter(static_cast<double>(zeilen), benchmark::Counter::kIsRate);
}
BENCHMARK(PapReferenz2023)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
