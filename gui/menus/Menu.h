// The hub of the menus: a consultation panel reached without a code and a configuration
// panel reached with the menu code. Every button emits one signal for the main window,
// which opens the page asked for. The page itself keeps the technician-intervention
// toggle (with its 12-hour end) and asks before a reboot.
#pragma once

#include <QWidget>

#include <memory>

class QTimer;

namespace Ui {
class Menu;
}

class Menu : public QWidget {
  Q_OBJECT

 public:
  // An intervention left on ends by itself after this long.
  static constexpr int kInterventionMaxMs = 12 * 3600 * 1000;

  explicit Menu(QWidget* parent = nullptr);
  ~Menu() override;

  void showMenuVisualisation();
  // `interTech`: the stored INTERVENTION_TECH, non-zero while an intervention is on.
  void showMenuConfig(int interTech);

 public slots:
  void HPFVisibility(bool visible);
  void EnerVisibility(bool visible);
  // End of the 12-hour intervention timer: ends an intervention still on.
  void stopTechInterAfter12h();

 signals:
  void escape();
  void config();
  void configHPF();
  void configENERGIE();
  void journal();
  void langue();
  void reapp();
  void iconfig();
  void info();
  void network();
  void traceroute();
  void fuseauHorraire();
  void sigMesPoids(int mode);
  void sig_testAuto();
  void sig_copyToUsb();
  void sig_intervFrigo(bool on);
  void sig_rebootORV();
  // Declared for the main window's wiring of its permanent pages; never emitted.
  void OnReloadConfTimerSignal(int aTimeout);

 protected:
  void changeEvent(QEvent* e) override;

 private slots:
  void on_traceroute_clicked();
  void on_journalButton_clicked();
  void on_infoConfigButton_clicked();
  void on_langueButton_clicked();
  void on_poidsButton_clicked();
  void on_infoNorvaleButton_clicked();
  void on_configButton_clicked();
  void on_configButtonHPF_clicked();
  void on_configButtonENERGIE_clicked();
  void on_copyToUsbButton_clicked();
  void on_interventionButton_clicked();
  void on_networkButton_clicked();
  void on_reapprentissageButton_clicked();
  void on_fuseauHorraireButton_clicked();
  void on_autoTestButton_clicked();
  void on_rebootButton_clicked();
  void on_Esc_clicked();

 private:
  void showInterventionText();

  std::unique_ptr<Ui::Menu> ui;
  bool interTechActive;
  QTimer* interTechTimer;
};
