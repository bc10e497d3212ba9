// The HPF configuration wizard on the simulated module: the walk through its pages and
// their Next flag, and the send that saves the section only once the module acknowledged
// it (backup record given back on a failure, kept in step with acknowledged sends), with
// an absent module, a skipped file write, a busy client lock and a wizard built without
// the store.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include <cstring>

#include "ZuvVirtualKeyboard.h"
#include "lock_holder.h"
#include "support/hpf_screen_bench.h"

namespace {

using Bytes = std::vector<unsigned char>;

const char kSentAndSaved[] =
    "OK Configuration <font color='blue'>Sauvegardee et Envoyee</font> au Module-HPF.";
const char kSendFailed[] =
    "<font color='red'>ERREUR de l'envoie de la configuration au Module-HPF</font>. Veuillez "
    "<font color='red'>REESSAYER/RENVOYER SVP</font>.";

void click(QWidget* w) {
  ASSERT_NE(w, nullptr);
  QTest::mouseClick(w, Qt::LeftButton);
}

// Walks with Next or Prev until page `to`.
void walkTo(WizardHost& host, int to) {
  while (host.page() < to) click(host.button("SUIVANT"));
  while (host.page() > to) click(host.button("PRECEDENT"));
  ASSERT_EQ(host.page(), to);
}

// Types `text` into stage `stage` on page 1.
void typeStagePower(WizardHost& host, int stage, const char* text) {
  walkTo(host, 1);
  host.find<QSpinBox>("spinBox_VentilNum")->setValue(stage);
  auto* watts = host.find<QLineEdit>("lineEdit_watts");
  watts->clear();
  QTest::keyClicks(watts, text);
}

std::string sendFromPage8(WizardHost& host) {
  walkTo(host, 8);
  click(host.find<QPushButton>("pushButton_SaveSendCgf"));
  EXPECT_TRUE(host.find<QPushButton>("pushButton_SaveSendCgf")->isEnabled());
  return host.find<QLabel>("label_message")->text().toStdString();
}

Bytes recordBytes(const hp_global_config_t& r) {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(&r);
  return Bytes(p, p + sizeof r);
}

}  // namespace

TEST(cConfHPF, WalkOfThePagesFollowsTheNextFlag) {
  HpfScreenBench bench;
  ASSERT_TRUE(bench.ready());
  WizardHost host;
  cConfHPF* wizard = host.open();
  QSignalSpy timeouts(wizard, SIGNAL(OnReloadConfTimerSignal(int)));
  QPushButton* next = host.button("SUIVANT");
  QPushButton* prev = host.button("PRECEDENT");
  ASSERT_NE(host.button("QUITTER"), nullptr);
  EXPECT_EQ(host.page(), 0);
  EXPECT_TRUE(next->isVisible() && next->isEnabled());
  EXPECT_FALSE(prev->isVisible() || prev->isEnabled());
  host.saveScreen("cConfHPF_page0_connected");

  const char* names[] = {nullptr, "page1_stages", "page2_variator", "page3_compressor_source",
                         "page4_condenser", "page5_tc_mini", "page6_differentials",
                         "page7_night_mode", "page8_send"};
  for (int i = 1; i <= 8; ++i) {
    click(next);
    EXPECT_EQ(host.page(), i);
    EXPECT_TRUE(prev->isVisible() && prev->isEnabled());
    host.saveScreen(std::string("cConfHPF_") + names[i]);
  }
  EXPECT_FALSE(next->isVisible());
  click(prev);
  EXPECT_EQ(host.page(), 7);
  EXPECT_TRUE(next->isVisible() && next->isEnabled());
  click(next);

  click(host.find<QPushButton>("pushButton_ParamsCompl"));
  EXPECT_EQ(host.page(), 9);
  EXPECT_TRUE(next->isVisible());
  host.saveScreen("cConfHPF_page9_delays");
  click(next);
  host.saveScreen("cConfHPF_page10_step_constants");
  click(next);
  EXPECT_EQ(host.page(), 11);
  EXPECT_FALSE(next->isVisible());
  host.saveScreen("cConfHPF_page11_serial_speeds");
  click(prev);
  EXPECT_EQ(host.page(), 10);
  EXPECT_FALSE(next->isVisible() || next->isEnabled()) << "Next comes back only through page 9";
  host.pages()->setCurrentIndex(11);
  click(host.find<QPushButton>("pushButton_SendSave"));
  EXPECT_EQ(host.page(), 8);
  EXPECT_FALSE(next->isVisible());
  EXPECT_TRUE(host.find<QLabel>("label_message")->text().isEmpty());

  // One 300000 ms request per page left: pages 0 to 7, then 8, 7, 8, 9, 10, 11, 10, 11.
  EXPECT_EQ(timeouts.count(), 16);
  for (const QList<QVariant>& args : timeouts) EXPECT_EQ(args.at(0).toInt(), 300000);
}

// With the keyboard up, its keys are a finger high and every control of every page (page
// 0 with its search group, as an absent module shows it) lies whole above the keyboard:
// inside its page and every frame around it, none cut off, none under a key.
TEST(cConfHPF, EveryControlOfEveryPageStaysInViewAboveTheKeyboard) {
  HpfScreenBench bench;
  ASSERT_TRUE(bench.ready());
  WizardHost host;
  cConfHPF* wizard = host.open();
  click(host.find<QPushButton>("btnKeyboard"));
  auto* keyboard = wizard->findChild<ZuvVirtualKeyboard*>();
  ASSERT_NE(keyboard, nullptr);
  ASSERT_TRUE(keyboard->isVisible());
  for (const char* searchGroup : {"label_2", "spinBox_busID", "pushButton_searchHPF"})
    host.find<QWidget>(searchGroup, 0)->show();

  const auto control = [](QWidget* w) {
    return qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
           qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w);
  };
  const auto placeIn = [wizard](QWidget* w) {
    return QRect(w->mapTo(wizard, QPoint(0, 0)), w->size());
  };
  std::string hidden;
  for (int i = 0; i < host.pages()->count(); ++i) {
    host.pages()->setCurrentIndex(i);
    QCoreApplication::processEvents();
    const int keyboardTop = placeIn(keyboard).top();
    QWidget* page = host.pages()->widget(i);
    for (QWidget* w : page->findChildren<QWidget*>()) {
      if (!control(w) || !w->isVisible() || (w->parentWidget() && control(w->parentWidget())))
        continue;
      QRect shown = placeIn(w);
      for (QWidget* frame = w->parentWidget(); frame != wizard; frame = frame->parentWidget())
        shown &= placeIn(frame);
      if (shown != placeIn(w) || shown.bottom() >= keyboardTop) {
        const QRect r = placeIn(w);
        hidden += "page " + std::to_string(i) + " " + w->objectName().toStdString() + " at " +
                  std::to_string(r.y()) + ".." + std::to_string(r.bottom()) + ", keyboard from " +
                  std::to_string(keyboardTop) + "\n";
      }
    }
    host.saveScreen("cConfHPF_page" + std::to_string(i) + "_under_the_keyboard");
  }
  EXPECT_EQ(hidden, "");
  // The whole keyboard on the 480-pixel panel, each key a finger high: no page may ask for
  // more height than the panel leaves it.
  const QRect panel(0, 0, 640, 480);
  EXPECT_LE(wizard->minimumSizeHint().height(), panel.height());
  for (QPushButton* key : keyboard->findChildren<QPushButton*>()) {
    if (!key->isVisible()) continue;
    EXPECT_GE(key->height(), 40) << key->objectName().toStdString();
    EXPECT_TRUE(panel.contains(placeIn(key))) << key->objectName().toStdString();
  }
}

// A wizard shown again starts on page 0 with the edits of before; the keyboard button
// toggles the keyboard; Quit deletes the keyboard and asks to be left.
TEST(cConfHPF, ShownAgainKeyboardAndQuit) {
  HpfScreenBench bench;
  ASSERT_TRUE(bench.ready());
  WizardHost host;
  cConfHPF* wizard = host.open();
  typeStagePower(host, 2, "750");
  walkTo(host, 3);
  wizard->hide();
  wizard->show();
  EXPECT_EQ(host.page(), 0);
  walkTo(host, 1);
  host.find<QSpinBox>("spinBox_VentilNum")->setValue(2);
  EXPECT_EQ(host.find<QLineEdit>("lineEdit_watts")->text(), "750");

  QWidget* keyboard = wizard->findChild<ZuvVirtualKeyboard*>();
  ASSERT_NE(keyboard, nullptr);
  EXPECT_FALSE(keyboard->isVisible());
  QPushButton* keyboardButton = host.find<QPushButton>("btnKeyboard");
  click(keyboardButton);
  EXPECT_TRUE(keyboard->isVisible());
  host.saveScreen("cConfHPF_page1_keyboard");
  click(keyboardButton);
  EXPECT_FALSE(keyboard->isVisible());

  QSignalSpy cancel(wizard, SIGNAL(OnBtnCancelSignal()));
  click(host.button("QUITTER"));
  EXPECT_EQ(cancel.count(), 1);
  EXPECT_EQ(wizard->findChild<ZuvVirtualKeyboard*>(), nullptr);
}

// Failed send first (the client gets its record back, the file stays), then an
// acknowledged one (the section is written), then a failed one after a new edit: the client
// gets the acknowledged record back, not the one read when the wizard was built.
TEST(cConfHPF, SendSavesOnlyWhatTheModuleAcknowledged) {
  HpfScreenBench bench;
  ASSERT_TRUE(bench.ready());
  WizardHost host;
  host.open();
  typeStagePower(host, 3, "1500");

  bench.sim->command("fault 5 silent");
  std::string fileBefore = bench.configText();
  Bytes clientBefore = recordBytes(bench.clientRecord());
  EXPECT_EQ(sendFromPage8(host), kSendFailed);
  host.saveScreen("cConfHPF_page8_send_failed");
  EXPECT_EQ(bench.configText(), fileBefore);
  EXPECT_EQ(recordBytes(bench.clientRecord()), clientBefore);

  bench.sim->command("fault 5 none");
  size_t writesBefore = bench.configWrites().size();  // the silent send's three tries
  EXPECT_EQ(sendFromPage8(host), kSentAndSaved);
  host.saveScreen("cConfHPF_page8_sent_and_saved");
  EXPECT_TRUE(bench.configHas("Module_HPF", "z0_HPF_CONFIG_V_MP_Kw_2=1500")) << bench.configText();
  EXPECT_TRUE(bench.configHas("Module_HPF", "z0_HPF-CONFIG_ISCONFIGIRED=1"));
  ASSERT_EQ(bench.configWrites().size(), writesBefore + 1);
  const Bytes wire = bench.lastRequest(5, 'j');
  ASSERT_EQ(wire.size(), 145u) << "138-byte record and the trailing 00";
  EXPECT_EQ(wire[6], 0x01) << "configured flag";
  EXPECT_EQ(Bytes(wire.begin() + 6 + 9, wire.begin() + 6 + 13), (Bytes{0xDC, 0x05, 0x00, 0x00}));
  EXPECT_NE(bench.sim->log().find("received configuration: configured=1 stage_kw=0,0,1500,0,"),
            std::string::npos);

  typeStagePower(host, 3, "1700");
  bench.sim->command("fault 5 silent");
  fileBefore = bench.configText();
  clientBefore = recordBytes(bench.clientRecord());
  EXPECT_EQ(sendFromPage8(host), kSendFailed);
  EXPECT_EQ(bench.clientRecord().ventilPowerKw[2], 1500);
  EXPECT_EQ(recordBytes(bench.clientRecord()), clientBefore);
  EXPECT_EQ(bench.configText(), fileBefore);
  bench.sim->command("fault 5 none");
  EXPECT_EQ(sendFromPage8(host), kSentAndSaved);
  EXPECT_TRUE(bench.configHas("Module_HPF", "z0_HPF_CONFIG_V_MP_Kw_2=1700"));
}

// A module reported absent gets nothing: the red text at once, nothing sent or saved.
TEST(cConfHPF, SendToAnAbsentModuleIsRefused) {
  HpfScreenBench bench;
  ASSERT_TRUE(bench.ready());
  WizardHost host;
  host.open();
  bench.hpf()->HPFdisconnect(0);
  std::string fileBefore = bench.configText();
  EXPECT_EQ(sendFromPage8(host), kSendFailed);
  EXPECT_TRUE(bench.configWrites().empty());
  EXPECT_EQ(bench.configText(), fileBefore);
}

// An acknowledged send whose file write does not get the store's lock is reported as a
// failure; the next send writes the section.
TEST(cConfHPF, AcknowledgedSendWithoutTheFileWriteIsAFailure) {
  HpfScreenBench bench;
  ASSERT_TRUE(bench.ready());
  WizardHost host;
  host.open();
  typeStagePower(host, 1, "900");
  walkTo(host, 8);
  std::string fileBefore = bench.configText();
  {
    LockHeldElsewhere held([&] { return bench.store->lock_ORVconfig() == 1; },
                           [&] { bench.store->unlock_ORVconfig(); });
    EXPECT_EQ(sendFromPage8(host), kSendFailed);
  }
  EXPECT_EQ(bench.configWrites().size(), 1u);
  EXPECT_NE(bench.sim->log().find("addr=5 received configuration"), std::string::npos);
  EXPECT_EQ(bench.configText(), fileBefore);

  EXPECT_EQ(sendFromPage8(host), kSentAndSaved);
  EXPECT_TRUE(bench.configHas("Module_HPF", "z0_HPF_CONFIG_V_MP_Kw_0=900"));
}

// A send whose client lock (record swap) or store lock (file write) is busy past its
// timeout is a failure, and the file and the client's record stay as they were.
TEST(cConfHPF, SendWithABusyLockLeavesFileAndClientAsTheyWere) {
  struct Case {
    const char* busy;
    size_t writesReachingModule;
  };
  for (const Case& c : {Case{"client", 0}, Case{"store", 1}}) {
    SCOPED_TRACE(c.busy);
    HpfScreenBench bench;
    ASSERT_TRUE(bench.ready());
    WizardHost host;
    host.open();
    typeStagePower(host, 2, "1600");
    walkTo(host, 8);
    const std::string fileBefore = bench.configText();
    const Bytes clientBefore = recordBytes(bench.clientRecord());
    {
      const bool store = std::string(c.busy) == "store";
      LockHeldElsewhere held(
          [&] { return store ? bench.store->lock_ORVconfig() == 1 : bench.hpf()->lock_HPFconfig() == 1; },
          [&] { store ? bench.store->unlock_ORVconfig() : bench.hpf()->unlock_HPFconfig(); });
      EXPECT_EQ(sendFromPage8(host), kSendFailed);
    }
    host.saveScreen(std::string("cConfHPF_page8_send_") + c.busy + "_busy");
    EXPECT_EQ(bench.configWrites().size(), c.writesReachingModule);
    EXPECT_EQ(bench.configText(), fileBefore);
    EXPECT_EQ(recordBytes(bench.clientRecord()), clientBefore);
  }
}

// Built without the store, the wizard works on the client's record, never on zeros; when
// the client's record cannot be copied either, the send is refused.
TEST(cConfHPF, NoAllZeroRecordIsEverSent) {
  HpfScreenBench bench;
  ASSERT_TRUE(bench.ready());
  orv_classPtr* registry = Singleton<orv_classPtr>::ptr();
  {
    registry->datas = nullptr;
    WizardHost host;
    host.open();
    registry->datas = bench.store.get();
    Bytes client = recordBytes(bench.clientRecord());
    EXPECT_EQ(sendFromPage8(host), kSentAndSaved);
    ASSERT_EQ(bench.configWrites().size(), 1u);
    const Bytes sent = bench.configWrites().back();
    EXPECT_EQ(Bytes(sent.begin() + 1, sent.end()), Bytes(client.begin() + 1, client.end()));
    EXPECT_EQ(Bytes(sent.begin() + 49, sent.begin() + 53), (Bytes{0x00, 0x00, 0x00, 0x42}));
    EXPECT_EQ(Bytes(sent.begin() + 130, sent.end()),
              (Bytes{0x80, 0x25, 0x00, 0x00, 0x80, 0x25, 0x00, 0x00}));
  }
  {
    // The client's lock is held past the first copy: the record is not trusted.
    registry->datas = nullptr;
    WizardHost host;
    {
      LockHeldElsewhere held([&] { return bench.hpf()->lock_HPFconfig() == 1; },
                             [&] { bench.hpf()->unlock_HPFconfig(); });
      host.open();
    }
    registry->datas = bench.store.get();
    EXPECT_EQ(sendFromPage8(host), kSendFailed);
    EXPECT_EQ(bench.configWrites().size(), 1u) << "nothing more sent";
  }
}

// Values of the pages as the module receives them: an out-of-list regulation mode and
// variator type go out as 0 (and the file keeps 0); a "nan" typed for TC mini goes out as
// 0; an empty stage power as 0.
TEST(cConfHPF, PagesLeaveNoInvalidValueInTheSentRecord) {
  HpfScreenBench bench("", "[Module_HPF]\nz0_HPF-CONFIG_RegulMode=3\nz0_HPF-CONFIG_Variateur=7\n"
                           "z0_HPF_CONFIG_V_MP_Kw_0=400\n");
  ASSERT_TRUE(bench.ready());
  WizardHost host;
  host.open();
  typeStagePower(host, 1, "");
  walkTo(host, 2);
  EXPECT_EQ(host.find<QComboBox>("comboBox_RegulType")->currentText(), "Pas de variateur de vitesse");
  EXPECT_EQ(host.find<QComboBox>("comboBox_VariaType")->currentText(), "en Volts");
  host.saveScreen("cConfHPF_page2_mode_out_of_list");
  walkTo(host, 5);
  auto* tcMini = host.find<QLineEdit>("le_tcmini");
  tcMini->clear();
  QTest::keyClicks(tcMini, "nan");
  EXPECT_EQ(sendFromPage8(host), kSentAndSaved);
  const Bytes sent = bench.configWrites().back();
  EXPECT_EQ(sent[101], 0);
  EXPECT_EQ(sent[129], 0);
  EXPECT_EQ(Bytes(sent.begin() + 57, sent.begin() + 61), (Bytes{0, 0, 0, 0}));
  EXPECT_EQ(Bytes(sent.begin() + 1, sent.begin() + 5), (Bytes{0, 0, 0, 0}));
  EXPECT_TRUE(bench.configHas("Module_HPF", "z0_HPF-CONFIG_RegulMode=0"));
  EXPECT_TRUE(bench.configHas("Module_HPF", "z0_HPF_CONFIG_V_MP_Kw_0=0"));
}
