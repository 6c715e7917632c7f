// Qt's own texts in German under an English or unset system language (the test runs with
// LANG=C): the file dialog of the window, the buttons of the standard dialogs, the context menu
// of a text field, and German number formats.
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "ui/Sprache.h"

using namespace salvaro;

class SpracheTest : public QObject {
  Q_OBJECT

 private slots:
  void deutschUnterLangC() {
    struct Fall {
      const char* was;
      std::function<QString()> text;
      QString englisch, deutsch;
    };
    const Fall faelle[] = {
        {"Abbrechen im Dialog",
         [] {
           QDialogButtonBox knoepfe(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
           return knoepfe.button(QDialogButtonBox::Cancel)->text();
         },
         "Cancel", "Abbrechen"},
        {"Einfügen im Kontextmenü",
         [] {
           QLineEdit feld;
           const std::unique_ptr<QMenu> menue(feld.createStandardContextMenu());
           return menue->actions().at(5)->text();
         },
         "&Paste\tCtrl+V", "Einf&ügen\tStrg+V"},
        {"Dateidialog",
         [] {
           QFileDialog dialog(nullptr, QStringLiteral("Abrechnung speichern"));
           dialog.setAcceptMode(QFileDialog::AcceptSave);
           return dialog.findChild<QLabel*>(QStringLiteral("lookInLabel"))->text() + u'|' +
                  dialog.findChild<QLabel*>(QStringLiteral("fileNameLabel"))->text();
         },
         "Look in:|File &name:", "Suchen in:|Datei&name:"},
        {"Zahlenformat", [] { return QLocale().toString(1234.5, 'f', 2); }, "1,234.50", "1.234,50"},
    };
    // Otherwise the test would prove nothing.
    for (const Fall& f : faelle) QCOMPARE(f.text(), f.englisch);
    QVERIFY(DeutschEinrichten());
    for (const Fall& f : faelle) QVERIFY2(f.text() == f.deutsch, qPrintable(f.text()));
  }
};

QTEST_MAIN(SpracheTest)
#include "SpracheTest.moc"
