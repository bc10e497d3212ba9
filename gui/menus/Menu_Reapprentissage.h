// Alarm acknowledgement, relearn and reference recalculation. The page asks its questions
// in modal boxes, takes the recharged mass through the charge dialog and hands the work to
// the main window by its signals: the processing thread acknowledges, the core decides on
// a relearn or a recalculation. Everything runs in the GUI thread; the pauses between the
// steps block it, as the core's work that follows does.
#pragma once

#include <QStringList>

#include <memory>

#include "cConfigurationWidget.h"

class QButtonGroup;
class RecalculProcess;

namespace Ui {
class Menu_Reapprentissage;
}

class Menu_Reapprentissage : public cConfigurationWidget {
  Q_OBJECT

 public:
  explicit Menu_Reapprentissage(QWidget* parent = nullptr);
  ~Menu_Reapprentissage() override;

 signals:
  void RestAlarme();
  void ReappMoyen();
  void escButtonSignal();
  void recalculNivRef();
  void exitReappMenu();

 public slots:
  void startRecalcul(float newCharge);
  void startReapprentissage(float newCharge);

 protected:
  void showEvent(QShowEvent* e) override;
  void changeEvent(QEvent* e) override;

 private slots:
  void on_suiteButton_clicked();
  void on_escButton_clicked();
  void recalculProcess();
  void AcquittementProcess();
  void reapprentissageProcess();

 private:
  // Runs a full-screen question box without parent whose `answers` carry the action role;
  // the index of the answer pressed, -1 when the box was closed another way. No answers:
  // the box's own Ok, and the result is 0.
  static int ask(const QString& title, const QString& text, const QStringList& answers,
                 bool warningIcon = false);
  // The self-closing notice (5 s).
  static void notify(const QString& title, const QString& text);
  // Warning, then the start question; Yes opens the charge dialog, No during a leak alarm
  // leaves the page.
  void confirmStart(const QString& title, const QString& warning, const QString& question,
                    bool relearn);
  // Stores the charge and hands the start to the main window, unless one is under way.
  void start(float newCharge, bool relearn);
  bool sensorsSane();
  bool leakAlarmStanding();
  // Int value of a stored key, 0 without a store.
  int storedInt(const char* keyword);
  void pause(int seconds);

  std::unique_ptr<Ui::Menu_Reapprentissage> ui;
  QButtonGroup* choiceGroup;
  RecalculProcess* recalculDialog;
};
