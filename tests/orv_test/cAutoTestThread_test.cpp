// One bench run made by the worker alone: the relays following the spare input, the
// storage test against a file it cannot write, a missing card, and a transfer the server
// refuses.
#include <gtest/gtest.h>

#include <fstream>

#include "orvbus_sim.h"
#include "sftp_test_server.h"
#include "support/bench_run.h"

namespace {

int lineCount(const std::string& text) {
  int n = 0;
  for (char c : text) n += c == '\n';
  return n;
}

TEST(BenchRunWorker, RelaysFollowTheSpareInputDuringTheWatch) {
  TestSandbox box;
  layOutBenchBoard(box);
  BenchRun run;
  const std::vector<std::string> expected = {
      "GPIO TOR RESERVE= 1", "GPIO Relais ALARME NIVEAU BAS sur 1",
      "GPIO Relais ALARME INVERSEUR sur 1", "GPIO Relais ALIM BUS MODULES sur 1"};
  bool followed = false;
  // No server of its own: a name that never resolves keeps it off another test's server.
  run.run("no-such-server.invalid", 40000, [&](BenchRun& r) {
    // The first pass shows every input at rest and drives the relays to 0.
    if (!QTest::qWaitFor([&] { return r.has("GPIO TOR DIPSWITCH_SW2_2= 0"); }, 10000)) return;
    box.write(gpioPinPath(202, "value"), "0");
    followed = QTest::qWaitFor([&] { return r.has(expected.back()); }, 10000);
  });
  ASSERT_TRUE(followed);
  size_t at = 0;
  while (at < run.lines.size() && run.lines[at] != expected[0]) ++at;
  ASSERT_LE(at + 4, run.lines.size());
  EXPECT_EQ(std::vector<std::string>(run.lines.begin() + at, run.lines.begin() + at + 4), expected);
  for (int pin : {136, 138, 135}) EXPECT_EQ(box.read(gpioPinPath(pin, "value")), "1") << pin;
  for (int pin : {138, 135, 136, 230, 232}) EXPECT_EQ(box.read(gpioPinPath(pin, "direction")), "out");
  for (int pin : {200, 201, 202, 41, 42}) EXPECT_EQ(box.read(gpioPinPath(pin, "direction")), "in");
}

TEST(BenchRunWorker, StorageFailuresAndAMissingCardCount) {
  TestSandbox box;
  layOutBenchBoard(box);
  // No card on the port and a server that cannot be found: two errors.
  BenchRun baseline;
  baseline.run("no-such-server.invalid");
  EXPECT_TRUE(baseline.has("ERREUR Aucun Modul MesureV1 ou V2 Détecté"));
  EXPECT_TRUE(baseline.has("ERREUR Aucunne Connection vers VOREDANE, plus de tests réseaux"));
  EXPECT_TRUE(baseline.has("Test Lecture fichier de 256 lignes OK"));
  EXPECT_FALSE(box.exists("/home/orv_test.msr"));  // no server: deleted without a transfer

  box.mkdirs("/home/orv_test.msr");
  BenchRun broken;
  broken.run("no-such-server.invalid");
  EXPECT_TRUE(broken.has("ERREUR Echec Test Ecriture fichier .msr"));
  EXPECT_TRUE(broken.has("ERREUR Echec Test Lecture fichier .msr"));
  EXPECT_EQ(broken.errors, baseline.errors + 2);
}

TEST(BenchRunWorker, UsedStorageUnder45MegabytesIsAFault) {
  TestSandbox box;
  layOutBenchBoard(box);
  const struct { const char* space; bool fault; } cases[] = {
      {"59768832 105906176\n", true},   // 57 of 101 MiB free: 44 used
      {"58720256 105906176\n", false},  // 56 of 101 MiB free: 45 used
  };
  for (const auto& c : cases) {
    box.write("/platform_stub/diskspace", c.space);
    BenchRun run;
    run.run("no-such-server.invalid", 0);
    EXPECT_EQ(run.has("ERREUR Espace de Stockage NAND Inutilisable"), c.fault) << c.space;
  }
}

class BenchTransfer : public SftpServerTest {};

TEST_F(BenchTransfer, RefusedTransferKeepsTheFileAndIsNotCounted) {
  TestSandbox box;
  layOutBenchBoard(box);
  BusSimulator card(box, kBenchCard, kBenchCardDevice);
  ASSERT_TRUE(card.ready());
  chmod(server_.path("ORV/tests_orv").c_str(), 0555);
  BenchRun run;
  run.run("127.0.0.1");
  chmod(server_.path("ORV/tests_orv").c_str(), 0755);
  std::string shown;
  for (const std::string& l : run.lines) shown += l + "\n";
  EXPECT_TRUE(run.has("ERREUR transfert Fichier ORV_TEST.MSR sur VOREDANE")) << shown;
  EXPECT_FALSE(server_.exists("ORV/tests_orv/orv_test.msr"));
  EXPECT_EQ(run.errors, 0);
  EXPECT_EQ(lineCount(box.read("/home/orv_test.msr")), 256);
}

}  // namespace
