// Page 11 of the HPF wizard: the bus address and the two serial speeds, shown only; a speed
// outside the list shows as 9600.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "hpfConfig_UART.h"
#include "support/hpf_screen_bench.h"

TEST(hpfConfig_UART, AddressAndSpeedsShownOnly) {
  TestSandbox box;
  ModulsCenter centre;
  Singleton<orv_classPtr>::ptr()->modules = &centre;
  centre.start_modul_hpf();
  {
    hp_global_config_t record = hpfDefaultRecord();
    record.uart1Speed = 57600;
    PageHost<hpfConfig_UART> page(&record);
    QSignalSpy next(page.page, SIGNAL(OnEnableNextBtn(bool)));
    QSignalSpy back(page.page, SIGNAL(emit_GoSendSaveStack()));
    page.show();
    auto* orv = page.find<QComboBox>("comboBox_BpsORV");
    auto* modbus = page.find<QComboBox>("comboBox_BpsMODBUS");
    EXPECT_EQ(orv->currentText(), "57600");
    EXPECT_EQ(modbus->currentText(), "9600");
    EXPECT_FALSE(orv->isEnabled() || modbus->isEnabled());
    EXPECT_EQ(orv->itemText(0), "Aucun");
    EXPECT_EQ(page.find<QLabel>("label_RS485ID")->text(), "5");
    EXPECT_FALSE(page.find<QPushButton>("pushButton_HPF_Disable")->isVisible());
    ASSERT_EQ(next.count(), 1);
    EXPECT_FALSE(next.at(0).at(0).toBool());
    QTest::mouseClick(page.find<QPushButton>("pushButton_SendSave"), Qt::LeftButton);
    EXPECT_EQ(back.count(), 1);
    page.hide();
    EXPECT_EQ(record.uart1Speed, 57600u);
    EXPECT_EQ(record.uart2Speed, 9600u);
  }
  {
    hp_global_config_t record = hpfDefaultRecord();
    record.uart2Speed = 1200;
    PageHost<hpfConfig_UART> page(&record);
    EXPECT_EQ(record.uart2Speed, 1200u) << "construction selects without storing";
    page.show();
    EXPECT_EQ(page.find<QComboBox>("comboBox_BpsMODBUS")->currentText(), "9600");
  }
  Singleton<orv_classPtr>::ptr()->modules = nullptr;
}
