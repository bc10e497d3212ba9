// The bench window over whole runs on the simulated board: a passed first run, a failed
// second run with the card's probes missing, the end of the bench, the ends it refuses
// when a file cannot be written, and the reset.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <sstream>

#include "file_dialog_answers.h"
#include "modal_answers.h"
#include "orvbus_sim.h"
#include "screen_shot.h"
#include "sftp_test_server.h"
#include "support/bench_window.h"
#include "text_fits.h"

namespace {

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

QPushButton* button(MainWindow& w, const char* name) {
  return w.findChild<QPushButton*>(QString::fromLatin1(name));
}

const std::string kStateFile = "/home/ORV/orv_test.cfg";

class BenchWindow : public SftpServerTest {
protected:
  void SetUp() override {
    SftpServerTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    benchApplication();  // before any timer of the test's own
    layOutBenchBoard(box);
  }
  // Starts the card, builds the window and shows it; in stage 0 applies the page as it is.
  void startBench(const std::string& card = kBenchCard) {
    sim = std::make_unique<BusSimulator>(box, card, kBenchCardDevice);
    ASSERT_TRUE(sim->ready());
    window = benchWindow();
    window->show();
    if (window->networkPage())
      QTest::mouseClick(window->networkPage()->findChild<QPushButton*>("pB_ApllyNetworkConf"),
                        Qt::LeftButton);
    ASSERT_TRUE(waitRunEnd(*window));
  }

  TestSandbox box;
  std::unique_ptr<BusSimulator> sim;
  std::unique_ptr<MainWindow> window;
};

TEST_F(BenchWindow, PassedFirstRunWritesTheStateAndArmsTheReboot) {
  startBench();
  const std::vector<std::string> lines = resultLines(*window);
  std::string missing;
  EXPECT_TRUE(inOrder(lines,
                      {"Espace de Stockage (libre/total): 55Mo/100Mo",
                       "Date/Heure du ORV: 14/03/2025 09:3*", "Dongle USB WIFI branché OK",
                       "Réseau WIFI configuré OK", "Câble Réseau Ethernet branché/configuré OK",
                       "Connection vers VOREDANE réussi, Internet port 22 OK",
                       "Démarrage du test ECRITURE/LECTURE NAND",
                       "Test écriture fichier ORV_TEST.MSR de 256 lignes contenant 256 valeurs",
                       "Test Lecture fichier de 256 lignes OK",
                       "Connection vers VOREDANE OK, Test TRANSFERT VOREDANE ...",
                       "Fichier ORV_TEST.MSR transféré sur VOREDANE OK",
                       "Librairie NORFLUID installée OK",
                       "Test GPIO des sorties RELAIS et entrées TOR pour 40 secondes",
                       "Modul MesureV2 version:10.2 Détecté OK", "AutoTest Terminer!",
                       "Test ORV 1/3 términé, redémarrage ORV... dans 5 secondes"},
                      &missing))
      << "missing or out of order: " << missing;
  EXPECT_EQ(box.read(kStateFile), "1\n0\n127.0.0.1\n");
  EXPECT_TRUE(window->rebootTimer.isActive());
  EXPECT_EQ(window->rebootTimer.interval(), 5000);
  EXPECT_TRUE(window->rebootTimer.isSingleShot());

  const std::vector<std::string> sent = splitLines(server_.read("ORV/tests_orv/orv_test.msr"));
  ASSERT_EQ(sent.size(), 256u);
  std::string line3 = "14/03/2025_09:3";
  EXPECT_EQ(sent[3].rfind(line3, 0), 0u) << sent[3];
  std::string values;
  for (int k = 0; k < 256; ++k) values += "3;0.60;";
  EXPECT_EQ(sent[3].substr(sent[3].find(';')), ";3;" + values);
  EXPECT_FALSE(box.exists("/home/orv_test.msr"));

  const std::string calls = box.platformCalls();
  EXPECT_NE(calls.find("ioctl rs485_Ctrl 1\nioctl rs485_Ctrl 0\n"), std::string::npos);
  EXPECT_FALSE(box.exists("/home/ORV/config.conf"));
  saveScreen(window.get(), "MainWindow-run1-passed");
}

TEST_F(BenchWindow, CardProbesMissingFailRunTwo) {
  box.write(kStateFile, "1\n0\n127.0.0.1\n");
  startBench("module 1 mesv2 configured=1 version=10.2 t_outlet=999.0 t_inlet=999.0 "
             "t_outside=999.0 weight=-999.0\n");
  EXPECT_TRUE(button(*window, "pB_resetBench")->isVisible());
  for (const char* text : {"ERREUR Sonde PT100 SORTIE, veuillez vérifier!",
                           "ERREUR Sonde PT100 ENTREE, veuillez vérifier!",
                           "ERREUR Sonde PT100 EXTERIEURE, veuillez vérifier!",
                           "ERREUR POIDS Jauge de Contrainte, veuillez vérifier!",
                           "ERREUR Détéctés(s), veuillez vérifier/corriger puis Redémarrer"})
    EXPECT_TRUE(lineIsRed(*window, text)) << text;
  EXPECT_TRUE(button(*window, "pB_reboot")->isVisible());
  EXPECT_EQ(button(*window, "pB_reboot")->text().toStdString(), "ERREUR Détéctés(s) - Redémarrage ORV");
  EXPECT_EQ(box.read(kStateFile), "1\n0\n127.0.0.1\n");
  EXPECT_FALSE(window->rebootTimer.isActive());
  saveScreen(window.get(), "MainWindow-run2-failed");

  // Reset answered No: nothing at all.
  const std::string callsBefore = box.platformCalls();
  const size_t linesBefore = resultLines(*window).size();
  ModalAnswers answers;
  answers.then("&No", "MainWindow-reset-question");
  QTest::mouseClick(button(*window, "pB_resetBench"), Qt::LeftButton);
  QTest::qWait(50);
  ASSERT_EQ(answers.shown.size(), 1u);
  EXPECT_EQ(answers.shown[0].title, "ATTENTION RESET BENCHMARK");
  EXPECT_EQ(answers.shown[0].text, "Lancer le RESET ?!\nveuillez cliquer sur OK pour confirmer le RESET!");
  EXPECT_EQ(resultLines(*window).size(), linesBefore);
  EXPECT_EQ(box.platformCalls(), callsBefore);
  EXPECT_EQ(box.read(kStateFile), "1\n0\n127.0.0.1\n");

  // Yes: the state file goes, a reboot in 2 s, eth0 back to DHCP.
  answers.then("&Yes");
  QTest::mouseClick(button(*window, "pB_resetBench"), Qt::LeftButton);
  QTest::qWait(50);
  const std::vector<std::string> lines = resultLines(*window);
  std::string missing;
  EXPECT_TRUE(inOrder(lines, {"RESET BENCHMARK, redémarrage du BENCHMARK en mode USINE...",
                              "RESET BENCHMARK, Mise en place configuration du réseau par défaut/usine OK"},
                      &missing))
      << missing;
  EXPECT_FALSE(box.exists(kStateFile));
  EXPECT_TRUE(window->rebootTimer.isActive());
  EXPECT_EQ(window->rebootTimer.interval(), 2000);
  const std::string interfaces = box.read("/etc/network/interfaces");
  EXPECT_EQ(interfaces.substr(interfaces.size() - 22), "iface eth0 inet dhcp\n\n");
  saveScreen(window.get(), "MainWindow-reset-done");
}

TEST_F(BenchWindow, ThirdPassedRunHandsTheBoardToOrvQT) {
  for (const char* stage : {"2", "5"}) {
    SCOPED_TRACE(stage);
    box.write(kStateFile, std::string(stage) + "\n0\n127.0.0.1\n");
    box.write("/home/ORV/orv_starter", "#!/bin/sh\nORV_BIN_NAME=orv_test\n");
    box.write("/platform_calls.log", "");
    startBench();
    EXPECT_EQ(box.read("/home/ORV/orv_starter"), "#!/bin/sh\nORV_BIN_NAME=orvQT\n");
    EXPECT_FALSE(box.exists(kStateFile));
    const std::vector<std::string> lines = resultLines(*window);
    std::string missing;
    EXPECT_TRUE(inOrder(lines, {"AutoTest Terminer!", "Adresse MAC du ORV: 02:00:00:00:00:42",
                                "Test ORV términé, le prochain redémarrage lancera l'application ORV",
                                "Mise en place configuration du réseau par défaut/usine OK"},
                        &missing))
        << missing;
    EXPECT_EQ(box.read("/etc/network/interfaces"),
              staticInterfaces("192.168.1.48", "255.255.255.0", "192.168.1.1"));
    EXPECT_EQ(networkCalls(box), (std::vector<std::string>{"ifconfig wlan0 down", "ifconfig eth0 down",
                                                           "networking stop", "networking restart"}));
    EXPECT_TRUE(window->rebootTimer.isActive());
    EXPECT_EQ(window->rebootTimer.interval(), 5000);
    // The log scrolled to its end shows each of its lines whole, wrapped.
    EXPECT_EQ(cutListLines(window->resultPage()->list()), "");
    if (std::string(stage) == "2") saveScreen(window.get(), "MainWindow-end-of-bench");
    window.reset();
    sim.reset();
  }
}

TEST_F(BenchWindow, RestoreFromTheUsbKeyThenTheEndOfTheBench) {
  box.write(kStateFile, "2\n1\n127.0.0.1\n");
  box.write("/dev/usbDISK", "");
  // A folder name that a shell would read as a second command.
  const std::string folder = "/media/usb_drive/client;touch PWN";
  for (const char* name : {"config.conf", "moy.msr", "journal.log", "interfaces"})
    box.write(folder + "/" + name, std::string("[General]\nCONFIG_SRV_ID=77\n# ") + name + "\n");
  FileDialogAnswers dialogs;
  dialogs.then(box.path(folder));
  startBench();
  ASSERT_NE(window->restorePage(), nullptr);
  EXPECT_EQ(window->pages()->currentWidget(), window->restorePage());
  EXPECT_EQ(dialogs.shown.size(), 1u);
  auto* message = window->restorePage()->findChild<QLabel*>(QStringLiteral("label_msg"));
  ASSERT_NE(message, nullptr);
  EXPECT_EQ(message->text().toStdString(), "Restauration 4 fichier(s) terminée.");
  EXPECT_EQ(box.read("/home/ORV/config.conf"), box.read(folder + "/config.conf"));
  EXPECT_EQ(box.run("find '" + box.root() + "' . -name PWN").out, "");
  for (const std::string& line : splitLines(box.commands()))
    EXPECT_NE(line.rfind("cp ", 0), 0u) << line;
  EXPECT_TRUE(box.exists(kStateFile));  // the bench is not over before Terminer
  saveScreen(window.get(), "MainWindow-usb-restored");

  QTest::mouseClick(window->restorePage()->findChild<QPushButton*>(QStringLiteral("pB_QuitUsb")),
                    Qt::LeftButton);
  QTest::qWait(50);
  EXPECT_EQ(box.read("/home/ORV/orv_starter"), "#!/bin/sh\nORV_BIN_NAME=orvQT\n");
  EXPECT_FALSE(box.exists(kStateFile));
  EXPECT_EQ(box.read("/etc/network/interfaces"),
            staticInterfaces("192.168.1.48", "255.255.255.0", "192.168.1.1"));
  EXPECT_TRUE(window->rebootTimer.isActive());
  EXPECT_EQ(window->rebootTimer.interval(), 5000);
}

TEST_F(BenchWindow, UnwritableStarterFileCancelsTheEnd) {
  box.write(kStateFile, "2\n0\n127.0.0.1\n");
  box.run("rm -f '" + box.path("/home/ORV/orv_starter") + "'");
  box.mkdirs("/home/ORV/orv_starter");
  startBench();
  EXPECT_TRUE(lineIsRed(*window, "ERREUR Modification fichier /home/ORV/orv_starter, redémarrage annulé"));
  EXPECT_EQ(box.read(kStateFile), "2\n0\n127.0.0.1\n");
  EXPECT_TRUE(networkCalls(box).empty());
  EXPECT_FALSE(window->rebootTimer.isActive());
  EXPECT_TRUE(button(*window, "pB_reboot")->isVisible());
  EXPECT_TRUE(button(*window, "pB_resetBench")->isVisible());
  saveScreen(window.get(), "MainWindow-end-refused");
}

TEST_F(BenchWindow, UnwritableStateFileCancelsTheReboot) {
  box.mkdirs(kStateFile);
  startBench();
  EXPECT_TRUE(lineIsRed(*window, "ERREUR Ecriture fichier /home/ORV/orv_test.cfg, redémarrage annulé"));
  EXPECT_EQ(indexOf(resultLines(*window), "Test ORV 1/3 términé, redémarrage ORV... dans 5 secondes"), -1);
  EXPECT_FALSE(window->rebootTimer.isActive());
  EXPECT_TRUE(button(*window, "pB_reboot")->isVisible());
}

}  // namespace
