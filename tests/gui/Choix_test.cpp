// The access-mode choice: one signal per button, no navigation of its own, texts that
// follow a language change.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

#include "Choix.h"
#include "support/orvqt_workdir.h"
#include "support/screen_shot.h"
#include "support/test_translation.h"

namespace {

TEST(Choix, EachButtonEmitsItsOwnSignalOnce) {
  testApplication();
  Choix page(nullptr);
  page.show();
  saveScreen(&page, "Choix");
  QSignalSpy config(&page, &Choix::okConfig);
  QSignalSpy visualisation(&page, &Choix::okVisualisation);
  QSignalSpy escape(&page, &Choix::escButtonSignal);
  const struct {
    const char* button;
    QSignalSpy* spy;
  } cases[] = {
      {"paramButton", &config}, {"visualisationButton", &visualisation}, {"escButton", &escape}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.button);
    const int before = config.count() + visualisation.count() + escape.count();
    const int own = c.spy->count();
    page.findChild<QPushButton*>(QLatin1String(c.button))->click();
    EXPECT_EQ(c.spy->count(), own + 1);
    EXPECT_EQ(config.count() + visualisation.count() + escape.count(), before + 1);
    EXPECT_TRUE(page.isVisible());
  }
  EXPECT_EQ(page.findChild<QLabel*>(QStringLiteral("label"))->text().toStdString(),
            "Choix de mode d'acces");
  EXPECT_EQ(page.windowTitle().toStdString(), "Form");
}

TEST(Choix, TextsFollowTheInstalledTranslation) {
  testApplication();
  TestSandbox sandbox;
  Choix page(nullptr);
  {
    TestTranslation english(sandbox, "en");
    EXPECT_EQ(page.findChild<QPushButton*>(QStringLiteral("paramButton"))->text().toStdString(),
              "Settings and Adjustments");
    EXPECT_EQ(page.findChild<QLabel*>(QStringLiteral("label"))->text().toStdString(),
              "Choice of access mode");
    page.show();
    saveScreen(&page, "Choix-english");
  }
  EXPECT_EQ(page.findChild<QPushButton*>(QStringLiteral("escButton"))->text().toStdString(),
            "Quitter");
}

}  // namespace
