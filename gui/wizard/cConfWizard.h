// The installation (commissioning) wizard: 17 pages in a fixed order over a private,
// file-less copy of the configuration, with "ANNULER", "PRECEDENT", "SUIVANT" and
// "ENREGISTREMENT" below. Nothing reaches the device's configuration before the finish,
// which merges the changed entries into the store, writes the file once, pushes a changed
// measuring-card configuration to a connected V2 card and hands a changed refrigerant to
// the main window.
#pragma once

#include <QString>

#include <string>
#include <vector>

#include "cConfigurationWidget.h"

class QPushButton;
class QStackedWidget;
class orv_configFile;
class Tcm;
class OrvName;
class Choix_fluide;
class CompressorType;
class Reservoirs;
class Diamreservoir;
class Hreservoir;
class Colonne;
class Capteurhp;
class Mestare;
class Alarmeclassique;
class Etalonnage;
class Reglageinstallation;
class Iinstallation;
class Sousrefoidisseur;
class Sensstat;
class Enregistrement;

class cConfWizard : public cConfigurationWidget {
  Q_OBJECT

public:
  explicit cConfWizard(QWidget* parent = nullptr);
  ~cConfWizard() override;

  // The refrigerant names for the refrigerant page, in list order.
  void setFLuidsList(std::vector<std::string>& names);

public slots:
  void OnBtnNext();
  void OnBtnPrev();
  void OnBtnCancel();
  void OnBtnFinish();
  void OnStackIndexChanged(int aIndex);
  void OnEnabledNextBtn(bool aEnabled);
  // Copies section "General" (and "Module_Mesure_V2" for a V2 card) of the store into the
  // private copy: 0 when everything was copied, 1 when something was missing.
  int loadAllConfig();

signals:
  void OnBtnCancelSignal();
  void OnBtnFinishSignal();
  void emitOnFluidChange(QString _newFluid);
  void emitOnCalibPressV1();

protected:
  void showEvent(QShowEvent* e) override;

private:
  template <typename Page>
  Page* addPage(Page* page);
  void stampFirstCommissioning();
  // Merges every entry whose text differs into the store; returns the entries walked and
  // keeps a changed refrigerant name in `newFluid` instead of writing it.
  int mergeIntoStore(std::string& newFluid);
  void pushCardConfiguration();

  orv_configFile* wizardConfig;
  QStackedWidget* pageStack;
  QPushButton* cancelButton;
  QPushButton* prevButton;
  QPushButton* nextButton;
  QPushButton* finishButton;

  Tcm* tcmPage = nullptr;
  OrvName* orvNamePage = nullptr;
  Choix_fluide* fluidPage = nullptr;
  CompressorType* compressorPage = nullptr;
  Reservoirs* reservoirsPage = nullptr;
  Diamreservoir* diameterPage = nullptr;
  Hreservoir* heightPage = nullptr;
  Colonne* columnPage = nullptr;
  Capteurhp* hpSensorPage = nullptr;
  Mestare* tarePage = nullptr;
  Alarmeclassique* lowLevelPage = nullptr;
  Etalonnage* pt100Page = nullptr;
  Reglageinstallation* setPointsPage = nullptr;
  Iinstallation* volumesPage = nullptr;
  Sousrefoidisseur* subcoolerPage = nullptr;
  Sensstat* sensitivityPage = nullptr;
  Enregistrement* savingPage = nullptr;

  bool nextAllowed;  // the one Next flag of all the pages
  int cardType;
  int mesV2SectionChanges;
};
