// The main measurement screen on the real configuration store: its form, the picture
// chosen by the plant's configuration, the values, marks and alarm texts of a refresh,
// and the hidden tap sequences. Each checked state leaves build/screens/mainScreen-*.png.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTranslator>

#include <algorithm>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ClickableLabel.h"
#include "MesV2Modul.h"
#include "ModulsCenter.h"
#include "Ecran_Orv.h"
#include "orvCfgKeys.h"
#include "orvDatas.h"
#include "orv_classPtr.h"
#include "../bus/support/module_bench.h"
#include "support/orvqt_workdir.h"
#include "support/screen_shot.h"
#include "ui_Ecran_Orv.h"

namespace {

// ---- The form ---------------------------------------------------------------------------

struct FormRow {
  const char* name;
  const char* kind;
  QRect place;
  const char* text;  // nullptr: a progress bar (value 0)
};

const FormRow kForm[] = {
    {"image", "QLabel", {0, 0, 640, 480}, ""},
    {"menuButton", "QPushButton", {517, 10, 100, 45}, "Menu"},
    {"progressBar", "QProgressBar", {480, 291, 131, 20}, nullptr},
    {"date", "QLabel", {90, 5, 421, 20}, "-----"},
    {"poid", "QLabel", {496, 110, 86, 17}, "-----"},
    {"tempEnt", "QLabel", {390, 90, 61, 21}, "-----"},
    {"tempTransAsp", "QLabel", {50, 320, 61, 19}, "-----"},
    {"tempTrans", "QLabel", {399, 219, 75, 19}, "-----"},
    {"pression2", "QLabel", {60, 283, 41, 17}, "-----"},
    {"tempAsp", "QLabel", {52, 368, 61, 17}, "-----"},
    {"enthalpieAsp", "QLabel", {43, 394, 80, 21}, "----"},
    {"tempSC", "QLabel", {42, 341, 80, 21}, "-----"},
    {"puissance", "QLabel", {255, 305, 91, 16}, "-999.99 KW"},
    {"enthalpieLiquide", "QLabel", {255, 330, 111, 20}, "-----"},
    {"debitMassique", "QLabel", {390, 330, 96, 21}, "-----"},
    {"qualite", "QLabel", {300, 380, 100, 20}, "------"},
    {"vitesse", "QLabel", {395, 380, 100, 20}, "------"},
    {"tempLiquide", "QLabel", {395, 285, 62, 17}, "-------"},
    {"tempSRliq", "QLabel", {340, 260, 180, 20}, "-----"},
    {"tempSRlent", "QLabel", {330, 70, 180, 20}, "-----"},
    {"Etat_Alarme", "QLabel", {30, 30, 201, 26}, "-----"},
    {"nombre_tank", "QLabel", {474, 355, 131, 19}, "-----"},
    {"ZMDHP", "QLabel", {15, 425, 201, 23}, nullptr},
    {"label_flasf_gaz", "QLabel", {470, 60, 171, 21}, ""},
    {"ALARME", "QLabel", {260, 25, 190, 32}, "ALARME"},
    {"NivBasConfig", "QLabel", {375, 455, 261, 20}, "1000.00 Kg"},
    {"TempoNivBas", "QLabel", {565, 435, 65, 19}, "180 min"},
    {"NivBasDepuis", "QLabel", {295, 435, 271, 20}, "999j, 23 H : 59 Min : 59 Sec / "},
    {"density_val", "QLabel", {260, 350, 111, 20}, "-----"},
    {"angle", "QLabel", {315, 140, 70, 17}, "-----"},
    {"hauteur", "QLabel", {500, 380, 101, 17}, "-----"},
    {"HPFinfosButton", "QPushButton", {139, 70, 91, 61}, ""},
    {"CPinfosButton", "QPushButton", {10, 400, 220, 71}, ""},
    {"ENERinfosButton", "QPushButton", {0, 210, 71, 100}, ""},
    {"progBar_ThermoRadioBattLevel", "QProgressBar", {10, 10, 110, 14}, nullptr},
    {"FLOWinfosButton", "QPushButton", {240, 400, 200, 71}, ""},
    {"pB_simul2", "QPushButton", {10, 10, 131, 51}, ""},
    {"pB_simul1", "QPushButton", {530, 430, 111, 51}, ""},
    {"progressBar_rejet", "QProgressBar", {230, 50, 12, 80}, nullptr},
    {"label_rejet_pourcent", "QLabel", {140, 40, 91, 30}, ""},
    {"label_rejet_kW", "QLabel", {50, 69, 82, 42}, ""},
    {"tempRefoul", "QLabel", {51, 120, 61, 19}, "------"},
    {"label_StrBattLevel", "QLabel", {130, 10, 71, 12}, "0"},
    {"pressionHP_Gaz", "QLabel", {59, 181, 41, 20}, "-----"},
    {"tempTransHPgaz", "QLabel", {42, 220, 75, 19}, "-----"},
    {"label_pumpdown", "QLabel", {490, 410, 111, 24}, ""},
    {"label_net_state", "QLabel", {330, 443, 32, 32}, ""},
    {"label_rs485_state", "QLabel", {290, 443, 32, 32}, ""},
    {"lab_orvID", "QLabel", {220, 450, 62, 20}, "00000"},
};

// The one span of a rich text: its text, point size and colour.
struct Span {
  QString text;
  int pointSize = 0;
  QString colour;
};
Span onlySpan(const QString& html) {
  QTextDocument doc;
  doc.setHtml(html);
  Span span;
  int fragments = 0;
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      if (it.fragment().text().trimmed().isEmpty()) continue;
      ++fragments;
      span.text = it.fragment().text();
      span.pointSize = it.fragment().charFormat().font().pointSize();
      span.colour = it.fragment().charFormat().foreground().color().name();
    }
  EXPECT_EQ(fragments, 1);
  return span;
}

TEST(Ecran_OrvForm, WidgetsAtTheirPlacesWithTheirTexts) {
  testApplication();
  QWidget bare;
  Ui::Ecran_Orv form;
  form.setupUi(&bare);
  EXPECT_EQ(bare.objectName().toStdString(), "Ecran_Orv");
  EXPECT_EQ(bare.size(), QSize(640, 480));
  EXPECT_EQ(bare.font().family().toStdString(), "DejaVu Sans");
  EXPECT_EQ(bare.font().pointSize(), 12);
  EXPECT_EQ(bare.windowModality(), Qt::ApplicationModal);
  EXPECT_EQ(bare.findChildren<QWidget*>().size(), 49);

  for (const FormRow& row : kForm) {
    SCOPED_TRACE(row.name);
    auto* w = bare.findChild<QWidget*>(QLatin1String(row.name));
    ASSERT_NE(w, nullptr);
    EXPECT_STREQ(w->metaObject()->className(), row.kind);
    EXPECT_EQ(w->geometry(), row.place);
    if (auto* label = qobject_cast<QLabel*>(w)) {
      if (row.text) {
        EXPECT_EQ(label->text().toStdString(), row.text);
      }
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
      EXPECT_EQ(button->text().toStdString(), row.text);
    } else {
      EXPECT_EQ(qobject_cast<QProgressBar*>(w)->value(), 0);
    }
  }
  const Span span = onlySpan(form.ZMDHP->text());
  EXPECT_EQ(span.text.toStdString(), "Alarme Technique");
  EXPECT_EQ(span.pointSize, 14);
  EXPECT_EQ(span.colour.toStdString(), "#ff0000");
  EXPECT_TRUE(form.menuButton->focusPolicy() == Qt::NoFocus);
  EXPECT_TRUE(form.HPFinfosButton->isFlat());
  EXPECT_FALSE(form.ALARME->isEnabled());
  EXPECT_EQ(form.progressBar->orientation(), Qt::Vertical);
}

// ---- The screen on the store --------------------------------------------------------------

// Checks of the screen on a configuration store: keys by keyword, test records, and the
// widgets by object name. The fixtures below give it the store.
class MainScreenChecks : public ::testing::Test {
protected:
  static void SetUpTestSuite() { testApplication(); }

  // Stores `value` in key `keyword` by the key's type.
  void setKey(const char* keyword, const std::string& value) {
    const int id = orvDatas::getCFG_ID_fromKeyString(keyword);
    ASSERT_GE(id, 0) << keyword;
    int i = std::atoi(value.c_str());
    float f = std::strtof(value.c_str(), nullptr);
    char c = value.empty() ? 0 : value[0];
    switch (cfgKeyType(id)) {
      case CFG_INT: ASSERT_EQ(store->setCFG_struct(id, &i), 1); break;
      case CFG_FLOAT: ASSERT_EQ(store->setCFG_struct(id, &f), 1); break;
      case CFG_CHAR: ASSERT_EQ(store->setCFG_struct(id, &c), 1); break;
      default: ASSERT_EQ(store->setCFG_struct(id, value.c_str()), 1);
    }
  }
  void setKeys(std::initializer_list<std::pair<const char*, const char*>> keys) {
    for (const auto& k : keys) setKey(k.first, k.second);
  }

  // A record as the processing thread publishes it: a plant running with plausible
  // readings, then `fields` by measurement index, set in the store; the main window's
  // copy of it. All sensor states 0, the V2 card connected.
  struct_mesure record(std::initializer_list<std::pair<int, double>> fields) {
    const std::pair<int, double> plant[] = {
        {504, 172.96}, {507, 500}, {523, 1},   {578, 35.0},  {586, 1.1},   {591, 250.3},
        {593, 34.5},   {608, -8.0}, {621, 370.2}, {624, 14.2}, {625, 2.5},   {626, 29.0},
        {627, 31.5},   {628, 18.0}, {629, -2.0},  {630, 71.5}, {632, 14.0}};
    auto set = [this](int index, double value) {
      const float asFloat = float(value);
      const int asInt = int(value);
      const char asChar = char(asInt);
      switch (mesIndexType(index)) {
        case MES_FLOAT: store->setMES_struct(index, &asFloat); break;
        case MES_CHAR: store->setMES_struct(index, &asChar); break;
        default: store->setMES_struct(index, &asInt);
      }
    };
    for (const auto& f : plant) set(f.first, f.second);
    for (const auto& f : fields) set(f.first, f.second);
    struct_mesure m;
    store->get_ORVmesure(m);
    std::fill(std::begin(m.modules.sensorFault), std::end(m.modules.sensorFault), 0);
    m.modules.stateMesV2 = 1;
    m.modules.stateMesV1 = 0;
    return m;
  }
  void refresh(Ecran_Orv& screen, std::initializer_list<std::pair<int, double>> fields = {}) {
    struct_mesure m = record(fields);
    screen.UpdateNoyauValues(m);
  }

  QLabel* label(const Ecran_Orv& screen, const char* name) const {
    auto* l = screen.findChild<QLabel*>(QLatin1String(name));
    EXPECT_NE(l, nullptr) << name;
    return l;
  }
  QString text(const Ecran_Orv& screen, const char* name) const { return label(screen, name)->text(); }
  QString style(const Ecran_Orv& screen, const char* name) const {
    return label(screen, name)->styleSheet();
  }
  bool hidden(const Ecran_Orv& screen, const char* name) const {
    return screen.findChild<QWidget*>(QLatin1String(name))->isHidden();
  }
  QProgressBar* bar(const Ecran_Orv& screen, const char* name) const {
    return screen.findChild<QProgressBar*>(QLatin1String(name));
  }
  QPushButton* button(const Ecran_Orv& screen, const char* name) const {
    return screen.findChild<QPushButton*>(QLatin1String(name));
  }
  // Whether `picture` of gui_images/ is what the label shows.
  static bool shows(const QLabel* l, const char* picture) {
    const QImage shown = l->pixmap(Qt::ReturnByValue).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage file = QImage(QStringLiteral("gui_images/") + QLatin1String(picture))
                            .convertToFormat(QImage::Format_ARGB32);
    return !file.isNull() && shown == file;
  }

  // Each plate of the screen (named after its value, "_plate") shows only while its value
  // shows a text, lies at that value, and under no other drawing: a bar, a button with a
  // face or an icon. The values that read on plates are those written in red, green or
  // light brown.
  void expectPlatesFollowTheirValues(Ecran_Orv& screen) const {
    QStringList plated;
    std::vector<QWidget*> plates;
    for (QWidget* w : screen.findChildren<QWidget*>())
      if (w->objectName().endsWith(QLatin1String("_plate"))) plates.push_back(w);
    std::vector<QWidget*> drawings;
    for (QWidget* w : screen.findChildren<QWidget*>()) {
      if (!w->isVisible()) continue;
      auto* button = qobject_cast<QPushButton*>(w);
      auto* icon = qobject_cast<QLabel*>(w);
      if (qobject_cast<QProgressBar*>(w) || (button && !button->isFlat()) ||
          (icon && icon->objectName() != QLatin1String("image") &&
           !icon->pixmap(Qt::ReturnByValue).isNull()))
        drawings.push_back(w);
    }
    for (QWidget* plate : plates) {
      const QString name = plate->objectName().chopped(6);
      plated << name;
      SCOPED_TRACE(name.toStdString());
      QLabel* value = screen.findChild<QLabel*>(name);
      ASSERT_NE(value, nullptr);
      if (!plate->isVisibleTo(&screen)) continue;
      EXPECT_TRUE(value->isVisibleTo(&screen));
      EXPECT_FALSE(value->text().isEmpty());
      EXPECT_TRUE(value->geometry().adjusted(-6, -6, 6, 6).contains(plate->geometry()))
          << "plate at " << plate->x() << ", " << plate->y();
      for (QWidget* drawing : drawings)
        EXPECT_FALSE(plate->geometry().intersects(drawing->geometry()))
            << "under " << drawing->objectName().toStdString();
    }
    plated.sort();
    EXPECT_EQ(plated.join(QLatin1Char(' ')).toStdString(),
              "ALARME ZMDHP density_val enthalpieLiquide hpPressureLabel label_flasf_gaz "
              "label_rejet_pourcent poid pressionHP_Gaz tempEnt tempLiquide tempTrans "
              "tempTransHPgaz");
  }

  // Whether the plate of `value` shows (false where it has none).
  static bool plateShown(const Ecran_Orv& screen, const char* value) {
    auto* plate = screen.findChild<QWidget*>(QLatin1String(value) + QStringLiteral("_plate"));
    EXPECT_NE(plate, nullptr) << value;
    return plate && plate->isVisible();
  }

  static void saveScreen(Ecran_Orv& screen, const char* state) {
    ::saveScreen(&screen, std::string("mainScreen-") + state);
  }

  orvDatas* store = nullptr;
  const QString red = QStringLiteral("QLabel { color:#ff0000;}");
  const QString blue = QStringLiteral("QLabel { color:#0000ff;}");
};

// The store alone, as on a controller without modules.
class MainScreen : public MainScreenChecks {
protected:
  void SetUp() override {
    ownStore = std::make_unique<orvDatas>();
    store = ownStore.get();
    Singleton<orv_classPtr>::ptr()->datas = store;
  }
  void TearDown() override { Singleton<orv_classPtr>::ptr()->datas = nullptr; }

  TestSandbox sandbox;
  WorkingDirectory cwd{prepareOrvqtWorkDir(sandbox)};
  std::unique_ptr<orvDatas> ownStore;
};

TEST_F(MainScreen, ConstructionPlacesAndHidesTheRunTimeWidgets) {
  Ecran_Orv screen;
  for (const char* name : {"outsideTempLabel", "hpPressureLabel"}) {
    SCOPED_TRACE(name);
    auto* value = screen.findChild<ClickableLabel*>(QLatin1String(name));
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->text().toStdString(), "------");
    EXPECT_EQ(value->alignment(), Qt::AlignCenter);
  }
  EXPECT_EQ(label(screen, "outsideTempLabel")->geometry(), QRect(150, 180, 75, 30));
  EXPECT_EQ(label(screen, "hpPressureLabel")->geometry(), QRect(398, 176, 75, 30));
  for (const char* name : {"FLOWinfosButton", "label_flasf_gaz", "progBar_ThermoRadioBattLevel",
                           "label_StrBattLevel", "progressBar_rejet", "label_rejet_pourcent",
                           "label_rejet_kW", "tempRefoul", "pressionHP_Gaz", "tempSRliq",
                           "tempSRlent"}) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(screen.findChild<QWidget*>(QLatin1String(name))->isHidden());
  }
  EXPECT_EQ(label(screen, "tempRefoul")->geometry(), QRect(51, 120, 61, 20));
  EXPECT_EQ(label(screen, "label_rejet_kW")->geometry(), QRect(50, 69, 82, 42));
  EXPECT_EQ(bar(screen, "progBar_ThermoRadioBattLevel")->minimum(), 295);
  EXPECT_EQ(bar(screen, "progBar_ThermoRadioBattLevel")->maximum(), 400);
  EXPECT_EQ(screen.cursor().shape(), Qt::BlankCursor);
  EXPECT_FALSE(screen.screenShown);
}

// Shown before the first record, the values hold their form's dashes in black: no plate
// lies under them, where they would read black on black.
TEST_F(MainScreen, NoPlateBeforeTheFirstRecord) {
  Ecran_Orv screen;
  screen.show();
  expectPlatesFollowTheirValues(screen);
  for (QWidget* w : screen.findChildren<QWidget*>())
    if (w->objectName().endsWith(QLatin1String("_plate")))
      EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
  saveScreen(screen, "before-first-record");
  struct_mesure m = record({});
  screen.UpdateNoyauValues(m);
  EXPECT_TRUE(plateShown(screen, "tempEnt"));
}

TEST_F(MainScreen, BackgroundFollowsTheConfigurationAtEachShowing) {
  Ecran_Orv screen;
  screen.show();
  EXPECT_TRUE(screen.screenShown);
  EXPECT_TRUE(shows(label(screen, "image"), "ecran5P-1.png"));
  refresh(screen);
  saveScreen(screen, "commissioned");

  // A refresh does not read the picture again; the next showing does.
  setKey("CONFIG_CONDENSEUR_TYPE", "0");
  refresh(screen);
  EXPECT_TRUE(shows(label(screen, "image"), "ecran5P-1.png"));
  screen.hide();
  EXPECT_FALSE(screen.screenShown);
  screen.show();
  EXPECT_TRUE(shows(label(screen, "image"), "ecran5P-1_Echangeur.png"));
  saveScreen(screen, "Echangeur");

  // The other receivers and the refrigerant.
  const struct {
    std::initializer_list<std::pair<const char*, const char*>> keys;
    const char* picture;
  } cases[] = {
      {{{"CONFIG_TANK_TYPE", "H"}, {"CONFIG_CONDENSEUR_TYPE", "1"}}, "ecran5P_test1.png"},
      {{{"CONFIG_FLAG_REFOIDISSEUR", "1"}}, "ecran5P_test3.png"},
      {{{"CONFIG_INCLINAISON_RESERVOIR", "35"}}, "ecran5P_HI_SF.png"},
      {{{"CONFIG_TANK_TYPE", "V"}}, "ecran5P-3.png"},
      {{{"CONFIG_FLUID", "CO2"}, {"CONFIG_CONDENSEUR_TYPE", "0"}}, "ecran5P_trans1.png"},
      {{{"CONFIG_SUBCRITIQUE", "1"}}, "ecran5P_trans1_Echangeur.png"},
      {{{"CONFIG_TRANSCRITIQUE", "0"}}, "ecran5P-3_Echangeur.png"},
      {{{"CONFIG_SUBCRITIQUE", "0"}}, "ecran5P-3.png"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.picture);
    setKeys(c.keys);
    screen.hide();
    screen.show();
    EXPECT_TRUE(shows(label(screen, "image"), c.picture));
  }
  // CO2 without a subcritical mode has no subcooling values.
  EXPECT_TRUE(label(screen, "tempSRliq")->isHidden());
  EXPECT_TRUE(label(screen, "tempSRlent")->isHidden());
}

TEST_F(MainScreen, SensorValuesAndTheirFaultMarks) {
  Ecran_Orv screen;
  screen.show();
  struct_mesure m = record({{624, 14.2}, {626, 29.04}, {627, 31.5}, {628, 12.34}, {578, 35.0}});
  m.modules.sensorFault[624 - 623] = 4;
  m.modules.sensorFault[626 - 623] = 2;
  m.modules.sensorFault[627 - 623] = 3;
  screen.UpdateNoyauValues(m);
  EXPECT_EQ(text(screen, "hpPressureLabel").toStdString(), "* * *");
  EXPECT_EQ(text(screen, "tempLiquide").toStdString(), "- - -");
  EXPECT_EQ(text(screen, "tempEnt").toStdString(), "+ + +");
  for (const char* name : {"hpPressureLabel", "tempLiquide", "tempEnt"}) {
    EXPECT_EQ(style(screen, name), red) << name;
  }
  EXPECT_EQ(text(screen, "outsideTempLabel"), QString::fromUtf8("12.3°C"));
  EXPECT_EQ(style(screen, "outsideTempLabel").toStdString(), "QLabel { color:#0000ff;}");
  saveScreen(screen, "sensorFaults");

  // Every state 0: the values in their colours; the subcooling against the saturation.
  m.modules.sensorFault[624 - 623] = m.modules.sensorFault[626 - 623] = 0;
  m.modules.sensorFault[627 - 623] = 0;
  m.modules.sensorFault[628 - 623] = 1;
  screen.UpdateNoyauValues(m);
  EXPECT_EQ(text(screen, "tempLiquide"), QString::fromUtf8("29.0°C"));
  EXPECT_EQ(style(screen, "tempLiquide").toStdString(), "QLabel { color:#00ff00;}");
  EXPECT_EQ(text(screen, "hpPressureLabel").toStdString(), "14.2");
  EXPECT_EQ(style(screen, "hpPressureLabel"), red);
  EXPECT_EQ(text(screen, "outsideTempLabel").toStdString(), "* * *");
  EXPECT_EQ(text(screen, "tempTrans"), QString::fromUtf8("35.0°C"));
  EXPECT_EQ(text(screen, "tempSRliq").toStdString(), "SR : 6.0 K");
  EXPECT_EQ(text(screen, "tempSRlent").toStdString(), "SR : 3.5 K");
  EXPECT_EQ(style(screen, "tempSRlent").toStdString(), "QLabel { color:#000000;}");
  saveScreen(screen, "sensorValues");

  // A card's invalid-reading marker before its fault flag latches: still a fault mark.
  m = record({{624, 999.0}, {627, 999.0}, {628, 999.0}});
  screen.UpdateNoyauValues(m);
  for (const char* name : {"hpPressureLabel", "tempEnt", "outsideTempLabel"}) {
    EXPECT_EQ(text(screen, name).toStdString(), "* * *") << name;
    EXPECT_EQ(style(screen, name), red) << name;
  }
}

TEST_F(MainScreen, LevelBarAndMassFromOneMeasurementCard) {
  setKey("CONFIG_HEIGHT", "1000");
  Ecran_Orv screen;
  screen.show();
  QProgressBar* level = bar(screen, "progressBar");
  struct_mesure m = record({{507, 500}, {504, 172.96}});
  screen.UpdateNoyauValues(m);
  EXPECT_EQ(level->maximum(), 190);
  EXPECT_EQ(level->value(), 95);
  EXPECT_EQ(level->geometry(), QRect(480, 120, 131, 190));
  EXPECT_EQ(text(screen, "poid").toStdString(), "173.0Kg");
  EXPECT_TRUE(shows(label(screen, "label_rs485_state"), "RS485_green_icon.png"));
  EXPECT_EQ(text(screen, "hauteur").toStdString(), "500 mm");
  EXPECT_TRUE(label(screen, "hauteur")->isHidden());
  saveScreen(screen, "level");

  const struct {
    int level;
    int v2, v1;
    int bar;
    const char* mass;
    const char* busIcon;
  } cases[] = {
      {1000, 1, 0, 190, "173.0Kg", "RS485_green_icon.png"},
      {1500, 0, 1, 190, "173.0Kg", "RS485_green_icon.png"},
      {-1, 1, 0, 0, "0.0 Kg", "RS485_green_icon.png"},
      {500, 1, 1, 0, "0.0 Kg", "RS485_red_icon.png"},
      {500, 0, 0, 0, "0.0 Kg", "RS485_red_icon.png"},
      {500, 2, 0, 0, "0.0 Kg", "RS485_red_icon.png"},  // a lost card
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.level);
    m = record({{507, c.level}});
    m.modules.stateMesV2 = c.v2;
    m.modules.stateMesV1 = c.v1;
    screen.UpdateNoyauValues(m);
    EXPECT_EQ(level->value(), c.bar);
    EXPECT_EQ(text(screen, "poid").toStdString(), c.mass);
    EXPECT_TRUE(shows(label(screen, "label_rs485_state"), c.busIcon));
  }
  // A negative mass empties the bar.
  m = record({{507, 500}, {504, -1.0}});
  screen.UpdateNoyauValues(m);
  EXPECT_EQ(level->value(), 0);
  EXPECT_EQ(text(screen, "poid").toStdString(), "0.0 Kg");
}

TEST_F(MainScreen, TitleIconsAndDeviceId) {
  setKeys({{"CONFIG_CHARGE_FLUIDE", "350"}, {"CONFIG_SRV_ID", "12"}, {"CONFIG_TANK_NUMBER", "3"}});
  Ecran_Orv screen;
  screen.show();
  refresh(screen, {{565, 1}, {566, 1}});
  EXPECT_EQ(text(screen, "date").toStdString(), "Charge Fluide : 350 Kg   Fluide : R404A ");
  EXPECT_TRUE(shows(label(screen, "label_net_state"), "ethernet_on.png"));
  EXPECT_EQ(text(screen, "lab_orvID").toStdString(), "12");
  EXPECT_EQ(text(screen, "nombre_tank").toStdString(), "NB. reservoirs: 3");
  saveScreen(screen, "online");

  refresh(screen, {{565, 1}, {566, 0}});
  EXPECT_TRUE(shows(label(screen, "label_net_state"), "ethernet_off.png"));

  setKeys({{"CONFIG_FLUID", "CO2"}, {"CONFIG_SUBCRITIQUE", "1"}, {"CONFIG_TANK_NUMBER", "1"}});
  screen.hide();
  screen.show();
  refresh(screen);
  EXPECT_EQ(text(screen, "date").toStdString(), "Charge Fluide : 350 Kg   Fluide : CO2  Subcritique");
  EXPECT_EQ(text(screen, "nombre_tank").toStdString(), "NB.reservoir: 1");
  setKey("CONFIG_SUBCRITIQUE", "0");
  screen.hide();
  screen.show();
  refresh(screen);
  EXPECT_EQ(text(screen, "date").toStdString(), "Charge Fluide : 350 Kg   Fluide : CO2  Transcritique");
}

TEST_F(MainScreen, AlarmTexts) {
  Ecran_Orv screen;
  screen.show();
  struct_mesure m = record({});
  QLabel* caption = label(screen, "ALARME");

  const struct {
    int flag;
    const char* text;
    const char* style;
  } states[] = {
      {0, "", "QLabel { color:#ff0000;}"},          {1, "Apprentissage", "QLabel { color:#0000ff;}"},
      {2, "Alarme Stat 1", "QLabel { color:#ff0000;}"}, {3, "Apprentissage", "QLabel { color:#0000ff;}"},
      {4, "Alarme LP", "QLabel { color:#ff0000;}"}, {5, "Apprentissage", "QLabel { color:#0000ff;}"},
      {7, "Alarme Stat 3", "QLabel { color:#ff0000;}"}, {9, "Apprentissage", "QLabel { color:#0000ff;}"},
      {6, "Alarmes 3j + LP", "QLabel { color:#ff0000;}"},
  };
  for (const auto& s : states) {
    SCOPED_TRACE(s.flag);
    setKey("FLAG_ALARM", std::to_string(s.flag));
    screen.UpdateNoyauValues(m);
    EXPECT_EQ(text(screen, "Etat_Alarme").toStdString(), s.text);
    EXPECT_EQ(style(screen, "Etat_Alarme").toStdString(), s.style);
    if (s.flag < 2 || s.flag > 6) {
      EXPECT_TRUE(caption->isHidden());
    }
  }
  // FLAG_ALARM 6: the caption blinks, one refresh on, the next off.
  EXPECT_TRUE(caption->isVisible());
  EXPECT_EQ(caption->text().toStdString(), "ALARME");
  EXPECT_TRUE(label(screen, "ZMDHP")->isHidden());
  expectPlatesFollowTheirValues(screen);
  EXPECT_TRUE(plateShown(screen, "ALARME"));
  saveScreen(screen, "alarm6");
  screen.UpdateNoyauValues(m);
  EXPECT_TRUE(caption->isHidden());
  EXPECT_FALSE(plateShown(screen, "ALARME"));  // the caption's plate blinks with it
  expectPlatesFollowTheirValues(screen);
  saveScreen(screen, "alarm6-blink");
  screen.UpdateNoyauValues(m);
  EXPECT_TRUE(caption->isVisible());

  setKey("FLAG_RECALC_MOYREF", "1");
  screen.UpdateNoyauValues(m);
  EXPECT_EQ(text(screen, "Etat_Alarme").toStdString(), "Recalcul");
  EXPECT_EQ(style(screen, "Etat_Alarme").toStdString(), "QLabel { color:#0018FF;}");

  // A sensor fault: the technical alarm shows and the caption blinks, whatever FLAG_ALARM.
  setKeys({{"FLAG_RECALC_MOYREF", "0"}, {"FLAG_ALARM", "1"}, {"FLAG_ALARM_CAPTEUR", "3"}});
  screen.UpdateNoyauValues(m);
  EXPECT_TRUE(label(screen, "ZMDHP")->isVisible());
  const bool before = caption->isHidden();
  screen.UpdateNoyauValues(m);
  EXPECT_NE(caption->isHidden(), before);
  expectPlatesFollowTheirValues(screen);
  EXPECT_TRUE(plateShown(screen, "ZMDHP"));
  saveScreen(screen, "sensorAlarm");
  // The low-level alarm alone blinks the caption without the technical alarm.
  setKey("FLAG_ALARM_CAPTEUR", "0");
  m = record({{514, 1}});
  screen.UpdateNoyauValues(m);
  EXPECT_TRUE(label(screen, "ZMDHP")->isHidden());
  const bool lowLevelBefore = caption->isHidden();
  screen.UpdateNoyauValues(m);
  EXPECT_NE(caption->isHidden(), lowLevelBefore);
  // Nothing alarmed: both hidden, and their plates with them.
  m = record({{514, 0}});
  screen.UpdateNoyauValues(m);
  EXPECT_TRUE(caption->isHidden());
  EXPECT_TRUE(label(screen, "ZMDHP")->isHidden());
  expectPlatesFollowTheirValues(screen);
  // The machine-stop byte, which nothing sets today, names the caption.
  m.machineStop = 1;
  screen.UpdateNoyauValues(m);
  EXPECT_EQ(caption->text().toStdString(), "ARRET MACHINE");
  EXPECT_TRUE(caption->isVisible());
}

TEST_F(MainScreen, LowLevelAlarmSettingsByDayAndInPumpDown) {
  setKeys({{"ALARME_NIVEAU_MINI_G", "50000"}, {"ALARME_TEMPORISATION", "20"},
           {"ALARME_NIVEAU_MINI_G_NUIT", "42000"}, {"ALARME_TEMPORISATION_NUIT", "30"}});
  Ecran_Orv screen;
  screen.show();
  refresh(screen, {{515, 1500}, {523, 1}});
  EXPECT_EQ(text(screen, "NivBasConfig").toStdString(), "Alarme Niveau Bas < 50.0 Kg");
  EXPECT_EQ(text(screen, "TempoNivBas").toStdString(), "20 Min");
  EXPECT_EQ(text(screen, "NivBasDepuis").toStdString(), "0 H : 25 Min : 0 Sec / ");
  EXPECT_EQ(style(screen, "NivBasDepuis"), red);
  EXPECT_TRUE(text(screen, "label_pumpdown").isEmpty());

  // Pump-down: the plant stopped, the night threshold and delay.
  setKey("ALARME_PUMPDOWN", "1");
  refresh(screen, {{515, 90061}, {523, 0}});
  EXPECT_EQ(text(screen, "label_pumpdown").toStdString(), "Pump Down");
  EXPECT_EQ(text(screen, "NivBasConfig").toStdString(), "Alarme Niveau Bas < 42.0 Kg");
  EXPECT_EQ(text(screen, "TempoNivBas").toStdString(), "30 Min");
  EXPECT_EQ(text(screen, "NivBasDepuis").toStdString(), "1 H : 1 Min : 1 Sec / ");
  saveScreen(screen, "pumpDown");
  refresh(screen, {{515, 1799}, {523, 0}});
  EXPECT_EQ(style(screen, "NivBasDepuis").toStdString(), "QLabel { color:#000000;}");
}

TEST_F(MainScreen, InclinationAngleOfAHorizontalReceiver) {
  setKeys({{"CONFIG_TANK_TYPE", "H"}, {"CONFIG_HEIGHT", "2000"}, {"CONFIG_INCLINAISON_RESERVOIR", "35"},
           {"CONFIG_DIAMETRE", "1200"}});
  Ecran_Orv screen;
  screen.show();
  struct_mesure m = record({{507, 600}, {504, 80.0}});
  screen.UpdateNoyauValues(m);
  EXPECT_EQ(text(screen, "angle"), QString::fromUtf8("1.0°"));
  EXPECT_TRUE(label(screen, "angle")->isVisible());
  QProgressBar* level = bar(screen, "progressBar");
  EXPECT_EQ(level->geometry(), QRect(276, 159, 320, 138));
  EXPECT_EQ(level->maximum(), 138);
  EXPECT_EQ(level->value(), 69);  // half the diameter
  EXPECT_EQ(label(screen, "tempLiquide")->geometry(), QRect(556, 130, 62, 17));
  EXPECT_EQ(label(screen, "hpPressureLabel")->geometry(), QRect(205, 228, 45, 30));
  saveScreen(screen, "HI");

  // An inclination beyond the length has no angle.
  setKeys({{"CONFIG_HEIGHT", "200"}, {"CONFIG_INCLINAISON_RESERVOIR", "250"}});
  screen.hide();
  screen.show();
  screen.UpdateNoyauValues(m);
  EXPECT_EQ(text(screen, "angle").toStdString(), "- - -");

  // Level receiver: no angle shown.
  setKey("CONFIG_INCLINAISON_RESERVOIR", "0");
  screen.hide();
  screen.show();
  screen.UpdateNoyauValues(m);
  EXPECT_TRUE(label(screen, "angle")->isHidden());
  EXPECT_EQ(level->geometry(), QRect(276, 184, 319, 114));
  EXPECT_EQ(level->maximum(), 114);
  EXPECT_EQ(level->value(), 57);
  saveScreen(screen, "H");
}

// The liquid of the inclined receiver, from empty to full: each pixel of it lies on the
// receiver's dark body in the picture, never on the light screen around the body nor under
// the mass written on the body's dome; full, it reaches the body's top at both ends.
TEST_F(MainScreen, InclinedReceiverLiquidStaysInsideTheReceiver) {
  setKeys({{"CONFIG_TANK_TYPE", "H"}, {"CONFIG_HEIGHT", "2000"}, {"CONFIG_INCLINAISON_RESERVOIR", "35"},
           {"CONFIG_DIAMETRE", "1200"}});
  Ecran_Orv screen;
  screen.resize(640, 480);
  screen.show();
  const QImage picture = label(screen, "image")->pixmap(Qt::ReturnByValue).toImage();
  ASSERT_EQ(picture.size(), QSize(640, 480));
  const QRgb liquid = qRgb(0x0a, 0x3f, 0x7d);
  auto render = [&screen] {
    QImage shot(640, 480, QImage::Format_RGB32);
    shot.fill(Qt::white);
    screen.render(&shot);
    return shot;
  };
  std::string found;
  for (int percent = 0; percent <= 100; percent += 5) {
    refresh(screen, {{507, 12 * percent}, {504, 80.0}});
    const QImage shot = render();
    const QRect mass = label(screen, "poid")->geometry();
    int shown = 0, offTheBody = 0, underTheMass = 0;
    for (int y = 0; y < 480; ++y)
      for (int x = 0; x < 640; ++x) {
        if (shot.pixel(x, y) != liquid) continue;
        ++shown;
        if (qGray(picture.pixel(x, y)) > 80) ++offTheBody;
        if (mass.contains(x, y)) ++underTheMass;
      }
    if (offTheBody || underTheMass)
      found += std::to_string(percent) + "%: " + std::to_string(offTheBody) + " off the body, " +
               std::to_string(underTheMass) + " under the mass\n";
    if (percent == 0) {
      EXPECT_EQ(shown, 0);
    }
    if (percent == 100) {
      // The body's top edge lies at about 175 at the low end, 160 at the high end.
      EXPECT_EQ(shot.pixel(280, 179), liquid);
      EXPECT_EQ(shot.pixel(590, 166), liquid);
      saveScreen(screen, "HI-full");
    }
  }
  EXPECT_EQ(found, "");
}

TEST_F(MainScreen, HiddenTapSequences) {
  Ecran_Orv screen;
  screen.show();
  QSignalSpy norvale(&screen, &Ecran_Orv::OnMenuNorvaleSignal);
  QSignalSpy calc(&screen, &Ecran_Orv::OnMenuCalculMethodSignal);
  QSignalSpy hpf(&screen, &Ecran_Orv::OnHPFinfoSignal);
  auto tap = [&](std::initializer_list<const char*> names) {
    for (const char* name : names) {
      if (QLatin1String(name) == QLatin1String("hide")) {
        screen.hide();
      } else if (QLatin1String(name) == QLatin1String("show")) {
        screen.show();
      } else {
        QTest::mouseClick(button(screen, name), Qt::LeftButton);
      }
    }
  };
  const struct {
    std::initializer_list<const char*> taps;
    int norvale, calc, hpf;
  } cases[] = {
      {{"pB_simul1", "HPFinfosButton", "HPFinfosButton"}, 1, 0, 0},
      {{"pB_simul1", "pB_simul2", "pB_simul2"}, 0, 1, 0},
      {{"pB_simul1", "HPFinfosButton", "pB_simul2"}, 0, 1, 0},
      {{"pB_simul1", "pB_simul2", "HPFinfosButton"}, 1, 0, 0},
      {{"pB_simul1", "pB_simul1", "HPFinfosButton"}, 0, 0, 1},
      {{"pB_simul1", "hide", "show", "HPFinfosButton", "HPFinfosButton"}, 0, 0, 2},
      {{"pB_simul2", "pB_simul2", "HPFinfosButton"}, 0, 0, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(*c.taps.begin());
    norvale.clear();
    calc.clear();
    hpf.clear();
    tap(c.taps);
    EXPECT_EQ(norvale.count(), c.norvale);
    EXPECT_EQ(calc.count(), c.calc);
    EXPECT_EQ(hpf.count(), c.hpf);
  }

  QSignalSpy menu(&screen, &Ecran_Orv::OnMenuSignal);
  QSignalSpy cp(&screen, &Ecran_Orv::OnCPinfoSignal);
  QSignalSpy ener(&screen, &Ecran_Orv::OnENERinfoSignal);
  tap({"menuButton", "CPinfosButton", "ENERinfosButton"});
  EXPECT_EQ(menu.count(), 1);
  EXPECT_EQ(cp.count(), 1);
  EXPECT_EQ(ener.count(), 1);
}

TEST_F(MainScreen, LanguageChangeBringsBackTheTranslatedPlaceholders) {
  Ecran_Orv screen;
  screen.show();
  refresh(screen, {{626, 20.0}});
  EXPECT_EQ(text(screen, "tempLiquide"), QString::fromUtf8("20.0°C"));

  QTranslator german;
  ASSERT_TRUE(german.load(QStringLiteral("gui_langues/orvQT_de.qm")));
  QCoreApplication::installTranslator(&german);
  QCoreApplication::processEvents();  // the language change is posted to the windows
  EXPECT_EQ(button(screen, "menuButton")->text(), QString::fromUtf8("Menü"));
  EXPECT_EQ(text(screen, "ALARME").toStdString(), "ALARM");
  EXPECT_EQ(onlySpan(text(screen, "ZMDHP")).text.toStdString(), "Technischer Alarm");
  EXPECT_EQ(text(screen, "tempLiquide").toStdString(), "-------");
  expectPlatesFollowTheirValues(screen);
  saveScreen(screen, "de");

  QCoreApplication::removeTranslator(&german);
  QCoreApplication::processEvents();
  EXPECT_EQ(button(screen, "menuButton")->text().toStdString(), "Menu");
}


// ---- The screen with modules on the simulated bus -----------------------------------------

struct Plant;
struct PictureBus;

// orvbus-sim plays the modules of `scenario` (the others answer garbled, so detection
// passes over them at once); the module centre detects them as at start-up.
class MainScreenOnTheBus : public MainScreenChecks {
protected:
  void start(const std::string& scenario, std::initializer_list<int> absent) {
    bench = std::make_unique<CentreBench>(scenario + garbledModules(absent));
    ASSERT_TRUE(bench->sim->ready());
    store = bench->store.get();
    cwd = std::make_unique<WorkingDirectory>(prepareOrvqtWorkDir(bench->box));
    testing::internal::CaptureStdout();  // the clients' traces
    bench->detect();
    testing::internal::GetCapturedStdout();
  }
  void TearDown() override {
    cwd.reset();
    bench.reset();
    Singleton<orv_classPtr>::ptr()->modules = nullptr;
  }
  ModulsCenter& centre() { return *bench->centre; }

  // The screen shown on the plant of each picture, commissioned with a receiver 1000 mm
  // high and 800 mm across and `keys` set, refreshed once with `fields` of the record,
  // and given to `check`.
  void onEveryPicture(std::initializer_list<std::pair<const char*, const char*>> keys,
                      std::initializer_list<std::pair<int, double>> fields,
                      const std::function<void(const Plant&, Ecran_Orv*)>& check);

  std::unique_ptr<CentreBench> bench;
  std::unique_ptr<WorkingDirectory> cwd;
};

// ENERGIE module n (bus address 6 + n) with its pressure and PT100 inputs in use.
std::string energieWithProbes(int n) {
  const std::string a = std::to_string(6 + n);
  return "module " + a + " energie configured=1\nset " + a + " config pt100_enabled 1\nset " + a +
         " config p_enabled 1\n";
}

TEST_F(MainScreenOnTheBus, PicturesWithTheProbesOfTheEnergieModules) {
  start(energieWithProbes(0), {0, 1, 5, 7, 8});
  ASSERT_EQ(centre().isModulEner_connected(0), 1);
  setKeys({{"CONFIG_TANK_TYPE", "H"}, {"CONFIG_INCLINAISON_RESERVOIR", "35"},
           {"CONFIG_FLAG_REFOIDISSEUR", "1"}, {"CONFIG_CONDENSEUR_TYPE", "1"}});
  Ecran_Orv screen;
  screen.show();
  EXPECT_TRUE(shows(label(screen, "image"), "ecran5P_HI_DMSF.png"));
  refresh(screen);
  QProgressBar* level = bar(screen, "progressBar");
  EXPECT_EQ(level->maximum(), 138);
  EXPECT_EQ(level->geometry(), QRect(276, 159, 320, 138));
  EXPECT_TRUE(label(screen, "angle")->isVisible());
  saveScreen(screen, "HI_DMSF");

  // Module 1's values: suction temperature, superheat and enthalpy, low pressure.
  EXPECT_EQ(text(screen, "tempAsp"), QString::fromUtf8("-2.0°C"));
  EXPECT_EQ(style(screen, "tempAsp"), blue);
  EXPECT_EQ(text(screen, "tempSC").toStdString(), "SC : 6.0K");
  EXPECT_EQ(text(screen, "enthalpieAsp").toStdString(), "370.2Kj/Kg");
  EXPECT_EQ(text(screen, "pression2").toStdString(), "2.5");
  EXPECT_EQ(text(screen, "tempTransAsp"), QString::fromUtf8("-8.0°C"));
  struct_mesure m = record({});
  m.modules.sensorFault[629 - 623] = 1;
  m.modules.sensorFault[625 - 623] = 1;
  screen.UpdateNoyauValues(m);
  for (const char* name : {"tempAsp", "tempSC", "enthalpieAsp", "pression2", "tempTransAsp"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(text(screen, name).toStdString(), "* * *");
    EXPECT_EQ(style(screen, name), red);
  }
  // A superheat of zero or less is red.
  refresh(screen, {{629, -8.0}});
  EXPECT_EQ(style(screen, "tempSC"), red);
}

TEST_F(MainScreenOnTheBus, TranscriticalPlantWithBothEnergieModules) {
  start(energieWithProbes(0) + energieWithProbes(1), {0, 1, 5, 8});
  setKeys({{"CONFIG_TANK_TYPE", "V"}, {"CONFIG_FLUID", "CO2"}, {"CONFIG_TRANSCRITIQUE", "1"},
           {"CONFIG_SUBCRITIQUE", "0"}, {"CONFIG_CONDENSEUR_TYPE", "0"}});
  Ecran_Orv screen;
  screen.show();
  EXPECT_TRUE(shows(label(screen, "image"), "ecran5P_trans2.png"));
  EXPECT_TRUE(hidden(screen, "tempSRliq"));
  EXPECT_TRUE(hidden(screen, "tempSRlent"));
  refresh(screen, {{589, 12.5}});
  // Module 2: discharge temperature and gas pressure; no saturation shown above the
  // critical point.
  EXPECT_EQ(text(screen, "tempRefoul"), QString::fromUtf8("71.5°C"));
  EXPECT_EQ(text(screen, "pressionHP_Gaz").toStdString(), "14.0");
  EXPECT_TRUE(hidden(screen, "tempTransHPgaz"));
  EXPECT_EQ(text(screen, "label_flasf_gaz").toStdString(), "12.5%");
  EXPECT_TRUE(hidden(screen, "progressBar_rejet"));  // no rejection for CO2
  saveScreen(screen, "trans2");

  // An invalid gas pressure.
  refresh(screen, {{632, 999.0}, {630, 999.0}});
  EXPECT_EQ(text(screen, "pressionHP_Gaz").toStdString(), "* * *");
  EXPECT_EQ(text(screen, "tempTransHPgaz").toStdString(), "* * *");
  EXPECT_EQ(text(screen, "tempRefoul").toStdString(), "* * *");

  // Subcritical: the saturation at the gas pressure shows, the exchanger picture too.
  setKey("CONFIG_SUBCRITIQUE", "1");
  screen.hide();
  screen.show();
  EXPECT_TRUE(shows(label(screen, "image"), "ecran5P_trans2_Echangeur.png"));
  refresh(screen, {{632, 45.0}, {593, 10.1}});
  EXPECT_EQ(text(screen, "tempTransHPgaz"), QString::fromUtf8("10.1°C"));
  EXPECT_FALSE(hidden(screen, "tempTransHPgaz"));
}

TEST_F(MainScreenOnTheBus, HighSideWithoutEnergieModuleTwo) {
  start(energieWithProbes(0), {0, 1, 5, 7, 8});
  setKeys({{"CONFIG_FLUID", "CO2"}, {"CONFIG_TRANSCRITIQUE", "1"}, {"CONFIG_SUBCRITIQUE", "0"}});
  Ecran_Orv screen;
  screen.show();
  EXPECT_TRUE(shows(label(screen, "image"), "ecran5P_trans1_1.png"));
  refresh(screen);
  for (const char* name : {"tempRefoul", "pressionHP_Gaz", "tempTransHPgaz"}) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(hidden(screen, name));
    EXPECT_TRUE(text(screen, name).isEmpty());
  }
  // Another refrigerant: the card's high pressure and its saturation on that side.
  setKey("CONFIG_FLUID", "R404A");
  screen.hide();
  screen.show();
  refresh(screen);
  EXPECT_EQ(text(screen, "pressionHP_Gaz").toStdString(), "14.2");
  EXPECT_EQ(text(screen, "tempTransHPgaz"), QString::fromUtf8("34.5°C"));
  EXPECT_FALSE(hidden(screen, "pressionHP_Gaz"));
}

TEST_F(MainScreenOnTheBus, HeatRejectionAgainstTheCondenserCapacity) {
  start(energieWithProbes(0), {0, 1, 5, 7, 8});
  Ecran_Orv screen;
  screen.show();
  const struct {
    double rejected, capacity;
    const char* percent;
    const char* colour;
    int bar;
  } cases[] = {
      {12.0, 10.0, "120%", "red", 100},
      {8.5, 10.0, "85%", "orange", 85},
      {8.0, 10.0, "80%", "green", 80},
      {0.5, 10.0, "0%", "green", 0},  // below 1 kW counts as nothing
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.percent);
    refresh(screen, {{560, c.rejected}, {559, c.capacity}});
    EXPECT_EQ(text(screen, "label_rejet_pourcent").toStdString(), c.percent);
    EXPECT_EQ(style(screen, "label_rejet_pourcent").toStdString(),
              std::string("QLabel { color: ") + c.colour + ";}");
    EXPECT_EQ(bar(screen, "progressBar_rejet")->value(), c.bar);
    if (c.bar == 100) saveScreen(screen, "rejection");
  }
  refresh(screen, {{560, 12.0}, {559, 10.0}});
  EXPECT_EQ(text(screen, "label_rejet_kW").toStdString(), "Rejet:\n12.0 kW");
  EXPECT_FALSE(hidden(screen, "label_rejet_kW"));

  // A water-cooled condenser has no rejection bar.
  setKey("CONFIG_CONDENSEUR_TYPE", "0");
  refresh(screen);
  EXPECT_TRUE(hidden(screen, "progressBar_rejet"));
  EXPECT_TRUE(hidden(screen, "label_rejet_pourcent"));
  EXPECT_TRUE(hidden(screen, "label_rejet_kW"));
}

TEST_F(MainScreenOnTheBus, WithoutEnergieModulesTheirValuesAreHidden) {
  start("module 1 mesv2 configured=1\n", {0, 5, 6, 7, 8});
  Ecran_Orv screen;
  screen.show();
  refresh(screen);
  for (const char* name : {"tempAsp", "enthalpieAsp", "tempTransAsp", "tempSC", "pression2",
                           "progressBar_rejet", "label_rejet_kW", "tempRefoul"}) {
    EXPECT_TRUE(hidden(screen, name)) << name;
  }
  EXPECT_TRUE(hidden(screen, "label_StrBattLevel"));  // no radio thermometer
}

TEST_F(MainScreenOnTheBus, RadioThermometerBattery) {
  start("module 1 mesv2 configured=1 battery=3.4\nset 1 config radio 1\n", {0, 5, 6, 7, 8});
  ASSERT_EQ(centre().isModulMesV2_connected(), 1);
  setKey("CONFIG_TANK_TYPE", "V");
  ASSERT_EQ(centre().mesV2_ptr()->getCFG_struct(117).charValue, 1);
  centre().sendTo_AllModuls();
  Ecran_Orv screen;
  screen.show();
  EXPECT_FALSE(hidden(screen, "label_StrBattLevel"));
  EXPECT_FALSE(hidden(screen, "progBar_ThermoRadioBattLevel"));
  refresh(screen);
  QProgressBar* battery = bar(screen, "progBar_ThermoRadioBattLevel");
  EXPECT_EQ(text(screen, "label_StrBattLevel").toStdString(), "3.4V");
  EXPECT_NE(battery->styleSheet().indexOf(QLatin1String("background-color: orange;")), -1);
  EXPECT_EQ(battery->value(), 340);
  saveScreen(screen, "battery");

  const struct {
    const char* volts;
    const char* text;
    const char* colour;
    int value;
  } cases[] = {
      {"3.6", "3.6V", "green", 360},
      {"3.0", "3.0V", "red", 300},
      {"2.5", "2.5V", "red", 295},  // below the scale: the last colour stays
      {"999.0", "* * *", "red", 295},  // no reading
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.volts);
    ASSERT_EQ(bench->sim->command(std::string("set 1 battery ") + c.volts).rfind("ok", 0), 0u);
    centre().sendTo_AllModuls();
    refresh(screen);
    EXPECT_EQ(text(screen, "label_StrBattLevel").toStdString(), c.text);
    EXPECT_NE(battery->styleSheet().indexOf(QLatin1String("background-color: ") +
                                            QLatin1String(c.colour) + QLatin1String(";")),
              -1);
    EXPECT_EQ(battery->value(), c.value);
  }
  EXPECT_EQ(style(screen, "label_StrBattLevel"), red);
  saveScreen(screen, "battery-noReading");
}

// ---- Contrast of the values against the picture behind them -------------------------------

// Relative luminance and contrast ratio of two colours, as the readability guidelines
// for text define them.
double luminance(const QColor& c) {
  auto linear = [](int channel) {
    const double v = channel / 255.0;
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}
double contrast(const QColor& a, const QColor& b) {
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Median of each channel of `picture` over `pixels`.
QColor medianColour(const QImage& picture, const std::vector<QPoint>& pixels) {
  std::vector<int> channels[3];
  for (const QPoint& at : pixels) {
    if (!picture.rect().contains(at)) continue;
    const QRgb p = picture.pixel(at);
    channels[0].push_back(qRed(p));
    channels[1].push_back(qGreen(p));
    channels[2].push_back(qBlue(p));
  }
  int median[3] = {};
  for (int i = 0; i < 3 && !channels[i].empty(); ++i) {
    auto middle = channels[i].begin() + channels[i].size() / 2;
    std::nth_element(channels[i].begin(), middle, channels[i].end());
    median[i] = *middle;
  }
  return QColor(median[0], median[1], median[2]);
}

std::vector<QPoint> pixelsOf(const QRect& place) {
  std::vector<QPoint> pixels;
  for (int y = place.top(); y <= place.bottom(); ++y)
    for (int x = place.left(); x <= place.right(); ++x) pixels.emplace_back(x, y);
  return pixels;
}

// The pixels of its page that a label's text covers: those the label, drawn alone on a
// clear picture, paints at least half.
std::vector<QPoint> textPixels(QLabel* label) {
  QImage alone(label->size(), QImage::Format_ARGB32);
  alone.fill(Qt::transparent);
  label->render(&alone, QPoint(), QRegion(), QWidget::RenderFlags());
  std::vector<QPoint> pixels;
  for (int y = 0; y < alone.height(); ++y)
    for (int x = 0; x < alone.width(); ++x)
      if (qAlpha(alone.pixel(x, y)) >= 128) pixels.push_back(label->pos() + QPoint(x, y));
  return pixels;
}

// The colour a label writes its text in: the one span of a rich text, else its style's.
QColor textColour(QLabel* label) {
  if (Qt::mightBeRichText(label->text())) return QColor(onlySpan(label->text()).colour);
  label->ensurePolished();
  return label->palette().color(label->isEnabled() ? QPalette::Active : QPalette::Disabled,
                                label->foregroundRole());
}

// The values, their marks and the alarm texts of the screen.
const char* const kValueLabels[] = {
    "poid",          "tempEnt",         "tempLiquide",      "tempTrans",      "outsideTempLabel",
    "tempAsp",       "tempTransAsp",    "tempSC",           "tempSRliq",      "tempSRlent",
    "tempTransHPgaz", "tempRefoul",     "hpPressureLabel",  "pressionHP_Gaz", "pression2",
    "enthalpieLiquide", "enthalpieAsp", "density_val",      "label_flasf_gaz", "angle",
    "NivBasConfig",  "TempoNivBas",     "NivBasDepuis",     "Etat_Alarme",    "ZMDHP",
    "ALARME"};

// Every picture the screen can show: the plant of each, on the modules of its bus.
struct Plant {
  const char* picture;
  const char* tankType;
  const char* inclination;
  const char* subcooler;
  const char* condenser;
  const char* fluid;
  const char* transcritical;
  const char* subcritical;
};
struct PictureBus {
  std::string scenario;  // the modules there, and those that answer garbled
  std::vector<Plant> plants;
};
std::vector<PictureBus> everyPicture() {
  return {
      {"module 1 mesv2 configured=1\n" + garbledModules({0, 5, 6, 7, 8}), {
           {"ecran5P_test1", "H", "0", "0", "1", "R404A", "0", "0"},
           {"ecran5P_test1_Echangeur", "H", "0", "0", "0", "R404A", "0", "0"},
           {"ecran5P_test3", "H", "0", "1", "1", "R404A", "0", "0"},
           {"ecran5P_test3_Echangeur", "H", "0", "1", "0", "R404A", "0", "0"},
           {"ecran5P_HI", "H", "35", "0", "1", "R404A", "0", "0"},
           {"ecran5P_HI_Echangeur", "H", "35", "0", "0", "R404A", "0", "0"},
           {"ecran5P_HI_SF", "H", "35", "1", "1", "R404A", "0", "0"},
           {"ecran5P_HI_SF_Echangeur", "H", "35", "1", "0", "R404A", "0", "0"},
           {"ecran5P-1", "V", "0", "0", "1", "R404A", "0", "0"},
           {"ecran5P-1_Echangeur", "V", "0", "0", "0", "R404A", "0", "0"},
           {"ecran5P-3", "V", "0", "1", "1", "R404A", "0", "0"},
           {"ecran5P-3_Echangeur", "V", "0", "1", "0", "R404A", "0", "0"},
           {"ecran5P_trans1", "V", "0", "0", "0", "CO2", "1", "0"},
           {"ecran5P_trans1_Echangeur", "V", "0", "0", "0", "CO2", "1", "1"},
       }},
      {energieWithProbes(0) + garbledModules({0, 1, 5, 7, 8}), {
           {"ecran5P_test2", "H", "0", "0", "1", "R404A", "0", "0"},
           {"ecran5P_test2_Echangeur", "H", "0", "0", "0", "R404A", "0", "0"},
           {"ecran5P_test", "H", "0", "1", "1", "R404A", "0", "0"},
           {"ecran5P_test_Echangeur", "H", "0", "1", "0", "R404A", "0", "0"},
           {"ecran5P_HI_DM", "H", "35", "0", "1", "R404A", "0", "0"},
           {"ecran5P_HI_DM_Echangeur", "H", "35", "0", "0", "R404A", "0", "0"},
           {"ecran5P_HI_DMSF", "H", "35", "1", "1", "R404A", "0", "0"},
           {"ecran5P_HI_DMSF_Echangeur", "H", "35", "1", "0", "R404A", "0", "0"},
           {"ecran5P-2", "V", "0", "0", "1", "R404A", "0", "0"},
           {"ecran5P-2_Echangeur", "V", "0", "0", "0", "R404A", "0", "0"},
           {"ecran5P", "V", "0", "1", "1", "R404A", "0", "0"},
           {"ecran5P_Echangeur", "V", "0", "1", "0", "R404A", "0", "0"},
           {"ecran5P_trans1_1", "V", "0", "0", "0", "CO2", "1", "0"},
           {"ecran5P_trans1_1_Echangeur", "V", "0", "0", "0", "CO2", "1", "1"},
       }},
      {energieWithProbes(0) + energieWithProbes(1) + garbledModules({0, 1, 5, 8}), {
           {"ecran5P_trans2", "V", "0", "0", "0", "CO2", "1", "0"},
           {"ecran5P_trans2_Echangeur", "V", "0", "0", "0", "CO2", "1", "1"},
           {"ecran5P-2", "V", "0", "0", "1", "R404A", "0", "0"},
       }},
  };
}

void MainScreenOnTheBus::onEveryPicture(std::initializer_list<std::pair<const char*, const char*>> keys,
                                        std::initializer_list<std::pair<int, double>> fields,
                                        const std::function<void(const Plant&, Ecran_Orv*)>& check) {
  for (const PictureBus& bus : everyPicture()) {
    cwd.reset();
    bench.reset();
    start(bus.scenario, {});
    setKeys({{"FLAG_PREM_DEMARRAGE", "1700000000"}, {"CONFIG_HEIGHT", "1000"},
             {"CONFIG_DIAMETRE", "800"}});
    setKeys(keys);
    for (const Plant& plant : bus.plants) {
      SCOPED_TRACE(plant.picture);
      setKeys({{"CONFIG_TANK_TYPE", plant.tankType}, {"CONFIG_INCLINAISON_RESERVOIR", plant.inclination},
               {"CONFIG_FLAG_REFOIDISSEUR", plant.subcooler}, {"CONFIG_CONDENSEUR_TYPE", plant.condenser},
               {"CONFIG_FLUID", plant.fluid}, {"CONFIG_TRANSCRITIQUE", plant.transcritical},
               {"CONFIG_SUBCRITIQUE", plant.subcritical}});
      Ecran_Orv screen;
      screen.show();
      ASSERT_TRUE(shows(label(screen, "image"), (std::string(plant.picture) + ".png").c_str()));
      refresh(screen, fields);
      check(plant, &screen);
    }
  }
}

// Every picture the screen can show, on a commissioned plant with live values, a full
// receiver (the level bar behind the mass), flash gas, learning and a technical alarm:
// each value shown reads at 4.5:1 or more against the median of what is drawn under the
// pixels of its text (the picture, a plate, and the level bar where it passes under the
// mass), and the mass stands out from the full level bar as a whole.
TEST_F(MainScreenOnTheBus, EveryValueReadsAgainstEveryPicture) {
  onEveryPicture({{"FLAG_ALARM", "1"}, {"FLAG_ALARM_CAPTEUR", "3"}}, {{507, 1000}, {589, 5.0}},
                 [this](const Plant& plant, Ecran_Orv* screen) {
    ASSERT_TRUE(label(*screen, "ALARME")->isVisible());
    ASSERT_TRUE(label(*screen, "ZMDHP")->isVisible());
    saveScreen(*screen, (std::string("contrast-") + plant.picture).c_str());

    std::vector<QLabel*> shown;
    for (const char* name : kValueLabels) {
      QLabel* value = label(*screen, name);
      if (value->isVisible() && !value->text().isEmpty()) shown.push_back(value);
    }
    // What lies behind the texts: the screen drawn with every value shown but clear.
    for (QLabel* value : shown) {
      auto* clear = new QGraphicsOpacityEffect(value);
      clear->setOpacity(0);
      value->setGraphicsEffect(clear);
    }
    QImage behind(640, 480, QImage::Format_RGB32);
    screen->render(&behind);
    for (QLabel* value : shown) {
      value->setGraphicsEffect(nullptr);
      const std::vector<QPoint> pixels = textPixels(value);
      ASSERT_FALSE(pixels.empty()) << value->objectName().toStdString();
      const QColor text = textColour(value);
      const QColor background = medianColour(behind, pixels);
      EXPECT_GE(contrast(text, background), 4.5)
          << value->objectName().toStdString() << " " << text.name().toStdString() << " on "
          << background.name().toStdString();
    }
    // The full level bar itself, wherever the mass meets it.
    const QColor liquid = medianColour(behind, pixelsOf(bar(*screen, "progressBar")->geometry()));
    EXPECT_GE(contrast(textColour(label(*screen, "poid")), liquid), 4.5) << liquid.name().toStdString();
    expectPlatesFollowTheirValues(*screen);
  });
}

// Every picture on a commissioned plant without alarm and without flash gas, with a full
// receiver: the dark of a plate shows only at a value that shows a text, and never at the
// level bar (a plate there would lie under the receiver's drawing).
TEST_F(MainScreenOnTheBus, NoPlateWithoutItsValueNorUnderTheReceiver) {
  const QRgb plateColour = qRgb(0x05, 0x08, 0x0b);
  onEveryPicture({{"FLAG_ALARM", "0"}, {"FLAG_ALARM_CAPTEUR", "0"}}, {{507, 1000}, {589, 0.0}},
                 [&](const Plant& plant, Ecran_Orv* screen) {
    ASSERT_TRUE(label(*screen, "ALARME")->isHidden());
    ASSERT_TRUE(label(*screen, "label_flasf_gaz")->isHidden());
    saveScreen(*screen, (std::string("noAlarm-") + plant.picture).c_str());
    expectPlatesFollowTheirValues(*screen);

    QRegion texts;  // around every text the screen shows
    for (QLabel* value : screen->findChildren<QLabel*>())
      if (value->isVisible() && !value->text().isEmpty())
        texts += value->geometry().adjusted(-6, -6, 6, 6);
    const QRect receiver = bar(*screen, "progressBar")->geometry().adjusted(-2, -2, 2, 2);
    QImage shown(640, 480, QImage::Format_RGB32);
    screen->render(&shown);
    int withoutText = 0, atTheReceiver = 0;
    QPoint first;
    for (int y = 0; y < shown.height(); ++y)
      for (int x = 0; x < shown.width(); ++x) {
        if (shown.pixel(x, y) != plateColour) continue;
        if (!texts.contains(QPoint(x, y)) && withoutText++ == 0) first = QPoint(x, y);
        if (receiver.contains(x, y)) ++atTheReceiver;
      }
    EXPECT_EQ(withoutText, 0) << "first at " << first.x() << ", " << first.y();
    EXPECT_EQ(atTheReceiver, 0);
  });
}

}  // namespace
