// Wizard page 2: the plant's refrigerant and its condensing side: for every refrigerant
// but CO2 the condenser type (air or other exchanger) and, for an air condenser metered by
// ENERGIE module 1, its power; for CO2 the subcritical or transcritical mode.
#pragma once

#include <QString>

#include <string>
#include <vector>

#include "cConfigurationWidget.h"

class QButtonGroup;
class orv_configFile;
class Ui_Choix_fluide;

class Choix_fluide : public cConfigurationWidget {
  Q_OBJECT

public:
  Choix_fluide(QWidget* parent, orv_configFile* config);
  ~Choix_fluide() override;

  void setFLuidsList(std::vector<std::string>& names);
  void read_guiCFG();

public slots:
  void init_FluidsListComboBox();
  void onChange_Fluide(int fluidID);
  void onCritiqueChanged(int _critic);
  void onCondTypeChanged(int _type);

protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void changeEvent(QEvent* e) override;

private:
  static bool isEnergyModuleConnected();

  Ui_Choix_fluide* ui;
  orv_configFile* config;  // the wizard's copy, not owned
  QString selectedFluid;   // name of the chosen item, up to its first blank
  QString fluidAtShow;     // name read from the copy at the last show
  QButtonGroup* criticalGroup;
  QButtonGroup* condenserGroup;
  int subcritical;         // 1 subcritical, 0 transcritical, -1 not read yet
  int condenserIsAir;      // 1 air, 0 other exchanger, -1 not read yet
  bool energyModuleConnected;
  // The power field was loaded from the copy since the last show: only then may leaving
  // the page write it (a field never loaded holds 0, not the plant's power).
  bool powerLoaded;
  std::vector<std::string> fluidNames;
};
