// Answers the standard file dialogs that a page opens while a test drives it: each dialog
// that comes up is recorded (caption, folder it opened on, name filters) and answered with
// the next queued host path, or cancelled when the queued answer is empty or none is left.
#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

#include <deque>
#include <string>
#include <vector>

class FileDialogAnswers {
public:
  struct Shown {
    std::string caption;
    std::string directory;  // host path of the folder it opened on
    std::vector<std::string> filters;
  };

  FileDialogAnswers() {
    poll_.setInterval(5);
    QObject::connect(&poll_, &QTimer::timeout, [this] { answerDialogUp(); });
    poll_.start();
  }

  // Queues the host path that answers the next dialog ("" cancels it).
  FileDialogAnswers& then(const std::string& hostPath) {
    answers_.push_back(hostPath);
    return *this;
  }

  std::vector<Shown> shown;

private:
  void answerDialogUp() {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog || dialog->property("answeredByTest").toBool()) return;
    dialog->setProperty("answeredByTest", true);
    Shown seen{dialog->windowTitle().toStdString(), dialog->directory().absolutePath().toStdString(),
               {}};
    for (const QString& f : dialog->nameFilters()) seen.filters.push_back(f.toStdString());
    shown.push_back(seen);
    if (answers_.empty() || answers_.front().empty()) {
      if (!answers_.empty()) answers_.pop_front();
      return dialog->reject();
    }
    // The path is typed whole into the name field: selectFile() leaves that field alone
    // once it holds the focus, and the dialog then answers with the folder it opened on.
    const QString path = QString::fromStdString(answers_.front());
    if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
      name->setText(path);
    else
      dialog->selectFile(path);
    answers_.pop_front();
    QMetaObject::invokeMethod(dialog, "accept");
  }

  QTimer poll_;
  std::deque<std::string> answers_;
};
