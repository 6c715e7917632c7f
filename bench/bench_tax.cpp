// Wage-tax engine benchmarks: one full calculation of 2023 (with and without making the engine),
// one calculation with every part of the flowchart per engine family, and the pap batch over the
// reference rows of 2023. Run: build-release/bench/bench_tax --benchmark_repetitions=5
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>

#include "cli/Pap.h"
#include "tax/EngineWahl.h"

namespace {

using salvaro::Money;

// Class I, 3,000.00 a month, statutory insurance with 1.6 % additional rate, no children.
salvaro::LohnsteuerEingabe Fall2023() {
  salvaro::LohnsteuerEingabe e;
  e.RE4 = Money::euro(3000);
  e.STKL = 1;
  e.LZZ = 2;
  e.KVZ = Money::parse("1.6");
  e.f = Money::euro(1);
  return e;
}

// Wage tax, surcharge and three kinds of church tax, as the payroll case asks for them.
void Monat(salvaro::OruSteuern& engine, const salvaro::LohnsteuerEingabe& e) {
  benchmark::DoNotOptimize(engine.LohnsteuerLfd(e));
  benchmark::DoNotOptimize(engine.SolzLfd());
  benchmark::DoNotOptimize(engine.KirchensteuerLfd(1, 12, 1, 0, Money(), Money::euro(99)));
  benchmark::DoNotOptimize(engine.KirchensteuerLfd(1, 12, 1, 1, Money(), Money()));
  benchmark::DoNotOptimize(engine.KirchensteuerLfd(1, 12, 1, 0, Money(), Money()));
}

void Berechnung2023(benchmark::State& state) {
  salvaro::LohnsteuerEingabe e = Fall2023();
  for (auto _ : state) {
    Monat(*salvaro::EngineFuer(2023, 1), e);
    e.RE4 += Money::cent(1);
  }
}
BENCHMARK(Berechnung2023);

// The same calculation on one engine that is kept: the cost of the flowchart without choosing and
// making the engine.
void Berechnung2023EineEngine(benchmark::State& state) {
  salvaro::LohnsteuerEingabe e = Fall2023();
  auto engine = salvaro::EngineFuer(2023, 1);
  for (auto _ : state) {
    Monat(*engine, e);
    e.RE4 += Money::cent(1);
  }
}
BENCHMARK(Berechnung2023EineEngine);

// One engine of each family over a month with children, a pension, a one-time payment and
// multi-year pay, so that every part of the flowchart runs.
void BerechnungJeFamilie(benchmark::State& state) {
  const int jahr = static_cast<int>(state.range(0));
  salvaro::LohnsteuerEingabe e;
  e.RE4 = Money::euro(4200);
  e.STKL = 3;
  e.LZZ = 2;
  e.ZKF = 1.5f;
  e.KVZ = Money::parse("1.3");
  e.f = Money::euro(1);
  e.VBEZ = e.VBEZM = Money::euro(800);
  e.VJAHR = jahr - 3;
  e.ZMVB = 12;
  e.ALTER1 = 1;
  e.AJAHR = jahr - 1;
  e.VMT = Money::euro(6000);
  for (auto _ : state) {
    auto engine = salvaro::EngineFuer(jahr, 5);
    benchmark::DoNotOptimize(engine->LohnsteuerLfd(e));
    benchmark::DoNotOptimize(engine->SolzLfd());
    benchmark::DoNotOptimize(engine->KirchensteuerLfd(1, 12, 1, 0, Money(), Money()));
    benchmark::DoNotOptimize(
        engine->LohnsteuerEB(Money::euro(2500), Money::euro(50400), Money::euro(9600), Money()));
    benchmark::DoNotOptimize(engine->SolzEB());
    if (engine->HatVMT())
      benchmark::DoNotOptimize(engine->LohnsteuerVMT(Money::euro(2500), Money::euro(50400)));
    e.RE4 += Money::cent(1);
  }
}
BENCHMARK(BerechnungJeFamilie)->Arg(2005)->Arg(2009)->Arg(2012)->Arg(2023)->Arg(2026);

void PapReferenz2023(benchmark::State& state) {
  std::ifstream datei(SALVARO_TESTDATA "/lst2023.csv");
  std::stringstream inhalt;
  inhalt << datei.rdbuf();
  const std::string text = inhalt.str();
  std::int64_t zeilen = 0;
  for (auto _ : state) {
    std::istringstream ein(text);
    std::ostringstream aus;
    zeilen += salvaro::Pap(ein, aus, "OruSteuern2023", static_cast<unsigned>(state.range(0))).zeilen;
  }
  state.counters["rows/s"] = benchmark::Counter(static_cast<double>(zeilen), benchmark::Counter::kIsRate);
}
// The argument is the number of threads.
BENCHMARK(PapReferenz2023)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
