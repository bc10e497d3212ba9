// The bench window in a test: built after the sandbox is laid out, with a short relay
// watch, a short end wait and no network settle wait; helpers to wait for a run's end
// and to read the result list.
#pragma once

#include <QListWidget>
#include <QStackedWidget>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include "MainWindow.h"
#include "cAutoTestThread.h"
#include "fNetworkConf.h"
#include "fResultDisplay.h"
#include "support/bench_sandbox.h"

inline std::unique_ptr<MainWindow> benchWindow(int gpioWatchMs = 2000, int endWaitMs = 100) {
  benchApplication();
  auto window = std::make_unique<MainWindow>();
  window->gpioWatchMs = gpioWatchMs;
  window->endWaitMs = endWaitMs;
  window->networkSettleMs = 0;
  return window;
}

// Waits until the current run has ended and the window has handled its end.
inline bool waitRunEnd(MainWindow& window, int timeoutMs = 60000) {
  bool ended = QTest::qWaitFor(
      [&] { return window.worker() != nullptr && window.worker()->isFinished(); }, timeoutMs);
  // The end is queued to the window, and what it does may queue more lines: let every
  // posted event through, however long the end took.
  for (int i = 0; i < 5; ++i) {
    QTest::qWait(20);
    QCoreApplication::sendPostedEvents();
  }
  return ended;
}

inline std::vector<std::string> resultLines(MainWindow& window) {
  std::vector<std::string> out;
  QListWidget* list = window.resultPage()->list();
  for (int i = 0; i < list->count(); ++i) out.push_back(list->item(i)->text().toStdString());
  return out;
}

inline bool lineIsRed(MainWindow& window, const std::string& text) {
  QListWidget* list = window.resultPage()->list();
  for (int i = 0; i < list->count(); ++i)
    if (list->item(i)->text().toStdString() == text)
      return list->item(i)->foreground().color() == QColor(Qt::red);
  return false;
}

inline int indexOf(const std::vector<std::string>& lines, const std::string& text) {
  for (size_t i = 0; i < lines.size(); ++i)
    if (lines[i] == text) return static_cast<int>(i);
  return -1;
}

// True when every text appears, in this order (others may lie between them).
inline bool inOrder(const std::vector<std::string>& lines, const std::vector<std::string>& texts,
                    std::string* missing) {
  size_t at = 0;
  for (const std::string& t : texts) {
    bool found = false;
    for (; at < lines.size(); ++at)
      if (lines[at] == t || (t.back() == '*' && lines[at].rfind(t.substr(0, t.size() - 1), 0) == 0)) {
        found = true;
        ++at;
        break;
      }
    if (!found) {
      *missing = t;
      return false;
    }
  }
  return true;
}
