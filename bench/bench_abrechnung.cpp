// The window's calculation without the window: gross to net, net to gross, the statement, and
// "stapel" over 100,000 generated rows. Run: build-release/bench/bench_abrechnung
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "abrechnung/Berechnung.h"
#include "abrechnung/Zahlentext.h"
#include "cli/Rechnen.h"
#include "engine/Gehalt.h"

namespace {

using namespace salvaro;

const Datum kHeute{2026, 12, 7};

void BruttoNetto(benchmark::State& state) {
  TLohnGehalt fall;
  for (auto _ : state) {
    Eingaben e;
    e.Brutto = "3000";
    StarteMitEnter(e, Feld::Brutto);
    benchmark::DoNotOptimize(Berechne(e, fall, kHeute));
  }
}
BENCHMARK(BruttoNetto);

void NettoBrutto(benchmark::State& state) {
  TLohnGehalt fall;
  std::mt19937 zufall(1);
  std::uniform_int_distribution<std::int64_t> cents(50000, 1000000);
  std::int64_t schritte = 0, laeufe = 0;
  for (auto _ : state) {
    Eingaben e;
    e.Netto = SchlichterText(Money::cent(cents(zufall)));
    StarteMitEnter(e, Feld::Netto);
    schritte += Berechne(e, fall, kHeute).schritte;
    ++laeufe;
  }
  state.counters["calculations/run"] = static_cast<double>(schritte) / static_cast<double>(laeufe);
}
BENCHMARK(NettoBrutto);

void Abrechnungstext(benchmark::State& state) {
  TLohnGehalt fall;
  Eingaben e;
  e.Brutto = "3000";
  StarteMitEnter(e, Feld::Brutto);
  const Ergebnis r = Berechne(e, fall, kHeute);
  for (auto _ : state)
    benchmark::DoNotOptimize(Detailabrechnung(e, fall, r.saetze, r.GesAbz, kHeute));
}
BENCHMARK(Abrechnungstext);

void Stapel100000(benchmark::State& state) {
  const auto pfad = std::filesystem::temp_directory_path() /
                    ("salvaro-bench-stapel-" + std::to_string(::getpid()) + ".csv");
  {
    std::ofstream f(pfad);
    std::mt19937 zufall(2);
    std::uniform_int_distribution<int> brutto(300, 12000), jahr(2004, 2023), monat(1, 12),
        stkl(1, 6);
    f << "brutto,jahr,monat,steuerklasse\n";
    for (int i = 0; i < 100000; ++i)
      f << brutto(zufall) << ',' << jahr(zufall) << ',' << monat(zufall) << ',' << stkl(zufall)
        << '\n';
  }
  for (auto _ : state) {
    std::ostringstream aus, fehler;
    StapelBefehl({pfad.string()}, aus, fehler, kHeute, false);
    benchmark::DoNotOptimize(aus.str().size());
  }
  std::filesystem::remove(pfad);
}
BENCHMARK(Stapel100000)->Unit(benchmark::kMillisecond)->Iterations(1);

// Rows of stapel per second, from memory to memory: gross to net (argument 0) and net to gross
// (1) over varied years, months, classes and groups; the second argument is the number of
// threads.
void StapelZeilen(benchmark::State& state) {
  const bool netto = state.range(0) == 1;
  std::mt19937 zufall(3);
  std::uniform_int_distribution<int> cent(30000, 900000), jahr(2006, 2023), monat(1, 12),
      stkl(1, 6), gruppe(0, 3);
  static constexpr const char* kGruppen[] = {"1111", "3111", "9111", "6500"};
  std::ostringstream text;
  text << (netto ? "netto" : "brutto") << ",jahr,monat,steuerklasse,beitragsgruppe\n";
  const int zeilen = netto ? 2000 : 20000;
  for (int i = 0; i < zeilen; ++i) {
    // Amounts with a decimal point, as the comma list reads them.
    const int c = cent(zufall);
    text << c / 100 << '.' << c % 100 / 10 << c % 10 << ',' << jahr(zufall) << ','
         << monat(zufall) << ',' << stkl(zufall) << ',' << kGruppen[gruppe(zufall)] << '\n';
  }
  const std::string eingabe = text.str();
  std::int64_t gerechnet = 0;
  for (auto _ : state) {
    std::istringstream ein(eingabe);
    std::ostringstream aus, fehler;
    gerechnet += static_cast<std::int64_t>(
        Stapel(ein, aus, fehler, kHeute, false, static_cast<unsigned>(state.range(1))).zeilen);
  }
  state.counters["rows/s"] =
      benchmark::Counter(static_cast<double>(gerechnet), benchmark::Counter::kIsRate);
}
BENCHMARK(StapelZeilen)
    ->Args({0, 1})
    ->Args({0, 2})
    ->Args({1, 1})
    ->Args({1, 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
