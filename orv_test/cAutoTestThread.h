// One run of the factory bench test, in a thread of its own: system, storage, network,
// server connection and transfer, fluid-property library, relays and digital inputs, and
// the measurement card, in that order. Every result is one text line for the result list
// (sig_ThreadUpdText); the run ends with its error count (sig_ThreadEnd), 0 for a pass.
// The worker touches no widget and has the bus port and the GPIO pins to itself.
#pragma once

#include <QString>
#include <QThread>

#include <atomic>
#include <string>
#include <vector>

class benchRS485Link;

class cAutoTestThread : public QThread {
  Q_OBJECT
public:
  // `gpioWatchMs`: length of the relay and input watch; `endWaitMs`: pause after the last
  // line before the end is reported.
  explicit cAutoTestThread(QObject* parent = nullptr, int gpioWatchMs = 40000,
                           int endWaitMs = 5000);
  ~cAutoTestThread() override;

  // Server of the connection and transfer checks, set before the start.
  void setServerAddress(const std::string& address) { serverAddress_ = address; }
  const std::string& serverAddress() const { return serverAddress_; }

  // Sends the storage test file into "~/ORV/tests_orv" of the server and deletes it once
  // it went up; true when it did.
  bool Upload(const std::string& localPath);

signals:
  void sig_ThreadUpdText(QString text);
  void sig_ThreadEnd(int errors);

public slots:
  // Called from the GUI thread when the operator confirms a reset: the run then fails.
  void OnResetState(bool state) { resetRequested_.store(state); }
  void OnFinish() { emit sig_ThreadEnd(errors_); }

protected:
  void run() override;

private:
  void line(const QString& text) { emit sig_ThreadUpdText(text); }
  void fail(const QString& text) {
    ++errors_;
    line(text);
  }
  void storageStep();
  bool writeStorageFile(std::vector<std::string>* written);
  void gpioWatchStep();
  void cardStep(benchRS485Link* link);

  std::string serverAddress_;
  std::atomic<bool> resetRequested_{false};
  int errors_ = 0;
  bool wifiStarted_ = false;
  bool serverReachable_ = false;
  int gpioWatchMs_;
  int endWaitMs_;
};
