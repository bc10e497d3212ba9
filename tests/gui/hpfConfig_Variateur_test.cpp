// Page 2 of the HPF wizard: how the regulation type and the command signal enable the
// feedback and power widgets, and what a hide writes back (a stored value outside a list
// goes back as the list's first item).
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "hpfConfig_Variateur.h"
#include "support/hpf_screen_bench.h"

namespace {

struct VariatorPage : PageHost<hpfConfig_Variateur> {
  explicit VariatorPage(hp_global_config_t* record) : PageHost(record) {}
  QComboBox* regul() const { return find<QComboBox>("comboBox_RegulType"); }
  QComboBox* signal() const { return find<QComboBox>("comboBox_VariaType"); }
  QCheckBox* feedback() const { return find<QCheckBox>("cb_varia_vitesse_retour"); }
  QLineEdit* power() const { return find<QLineEdit>("le_puissance_watts"); }
  bool powerRowEnabled() const {
    return power()->isEnabled() && find<QLabel>("label_puissance")->isEnabled() &&
           find<QLabel>("label_watt")->isEnabled();
  }
};

}  // namespace

TEST(hpfConfig_Variateur, ShownFromTheRecord) {
  const struct {
    uint8_t regulMode, variateur, rInfo;
    int regulItem, signalItem;
    bool signalEnabled, feedbackEnabled, feedbackTicked, powerEnabled, noteEnabled;
  } cases[] = {
      {0, 1, 1, 0, 1, false, true, true, true, false},
      {2, 1, 0, 2, 1, true, true, false, true, true},
      {1, 0, 1, 1, 0, true, false, true, false, true},
      {3, 7, 0, 0, 0, false, false, false, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "RegulMode " << int(c.regulMode) << " Variateur "
                                    << int(c.variateur));
    hp_global_config_t record = hpfDefaultRecord();
    record.regulMode = c.regulMode;
    record.variateur = c.variateur;
    record.rInfoVariateur = c.rInfo;
    record.pMaxVaria = 1500.0f;
    VariatorPage page(&record);
    page.show();
    EXPECT_EQ(page.regul()->currentIndex(), c.regulItem);
    EXPECT_EQ(page.signal()->currentIndex(), c.signalItem);
    EXPECT_EQ(page.signal()->isEnabled(), c.signalEnabled);
    EXPECT_EQ(page.feedback()->isEnabled(), c.feedbackEnabled);
    EXPECT_EQ(page.feedback()->isChecked(), c.feedbackTicked);
    EXPECT_EQ(page.powerRowEnabled(), c.powerEnabled);
    EXPECT_EQ(page.power()->text(), "1500");
    EXPECT_EQ(page.find<QPlainTextEdit>("plainTextEdit")->isEnabled(), c.noteEnabled);
    if (c.regulMode == 2) page.saveScreen("hpfConfig_Variateur_mA_feedback");
    page.hide();
    EXPECT_EQ(record.regulMode, c.regulItem);
    EXPECT_EQ(record.variateur, c.signalItem);
    EXPECT_EQ(record.rInfoVariateur, c.feedbackTicked ? 1 : 0);
  }
}

TEST(hpfConfig_Variateur, EditsAndWhatTheHideStores) {
  hp_global_config_t record = hpfDefaultRecord();
  record.regulMode = 1;
  record.variateur = 0;
  record.pMaxVaria = 0.25f;
  VariatorPage page(&record);
  page.show();
  EXPECT_EQ(page.power()->text(), "0.25");

  // "en mA" on screen, then another regulation type: the stored type comes back.
  page.signal()->setCurrentIndex(1);
  EXPECT_TRUE(page.powerRowEnabled());
  page.regul()->setCurrentIndex(2);
  EXPECT_EQ(page.signal()->currentIndex(), 0);
  EXPECT_FALSE(page.powerRowEnabled());

  // The feedback box toggles the power row and refills it from the record.
  page.signal()->setCurrentIndex(1);
  page.power()->setText("999");
  page.feedback()->setChecked(true);
  EXPECT_EQ(page.power()->text(), "0.25");
  page.feedback()->setChecked(false);
  EXPECT_FALSE(page.powerRowEnabled());
  page.feedback()->setChecked(true);

  const struct {
    const char* typed;
    float stored;
  } powers[] = {{"12.5", 12.5f}, {"abc", 0.0f}, {"inf", 0.0f}, {"nan", 0.0f}, {"", 0.0f}};
  for (const auto& p : powers) {
    page.show();
    page.signal()->setCurrentIndex(1);
    page.feedback()->setChecked(true);
    page.power()->setText(p.typed);
    page.hide();
    EXPECT_EQ(record.pMaxVaria, p.stored) << p.typed;
    EXPECT_EQ(record.regulMode, 2);
    EXPECT_EQ(record.variateur, 1);
    EXPECT_EQ(record.rInfoVariateur, 1);
  }
}
