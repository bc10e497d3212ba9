// The liquid subcooler page: one yes/no answer in CONFIG_FLAG_REFOIDISSEUR of the copy.
#include <gtest/gtest.h>

#include <QRadioButton>
#include <QTest>

#include "Sousrefoidisseur.h"
#include "support/orvqt_workdir.h"
#include "support/screen_shot.h"
#include "support/wizard_copy.h"

TEST(Sousrefoidisseur, MissingFlagReadsNoAndIsInsertedAtConstruction) {
  testApplication();
  WizardCopy copy;
  WizardSlot slot;
  Sousrefoidisseur page(&slot, copy.ptr());
  slot.put(&page);
  EXPECT_EQ(copy.get("CONFIG_FLAG_REFOIDISSEUR"), "0");
  arrive(page);
  EXPECT_TRUE(page.findChild<QRadioButton*>("nonButton")->isChecked());
  EXPECT_FALSE(page.findChild<QRadioButton*>("ouiButton")->isChecked());
  saveScreen(&page, "Sousrefoidisseur-non");
  leave(page);
  EXPECT_EQ(copy.get("CONFIG_FLAG_REFOIDISSEUR"), "0");
}

TEST(Sousrefoidisseur, LeavingWritesTheAnswerOnlyWhenItDiffers) {
  testApplication();
  struct Case {
    const char* stored;
    const char* tap;  // nullptr: leave untouched
    const char* after;
  };
  const Case cases[] = {
      {"0", "ouiButton", "1"}, {"1", "nonButton", "0"}, {"2", nullptr, "1"},  // any non-zero is yes
      {"1", nullptr, "1"},     {"0", nullptr, "0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.stored) + " " + (c.tap ? c.tap : "-"));
    WizardCopy copy;
    copy.set("CONFIG_FLAG_REFOIDISSEUR", c.stored);
    WizardSlot slot;
    Sousrefoidisseur page(&slot, copy.ptr());
    slot.put(&page);
    arrive(page);
    EXPECT_EQ(page.findChild<QRadioButton*>("ouiButton")->isChecked(),
              std::string(c.stored) != "0");
    if (c.tap) tap(page.findChild<QRadioButton*>(c.tap));
    if (c.tap && std::string(c.tap) == "ouiButton") saveScreen(&page, "Sousrefoidisseur-oui");
    leave(page);
    EXPECT_EQ(copy.get("CONFIG_FLAG_REFOIDISSEUR"), c.after);
  }
}
