#include "ORV_noticeRecorder.h"

#include <cstdio>

#include "orv_classPtr.h"

// Slot 7 holds the main window as its class; the core reads it back as a QObject, whose
// base sits at the start of this object as it does in the window.
ORV_noticeRecorder::ORV_noticeRecorder(bool echo, QObject* parent) : QObject(parent), echo_(echo) {
  Singleton<orv_classPtr>::ptr()->mainWindow = reinterpret_cast<cORV*>(static_cast<QObject*>(this));
}

ORV_noticeRecorder::~ORV_noticeRecorder() {
  orv_classPtr* registry = Singleton<orv_classPtr>::ptr();
  if (reinterpret_cast<QObject*>(registry->mainWindow) == static_cast<QObject*>(this))
    registry->mainWindow = nullptr;
}

std::vector<std::string> ORV_noticeRecorder::notices() {
  std::lock_guard<std::mutex> lock(mutex_);
  return notices_;
}

void ORV_noticeRecorder::clear() {
  std::lock_guard<std::mutex> lock(mutex_);
  notices_.clear();
}

void ORV_noticeRecorder::record(const std::string& notice) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    notices_.push_back(notice);
  }
  if (echo_) {
    std::printf("[notice] %s\n", notice.c_str());
    std::fflush(stdout);
  }
}

void ORV_noticeRecorder::OnNoyauUpdate() { record("OnNoyauUpdate()"); }
void ORV_noticeRecorder::OnStartMsgBox(int mode) {
  record("OnStartMsgBox(" + std::to_string(mode) + ")");
}
void ORV_noticeRecorder::OnStopMsgBox() { record("OnStopMsgBox()"); }
void ORV_noticeRecorder::OnSetMsgBoxInfoTxt(int text) {
  record("OnSetMsgBoxInfoTxt(" + std::to_string(text) + ")");
}
void ORV_noticeRecorder::OnSetMsgBoxProgressValue(int percent) {
  record("OnSetMsgBoxProgressValue(" + std::to_string(percent) + ")");
}
