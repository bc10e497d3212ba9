// The thermodynamic detail view: each of its 22 values from the record field it names, one
// decimal, the two powers in kW, the low pressure to gauge without ENERGIE module 1, and
// readings marked invalid (999.0) shown as they are.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

#include <map>
#include <string>

#include "Calc_Method.h"
#include "orvDatas.h"
#include "support/orvqt_workdir.h"
#include "support/screen_shot.h"

namespace {

// A record made as the program makes it: fields by measurement index through the store,
// the module readings set directly in its exchange part.
class RecordBuilder {
 public:
  RecordBuilder() {
    testing::internal::CaptureStdout();
    store.reset(new orvDatas());
    testing::internal::GetCapturedStdout();
  }
  RecordBuilder& field(int index, float value) {
    store->setMES_struct(index, &value);
    return *this;
  }
  struct_mesure record() {
    struct_mesure m;
    store->get_ORVmesure(m);
    return m;
  }

 private:
  std::unique_ptr<orvDatas> store;
};

const char* const kValueLabels[] = {
    "val_BPpression",        "val_BPtemp",           "val_TempGazAspire",
    "val_TempLiquideMes",    "val_BPentropy",        "val_BPenthalpy",
    "val_RendementIsebtrop", "val_PuissanceComps",   "val_COPtheo_Comps",
    "val_COPtheo_CompsVentil", "val_COPtheo_CompsVentilPomp", "val_HPpression",
    "val_HPtemp",            "val_HPliq_enthalpy",   "val_TempRefoulementMesure",
    "val_TempRefoulementIsentrop", "val_TempRefoulement", "val_EnthalpiRefoul",
    "val_TauxCompression",   "val_EnthalpiReelRefoul", "val_DebitMassqique",
    "val_PuissanceFrigo"};

class CalcMethodTest : public ::testing::Test {
 protected:
  std::string value(const char* name) {
    QLabel* label = page.findChild<QLabel*>(QLatin1String(name));
    return label ? label->text().toStdString() : std::string("<no ") + name + ">";
  }
  std::map<std::string, std::string> values() {
    std::map<std::string, std::string> all;
    for (const char* name : kValueLabels) all[name] = value(name);
    return all;
  }
  QApplication& app = testApplication();
  TestSandbox box;
  Calc_Method page{nullptr};
};

TEST_F(CalcMethodTest, EachValueComesFromItsFieldWithOneDecimal) {
  for (const char* name : kValueLabels) {
    SCOPED_TRACE(name);
    QLabel* label = page.findChild<QLabel*>(QLatin1String(name));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text().toStdString(), "0.0");
    EXPECT_EQ(label->styleSheet().toStdString(), "color: rgb(0, 0, 127);");
    EXPECT_TRUE(label->alignment() & Qt::AlignRight);
  }
  page.resize(640, 480);
  page.show();
  saveScreen(&page, "Calc_Method-before-refresh");

  // Every field a different value, so that a label showing a neighbour's field shows.
  RecordBuilder builder;
  builder.field(608, -27.46f).field(620, 1.7512f).field(621, 398.24f).field(577, 71.26f)
      .field(569, 12345.0f).field(570, 3.14f).field(571, 2.71f).field(572, 2.52f)
      .field(593, 41.04f).field(591, 256.36f).field(562, 78.81f).field(573, 85.33f)
      .field(567, 442.17f).field(576, 3.96f).field(568, 451.02f).field(574, 123.46f)
      .field(575, 0.0f);
  struct_mesure record = builder.record();
  record.modules.stateEner[0] = 1;
  record.modules.value[modval::BP] = 3.51325f;
  record.modules.value[modval::HP] = 999.0f;
  record.modules.value[modval::TempASP] = -12.26f;
  record.modules.value[modval::TempSOR] = 31.94f;
  record.modules.value[modval::TempREF] = 88.06f;
  page.UpdateCalcValues(record);
  const std::map<std::string, std::string> expected = {
      {"val_BPpression", "3.5"},          {"val_BPtemp", "-27.5"},
      {"val_TempGazAspire", "-12.3"},     {"val_TempLiquideMes", "31.9"},
      {"val_BPentropy", "1.8"},           {"val_BPenthalpy", "398.2"},
      {"val_RendementIsebtrop", "71.3"},  {"val_PuissanceComps", "12.3"},
      {"val_COPtheo_Comps", "3.1"},       {"val_COPtheo_CompsVentil", "2.7"},
      {"val_COPtheo_CompsVentilPomp", "2.5"}, {"val_HPpression", "999.0"},
      {"val_HPtemp", "41.0"},             {"val_HPliq_enthalpy", "256.4"},
      {"val_TempRefoulementMesure", "88.1"}, {"val_TempRefoulementIsentrop", "78.8"},
      {"val_TempRefoulement", "85.3"},    {"val_EnthalpiRefoul", "442.2"},
      {"val_TauxCompression", "4.0"},     {"val_EnthalpiReelRefoul", "451.0"},
      {"val_DebitMassqique", "123.5"},    {"val_PuissanceFrigo", "0.0"}};
  EXPECT_EQ(values(), expected);
  saveScreen(&page, "Calc_Method-refreshed");

  // A language change puts the form's texts back, the values with them.
  QEvent change(QEvent::LanguageChange);
  QApplication::sendEvent(&page, &change);
  for (const char* name : kValueLabels) EXPECT_EQ(value(name), "0.0") << name;
}

struct LowPressureCase {
  int enerState;    // ENERGIE module 1: 0 absent
  float field;      // low pressure in the record
  float power;      // absorbed power (W)
  const char* pressure;
  const char* kw;
};

TEST_F(CalcMethodTest, LowPressureToGaugeOnlyWithoutEnergyModuleAndNeverAnInvalidReading) {
  const LowPressureCase cases[] = {
      {0, 3.51325f, 12345.0f, "2.5", "12.3"},
      {1, 3.51325f, 12345.0f, "3.5", "12.3"},
      {2, 3.51325f, 0.0f, "3.5", "0.0"},  // any state but absent: as stored
      {0, 999.0f, 999.0f, "999.0", "999.0"},
  };
  for (const LowPressureCase& c : cases) {
    SCOPED_TRACE(c.pressure);
    struct_mesure record = RecordBuilder().field(569, c.power).field(575, c.power).record();
    record.modules.stateEner[0] = static_cast<uint8_t>(c.enerState);
    record.modules.value[modval::BP] = c.field;
    page.UpdateCalcValues(record);
    EXPECT_EQ(value("val_BPpression"), c.pressure);
    EXPECT_EQ(value("val_PuissanceComps"), c.kw);
    EXPECT_EQ(value("val_PuissanceFrigo"), c.kw);
  }
}

TEST_F(CalcMethodTest, ShownFollowsVisibilityAndQuitterAsksToLeave) {
  EXPECT_FALSE(page.shown);
  page.show();
  EXPECT_TRUE(page.shown);
  QSignalSpy leave(&page, &Calc_Method::esc_CalcMethod);
  auto* quit = page.findChild<QPushButton*>(QStringLiteral("accueilButton"));
  ASSERT_NE(quit, nullptr);
  EXPECT_EQ(quit->text().toStdString(), "Quitter");
  quit->click();
  EXPECT_EQ(leave.count(), 1);
  page.hide();
  EXPECT_FALSE(page.shown);
}

}  // namespace
