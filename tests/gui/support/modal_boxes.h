// Answers the modal message boxes that an operation shows, as a technician would tap OK
// (or the button `button` names, Yes or No for a question), and keeps what each one
// showed. `inspect` looks at a box before it is answered.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

struct AnsweredBox {
  std::string title;
  std::string text;
  QMessageBox::Icon icon;
  QSize size;
  int buttons;
  bool hasParent;
};

class ModalBoxes {
public:
  explicit ModalBoxes(std::function<void(QMessageBox*)> inspect = {},
                      QMessageBox::StandardButton button = QMessageBox::Ok)
      : inspect_(std::move(inspect)), answer_(button) {
    QObject::connect(&poll_, &QTimer::timeout, [this] { answer(); });
    poll_.start(10);
  }
  ModalBoxes(const ModalBoxes&) = delete;
  ModalBoxes& operator=(const ModalBoxes&) = delete;

  std::vector<AnsweredBox> seen;

  std::vector<std::string> titles() const {
    std::vector<std::string> out;
    for (const AnsweredBox& box : seen) out.push_back(box.title);
    return out;
  }

private:
  void answer() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    seen.push_back({box->windowTitle().toStdString(), box->text().toStdString(), box->icon(),
                    box->size(), static_cast<int>(box->buttons().size()),
                    box->parent() != nullptr});
    if (inspect_) inspect_(box);
    if (QAbstractButton* button = box->button(answer_))
      button->click();
    else
      box->reject();
  }

  std::function<void(QMessageBox*)> inspect_;
  QMessageBox::StandardButton answer_;
  QTimer poll_;
};
