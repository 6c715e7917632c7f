// Fails the running test when a modal dialog opens (the fake platform never opens one) and
// closes it, so that no test can hang on a dialog.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace salvaro {

class Wachhund : public QObject {
 public:
  Wachhund() {
    timer_.setInterval(50);
    connect(&timer_, &QTimer::timeout, this, [this] {
      QWidget* w = QApplication::activeModalWidget();
      if (!w) return;
      gefunden_ += w->metaObject()->className() + QStringLiteral(" \"") + w->windowTitle() + "\" ";
      if (auto* d = qobject_cast<QDialog*>(w))
        d->reject();
      else
        w->close();
    });
    timer_.start();
  }
  // Fails the running test when a dialog was found since the last check.
  void pruefen() {
    const QString gefunden = gefunden_;
    gefunden_.clear();
    QVERIFY2(gefunden.isEmpty(), qPrintable(QStringLiteral("unerwarteter Dialog: ") + gefunden));
  }

 private:
  QTimer timer_;
  QString gefunden_;
};

}  // namespace salvaro
