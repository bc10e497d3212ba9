// The measuring column page: the tube chosen gives CONFIG_COLUMN_TYPE and CONFIG_DIAM_TUBE.
#include <gtest/gtest.h>

#include <QRadioButton>

#include "Colonne.h"
#include "support/orvqt_workdir.h"
#include "support/screen_shot.h"
#include "support/wizard_copy.h"

namespace {
const char* checkedTube(QWidget& page) {
  for (const char* name : {"cuivre", "cuivreK65", "inox"})
    if (page.findChild<QRadioButton*>(name)->isChecked()) return name;
  return "";
}
}  // namespace

TEST(Colonne, TubeShownAndWrittenBack) {
  testApplication();
  struct Case {
    const char* fluid;   // nullptr: missing
    const char* type;    // nullptr: missing
    const char* shown;
    const char* tap;     // nullptr: untouched
    const char* typeAfter;
    const char* diameterAfter;
  };
  const Case cases[] = {
      {"R404A", "40x2", "inox", nullptr, "40x2", "<missing>"},
      {"R404A", "copper", "cuivre", nullptr, "1 5/8", "38.22"},  // none of the three
      {"R404A", nullptr, "cuivre", nullptr, "<missing>", "<missing>"},
      {"R404A", nullptr, "cuivre", "inox", "40x2", "36"},
      {"CO2", "40x2", "cuivreK65", nullptr, "1 5/8 K65", "35.87"},
      {"CO2", "1 5/8 K65", "cuivreK65", "inox", "40x2", "36"},
      {"co2", "40x2", "inox", nullptr, "40x2", "<missing>"},  // the name is case-sensitive
      {"R404A", "1 5/8 K65", "cuivreK65", nullptr, "1 5/8 K65", "<missing>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.fluid) + " / " + (c.type ? c.type : "-"));
    WizardCopy copy;
    copy.set("CONFIG_FLUID", c.fluid);
    if (c.type) copy.set("CONFIG_COLUMN_TYPE", c.type);
    WizardSlot slot;
    Colonne page(&slot, copy.ptr());
    slot.put(&page);
    arrive(page);
    EXPECT_STREQ(checkedTube(page), c.shown);
    if (c.tap) tap(page.findChild<QRadioButton*>(c.tap));
    if (c.tap) saveScreen(&page, "Colonne-inox");
    leave(page);
    EXPECT_EQ(copy.get("CONFIG_COLUMN_TYPE"), c.typeAfter);
    EXPECT_EQ(copy.get("CONFIG_DIAM_TUBE"), c.diameterAfter);
  }
}

TEST(Colonne, MissingFluidIsInsertedAndCo2ProposesK65AtEveryShow) {
  testApplication();
  WizardCopy copy;
  WizardSlot slot;
  Colonne page(&slot, copy.ptr());
  slot.put(&page);
  EXPECT_EQ(copy.get("CONFIG_FLUID"), "R404A");
  EXPECT_FALSE(copy.has("CONFIG_COLUMN_TYPE"));
  copy.set("CONFIG_FLUID", "CO2");
  arrive(page);
  tap(page.findChild<QRadioButton*>("inox"));
  leave(page);
  EXPECT_EQ(copy.get("CONFIG_COLUMN_TYPE"), "40x2");
  arrive(page);
  EXPECT_STREQ(checkedTube(page), "cuivreK65");
  saveScreen(&page, "Colonne-CO2");
  leave(page);
  EXPECT_EQ(copy.get("CONFIG_COLUMN_TYPE"), "1 5/8 K65");
  EXPECT_EQ(copy.get("CONFIG_DIAM_TUBE"), "35.87");
}
