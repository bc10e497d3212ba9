// The charge dialog: the kg field's validator, and the one signal each answer sends by the
// dialog's mode, which every button returns to recalculation.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegExpValidator>
#include <QSignalSpy>
#include <QTest>

#include "RecalculProcess.h"
#include "support/orvqt_workdir.h"
#include "support/screen_shot.h"

namespace {

struct Dialog {
  Dialog() {
    dialog.show();
    field = dialog.findChild<QLineEdit*>(QStringLiteral("lineEdit_charge"));
  }
  void click(const char* name) { dialog.findChild<QPushButton*>(QLatin1String(name))->click(); }
  std::string typed(const QString& keys) {
    field->clear();
    QTest::keyClicks(field, keys);
    return field->text().toStdString();
  }
  QApplication& app = testApplication();
  // The program's working directory, where its keyboard finds its pictures.
  TestSandbox box;
  WorkingDirectory cwd{prepareOrvqtWorkDir(box)};
  RecalculProcess dialog{nullptr};
  QSignalSpy recalcul{&dialog, &RecalculProcess::recalcul};
  QSignalSpy relearn{&dialog, &RecalculProcess::reapprentissage};
  QLineEdit* field;
};

TEST(RecalculProcess, ChargeFieldTakesUpTo999Kilograms) {
  Dialog d;
  auto* validator = qobject_cast<const QRegExpValidator*>(d.field->validator());
  ASSERT_NE(validator, nullptr);
  EXPECT_EQ(validator->regExp().pattern().toStdString(),
            "^0*(?:(?!999\\.9\\d*$)\\d{0,3}(?:\\.\\d*)?|999\\.0*)$");
  EXPECT_EQ(validator->regExp().caseSensitivity(), Qt::CaseSensitive);
  const struct {
    const char* keys;
    const char* shown;
  } cases[] = {{"999", "999"},    {"999.0", "999.0"}, {"0012.5", "0012.5"}, {"12.5", "12.5"},
               {"999.9", "999."}, {"999.95", "999.5"}, {"1000", "100"},      {"4a2", "42"}};
  for (const auto& c : cases) EXPECT_EQ(d.typed(QLatin1String(c.keys)), c.shown) << c.keys;
  EXPECT_EQ(d.dialog.size(), QSize(640, 430));
  d.typed(QStringLiteral("12.5"));
  saveScreen(&d.dialog, "RecalculProcess-charge");
}

TEST(RecalculProcess, AnswersByMode) {
  Dialog d;
  d.field->clear();
  d.click("yesButton");  // empty: no recharge
  ASSERT_EQ(d.recalcul.count(), 1);
  EXPECT_EQ(d.recalcul.at(0).at(0).toFloat(), 0.0f);

  d.typed(QStringLiteral("12.5"));
  d.click("noButton");  // "NO" whatever the field holds
  EXPECT_EQ(d.recalcul.at(1).at(0).toFloat(), 0.0f);

  d.dialog.setTextReapp(QStringLiteral("Relearn header"), 1);
  EXPECT_EQ(d.dialog.findChild<QLabel*>(QStringLiteral("labelentete"))->text().toStdString(),
            "Relearn header");
  d.click("yesButton");
  ASSERT_EQ(d.relearn.count(), 1);
  EXPECT_FLOAT_EQ(d.relearn.at(0).at(0).toFloat(), 12.5f);
  d.click("yesButton");  // back in recalculation mode
  EXPECT_EQ(d.recalcul.count(), 3);
  EXPECT_EQ(d.relearn.count(), 1);

  // A relearn cancelled, then a recalculation in the same visit.
  d.dialog.setTextReapp(QStringLiteral("Relearn header"), 1);
  d.click("cancelButton");
  EXPECT_FALSE(d.dialog.isVisible());
  EXPECT_EQ(d.recalcul.count(), 3);
  EXPECT_EQ(d.relearn.count(), 1);
  d.dialog.show();
  d.click("yesButton");
  EXPECT_EQ(d.recalcul.count(), 4);
  EXPECT_EQ(d.relearn.count(), 1);
}

}  // namespace
