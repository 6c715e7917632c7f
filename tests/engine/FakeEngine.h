// A wage-tax engine that records what the payroll case asks of it and answers with fixed
// amounts, so that the driver can be checked without the tax law of a year.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/Gehalt.h"

namespace salvaro {

struct FakeProtokoll {
  // Answers.
  Money lst, solz, kist, lstEB, lstVMT;
  Money solzCent;  // SOLZLZZ as the flowchart holds it, in cents
  bool hatEinmalbezug = true, hatVMT = true;
  // What was asked.
  LohnsteuerEingabe eingabe;
  std::vector<std::string> aufrufe;
  int jahr = 0, monat = 0;
};

class FakeEngine : public OruSteuern {
 public:
  explicit FakeEngine(std::shared_ptr<FakeProtokoll> p) : p_(std::move(p)) {}

  std::string_view Name() const override { return "Fake"; }
  bool HatEinmalbezug() const override { return p_->hatEinmalbezug; }
  bool HatVMT() const override { return p_->hatVMT; }

  Money LohnsteuerLfd(const LohnsteuerEingabe& e) override {
    p_->eingabe = e;
    p_->aufrufe.push_back("LohnsteuerLfd");
    return p_->lst;
  }
  Money SolzLfd() override {
    p_->aufrufe.push_back("SolzLfd");
    return p_->solz;
  }
  Money KirchensteuerLfd(int pflichtig, int land, int art, int anteil, Money kappung,
                         Money sonder) override {
    p_->aufrufe.push_back("KiSt " + Args({pflichtig, land, art, anteil}) + " " + kappung.text4() +
                          " " + sonder.text4());
    return p_->kist;
  }
  Money LohnsteuerEB(Money sonstb, Money jre4, Money jvbez, Money vbs) override {
    p_->aufrufe.push_back("LStEB " + sonstb.text4() + " " + jre4.text4() + " " + jvbez.text4() +
                          " " + vbs.text4());
    return p_->lstEB;
  }
  Money SolzEB() override {
    p_->aufrufe.push_back("SolzEB");
    return Money();
  }
  Money KirchensteuerEB(int pflichtig, int land, int art, int anteil, int basis, Money,
                        Money) override {
    p_->aufrufe.push_back("KiStEB " + Args({pflichtig, land, art, anteil, basis}));
    return Money();
  }
  Money LohnsteuerVMT(Money sonstb, Money jre4) override {
    p_->aufrufe.push_back("LStVMT " + sonstb.text4() + " " + jre4.text4());
    return p_->lstVMT;
  }
  Money SolzVMT() override {
    p_->aufrufe.push_back("SolzVMT");
    return Money();
  }
  int VMTOhneFuenftelung() const override { return 0; }
  FlowchartAusgaben Ausgaben() const override {
    FlowchartAusgaben a;
    a.SOLZLZZ = p_->solzCent;
    return a;
  }
  bool NimmtEingabe(std::string_view) const override { return true; }
  Money ZuVersteuerndesEinkommen() const override { return Money(); }
  Money Tarifsteuer(Money, int) const override { return Money(); }

 private:
  static std::string Args(std::initializer_list<int> werte) {
    std::string s;
    for (int w : werte) s += (s.empty() ? "" : ",") + std::to_string(w);
    return s;
  }
  std::shared_ptr<FakeProtokoll> p_;
};

// A payroll case whose engine for every period is a fake writing into `protokoll`.
inline TLohnGehalt MitFakeEngine(std::shared_ptr<FakeProtokoll> protokoll) {
  return TLohnGehalt([protokoll](int jahr, int monat) {
    protokoll->jahr = jahr;
    protokoll->monat = monat;
    return std::make_unique<FakeEngine>(protokoll);
  });
}

}  // namespace salvaro
