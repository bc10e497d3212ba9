#include "Menu.h"

#include <QLabel>
#include <QPushButton>

#include "standInPage.h"

Menu::Menu(QWidget* parent) : QWidget(parent) {
  std::vector<QPushButton*> buttons = buildStandInBody(
      this, QStringLiteral("Menu"),
      {{QStringLiteral("traceroute"), QString(), [this] { emit traceroute(); }},
       {QStringLiteral("journalButton"), QString(), [this] { emit journal(); }},
       {QStringLiteral("infoConfigButton"), QString(), [this] { emit iconfig(); }},
       {QStringLiteral("langueButton"), QString(), [this] { emit langue(); }},
       {QStringLiteral("poidsButton"), QString(), [this] { emit sigMesPoids(1); }},
       {QStringLiteral("infoNorvaleButton"), QString(), [this] { emit info(); }},
       {QStringLiteral("configButton"), QString(), [this] { emit config(); }},
       {QStringLiteral("configButtonHPF"), QString(), [this] { emit configHPF(); }},
       {QStringLiteral("configButtonENERGIE"), QString(), [this] { emit configENERGIE(); }},
       {QStringLiteral("copyToUsbButton"), QString(), [this] { emit sig_copyToUsb(); }},
       {QStringLiteral("interventionButton"), QString(),
        [this] {
          interTechActive = !interTechActive;
          emit sig_intervFrigo(interTechActive);
        }},
       {QStringLiteral("networkButton"), QString(), [this] { emit network(); }},
       {QStringLiteral("reapprentissageButton"), QString(), [this] { emit reapp(); }},
       {QStringLiteral("fuseauHorraireButton"), QString(), [this] { emit fuseauHorraire(); }},
       {QStringLiteral("autoTestButton"), QString(), [this] { emit sig_testAuto(); }},
       {QStringLiteral("rebootButton"), QString(), [this] { emit sig_rebootORV(); }},
       {QStringLiteral("Esc"), tr("Quitter"), [this] { emit escape(); }}});
  configButtonHPF = buttons[7];
  configButtonENERGIE = buttons[8];
  // The page's title line, under the stand-in's own title.
  label = new QLabel(this);
  label->setObjectName(QStringLiteral("label"));
  label->setAlignment(Qt::AlignCenter);
  label->setGeometry(0, 420, 640, 40);
}

void Menu::showMenuVisualisation() { label->setText(tr("Menu Visualisations")); }

void Menu::showMenuConfig(int interTech) {
  ++configCalls;
  lastInterTech = interTech;
  interTechActive = interTech != 0;
  label->setText(tr("Menu Parametrages et Reglages"));
}

void Menu::EnerVisibility(bool visibility) { configButtonENERGIE->setVisible(visibility); }

void Menu::HPFVisibility(bool visibility) { configButtonHPF->setVisible(visibility); }
