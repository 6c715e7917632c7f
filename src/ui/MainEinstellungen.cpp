// The settings file from the main window: loading at start-up and from the menu, saving from the
// menu. Which key belongs to which input, and where the file lives, is the workflow's
// (abrechnung/Einstellungen); here the values go into the controls and come back out.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>

#include "abrechnung/Einstellungen.h"
#include "abrechnung/Fensterregeln.h"
#include "controls/OruAdvEdit.h"
#include "controls/OruValueEdit.h"
#include "controls/OruValueLabEdit.h"
#include "ui/MainUnit.h"
#include "ui/Plattform.h"
#include "ui/Speichern.h"
#include "ui/Text.h"
#include "ui/Zahlanzeige.h"

namespace salvaro {

namespace {

void setze(QLineEdit* feld, const std::string& text) {
  feld->setText(QText(text));
}
// A number as the field shows numbers.
void setze(TOruZahlEdit* feld, const std::string& text) {
  feld->setzeZahltext(QText(text));
}

// A state that is not in the list (a file edited by hand) stands in the box as its text.
void waehleLand(QComboBox* c, const QString& land) {
  const int i = c->findText(land, Qt::MatchFixedString);
  if (i >= 0)
    c->setCurrentIndex(i);
  else
    c->setEditText(land);
}

}  // namespace

// Puts the stored values into the controls in the order of the file, so that each control's
// reaction runs on the way (the class shows or hides the factor, the child allowances set the
// childless switch, which the stored switch then overrides). The rate displays follow with the
// next change of the period, at start-up right afterwards.
// Returns the message that names the values replaced by their defaults, for the caller to show
// once the displays are up to date.
std::optional<QString> TForm1::ActLoadOptExecute() {
  const std::optional<IniDatei> datei =
      LiesEinstellungsdatei(EinstellungsdateiZumLesen(StdText(programmPfad_)));
  if (!datei) return std::nullopt;
  Eingaben e = LiesEingaben();
  const GeladeneEinstellungen geladen = LadeEinstellungen(*datei, e);

  setze(LEdiGebJahr, e.GebJahr);
  AlterEinstellungen(e);
  setze(LEdiStKl, e.StKl);
  LEdiStKlChange();
  setze(LEdiFaktor, e.Faktor);
  setze(LEdiKiFB, e.KiFB);
  setze(LEdiStFB, e.StFB);
  waehleLand(ComboKiLand, QText(e.KiLand));
  MenPKVStatus->setChecked(e.PKVOhneZuschuss);

  setze(OruEdiBGR, e.BGR);
  setze(LabEdiPKV, e.PKV);
  // The stored additional rate is the user's own: it stays through changes of the year. Without
  // one the field follows the year's default, as at a fresh start.
  if (!geladen.kvZusGespeichert) {
    kvZusEigen_.reset();
    if (MEdiKVZus->isEnabled()) {
      MEdiKVZus->setText(SatzAnzeige(e.KVZus));
      kvZusVorgabe_ = MEdiKVZus->text();
    }
  } else if (MEdiKVZus->isEnabled()) {
    MEdiKVZus->setText(SatzAnzeige(e.KVZus));
    kvZusVorgabe_.clear();
  } else {
    kvZusEigen_ = SatzAnzeige(e.KVZus);
  }
  ChkPKV->setChecked(e.ChkPKV);
  setze(LEdiPPV, e.PPV);
  ChkPPV->setChecked(e.ChkPPV);
  MenSVOst->setChecked(e.Ost);
  MenSVWest->setChecked(!e.Ost);
  MenSVGleitzone->setChecked(e.OhneUebergangsbereich);
  MenSVRVGfE->setChecked(e.RVVerzicht);
  MenPflegeKinderlos->setChecked(e.PVNichtErhoeht);
  MenFrwTatsBr->setChecked(e.FrwTatsBrutto);
  MenPVSachsen->setChecked(e.PVSachsen);
  setze(LEdiKinderU25, e.KinderUnter25);
  setze(LEdiU1Satz, e.U1Satz);
  setze(LEdiU2Satz, e.U2Satz);
  ChkImVorjahr->setChecked(e.ImVorjahrBeschaeftigt);
  ChkPauschsteuerAG->setChecked(e.PauschsteuerAG);
  ArbeitgeberseiteZeigen(e.Arbeitgeberseite);
  MenLoadMainOpts->setEnabled(true);
  if (const std::optional<std::string> meldung = ErsetzteEinstellungenMeldung(geladen))
    return QText(*meldung);
  return std::nullopt;
}

void TForm1::EinstellungenMelden(const std::optional<QString>& meldung) {
  if (meldung) plattform_.Nachricht(this, Meldung::Art::Information, *meldung);
}

// Writes every key from the controls as they stand; the file's other lines stay. false when the
// file could not be written (the message has been shown).
bool TForm1::ActSaveOptExecute() {
  const std::string pfad = EinstellungsdateiZumSchreiben(StdText(programmPfad_));
  // A file that exists but cannot be read is not replaced by one with only our keys.
  IniDatei datei;
  if (const std::optional<IniDatei> alt = LiesEinstellungsdatei(pfad)) {
    datei = *alt;
  } else if (QFileInfo::exists(QText(pfad))) {
    const int grund = LeseFehlernummer(pfad);
    plattform_.Nachricht(
        this, Meldung::Art::Fehler,
        QText(kEinstellungenNichtLesbar) + QStringLiteral("\n") + QText(pfad) +
            (grund != 0 ? QStringLiteral(" (") + QText(LeseGrund(pfad, grund)) + QStringLiteral(")")
                        : QString()));
    return false;
  }
  SpeichereEinstellungen(datei, LiesEingaben());
  if (!SpeichereGewaehlteDatei(plattform_, this, pfad,
                               [&datei](const std::string& ziel, Schreibschutz schutz) {
                                 return SchreibeEinstellungsdatei(ziel, datei, schutz);
                               }))
    return false;
  MenLoadMainOpts->setEnabled(true);
  return true;
}

void TForm1::MenLoadMainOptsClick() {
  const std::optional<QString> meldung = ActLoadOptExecute();
  // Unlike at start-up, nothing else follows: the displays take up the loaded group, legal area
  // and childless switch now.
  ActLoadINIExecute();
  EinstellungenMelden(meldung);
}

void TForm1::MenSaveMainOptsClick() {
  if (ActSaveOptExecute())
    plattform_.Nachricht(this, Meldung::Art::Hinweis, QText(kEinstellungenGespeichert));
}

}  // namespace salvaro
