// A main window on the fake platform, with the help file present or not, and the few steps the
// tests take with it.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "FakePlattform.h"
#include "controls/OruAdvEdit.h"
#include "controls/OruValueEdit.h"
#include "controls/OruValueLabEdit.h"
#include "abrechnung/Zahlentext.h"
#include "engine/Gehalt.h"
#include "ui/MainUnit.h"
#include "ui/UAbrechnung.h"

// Compares inside a loop over cases and names the case that failed.
#define GLEICH(ist, soll, fall)                                 \
  QVERIFY2((ist) == (soll),                                     \
           qPrintable(QStringLiteral("%1: \"%2\" statt \"%3\"") \
                          .arg(fall, QVariant(ist).toString(), QVariant(soll).toString())))

namespace salvaro {

struct Fenster {
  QTemporaryDir ordner;
  FakePlattform plattform;
  std::unique_ptr<TForm1> f;

  explicit Fenster(bool mitHilfedatei = false, Datum heute = {2026, 12, 7}) {
    if (mitHilfedatei) {
      QDir(ordner.path()).mkdir(QStringLiteral("hilfe"));
      QFile start(ordner.filePath(QStringLiteral("hilfe/index.html")));
      start.open(QIODevice::WriteOnly);
    }
    plattform.heute = heute;
    f = std::make_unique<TForm1>(plattform, ordner.path());
  }
  TForm1* operator->() const { return f.get(); }

  // Closes the window and starts the program again from the same directory.
  void neuStarten() {
    f.reset();
    plattform.nachrichten.clear();
    f = std::make_unique<TForm1>(plattform, ordner.path());
  }

  // Shown and active, for tests that type or move the focus.
  bool zeigen() {
    f->show();
    f->activateWindow();
    return QTest::qWaitForWindowActive(f.get());
  }
  // The period of the calculation tests: January 2023.
  void januar2023() {
    waehle(f->ComboJahr, QStringLiteral("2023"));
    waehle(f->ComboMonat, QStringLiteral("Januar"));
  }
  static void waehle(QComboBox* c, const QString& text) {
    const int i = c->findText(text);
    if (i >= 0)
      c->setCurrentIndex(i);
    else
      c->setEditText(text);
  }
  // Types into a field and presses Enter, as the user does.
  static void eingeben(QLineEdit* feld, const QString& text) {
    feld->setFocus();
    feld->clear();
    QTest::keyClicks(feld, text);
    QTest::keyClick(feld, Qt::Key_Return);
  }
  // A shown amount, "-344,00 €", as Money.
  static Money betrag(const QLabel* l) {
    QString text = l->text();
    if (text.endsWith(QStringLiteral(" €"))) text.chop(2);
    return LiesFeld(text.toStdString());
  }
  QStringList werte() const {
    QStringList w;
    for (QLabel* l : {f->LabLSt, f->LabKiSt, f->LabSolZ, f->LabKV, f->LabRV, f->LabAV, f->LabPV})
      w << l->text();
    return w;
  }
};

}  // namespace salvaro
