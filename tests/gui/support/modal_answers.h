// Answers the modal message boxes that a page raises while a test drives it: each box
// that comes up is recorded (title, text, icon, buttons, self-closing timer) and answered
// with the next queued button text; a box with no answer left is rejected and recorded.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <deque>
#include <string>
#include <vector>

#include "screen_shot.h"

class ModalAnswers {
 public:
  struct Shown {
    std::string title;
    std::string text;
    QMessageBox::Icon icon;
    std::vector<std::string> buttons;
    int selfCloseMs;  // interval of the box's single-shot timer, 0 without one
    bool answered;
  };

  ModalAnswers() {
    poll_.setInterval(5);
    QObject::connect(&poll_, &QTimer::timeout, [this] { answerBoxUp(); });
    poll_.start();
  }

  // Queues the button that answers the next box ("" presses the box's only button);
  // `screen` names a picture of the box taken before the answer.
  ModalAnswers& then(const std::string& button, const std::string& screen = "") {
    answers_.push_back({button, screen});
    return *this;
  }

  std::vector<Shown> shown;

  std::vector<std::string> titles() const {
    std::vector<std::string> out;
    for (const Shown& s : shown) out.push_back(s.title);
    return out;
  }

 private:
  struct Answer {
    std::string button;
    std::string screen;
  };

  void answerBoxUp() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || box->property("answeredByTest").toBool()) return;
    box->setProperty("answeredByTest", true);
    Shown seen{box->windowTitle().toStdString(),
               box->text().toStdString(),
               box->icon(),
               {},
               0,
               !answers_.empty()};
    for (QAbstractButton* b : box->buttons()) seen.buttons.push_back(b->text().toStdString());
    for (QTimer* t : box->findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly))
      if (t->isSingleShot()) seen.selfCloseMs = t->interval();
    shown.push_back(seen);
    if (answers_.empty()) return box->reject();
    const Answer answer = answers_.front();
    answers_.pop_front();
    if (!answer.screen.empty()) {
      box->resize(640, 480);
      saveScreen(box, answer.screen);
    }
    for (QAbstractButton* b : box->buttons()) {
      if (answer.button.empty() || b->text().toStdString() == answer.button) return b->click();
    }
    box->reject();  // no such button: the test's expectations on `shown` tell
  }

  QTimer poll_;
  std::deque<Answer> answers_;
};
