// Stands in for the main window while there is none (the headless start, the tests): it
// has the five slots that the core's queued notices invoke by name, prints each call as it
// arrives in its thread's event loop ("[notice] OnSetMsgBoxInfoTxt(4)"), and keeps them.
//
// It registers itself in registry slot 7 for its lifetime, as the main window does.
#pragma once

#include <QObject>
#include <mutex>
#include <string>
#include <vector>

class ORV_noticeRecorder : public QObject {
  Q_OBJECT

public:
  // `echo` prints each notice on stdout.
  explicit ORV_noticeRecorder(bool echo = true, QObject* parent = nullptr);
  ~ORV_noticeRecorder() override;

  // The notices received so far, "OnStartMsgBox(4)" style, oldest first.
  std::vector<std::string> notices();
  void clear();

public slots:
  void OnNoyauUpdate();
  void OnStartMsgBox(int mode);
  void OnStopMsgBox();
  void OnSetMsgBoxInfoTxt(int text);
  void OnSetMsgBoxProgressValue(int percent);

private:
  void record(const std::string& notice);

  bool echo_;
  std::mutex mutex_;
  std::vector<std::string> notices_;
};
