// The five notices the core invokes by name, queued into the GUI thread: the refresh of the
// visible live page and the control of the message page during long operations.
#include <QStackedWidget>

#include "Calc_Method.h"
#include "Ecran_Orv.h"
#include "EnerModul.h"
#include "HpfModul.h"
#include "ModulsCenter.h"
#include "PoidsCtrl.h"
#include "cORV.h"
#include "cORV_registry.h"
#include "cp_InfoDisplay.h"
#include "enerInfo_Display.h"
#include "hpfInfo_Display.h"
#include "modules_exchange.h"
#include "orvDatas.h"
#include "orv_classPtr.h"
#include "screenMsgBox.h"

using namespace orvqt;

namespace {
// Index of the liquid density in a refrigerant-state block (586 in the first block).
constexpr int kDensityValue = 8;

struct MsgBoxMode {
  const char* title;
  const char* firstLine;
};
// Modes 1 to 4; 5 and above open the page with an empty title and line.
const MsgBoxMode kMsgBoxModes[] = {
    {QT_TRANSLATE_NOOP("cORV", "Informations"), QT_TRANSLATE_NOOP("cORV", "Informations...")},
    {QT_TRANSLATE_NOOP("cORV", "Analyse Mesures"), QT_TRANSLATE_NOOP("cORV", "Analyse en cours...")},
    {QT_TRANSLATE_NOOP("cORV", "Mise a Jour"),
     QT_TRANSLATE_NOOP("cORV", "Mise a Jour Programme en cours...")},
    {QT_TRANSLATE_NOOP("cORV", "Mise a Jour Module(s)"),
     QT_TRANSLATE_NOOP("cORV", "Mise a Jour Firmware Module(s) en cours...")},
};
constexpr int kModeAnalysis = 2;

// Lines 1 to 11; any other number appends "*".
const char* const kInfoLines[] = {
    QT_TRANSLATE_NOOP("cORV", "Sauvegarde des mesures"),
    QT_TRANSLATE_NOOP("cORV", "Debut des Analyses"),
    QT_TRANSLATE_NOOP("cORV", "Fin des Analyses"),
    QT_TRANSLATE_NOOP("cORV", "Operation Terminee"),
    QT_TRANSLATE_NOOP("cORV", "Redemarrage du ORV"),
    QT_TRANSLATE_NOOP("cORV",
                      "Espace de Stockage Plein, effacement des anciens fichiers journaliers ..."),
    QT_TRANSLATE_NOOP("cORV", "Erreur lors de la mise à jour du firmware du module MESUREv2."),
    QT_TRANSLATE_NOOP("cORV", "Erreur lors de la mise à jour du firmware du module HPF."),
    QT_TRANSLATE_NOOP("cORV", "Erreur lors de la mise à jour du firmware du module ENERGIE_1."),
    QT_TRANSLATE_NOOP("cORV", "Erreur lors de la mise à jour du firmware du module ENERGIE_2."),
    QT_TRANSLATE_NOOP("cORV", "Erreur lors de la mise à jour du firmware du module ENERGIE_3."),
};
// Texts 7 to 11 report a failed firmware update; the core sends no stop after them.
constexpr int kFirstFirmwareFailure = 7;
constexpr int kLastFirmwareFailure = 11;
}  // namespace

void cORV::OnNoyauUpdate() {
  orvDatas* datas = store();
  if (!datas) return;
  struct_mesure record;
  datas->get_ORVmesure(record);
  ModulsCenter* centre = modules();

  // Only the first shown page of the list is refreshed.
  if (mainScreen && mainScreen->screenShown) {
    mainScreen->UpdateNoyauValues(record);
  } else if (hpfInfoPage && hpfInfoPage->pageShown) {
    HpfModul* hpf = centre ? centre->hpf_ptr() : nullptr;
    if (!hpf) return;
    const modules_exchange_t& m = record.modules;
    hp_toORV_data_t hpfData{};
    orv_toHP_datas_t toHpf{};
    hpf->cfg_getHPF_Data(&hpfData);
    hpf->cfg_getORV_Data(&toHpf);
    hpfInfoPage->UpdateMesureValues(m.sensorFault[modval::TempEXT], m.value[modval::TempEXT],
                                    m.sensorFault[modval::HP], m.value[modval::HP],
                                    record.fluid[0].val[0], m.stateHpf != 0, hpfData, toHpf);
  } else if (cpInfoPage && cpInfoPage->pageShown) {
    cpInfoPage->UpdateMesureValues(record);
  } else if (enerInfoPage && enerInfoPage->pageShown) {
    if (record.modules.stateEner[0] != 1 || !centre || !centre->ener_ptr()) return;
    // Readings not copied within the client's lock time leave the page its last ones.
    energyORV_data_t enerData{};
    if (centre->ener_ptr()->cfg_getAllENER_Data(&enerData) == 1)
      enerInfoPage->Update_AllENER_Datas(enerData, record.refrigerationCapacity);
  } else if (calcMethodPage && calcMethodPage->shown) {
    calcMethodPage->UpdateCalcValues(record);
  } else if (poidsCtrlPage && poidsCtrlPage->shown) {
    poidsCtrlPage->UpdatePoidsCtrl(record.columnWeight, record.netWeight,
                                   record.fluid[0].val[kDensityValue], record.liquidLevel);
  }
}

void cORV::OnStartMsgBox(int _mode) {
  if (_mode <= 0 || !msgBoxPage) return;
  QString title, firstLine;
  if (_mode <= 4) {
    title = tr(kMsgBoxModes[_mode - 1].title);
    firstLine = tr(kMsgBoxModes[_mode - 1].firstLine);
  }
  // A start while the page is already current (during the start-up report, or one operation
  // after another) still shows its title and line; the page left is remembered only when
  // it is another page.
  QWidget* current = mainStack ? mainStack->currentWidget() : nullptr;
  if (current != msgBoxPage) pageBeforeMsgBox = current;
  msgBoxPage->setButtonsState(false);
  msgBoxPage->setBoxTitle(title);
  msgBoxPage->setBoxMessage(firstLine);
  if (_mode == kModeAnalysis) msgBoxPage->setBoxProgressBarAll(0, 0, 100);
  showPage(msgBoxPage);
}

void cORV::OnSetMsgBoxInfoTxt(int _txtType) {
  if (!msgBoxPage) return;
  const bool known = _txtType >= 1 && _txtType <= 11;
  msgBoxPage->setBoxMessage(known ? tr(kInfoLines[_txtType - 1]) : QStringLiteral("*"));
  // A failed firmware update stays readable until the technician closes the page.
  if (_txtType >= kFirstFirmwareFailure && _txtType <= kLastFirmwareFailure)
    msgBoxPage->setButtonsState(true);
}

void cORV::OnSetMsgBoxProgressValue(int aValue) {
  if (msgBoxPage) msgBoxPage->setBoxProgressBarVal(aValue);
}

void cORV::OnStopMsgBox() {
  if (msgBoxPage) msgBoxPage->clear_label();
  OnMenuConfigurationExit();
}
