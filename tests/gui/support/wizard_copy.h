// The installation wizard's working copy for page tests: a file-less configuration that a
// page reads and writes, with plain text access to section "General".
#pragma once

#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <string>

#include "orv_configFile.h"
#include "support/orvqt_workdir.h"

class WizardCopy {
public:
  WizardCopy() : copy_("") {}

  orv_configFile* ptr() { return &copy_; }

  void set(const std::string& key, const std::string& value) {
    copy_.setVar(key, value, "General", "");
  }
  // The stored text, or "<missing>".
  std::string get(const std::string& key) {
    std::string value = "<missing>";
    copy_.getVar(key, value, "General");
    return value;
  }
  bool has(const std::string& key) {
    orv_configFile::EntryIterator entry;
    return copy_.findEntry(key, "General", entry) == 1;
  }

private:
  orv_configFile copy_;
};

// The place a page has in the wizard: the width of the panel above the button row. A page
// built with the slot as parent fills it, as it fills the wizard's page stack.
class WizardSlot : public QWidget {
public:
  WizardSlot() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    resize(640, 424);
  }
  template <typename Page>
  Page* put(Page* page) {
    layout()->addWidget(page);
    return page;
  }
};

// What a page test stands on: the application, a sandbox as orvQT's working directory (for
// the pictures) and the wizard's working copy.
struct PageBench {
  PageBench() { testApplication(); }
  TestSandbox sandbox;
  WorkingDirectory cwd{prepareOrvqtWorkDir(sandbox)};
  WizardCopy copy;
};

// Shows the page, as the wizard does when the technician comes to it.
inline void arrive(QWidget& page) {
  page.window()->show();
  page.show();
}
// Hides it again: the page writes its changes into the copy.
inline void leave(QWidget& page) { page.hide(); }

// Taps a button where a finger would: near its left end, on the indicator of a radio
// button or a check box, inside a push button.
inline void tap(QAbstractButton* button) {
  QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier,
                    QPoint(qMin(12, button->width() / 2), button->height() / 2));
}

// The picture a label of the page shows (null when none), and a picture of "gui_images/"
// loaded as the pages load it, to compare with.
inline QImage shownPicture(QWidget& page, const char* label) {
  return page.findChild<QLabel*>(label)->pixmap(Qt::ReturnByValue).toImage();
}
inline QImage guiImage(const char* file) {
  return QPixmap(QStringLiteral("gui_images/") + file).toImage();
}
