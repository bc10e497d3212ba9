#include "hpfConfig_SendFin.h"

#include <QIcon>

#include "ui_hpfConfig_SendFin.h"

hpfConfig_SendFin::hpfConfig_SendFin(QWidget* parent)
    : cConfigurationWidget(parent), ui(new Ui::hpfConfig_SendFin) {
  ui->setupUi(this);
  ui->label_message->setWordWrap(true);
  ui->pushButton_ParamsCompl->setIcon(QIcon(QStringLiteral("gui_images/") + QStringLiteral("logo.png")));
  ui->pushButton_ParamsCompl->setIconSize(QSize(70, 70));
  connect(ui->pushButton_SaveSendCgf, SIGNAL(clicked()), this, SLOT(OnSaveSendHPF_Config()));
  connect(ui->pushButton_ParamsCompl, SIGNAL(clicked()), this, SLOT(OnComplParamsBtn()));
}

hpfConfig_SendFin::~hpfConfig_SendFin() { delete ui; }

// The wizard runs the exchange within the emission and answers before it returns; the
// button stays disabled until then, so a second tap cannot start a second send.
void hpfConfig_SendFin::OnSaveSendHPF_Config() {
  ui->pushButton_SaveSendCgf->setEnabled(false);
  emit emit_OnSendSave_HPFcfg();
}

void hpfConfig_SendFin::OnSaveSendHPFcfg_state(bool state) {
  if (state)
    ui->label_message->setText(
        tr("OK Configuration <font color='blue'>Sauvegardee et Envoyee</font> au Module-HPF."));
  else
    ui->label_message->setText(
        tr("<font color='red'>ERREUR de l'envoie de la configuration au Module-HPF</font>. "
           "Veuillez <font color='red'>REESSAYER/RENVOYER SVP</font>."));
  ui->pushButton_SaveSendCgf->setEnabled(true);
}

void hpfConfig_SendFin::OnComplParamsBtn() { emit emit_OnComplParams(); }

void hpfConfig_SendFin::showEvent(QShowEvent* e) {
  cConfigurationWidget::showEvent(e);
  ui->label_message->clear();
  emit OnEnableNextBtn(false);
}

void hpfConfig_SendFin::changeEvent(QEvent* e) {
  cConfigurationWidget::changeEvent(e);
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
}
