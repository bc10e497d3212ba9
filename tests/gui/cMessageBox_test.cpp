// The self-closing message box: a modal box without parent whose single-shot timer
// applies the time-out action, or that waits for a button when no time-out is given.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

#include <functional>

#include "cMessageBox.h"
#include "support/orvqt_workdir.h"
#include "support/screen_shot.h"

namespace {

// Runs `inspect` on the modal box as soon as it is up.
void whenBoxIsUp(std::function<void(cMessageBox*)> inspect) {
  QTimer::singleShot(0, [inspect] {
    auto* box = qobject_cast<cMessageBox*>(QApplication::activeModalWidget());
    if (!box) return whenBoxIsUp(inspect);
    inspect(box);
  });
}

QFont noticeFont() { return QFont(QStringLiteral("Times"), 18, QFont::Bold); }

struct TimeoutCase {
  cMessageBox::TimeoutAction action;
  int result;  // the dialog's result when the time-out ended it
};

TEST(cMessageBox, TimeoutEndsTheBoxWithItsAction) {
  testApplication();
  const TimeoutCase cases[] = {{cMessageBox::TimeoutClose, QMessageBox::Ok},
                               {cMessageBox::TimeoutAccept, QDialog::Accepted},
                               {cMessageBox::TimeoutReject, QDialog::Rejected}};
  for (const TimeoutCase& c : cases) {
    SCOPED_TRACE(c.action);
    bool seen = false;
    int result = -1;
    whenBoxIsUp([&](cMessageBox* box) {
      seen = true;
      EXPECT_EQ(box->parent(), nullptr);
      EXPECT_EQ(box->icon(), QMessageBox::Information);
      EXPECT_EQ(box->windowTitle().toStdString(), "Informations");
      EXPECT_EQ(box->text().toStdString(), "Operation Terminee");
      EXPECT_EQ(box->buttons().size(), 1);
      EXPECT_EQ(box->font().family().toStdString(), "Times");
      EXPECT_EQ(box->font().pointSize(), 18);
      EXPECT_TRUE(box->font().bold());
      EXPECT_TRUE(box->windowFlags() & Qt::MSWindowsFixedSizeDialogHint);
      QList<QTimer*> timers = box->findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly);
      ASSERT_EQ(timers.size(), 1);
      EXPECT_TRUE(timers.at(0)->isSingleShot());
      EXPECT_EQ(timers.at(0)->interval(), 5000);
      EXPECT_TRUE(timers.at(0)->isActive());
      if (c.action == cMessageBox::TimeoutClose) {
        box->resize(640, 480);
        saveScreen(box, "cMessageBox-information");
      }
      QObject::connect(box, &QDialog::finished, [&result](int r) { result = r; });
      timers.at(0)->start(1);  // the time-out, now
    });
    cMessageBox::information(QStringLiteral("Informations"), QStringLiteral("Operation Terminee"),
                             QMessageBox::Ok, 5000, c.action, noticeFont());
    EXPECT_TRUE(seen);
    if (c.action != cMessageBox::TimeoutClose) {
      EXPECT_EQ(result, c.result);
    }
  }
}

TEST(cMessageBox, WithoutTimeoutTheBoxWaitsForItsButton) {
  testApplication();
  bool seen = false;
  whenBoxIsUp([&](cMessageBox* box) {
    seen = true;
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_TRUE(box->findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly).isEmpty());
    box->button(QMessageBox::Ok)->click();
  });
  cMessageBox::critical(QStringLiteral("Erreur"), QStringLiteral("Mot de passe incorrect"),
                        QMessageBox::Ok, 0, cMessageBox::TimeoutClose, noticeFont());
  EXPECT_TRUE(seen);
}

}  // namespace
