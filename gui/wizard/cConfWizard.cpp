#include "cConfWizard.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <list>

#include "Alarmeclassique.h"
#include "Capteurhp.h"
#include "Choix_fluide.h"
#include "Colonne.h"
#include "CompressorType.h"
#include "Diamreservoir.h"
#include "Enregistrement.h"
#include "Etalonnage.h"
#include "Hreservoir.h"
#include "Iinstallation.h"
#include "Mestare.h"
#include "MesV2Modul.h"
#include "ModulsCenter.h"
#include "OrvName.h"
#include "Reglageinstallation.h"
#include "Reservoirs.h"
#include "Sensstat.h"
#include "Sousrefoidisseur.h"
#include "Tcm.h"
#include "orvDatas.h"
#include "orvPlatform.h"
#include "orv_classPtr.h"
#include "orv_configFile.h"

namespace {

constexpr int kPageCount = 17;
constexpr int kLeaveTimeoutMs = 300000;
constexpr int kButtonHeight = 50;
constexpr int kButtonTextSize = 14;
const char kGeneral[] = "General";
const char kCardSection[] = "Module_Mesure_V2";
// Copies of the boot script and of the configuration, kept beside the system's files.
const char kKeepCopiesCommand[] =
    "cp /etc/init.d/rcS /usr/share/; cp /home/ORV/config.conf /usr/share/";

// The store's key lock guards the entries its readers and writers walk; the holders keep it
// for moments only, so the wizard waits for it rather than work without it.
class StoreKeys {
public:
  explicit StoreKeys(orvDatas* store) : store_(store) {
    while (!store_->lock_ORVconfig()) {
    }
  }
  ~StoreKeys() { store_->unlock_ORVconfig(); }
  StoreKeys(const StoreKeys&) = delete;
  StoreKeys& operator=(const StoreKeys&) = delete;

private:
  orvDatas* store_;
};

orvDatas* store() { return Singleton<orv_classPtr>::ptr()->datas; }

// A message box that covers at least the whole panel.
class PanelMessageBox : public QMessageBox {
public:
  PanelMessageBox(Icon icon, const QString& title, const QString& text)
      : QMessageBox(icon, title, text, QMessageBox::Ok) {
    setMinimumSize(640, 480);
  }

protected:
  // The box sizes itself to its text when shown and at every new layout (a window system
  // asks for one after the showing); the panel is the least it takes.
  void showEvent(QShowEvent* e) override {
    QMessageBox::showEvent(e);
    coverPanel();
  }
  bool event(QEvent* e) override {
    const bool handled = QMessageBox::event(e);
    if (e->type() == QEvent::LayoutRequest) coverPanel();
    return handled;
  }

private:
  // Grown to the panel, the box is centred again: where it was placed at its text's size
  // it would run off the screen with its OK button.
  void coverPanel() {
    const QSize panel(qMax(width(), 640), qMax(height(), 480));
    if (size() == panel) return;
    setFixedSize(panel);
    if (QScreen* shownOn = screen()) move(shownOn->geometry().center() - rect().center());
  }
};

}  // namespace

cConfWizard::cConfWizard(QWidget* parent)
    : cConfigurationWidget(parent), nextAllowed(true), cardType(0), mesV2SectionChanges(0) {
  setObjectName(QStringLiteral("cConfWizard"));
  wizardConfig = new orv_configFile("");
  loadAllConfig();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  // The tallest pages are 430 pixels: with the 50-pixel row they fill the 480 of the panel.
  layout->setSpacing(0);
  pageStack = new QStackedWidget(this);
  pageStack->setObjectName(QStringLiteral("pageStack"));
  layout->addWidget(pageStack);
  connect(pageStack, &QStackedWidget::currentChanged, this, &cConfWizard::OnStackIndexChanged);

  auto* row = new QHBoxLayout;
  row->setSpacing(20);
  row->addItem(new QSpacerItem(40, 20, QSizePolicy::Maximum, QSizePolicy::Minimum));
  const struct {
    QPushButton** button;
    const char* name;
    QString text;
    void (cConfWizard::*slot)();
  } buttons[] = {
      {&cancelButton, "cancelButton", tr("ANNULER"), &cConfWizard::OnBtnCancel},
      {&prevButton, "prevButton", tr("PRECEDENT"), &cConfWizard::OnBtnPrev},
      {&nextButton, "nextButton", tr("SUIVANT"), &cConfWizard::OnBtnNext},
      {&finishButton, "finishButton", tr("ENREGISTREMENT"), &cConfWizard::OnBtnFinish},
  };
  // Navigation texts a technician reads at arm's length.
  QFont navigationFont = font();
  navigationFont.setPointSize(kButtonTextSize);
  navigationFont.setBold(true);
  for (const auto& b : buttons) {
    *b.button = new QPushButton(b.text, this);
    (*b.button)->setObjectName(QLatin1String(b.name));
    (*b.button)->setMinimumHeight(kButtonHeight);
    (*b.button)->setFont(navigationFont);
    connect(*b.button, &QPushButton::clicked, this, b.slot);
    row->addWidget(*b.button);
  }
  layout->addLayout(row);

  tcmPage = addPage(new Tcm(this, wizardConfig));
  connect(tcmPage, SIGNAL(OnEnableNextBtn(bool)), this, SLOT(OnEnabledNextBtn(bool)));
  orvNamePage = addPage(new OrvName(this, wizardConfig));
  fluidPage = addPage(new Choix_fluide(this, wizardConfig));
  compressorPage = addPage(new CompressorType(this, wizardConfig));
  reservoirsPage = addPage(new Reservoirs(this, wizardConfig));
  diameterPage = addPage(new Diamreservoir(this, wizardConfig));
  heightPage = addPage(new Hreservoir(this, wizardConfig));
  columnPage = addPage(new Colonne(this, wizardConfig));
  hpSensorPage = addPage(new Capteurhp(this, wizardConfig));
  connect(hpSensorPage, SIGNAL(sig_onCalib_PRESS()), this, SIGNAL(emitOnCalibPressV1()));
  tarePage = addPage(new Mestare(this, wizardConfig));
  connect(tarePage, SIGNAL(OnEnableNextBtn(bool)), this, SLOT(OnEnabledNextBtn(bool)));
  lowLevelPage = addPage(new Alarmeclassique(this, wizardConfig));
  pt100Page = addPage(new Etalonnage(this, wizardConfig));
  setPointsPage = addPage(new Reglageinstallation(this, wizardConfig));
  volumesPage = addPage(new Iinstallation(this, wizardConfig));
  subcoolerPage = addPage(new Sousrefoidisseur(this, wizardConfig));
  sensitivityPage = addPage(new Sensstat(this, wizardConfig));
  savingPage = addPage(new Enregistrement(this));
}

template <typename Page>
Page* cConfWizard::addPage(Page* page) {
  pageStack->addWidget(page);
  // A page's inactivity requests reach the main window through the frame.
  connect(page, SIGNAL(OnReloadConfTimerSignal(int)), this, SLOT(OnReloadTimer(int)));
  return page;
}

cConfWizard::~cConfWizard() {
  QWidget* pages[] = {tcmPage,       orvNamePage,  fluidPage,       reservoirsPage,
                      diameterPage,  heightPage,   columnPage,      hpSensorPage,
                      tarePage,      lowLevelPage, pt100Page,       setPointsPage,
                      volumesPage,   subcoolerPage, sensitivityPage, compressorPage,
                      savingPage};
  for (QWidget* page : pages) {
    pageStack->removeWidget(page);
    delete page;
  }
  // Last: a page that hides while it goes writes into the copy.
  delete wizardConfig;
}

void cConfWizard::setFLuidsList(std::vector<std::string>& names) {
  if (fluidPage) fluidPage->setFLuidsList(names);
}

int cConfWizard::loadAllConfig() {
  orvDatas* datas = store();
  orv_configFile* live = datas ? datas->ORV_FileConfig_ptr() : nullptr;
  if (!live || !wizardConfig) return 1;
  orv_configFile::ConfigSection general;
  orv_configFile::ConfigSection card;
  int hasCard = 0;
  {
    StoreKeys keys(datas);
    if (!live->getConfSectionEntryList(kGeneral, general)) return 1;
    hasCard = live->getConfSectionEntryList(kCardSection, card);
  }
  wizardConfig->setConfSectionEntryList(&general);
  cardType = wizardConfig->get<int>("z2_CM_TYPE", 1, kGeneral);
  if (cardType != 2) return 0;
  if (!hasCard) return 1;
  wizardConfig->setConfSectionEntryList(&card);
  return 0;
}

void cConfWizard::showEvent(QShowEvent* e) {
  cConfigurationWidget::showEvent(e);
  pageStack->setCurrentIndex(0);
}

void cConfWizard::OnBtnNext() {
  const int next = pageStack->currentIndex() + 1;
  if (next < pageStack->count()) pageStack->setCurrentIndex(next);
}

void cConfWizard::OnBtnPrev() {
  const int previous = pageStack->currentIndex() - 1;
  if (previous >= 0) pageStack->setCurrentIndex(previous);
}

void cConfWizard::OnStackIndexChanged(int aIndex) {
  prevButton->setEnabled(aIndex > 0);
  nextButton->setEnabled(aIndex < kPageCount - 1 && nextAllowed);
  // "ENREGISTREMENT" takes the place of "SUIVANT" on the last page, while Next is allowed.
  const bool finishShown = !nextButton->isEnabled() && nextAllowed;
  finishButton->setVisible(finishShown);
  nextButton->setVisible(!finishShown);
  OnReloadTimer(kLeaveTimeoutMs);
}

void cConfWizard::OnEnabledNextBtn(bool aEnabled) {
  nextAllowed = aEnabled;
  OnStackIndexChanged(pageStack->currentIndex());
}

void cConfWizard::OnBtnCancel() {
  OnReloadTimer(kLeaveTimeoutMs);
  emit OnBtnCancelSignal();
}

void cConfWizard::stampFirstCommissioning() {
  const int firstStart = wizardConfig->get<int>("FLAG_PREM_DEMARRAGE", 0, kGeneral);
  const int installed = wizardConfig->get<int>("FLAG_DATE_INSTALLATION", 0, kGeneral);
  if (firstStart != 0) return;
  const std::string now = std::to_string(static_cast<long long>(orv::wallClockNow()));
  wizardConfig->setVar("FLAG_PREM_DEMARRAGE", now, kGeneral, "");
  if (installed == 0) wizardConfig->setVar("FLAG_DATE_INSTALLATION", now, kGeneral, "");
}

int cConfWizard::mergeIntoStore(std::string& newFluid) {
  orvDatas* datas = store();
  orv_configFile* live = datas ? datas->ORV_FileConfig_ptr() : nullptr;
  if (!live) return 0;
  orv_configFile::SectionList sections;
  wizardConfig->getConfEntryList(sections);
  int total = 0;
  for (const auto& section : sections) total += static_cast<int>(section.entries.size());

  int walked = 0;
  StoreKeys keys(datas);
  for (const auto& section : sections) {
    for (const auto& entry : section.entries) {
      savingPage->SetProgressValue(++walked, total);
      // Comment lines are no settings: merging them would append them again every time.
      if (entry.keyword.empty() || entry.keyword == "-") continue;
      std::string stored;
      live->getVar(entry.keyword, stored, section.name);
      if (stored == entry.value) continue;
      if (section.name.find(kCardSection) != std::string::npos) ++mesV2SectionChanges;
      // The refrigerant is stored by the main window once it has been loaded.
      if (entry.keyword.find("CONFIG_FLUID") != std::string::npos) {
        newFluid = entry.value;
        continue;
      }
      live->setVar(entry.keyword, entry.value, section.name, "");
    }
  }
  return walked;
}

void cConfWizard::pushCardConfiguration() {
  ModulsCenter* modules = Singleton<orv_classPtr>::ptr()->modules;
  if (mesV2SectionChanges <= 0 || !modules || modules->isModulMesV2_connected() != 1) return;
  MesV2Modul* card = modules->mesV2_ptr();
  if (!card) return;
  card->cfg_readCM_Config_fromFile();
  // A card that refuses the configuration answers well-formed: only its acknowledgement
  // means it took it.
  if (card->CM_sendTo(MesV2Modul::CMD_SET_CONFIG) == 0 &&
      card->lastReplyCode() == MesV2Modul::CMD_ACK)
    return;
  QMessageBox warning(QMessageBox::Warning, tr("MesV2: ERREUR Envoi Configuration"),
                      tr("MesV2: ERREUR, Envoi Nouvelle Configuration, veuillez re-essayer"),
                      QMessageBox::Ok);
  warning.exec();
}

void cConfWizard::OnBtnFinish() {
  stampFirstCommissioning();
  std::string newFluid;
  // The file is written after the key lock is released: the writer takes the file lock
  // first, then the key lock.
  if (mergeIntoStore(newFluid) > 0) store()->writeAllToConfigFile();
  // Everything is stored and copied before a box waits for the technician: while one is
  // up, the main window may delete the wizard (inactivity, the core's message page).
  if (!newFluid.empty()) emit emitOnFluidChange(QString::fromStdString(newFluid));
  orv::runCommand(kKeepCopiesCommand);
  const QPointer<cConfWizard> alive(this);
  pushCardConfiguration();

  PanelMessageBox done(
      QMessageBox::Information, tr("Fin de configuration"),
      tr("- Si vous avez vidé la colonne, vous pouvez rouvrir les vannes.\n- Si vous avez "
         "étalonné les sondes PT100, vous pouvez retirer les résistances et remettre les "
         "sondes.\nCliquez sur OK pour terminer la configuration."));
  done.exec();
  if (!alive) return;  // the main window has left the wizard already

  OnReloadTimer(kLeaveTimeoutMs);
  emit OnBtnFinishSignal();
}
