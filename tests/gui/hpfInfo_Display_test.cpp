// The HPF live view fed as the main window feeds it: the configuration once, then the
// refreshes after the processing passes, with good and faulty sensors and a module that
// stops answering; and the tap that leaves it.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>

#include <climits>
#include <cstring>

#include "hpfInfo_Display.h"
#include "led_Rect.h"
#include "support/hpf_screen_bench.h"
#include "support/text_fits.h"

namespace {

// The live view in the main window's 640x480 page stack, in orvQT's working folder.
struct LiveView : ApplicationFirst {
  LiveView() : cwd(prepareOrvqtWorkDir(box)) {
    stack.resize(640, 480);
    stack.addWidget(&mainScreen);
    stack.show();
    view = new hpfInfo_Display(&stack);
    stack.addWidget(view);
  }
  std::string text(const char* name) const {
    return view->findChild<QLabel*>(QString::fromLatin1(name))->text().toStdString();
  }
  bool visible(const char* name) const {
    return view->findChild<QLabel*>(QString::fromLatin1(name))->isVisible();
  }
  // Lamps in creation order: compressors 1 to 6, then the six state lamps.
  led_Rect* lamp(int i) const { return view->findChildren<led_Rect*>().at(i); }
  static QColor colour(led_Rect* lamp) {
    return lamp->findChild<QLabel*>(QStringLiteral("label_ledColor"))->palette().color(QPalette::Window);
  }
  static QString name(led_Rect* lamp) {
    return lamp->findChild<QLabel*>(QStringLiteral("label_ledName"))->text();
  }
  void saveScreen(const std::string& name) {
    QCoreApplication::processEvents();
    ::saveScreen(&stack, name);
  }

  TestSandbox box;
  WorkingDirectory cwd;
  QStackedWidget stack;
  QWidget mainScreen;  // what the stack shows before the view
  hpfInfo_Display* view;
};

hp_global_config_t configuration() {
  hp_global_config_t cfg = hpfDefaultRecord();
  cfg.ventilPowerKw[0] = 1000;
  cfg.ventilPowerKw[1] = 1500;
  cfg.ventilPowerKw[2] = 500;
  cfg.difUp = 1.5f;
  cfg.difDown = 2.0f;
  cfg.TCmini = 21.5f;
  cfg.regulMode = 2;
  cfg.variateur = 0;
  return cfg;
}

struct Records {
  Records() {
    std::memset(&module, 0, sizeof module);
    std::memset(&plant, 0, sizeof plant);
    module.ventil[0] = module.ventil[1] = module.ventil[2] = 1;
    module.compressor[0] = module.compressor[2] = 1;
    module.marcheArret = 1;
    module.hpFlottante = 1;
    module.consigneCalculee = 35.0f;
    module.variaOut_V = 6.4f;
    module.variaOut_mA = 12.0f;
    plant.compressorsRunning = 1;
  }
  hp_toORV_data_t module;
  orv_toHP_datas_t plant;
};

}  // namespace

TEST(hpfInfo_Display, ShowsTheModuleAndItsProblems) {
  LiveView live;
  hp_global_config_t cfg = configuration();
  live.view->OnSet_HPF_Config(cfg, 1, 2.1f);
  live.stack.setCurrentWidget(live.view);
  EXPECT_TRUE(live.view->pageShown);
  Records r;
  live.view->UpdateMesureValues(0, 12.34f, 0, 15.2f, 38.76f, true, r.module, r.plant);
  const struct {
    const char *label, *text;
  } shown[] = {{"label_NumVentilON", "3 / 8"},      {"label_Puissance", "3000"},
               {"label_ConsHPF", "35"},             {"label_ConsPlusDiffUp", "36.5"},
               {"label_ConsMoinsDiffDown", "33"},   {"label_tempExt", "12.3"},
               {"label_Pression", "(15.2 bar)"},    {"label_PressionTemp", "38.8"},
               {"label_PasVariaUnit", "V"},         {"label_PasVariaVal", "6.4"},
               {"label_hpfFirmware", "HPF v2.1"},   {"label_consigne", "Consigne\nCalculee"},
               {"label_DiffUp", "1.5"},             {"label_DiffDown", "2"},
               {"label_TCmini", "21.5"},            {"label_errorCom", ""}};
  for (const auto& s : shown) EXPECT_EQ(live.text(s.label), s.text) << s.label;
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(LiveView::colour(live.lamp(i)), QColor(i == 0 || i == 2 ? Qt::green : Qt::gray)) << i;
  EXPECT_EQ(LiveView::name(live.lamp(0)), "Comp_1");
  EXPECT_EQ(LiveView::name(live.lamp(10)), "HP Flottante");
  EXPECT_EQ(LiveView::colour(live.lamp(10)), QColor(Qt::green));
  EXPECT_FALSE(live.lamp(9)->isVisible()) << "RESERVE";
  EXPECT_EQ(LiveView::colour(live.lamp(11)), QColor(Qt::green)) << "Compresseur(s) ORV";
  live.saveScreen("hpfInfo_Display_running");

  // Both sensors faulty and the module reported absent.
  live.view->UpdateMesureValues(1, 12.34f, 1, 15.2f, 38.76f, false, r.module, r.plant);
  EXPECT_EQ(live.text("label_errorCom"), "Probleme RS485:\n- cap_TEMP-EXT\n- cap_HP\n- mod_HPF");
  EXPECT_EQ(live.text("label_tempExt"), "***");
  EXPECT_EQ(live.text("label_Pression"), "***");
  EXPECT_EQ(live.text("label_PressionTemp"), "38.8");
  for (int i : {0, 2, 6, 10}) EXPECT_EQ(LiveView::colour(live.lamp(i)), QColor(i == 10 ? Qt::red : Qt::gray)) << i;
  EXPECT_EQ(LiveView::name(live.lamp(10)), "Mode Secours");
  EXPECT_EQ(LiveView::colour(live.lamp(11)), QColor(Qt::green));
  EXPECT_EQ(live.text("label_Puissance"), "0");
  EXPECT_EQ(live.text("label_PasVariaVal"), "0");
  EXPECT_EQ(live.text("label_ConsHPF"), "35");
  EXPECT_EQ(live.text("label_NumVentilON"), "3 / 8");
  live.saveScreen("hpfInfo_Display_problems");

  // Two stages at the largest stage power: the sum does not overflow.
  cfg.ventilPowerKw[0] = cfg.ventilPowerKw[1] = INT_MAX;
  r.module.ventil[2] = 2;  // a byte of 2 is not "on"
  live.view->OnSet_HPF_Config(cfg, 1, 2.1f);
  live.view->UpdateMesureValues(0, 1.0f, 0, 1.0f, 1.0f, true, r.module, r.plant);
  EXPECT_EQ(live.text("label_Puissance"), "4294967294");
  EXPECT_EQ(live.text("label_NumVentilON"), "2 / 8");

  QSignalSpy exit(live.view, SIGNAL(OnHPSinfoExit()));
  QTest::mouseClick(live.view->findChild<QPushButton*>(QStringLiteral("exitButton")), Qt::LeftButton);
  EXPECT_EQ(exit.count(), 1);
  live.stack.setCurrentWidget(&live.mainScreen);
  EXPECT_FALSE(live.view->pageShown);
}

TEST(hpfInfo_Display, SetPointCaptionAndVariatorOutput) {
  const struct {
    uint8_t compOnInfo, running, compressor1;
    const char* caption;
  } captions[] = {{0, 0, 1, "Consigne\nArret"},    {0, 1, 0, "Consigne\nCalculee"},
                  {1, 1, 0, "Consigne\nArret"},    {1, 0, 1, "Consigne\nCalculee"},
                  {2, 0, 0, "Consigne\nCalculee"}};
  for (const auto& c : captions) {
    LiveView live;
    hp_global_config_t cfg = configuration();
    cfg.compOnInfoMode = c.compOnInfo;
    live.view->OnSet_HPF_Config(cfg, 0, 3.0f);
    live.stack.setCurrentWidget(live.view);
    Records r;
    r.plant.compressorsRunning = c.running;
    r.module.compressor[0] = c.compressor1;
    r.module.compressor[2] = 0;
    live.view->UpdateMesureValues(0, 0, 0, 0, 0, true, r.module, r.plant);
    EXPECT_EQ(live.text("label_consigne"), c.caption) << int(c.compOnInfo);
    EXPECT_EQ(live.text("label_hpfFirmware"), "HPF v3");
  }

  const struct {
    uint8_t regulMode, variateur;
    bool shown;
    const char *unit, *value;
  } outputs[] = {{0, 0, false, "mA", "0"}, {2, 0, true, "V", "6.4"}, {1, 1, true, "mA", "12.0"}};
  for (const auto& o : outputs) {
    LiveView live;
    hp_global_config_t cfg = configuration();
    cfg.regulMode = o.regulMode;
    cfg.variateur = o.variateur;
    live.view->OnSet_HPF_Config(cfg, 0, 2.1f);
    live.stack.setCurrentWidget(live.view);
    Records r;
    live.view->UpdateMesureValues(0, 0, 0, 0, 0, true, r.module, r.plant);
    EXPECT_EQ(live.visible("label_PasVariaVal"), o.shown) << int(o.regulMode);
    EXPECT_EQ(live.visible("label_PasVariaUnit"), o.shown) << int(o.regulMode);
    EXPECT_EQ(live.text("label_PasVariaUnit"), o.unit) << int(o.regulMode);
    EXPECT_EQ(live.text("label_PasVariaVal"), o.value) << int(o.regulMode);
  }
}

// Created while the module was not connected: no configuration, four stages in total.
TEST(hpfInfo_Display, WithoutConfiguration) {
  LiveView live;
  live.stack.setCurrentWidget(live.view);
  Records r;
  r.module.hpFlottante = 0;
  live.view->UpdateMesureValues(0, 20.0f, 0, 12.0f, 30.0f, true, r.module, r.plant);
  EXPECT_EQ(live.text("label_NumVentilON"), "3 / 4");
  EXPECT_EQ(live.text("label_Puissance"), "0");
  EXPECT_EQ(live.text("label_hpfFirmware"), "HPF v0");
  EXPECT_FALSE(live.visible("label_PasVariaVal"));
  EXPECT_EQ(LiveView::name(live.lamp(10)), "Mode Secours");
  EXPECT_EQ(LiveView::colour(live.lamp(10)), QColor(Qt::red));
  live.saveScreen("hpfInfo_Display_unconfigured_emergency_mode");
}

// Every caption, value and lamp name whole at the panel's sizes in every language, with the
// longest problem list. The background picture and the page-wide exit button lie under and
// over every text by design: they are hidden for the look.
TEST(hpfInfo_Display, EveryTextIsWholeInEveryLanguage) {
  testApplication();
  for (const char* code : kPanelLanguages) {
    SCOPED_TRACE(code);
    PanelLanguage language(code);
    ASSERT_TRUE(language.loaded);
    {
      LiveView live;
      hp_global_config_t cfg = configuration();
      live.view->OnSet_HPF_Config(cfg, 1, 2.1f);
      live.stack.setCurrentWidget(live.view);
      Records r;
      live.view->UpdateMesureValues(1, -12.34f, 1, 115.2f, -38.76f, false, r.module, r.plant);
      if (std::string(code) == "de") live.saveScreen("hpfInfo_Display_problems-de");
      live.view->findChild<QLabel*>(QStringLiteral("label_image"))->hide();
      live.view->findChild<QPushButton*>(QStringLiteral("exitButton"))->hide();
      QCoreApplication::processEvents();
      EXPECT_EQ(cutLabels(live.view), "");
    }
  }
}
