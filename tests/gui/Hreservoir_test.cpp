// The receiver height, length and inclination page: CONFIG_HEIGHT and
// CONFIG_INCLINAISON_RESERVOIR, laid out by CONFIG_TANK_TYPE.
#include <gtest/gtest.h>

#include <QLabel>
#include <QScrollBar>

#include "Hreservoir.h"
#include "support/orvqt_workdir.h"
#include "support/screen_shot.h"
#include "support/wizard_copy.h"

namespace {
QScrollBar* heightBar(QWidget& page) { return page.findChild<QScrollBar*>("HauteurScrollBar"); }
QScrollBar* inclinationBar(QWidget& page) {
  return page.findChild<QScrollBar*>("InclinaisonScrollBar");
}
std::string label(QWidget& page, const char* name) {
  return page.findChild<QLabel*>(name)->text().toStdString();
}
bool shown(QWidget& page, const char* name) { return page.findChild<QWidget*>(name)->isVisible(); }
}  // namespace

TEST(Hreservoir, HorizontalReceiverShowsLengthInclinationAndAngle) {
  PageBench bench;
  WizardCopy& copy = bench.copy;
  copy.set("CONFIG_TANK_TYPE", "H");
  copy.set("CONFIG_HEIGHT", "2000");
  copy.set("CONFIG_INCLINAISON_RESERVOIR", "35");
  WizardSlot slot;
  Hreservoir page(&slot, copy.ptr());
  slot.put(&page);
  arrive(page);
  EXPECT_EQ(heightBar(page)->orientation(), Qt::Horizontal);
  EXPECT_EQ(heightBar(page)->value(), 2000);
  EXPECT_EQ(inclinationBar(page)->value(), 265);
  EXPECT_EQ(label(page, "label_inclinaison"), "35 mm");
  EXPECT_EQ(label(page, "label_Angle"), "1.0°");
  EXPECT_EQ(label(page, "label_hauteur"), "2000 mm");
  EXPECT_EQ(label(page, "label_entete"), "Longueur du Reservoir");
  EXPECT_EQ(label(page, "label_5"), "Mesurer entre les deux extremes");
  for (const char* name : {"InclinaisonScrollBar", "label_inclinaison", "label_Inclinaison_txt",
                           "label_Angle"})
    EXPECT_TRUE(shown(page, name)) << name;
  ASSERT_FALSE(guiImage("RHL_RHI.png").isNull());
  EXPECT_EQ(shownPicture(page, "imagBox"), guiImage("RHL_RHI.png"));
  EXPECT_EQ(heightBar(page)->sizeHint().height(), 40);
  EXPECT_EQ(inclinationBar(page)->sizeHint().width(), 40);
  saveScreen(&page, "Hreservoir-horizontal");

  // 100 mm over 1000 mm; the top of the inclination bar is 300 mm.
  heightBar(page)->setValue(1000);
  inclinationBar(page)->setValue(200);
  EXPECT_EQ(label(page, "label_Angle"), "5.7°");
  inclinationBar(page)->setValue(0);
  EXPECT_EQ(label(page, "label_inclinaison"), "300 mm");
  leave(page);
  EXPECT_EQ(copy.get("CONFIG_HEIGHT"), "1000");
  EXPECT_EQ(copy.get("CONFIG_INCLINAISON_RESERVOIR"), "300");
}

TEST(Hreservoir, InclinationBeyondTheLengthHasNoAngle) {
  PageBench bench;
  WizardCopy& copy = bench.copy;
  copy.set("CONFIG_TANK_TYPE", "H");
  copy.set("CONFIG_HEIGHT", "200");
  copy.set("CONFIG_INCLINAISON_RESERVOIR", "250");
  WizardSlot slot;
  Hreservoir page(&slot, copy.ptr());
  slot.put(&page);
  arrive(page);
  EXPECT_EQ(label(page, "label_Angle"), "- - -");
  saveScreen(&page, "Hreservoir-no-angle");
  inclinationBar(page)->setValue(300);  // level receiver
  EXPECT_EQ(label(page, "label_Angle"), "0.0°");
}

TEST(Hreservoir, VerticalReceiverShowsTheColumnHeightUpsideDown) {
  PageBench bench;
  WizardCopy& copy = bench.copy;
  WizardSlot slot;
  Hreservoir page(&slot, copy.ptr());
  slot.put(&page);
  EXPECT_EQ(copy.get("CONFIG_HEIGHT"), "1500");
  EXPECT_EQ(copy.get("CONFIG_INCLINAISON_RESERVOIR"), "0");
  EXPECT_EQ(copy.get("CONFIG_TANK_TYPE"), "V");
  arrive(page);
  EXPECT_EQ(heightBar(page)->orientation(), Qt::Vertical);
  EXPECT_EQ(heightBar(page)->value(), 3650);
  EXPECT_EQ(label(page, "label_hauteur"), "1500 mm");
  EXPECT_EQ(label(page, "label_entete"), "Hauteur Colonne");
  EXPECT_EQ(label(page, "label_5"), "Mesurer entre les axes des raccords des flexibles");
  for (const char* name : {"InclinaisonScrollBar", "label_inclinaison", "label_Inclinaison_txt",
                           "label_Angle"})
    EXPECT_FALSE(shown(page, name)) << name;
  ASSERT_FALSE(guiImage("RVH.png").isNull());
  EXPECT_EQ(shownPicture(page, "imagBox"), guiImage("RVH.png"));
  saveScreen(&page, "Hreservoir-vertical");

  heightBar(page)->setValue(heightBar(page)->minimum());  // handle at the top
  EXPECT_EQ(label(page, "label_hauteur"), "5000 mm");
  saveScreen(&page, "Hreservoir-vertical-top");
  leave(page);
  EXPECT_EQ(copy.get("CONFIG_HEIGHT"), "5000");
}

TEST(Hreservoir, LeavingClampsAndStraightensAsTheLayoutSays) {
  testApplication();
  struct Case {
    const char* type;
    const char* height;
    const char* inclination;
    const char* heightAfter;
    const char* inclinationAfter;
  };
  const Case cases[] = {
      {"V", "1500", "25", "1500", "0"},  // vertical receivers stand straight
      {"V", "6000", "0", "5000", "0"},
      {"H", "6000", "400", "5000", "300"},
      {"H", "2000", "35", "2000", "35"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.type) + c.height + "/" + c.inclination);
    WizardCopy copy;
    copy.set("CONFIG_TANK_TYPE", c.type);
    copy.set("CONFIG_HEIGHT", c.height);
    copy.set("CONFIG_INCLINAISON_RESERVOIR", c.inclination);
    WizardSlot slot;
    Hreservoir page(&slot, copy.ptr());
    slot.put(&page);
    arrive(page);
    leave(page);
    EXPECT_EQ(copy.get("CONFIG_HEIGHT"), c.heightAfter);
    EXPECT_EQ(copy.get("CONFIG_INCLINAISON_RESERVOIR"), c.inclinationAfter);
  }
}

TEST(Hreservoir, EachShowFollowsTheTypeInTheCopy) {
  testApplication();
  WizardCopy copy;
  WizardSlot slot;
  Hreservoir page(&slot, copy.ptr());
  slot.put(&page);
  arrive(page);
  EXPECT_FALSE(shown(page, "InclinaisonScrollBar"));
  leave(page);
  copy.set("CONFIG_TANK_TYPE", "H");
  arrive(page);
  EXPECT_TRUE(shown(page, "InclinaisonScrollBar"));
  EXPECT_EQ(heightBar(page)->value(), 1500);
  leave(page);
  copy.set("CONFIG_TANK_TYPE", "V");
  arrive(page);
  EXPECT_FALSE(shown(page, "InclinaisonScrollBar"));
  EXPECT_EQ(label(page, "label_hauteur"), "1500 mm");
}
