#include "Menu.h"

#include <QEvent>
#include <QMessageBox>
#include <QTimer>

#include "ui_Menu.h"

Menu::Menu(QWidget* parent)
    : QWidget(parent), ui(new Ui::Menu), interTechActive(false), interTechTimer(new QTimer(this)) {
  ui->setupUi(this);
  setWindowState(windowState() | Qt::WindowFullScreen);
  ui->widget_Visualisation->hide();
  ui->widget_Configuration->hide();

  // One timer for the whole page: a start (re)arms it, an end stops it, so no earlier
  // start can end a later intervention.
  interTechTimer->setObjectName(QStringLiteral("interTechTimer"));
  interTechTimer->setSingleShot(true);
  interTechTimer->setInterval(kInterventionMaxMs);
  connect(interTechTimer, &QTimer::timeout, this, &Menu::stopTechInterAfter12h);
}

Menu::~Menu() = default;

void Menu::showMenuVisualisation() {
  ui->label->setText(tr("Menu Visualisations"));
  ui->widget_Configuration->hide();
  ui->widget_Visualisation->show();
}

void Menu::showMenuConfig(int interTech) {
  ui->label->setText(tr("Menu Parametrages et Reglages"));
  ui->widget_Visualisation->hide();
  ui->widget_Configuration->show();
  interTechActive = interTech != 0;
  showInterventionText();
}

void Menu::showInterventionText() {
  ui->interventionButton->setText(interTechActive ? tr("Arreter Intervention\nFrigoriste")
                                                  : tr("Demarrer Intervention\nFrigoriste"));
}

void Menu::HPFVisibility(bool visible) { ui->configButtonHPF->setVisible(visible); }
void Menu::EnerVisibility(bool visible) { ui->configButtonENERGIE->setVisible(visible); }

void Menu::changeEvent(QEvent* e) {
  // Resets the title and the intervention text to the form's; both are set again by
  // showMenuVisualisation or showMenuConfig before the page is next shown.
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
  QWidget::changeEvent(e);
}

void Menu::on_interventionButton_clicked() {
  interTechActive = !interTechActive;
  showInterventionText();
  if (interTechActive)
    interTechTimer->start();
  else
    interTechTimer->stop();
  emit sig_intervFrigo(interTechActive);
}

void Menu::stopTechInterAfter12h() {
  if (!interTechActive) return;
  interTechActive = false;
  showInterventionText();
  emit sig_intervFrigo(false);
}

void Menu::on_rebootButton_clicked() {
  QMessageBox box(QMessageBox::Warning, tr("Redemarrage/Reboot du ORV ?"),
                  tr("Confirmez le redemarrage du ORV ?!\nVeuillez cliquer sur OK pour "
                     "redemarrer/rebooter le ORV!"),
                  QMessageBox::Yes | QMessageBox::No);
  if (box.exec() == QMessageBox::Yes) emit sig_rebootORV();
}

void Menu::on_traceroute_clicked() { emit traceroute(); }
void Menu::on_journalButton_clicked() { emit journal(); }
void Menu::on_infoConfigButton_clicked() { emit iconfig(); }
void Menu::on_langueButton_clicked() { emit langue(); }
void Menu::on_poidsButton_clicked() { emit sigMesPoids(1); }
void Menu::on_infoNorvaleButton_clicked() { emit info(); }
void Menu::on_configButton_clicked() { emit config(); }
void Menu::on_configButtonHPF_clicked() { emit configHPF(); }
void Menu::on_configButtonENERGIE_clicked() { emit configENERGIE(); }
void Menu::on_copyToUsbButton_clicked() { emit sig_copyToUsb(); }
void Menu::on_networkButton_clicked() { emit network(); }
void Menu::on_reapprentissageButton_clicked() { emit reapp(); }
void Menu::on_fuseauHorraireButton_clicked() { emit fuseauHorraire(); }
void Menu::on_autoTestButton_clicked() { emit sig_testAuto(); }
void Menu::on_Esc_clicked() { emit escape(); }
