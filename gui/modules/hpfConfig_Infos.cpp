#include "hpfConfig_Infos.h"

#include "HpfModul.h"
#include "hpfPageSupport.h"
#include "ui_hpfConfig_Infos.h"

namespace {
constexpr int kBusAddress = 132;
constexpr unsigned char kIdentification = 102;  // 'f', answered by 'e'
}  // namespace

hpfConfig_Infos::hpfConfig_Infos(QWidget* parent)
    : cConfigurationWidget(parent), ui(new Ui::hpfConfig_Infos) {
  ui->setupUi(this);
  showSearchGroup(false);
  ui->label->setWordWrap(true);
  connect(ui->pushButton_searchHPF, SIGNAL(clicked()), this, SLOT(OnStartHPFsearch()));
  connect(ui->spinBox_busID, SIGNAL(valueChanged(int)), this, SLOT(onBusIdChanged(int)));
}

hpfConfig_Infos::~hpfConfig_Infos() { delete ui; }

// The search button, the address and its caption go together; the button is usable
// exactly while they are shown.
void hpfConfig_Infos::showSearchGroup(bool visible) {
  ui->label_2->setVisible(visible);
  ui->spinBox_busID->setVisible(visible);
  ui->pushButton_searchHPF->setVisible(visible);
  ui->pushButton_searchHPF->setEnabled(visible);
}

void hpfConfig_Infos::showConnected() {
  ui->label->setText(
      tr("Module-HPF <font color='blue'>DETECTER et CONNECTER</font>.Vous pouvez "
         "<font color='blue'>poursuivre</font> la configuration."));
  ui->pushButton_searchHPF->setText(tr("Module HPF OK."));
  showSearchGroup(false);
}

void hpfConfig_Infos::showEvent(QShowEvent* e) {
  cConfigurationWidget::showEvent(e);
  emit OnEnableNextBtn(false);
  HpfModul* hpf = hpfClient();
  if (hpf == nullptr) return;
  // A timed-out read gives address 0, which no module has: the field and the stored
  // address are then left as they are rather than overwritten with the clamped 5.
  int address = static_cast<unsigned char>(hpf->getCFG_struct(kBusAddress).charValue);
  if (address != 0) ui->spinBox_busID->setValue(address);
  if (hpf->isHPFconnected() == 0) {
    ui->pushButton_searchHPF->setText(tr("Relancer la Recherche\ndu Module HPF."));
    ui->label->setText(
        tr("AUCUN Module-HPF n'a ete detecte au demarrage. Vous pouvez "
           "<font color='red'>RELANCER</font> le processus de detection a l'aide du bouton "
           "<font color='red'>RECHERCHE</font> ci-dessous"));
    showSearchGroup(true);
  } else {
    showConnected();
  }
  emit OnEnableNextBtn(true);
}

void hpfConfig_Infos::OnStartHPFsearch() {
  ui->pushButton_searchHPF->setEnabled(false);
  emit OnEnableNextBtn(false);
  HpfModul* hpf = hpfClient();
  if (hpf != nullptr && hpf->orvcomm_sendToHPF(kIdentification) == 0) {
    showConnected();
    emit OnEnableNextBtn(true);
    return;
  }
  ui->label->setText(
      tr("<font color='red'>AUCUN</font> Module-HPF n'a ete detecte. Veuillez "
         "<font color='red'>verifier</font> vos branchements."));
  ui->pushButton_searchHPF->setText(tr("Relancer la Recherche\ndu Module HPF."));
  showSearchGroup(true);
}

void hpfConfig_Infos::onBusIdChanged(int IDvalue) {
  if (HpfModul* hpf = hpfClient()) hpf->setCFG_struct(kBusAddress, &IDvalue);
}

void hpfConfig_Infos::changeEvent(QEvent* e) {
  cConfigurationWidget::changeEvent(e);
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
}
