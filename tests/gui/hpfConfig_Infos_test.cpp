// Page 0 of the HPF wizard on the simulated module: what it says for an absent and a
// connected module, the search, the bus address written at each step, and an address read
// that times out.
#include <gtest/gtest.h>

#include <QLabel>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>

#include "lock_holder.h"
#include "support/hpf_screen_bench.h"

namespace {

const char kAbsentAtStart[] =
    "AUCUN Module-HPF n'a ete detecte au demarrage. Vous pouvez <font color='red'>RELANCER</font> "
    "le processus de detection a l'aide du bouton <font color='red'>RECHERCHE</font> ci-dessous";
const char kNotFound[] =
    "<font color='red'>AUCUN</font> Module-HPF n'a ete detecte. Veuillez "
    "<font color='red'>verifier</font> vos branchements.";
const char kConnected[] =
    "Module-HPF <font color='blue'>DETECTER et CONNECTER</font>.Vous pouvez "
    "<font color='blue'>poursuivre</font> la configuration.";

struct Page0 {
  explicit Page0(WizardHost& h) : host(h) {}
  std::string text() const { return host.find<QLabel>("label", 0)->text().toStdString(); }
  QPushButton* search() const { return host.find<QPushButton>("pushButton_searchHPF"); }
  QSpinBox* address() const { return host.find<QSpinBox>("spinBox_busID"); }
  bool nextShown() const { return host.button("SUIVANT")->isVisible(); }
  // A tap on the spin box's up button.
  void stepUp() const {
    QStyleOptionSpinBox option;
    option.initFrom(address());
    option.subControls = QStyle::SC_SpinBoxUp;
    QRect up = address()->style()->subControlRect(QStyle::CC_SpinBox, &option,
                                                  QStyle::SC_SpinBoxUp, address());
    QTest::mouseClick(address(), Qt::LeftButton, Qt::NoModifier, up.center());
  }
  WizardHost& host;
};

std::string addressKey(const HpfScreenBench& bench) {
  std::string section = bench.section("Module_HPF");
  size_t at = section.find("z0_HPF-CONFIG_uart_rs485_id=");
  return at == std::string::npos ? "" : section.substr(at + 28, section.find('\n', at) - at - 28);
}

size_t requestsTo(const HpfScreenBench& bench, int address) {
  size_t n = 0;
  for (const BusSimulator::LoggedFrame& f : bench.sim->frames())
    if (f.direction == "RX" && !f.bytes.empty() && f.bytes[0] == address) ++n;
  return n;
}

}  // namespace

TEST(hpfConfig_Infos, AbsentModuleSearchAndBusAddress) {
  HpfScreenBench bench;
  ASSERT_TRUE(bench.ready());
  bench.hpf()->HPFdisconnect(0);
  bench.sim->command("remove 5");
  WizardHost host;
  host.open();
  Page0 page(host);
  EXPECT_EQ(page.text(), kAbsentAtStart);
  EXPECT_TRUE(page.search()->isVisible() && page.search()->isEnabled());
  EXPECT_EQ(page.search()->text(), "Relancer la Recherche\ndu Module HPF.");
  EXPECT_TRUE(page.address()->isVisible());
  EXPECT_EQ(page.address()->value(), 5);
  EXPECT_TRUE(page.nextShown()) << "the record can be edited without the module";
  host.saveScreen("hpfConfig_Infos_absent_at_start");

  QTest::mouseClick(page.search(), Qt::LeftButton);
  EXPECT_EQ(page.text(), kNotFound);
  EXPECT_FALSE(page.nextShown());
  EXPECT_TRUE(page.search()->isVisible() && page.search()->isEnabled());
  host.saveScreen("hpfConfig_Infos_not_found");

  bench.sim->command("module 5 hpf");
  QTest::mouseClick(page.search(), Qt::LeftButton);
  EXPECT_EQ(page.text(), kConnected);
  EXPECT_FALSE(page.search()->isVisible() || page.address()->isVisible());
  EXPECT_TRUE(page.nextShown());
  host.saveScreen("hpfConfig_Infos_found");

  // Each step of the address is stored at once; the next search goes to it.
  bench.hpf()->HPFdisconnect(0);
  host.wizard->hide();
  host.wizard->show();
  ASSERT_TRUE(page.address()->isVisible());
  for (const char* expected : {"6", "7", "8"}) {
    page.stepUp();
    EXPECT_EQ(addressKey(bench), expected);
  }
  bench.sim->command("remove 5");
  bench.sim->command("module 8 hpf");
  QTest::mouseClick(page.search(), Qt::LeftButton);
  EXPECT_EQ(page.text(), kConnected);
  EXPECT_EQ(bench.lastRequest(8, 'f').size(), 8u) << "identification to address 08";
}

// An address read that times out changes neither the field nor the stored address; the
// search then still goes to the module's address.
TEST(hpfConfig_Infos, AddressReadTimeoutKeepsTheAddress) {
  HpfScreenBench bench("module 7 hpf\n");
  ASSERT_TRUE(bench.ready());
  int seven = 7;
  bench.hpf()->setCFG_struct(132, &seven);
  ASSERT_EQ(addressKey(bench), "7");
  bench.sim->command("remove 5");
  bench.hpf()->HPFdisconnect(0);
  size_t toFive = requestsTo(bench, 5);
  WizardHost host;
  host.open();
  Page0 page(host);
  ASSERT_EQ(page.address()->value(), 7);
  host.wizard->hide();

  {
    LockHeldElsewhere held([&] { return bench.hpf()->lock_HPFconfig() == 1; },
                           [&] { bench.hpf()->unlock_HPFconfig(); });
    host.wizard->show();
  }
  EXPECT_EQ(addressKey(bench), "7");
  EXPECT_EQ(bench.hpf()->getCFG_struct(132).charValue, 7);
  EXPECT_EQ(page.address()->value(), 7);

  QTest::mouseClick(page.search(), Qt::LeftButton);
  EXPECT_EQ(page.text(), kConnected);
  EXPECT_EQ(requestsTo(bench, 5), toFive) << "nothing sent to address 5";
  EXPECT_EQ(addressKey(bench), "7");
}
