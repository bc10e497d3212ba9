#include "hpfConfig_UART.h"

#include "HpfModul.h"
#include "hpfPageSupport.h"
#include "ui_hpfConfig_UART.h"

namespace {

constexpr int kBusAddress = 132;
// Speeds by list index; index 0 ("Aucun") stands for the default 9600.
const unsigned kSpeeds[] = {9600, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
constexpr int kDefaultIndex = 3;

unsigned speedOfIndex(int index) {
  return index >= 1 && index <= 7 ? kSpeeds[index] : 9600u;
}

int indexOfSpeed(unsigned bauds) {
  for (int i = 1; i <= 7; ++i)
    if (kSpeeds[i] == bauds) return i;
  return kDefaultIndex;
}

}  // namespace

hpfConfig_UART::hpfConfig_UART(QWidget* parent, hp_global_config_t* config)
    : cConfigurationWidget(parent), ui(new Ui::hpfConfig_UART), hpfConfig(config) {
  ui->setupUi(this);
  for (QComboBox* list : {ui->comboBox_BpsORV, ui->comboBox_BpsMODBUS}) {
    list->addItem(tr("Aucun"), 0);
    for (int i = 1; i <= 7; ++i) list->addItem(QString::number(kSpeeds[i]), i);
    list->setEnabled(false);
  }
  ui->pushButton_HPF_Disable->hide();
  loadConfig();
  connect(ui->comboBox_BpsORV, SIGNAL(currentIndexChanged(int)), this, SLOT(onSet_ORV_BaupsRate(int)));
  connect(ui->comboBox_BpsMODBUS, SIGNAL(currentIndexChanged(int)), this,
          SLOT(onSet_MODBUS_BaupsRate(int)));
  connect(ui->pushButton_SendSave, SIGNAL(clicked()), this, SLOT(onReturnToSendSave()));
}

hpfConfig_UART::~hpfConfig_UART() { delete ui; }

void hpfConfig_UART::loadConfig() {
  int address = 0;
  if (HpfModul* hpf = hpfClient())
    address = static_cast<unsigned char>(hpf->getCFG_struct(kBusAddress).charValue);
  ui->label_RS485ID->setText(QString::number(address));
  onUpdate_ORV_BaupsComboBox(static_cast<int>(hpfConfig->uart1Speed));
  onUpdate_MODBUS_BaupsComboBox(static_cast<int>(hpfConfig->uart2Speed));
}

void hpfConfig_UART::onUpdate_ORV_BaupsComboBox(int bauds) {
  ui->comboBox_BpsORV->setCurrentIndex(indexOfSpeed(static_cast<unsigned>(bauds)));
}

void hpfConfig_UART::onUpdate_MODBUS_BaupsComboBox(int bauds) {
  ui->comboBox_BpsMODBUS->setCurrentIndex(indexOfSpeed(static_cast<unsigned>(bauds)));
}

void hpfConfig_UART::onSet_ORV_BaupsRate(int baudsEnum) {
  hpfConfig->uart1Speed = speedOfIndex(baudsEnum);
  onUpdate_ORV_BaupsComboBox(static_cast<int>(hpfConfig->uart1Speed));
}

void hpfConfig_UART::onSet_MODBUS_BaupsRate(int baudsEnum) {
  hpfConfig->uart2Speed = speedOfIndex(baudsEnum);
  onUpdate_MODBUS_BaupsComboBox(static_cast<int>(hpfConfig->uart2Speed));
}

void hpfConfig_UART::onReturnToSendSave() { emit emit_GoSendSaveStack(); }

void hpfConfig_UART::showEvent(QShowEvent* e) {
  cConfigurationWidget::showEvent(e);
  emit OnEnableNextBtn(false);
  loadConfig();
}

void hpfConfig_UART::changeEvent(QEvent* e) {
  cConfigurationWidget::changeEvent(e);
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
}
