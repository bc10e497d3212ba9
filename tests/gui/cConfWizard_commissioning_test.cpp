// The commissioning pages inside the real installation wizard frame, on a device's store
// and orvbus-sim: the card test and the tare hold the Next button, a tare reaches
// config.conf only through the finish, and a cancelled wizard keeps the journal event.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <memory>

#include "cConfWizard.h"
#include "support/card_plant.h"
#include "support/modal_answers.h"
#include "support/modal_boxes.h"
#include "support/screen_shot.h"

namespace {

const char kPlant[] =
    "FLAG_PREM_DEMARRAGE=1709200000\nFLAG_DATE_INSTALLATION=1709200000\nCONFIG_FLUID=R404A\n"
    "z2_CM_TYPE=2\nCONFIG_TANK_TYPE=V\nCONFIG_HEIGHT=1500\nCONFIG_COLUMN_TYPE=40x2\n"
    "[Module_Mesure_V2]\nz2_CM_RADIO_ENABLED=0\n";

struct WizardOnCard : CardPlant {
  WizardOnCard(const std::string& config, const std::string& modules)
      : CardPlant(modules, config) {
    box.mkdirs("/usr/share");
    box.write("/etc/init.d/rcS", "#!/bin/sh\n");
  }
  void open() {
    frame.reset(new cConfWizard(&panel));
    // The panel takes one layout, the first wizard's; a wizard opened again keeps its own
    // size (a second layout would never be installed and would leak).
    if (!panel.layout()) {
      auto* layout = new QVBoxLayout(&panel);
      layout->setContentsMargins(0, 0, 0, 0);
      layout->addWidget(frame.get());
    }
    panel.resize(640, 480);
    panel.show();
  }
  QStackedWidget* stack() { return frame->findChild<QStackedWidget*>("pageStack"); }
  QPushButton* button(const char* name) { return frame->findChild<QPushButton*>(name); }
  void goTo(int index) {
    while (stack()->currentIndex() < index && button("nextButton")->isEnabled())
      QTest::mouseClick(button("nextButton"), Qt::LeftButton);
  }
  QPushButton* onPage(const char* name) {
    return stack()->currentWidget()->findChild<QPushButton*>(name);
  }
  QWidget panel;
  std::unique_ptr<cConfWizard> frame;
};

}  // namespace

TEST(cConfWizardCommissioning, NoCardHoldsNextOnTheFirstPage) {
  WizardOnCard plant("z2_CM_TYPE=0\n", CardPlant::noCard());
  ASSERT_TRUE(plant.sim.ready());
  plant.open();
  EXPECT_EQ(plant.stack()->currentIndex(), 0);
  EXPECT_FALSE(plant.button("nextButton")->isEnabled());
}

TEST(cConfWizardCommissioning, TareReleasesNextAndReachesTheStoreOnlyAtFinish) {
  WizardOnCard plant(kPlant, CardPlant::v2Card("weight=2400.4"));
  ASSERT_TRUE(plant.sim.ready());
  const std::string before = plant.box.read("/home/ORV/config.conf");
  {
    plant.open();
    plant.goTo(9);
    ASSERT_EQ(plant.stack()->currentIndex(), 9);
    EXPECT_FALSE(plant.button("nextButton")->isEnabled());
    ModalAnswers answers;
    answers.then("&Yes");
    QTest::mouseClick(plant.onPage("TareButton"), Qt::LeftButton);
    ASSERT_TRUE(workerDone(plant.onPage("TareButton")));
    EXPECT_TRUE(plant.button("nextButton")->isEnabled());
    QTest::mouseClick(plant.button("cancelButton"), Qt::LeftButton);
    plant.frame.reset();
  }
  EXPECT_EQ(plant.box.read("/home/ORV/config.conf"), before);
  EXPECT_NE(plant.lastJournalLine().find(";1009;TARE;;;"), std::string::npos);

  plant.open();
  plant.goTo(9);
  ModalAnswers answers;
  answers.then("&Yes");
  QTest::mouseClick(plant.onPage("TareButton"), Qt::LeftButton);
  ASSERT_TRUE(workerDone(plant.onPage("TareButton")));
  plant.goTo(16);
  ASSERT_EQ(plant.stack()->currentIndex(), 16);
  ModalBoxes closing;
  QTest::mouseClick(plant.button("finishButton"), Qt::LeftButton);
  EXPECT_TRUE(plant.configHas("CONFIG_COLUMN_TARE=2400"));
  EXPECT_NE(plant.config().find("\nCONFIG_TARE_DATE=\"01/03/2024 10:0"), std::string::npos)
      << plant.config();
}
