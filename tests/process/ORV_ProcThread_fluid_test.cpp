// Refrigerant states of a pass computed through the facade with the stand-in property
// library: plausible saturation values and densities, the cycle values by plant layout,
// guarded divisions, the leak relay and the measurement line cadence.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <future>
#include <mutex>

#include "FLuidsNorvale.h"
#include "gpio.h"
#include "orv_classPtr.h"
#include "support/proc_fixture.h"

namespace {

class FluidTest : public ProcFixture {
protected:
  FluidTest() {
    setCfg(prockey::FLAG_PREM_DEMARRAGE, static_cast<int>(orv::wallClockNow()) - 86400);
    load("R134a");
    // The V2 card of a plant at 25 degC condensing, liquid at 25 degC.
    thread->modsDatas_ = ORV_ProcScriptedModules::v2Card(1080, 5.641f, 25.0f, 20.0f, 20.0f);
  }
  ~FluidTest() override { Singleton<orv_classPtr>::ptr()->fluids = nullptr; }

  void load(const char* fluid) {
    setCfgText(prockey::CONFIG_FLUID, fluid);
    facade.reset(new FLuidsNorvale());
    ASSERT_EQ(facade->loadFluid(fluid), 1) << fluid;
    Singleton<orv_classPtr>::ptr()->fluids = facade.get();
  }
  float v(int k) { return thread->valCalcul_.val[k]; }
  float s(int state, int k) { return thread->fluidDatas_[state - 1].val[k]; }
  bool allFinite() {
    for (int k = 0; k < 11; ++k)
      if (!std::isfinite(v(k))) return false;
    for (int n = 1; n <= 3; ++n)
      for (int k = 0; k < 15; ++k)
        if (!std::isfinite(s(n, k))) return false;
    return true;
  }

  std::unique_ptr<FLuidsNorvale> facade;
};

}  // namespace

TEST_F(FluidTest, SaturationStatesOfAnR134aPlant) {
  EXPECT_EQ(thread->fluid_Calc(), 1);
  // High pressure 5.641 bar gauge is R134a's saturation pressure at 25 degC (within the
  // stand-in library's model error).
  EXPECT_NEAR(s(1, 0), 25.0, 0.2);
  // Liquid at 25 degC: saturation pressure and density, and a plausible kinematic viscosity.
  EXPECT_NEAR(s(1, 7), 6.654, 0.04);
  EXPECT_NEAR(s(1, 8), 1.207, 0.006);
  EXPECT_NEAR(s(1, 9), 1.0 / 1.207, 0.005);  // L/kg
  EXPECT_GT(s(1, 14), 0.1);
  EXPECT_LT(s(1, 14), 0.3);
  EXPECT_GT(s(1, 13), s(3, 13) - 200);  // liquid enthalpy below the suction vapour's
  EXPECT_LT(s(1, 13), s(3, 13));
  // Discharge without a discharge sensor: dew point at the high pressure.
  EXPECT_NEAR(s(2, 0), 25.0, 0.2);
  EXPECT_NEAR(s(2, 1), 0.0324, 0.002);  // saturated vapour, kg/L
  EXPECT_FLOAT_EQ(s(2, 4), 100.0f);
  // No ENERGIE module: the low side comes from the -12 degC set point, BP absolute.
  EXPECT_FLOAT_EQ(s(3, 0), -12.0f);
  EXPECT_FLOAT_EQ(thread->modsDatas_.value[modval::TempASP], -2.0f);
  EXPECT_NEAR(thread->modsDatas_.value[modval::BP], 1.85, 0.02);
  EXPECT_FLOAT_EQ(s(3, 11), 100.0f);
  EXPECT_GT(s(3, 8), 0.005);  // superheated suction vapour, about 8.9 kg/m3
  EXPECT_LT(s(3, 8), 0.012);
  EXPECT_TRUE(sleeps.empty());
  // Plant stopped: only the isentropic end point is computed.
  EXPECT_GT(v(0), s(3, 13));
  EXPECT_GT(mesFloat(procmes::IsentropicDischargeTemp), 25.0f);
  for (int k : {1, 2, 3, 7, 8, 9, 10}) EXPECT_FLOAT_EQ(v(k), 0.0f) << k;
}

TEST_F(FluidTest, CycleValuesPerUnitOfMassFlowWithoutMeasuredPower) {
  setMes(procmes::PlantRunning, 1);
  thread->fluid_Calc();
  const float bp = thread->modsDatas_.value[modval::BP];
  EXPECT_NEAR(v(9), 5.641f / (bp - 1.01325f), 1e-3);
  EXPECT_NEAR(v(10), 2.6145 * std::log(v(9)) + 57.0, 1e-3);
  EXPECT_NEAR(v(2), (v(0) - s(3, 13)) * 1000 / (v(10) / 100), 1.0);
  EXPECT_NEAR(v(8), (s(3, 13) - s(1, 13)) * 1000, 1.0);
  EXPECT_NEAR(v(1), s(3, 13) + v(2) / 1000, 0.01);
  EXPECT_GT(v(3), 2.0);  // refrigerating effect over compression work
  EXPECT_LT(v(3), 8.0);
  EXPECT_GT(v(6), mesFloat(procmes::IsentropicDischargeTemp));  // real compression is hotter
  EXPECT_FLOAT_EQ(mesFloat(procmes::RefrigerationCapacity), 0.0f);
}

TEST_F(FluidTest, MeasuredCompressorPower) {
  modules_exchange_t& x = thread->modsDatas_;
  x.stateEner[0] = 1;
  x.value[modval::BP] = 0.85f;  // gauge, about -12 degC
  x.value[modval::TempASP] = -2.0f;
  x.sensorFault[modval::BP] = 0;
  x.sensorFault[modval::TempASP] = 0;
  struct Case {
    const char* what;
    float totalComp;
    float bp;
    float ratio;       // expected value 9
    float efficiency;  // expected value 10
  };
  const Case cases[] = {
      {"compressors running", 10.0f, 0.85f, 5.641f / 0.85f, 0},
      {"low pressure near 0 bar gauge: clamped to 0.001", 10.0f, 0.0005f, 5641.0f, 0},
      {"compressors stopped", 0.0f, 0.85f, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    x.value[modval::BP] = c.bp;
    thread->cumulPuissance_.puissTotalComp = c.totalComp;
    thread->fluid_Calc();
    EXPECT_NEAR(v(9), c.ratio, c.ratio * 1e-4);
    if (c.totalComp > 0) {
      EXPECT_NEAR(v(10), 2.6145 * std::log(c.ratio) + 57.0, 1e-3);
      EXPECT_FLOAT_EQ(v(2), 10000.0f);
      EXPECT_NEAR(v(7), v(2) * (v(10) / 100) / (v(0) - s(3, 13)), 1e-3);
      EXPECT_NEAR(mesFloat(procmes::MassFlow), v(7) / 1000, 1e-6);
      EXPECT_NEAR(mesFloat(procmes::RefrigerationCapacity), v(8) / 1000, 1e-4);
      EXPECT_NEAR(mesFloat(procmes::Ratio1), v(8) / 1000 / 10.0f, 1e-4);
      EXPECT_FLOAT_EQ(mesFloat(procmes::Ratio2), 0.0f);  // no condenser fan power
    } else {
      for (int k : {1, 2, 3, 6, 7, 8, 9, 10}) EXPECT_FLOAT_EQ(v(k), 0.0f) << k;
      EXPECT_GT(v(0), 0.0f);
      EXPECT_GT(mesFloat(procmes::IsentropicDischargeTemp), 0.0f);
      EXPECT_FLOAT_EQ(mesFloat(procmes::RefrigerationCapacity), 0.0f);
    }
    EXPECT_TRUE(allFinite());
  }
  // The ratio example of a 15 bar plant whose low pressure reads 0.0005 bar gauge.
  x.value[modval::HP] = 15.0f;
  x.value[modval::BP] = 0.0005f;
  thread->cumulPuissance_.puissTotalComp = 10.0f;
  thread->fluid_Calc();
  EXPECT_NEAR(v(9), 15000.0f, 0.5f);
  EXPECT_NEAR(v(10), 82.14f, 0.01f);
}

TEST_F(FluidTest, MeasuredDischargeTemperatureCorrectsTheCycle) {
  modules_exchange_t& x = thread->modsDatas_;
  x.stateEner[0] = 1;
  x.stateEner[1] = 1;
  x.value[modval::BP] = 0.85f;
  x.value[modval::TempASP] = -2.0f;
  thread->cumulPuissance_.puissTotalComp = 10.0f;
  setCfgFloat(prockey::CONFIG_CONS_TEMP, 2.0f);
  thread->fluid_Calc();
  const float isentropic = mesFloat(procmes::IsentropicDischargeTemp);
  const float estimated = v(1);

  struct Case {
    float above;
    bool corrected;
  };
  for (Case c : {Case{1.0f, false}, Case{3.0f, true}}) {
    SCOPED_TRACE(c.above);
    x.value[modval::TempREF] = isentropic + c.above;
    x.sensorFault[modval::TempREF] = 0;
    thread->fluid_Calc();
    ASSERT_EQ(facade->upd_PressTemp(5.641 + 1.01325, isentropic + c.above), 0);
    float real = static_cast<float>(facade->getFluid_Enthalpy() / 1000.0);
    if (c.corrected) {
      EXPECT_NEAR(v(1), real, 0.01);
      EXPECT_NEAR(v(7), v(2) / std::fabs(real - s(3, 13)), 1e-3);
    } else {
      EXPECT_NEAR(v(1), estimated, 0.01);
    }
  }
}

TEST_F(FluidTest, ConstructionsThatCannotBeComputedGiveZero) {
  // A -40 degC set point puts the absolute low pressure under the atmosphere: the
  // compression ratio over BP - 1.01325 cannot be computed.
  setMes(procmes::PlantRunning, 1);
  setCfg(prockey::CONFIG_CONSIGNE_BP, -40);
  thread->fluid_Calc();
  EXPECT_LT(thread->modsDatas_.value[modval::BP], 1.01325f);
  EXPECT_FLOAT_EQ(v(9), 0.0f);
  EXPECT_FLOAT_EQ(v(10), 57.0f);
  EXPECT_TRUE(allFinite());
}

TEST_F(FluidTest, TranscriticalCO2WithoutDischargeModuleHasNoDischargeState) {
  load("CO2");
  setCfg(prockey::CONFIG_TRANSCRITIQUE, 1);
  thread->modsDatas_.value[modval::HP] = 80.0f;
  for (int k = 0; k < 7; ++k) thread->fluidDatas_[1].val[k] = 5.0f;
  thread->fluid_Calc();
  for (int k = 0; k < 7; ++k) EXPECT_FLOAT_EQ(s(2, k), 0.0f) << k;
  EXPECT_TRUE(allFinite());
}

TEST_F(FluidTest, InvalidHighPressureSkipsItsSteps) {
  thread->modsDatas_.value[modval::HP] = 999.0f;
  thread->fluidDatas_[0].val[0] = 33.0f;
  EXPECT_EQ(thread->fluid_Calc(), 1);
  EXPECT_FLOAT_EQ(s(1, 0), 33.0f);
  EXPECT_EQ(sleeps, std::vector<unsigned>({1, 1}));
  // The liquid side still follows the liquid temperature.
  EXPECT_NEAR(s(1, 8), 1.207, 0.006);
}

TEST_F(FluidTest, LeakRelayHeldByAStanding3DayAlarm) {
  struct Case {
    int flagAlarm;
    int stat3j;
    int porte10;
  };
  for (Case c : {Case{2, 1, 1}, Case{6, 1, 1}, Case{2, 0, 0}, Case{1, 1, 0}}) {
    int off = 0;
    GPIO("PORTE10", "OUTPUT", &off);
    setCfg(prockey::FLAG_ALARM, c.flagAlarm);
    setCfg(prockey::STAT3J_CHECK, c.stat3j);
    thread->fluid_Calc();
    EXPECT_EQ(relay("PORTE10"), c.porte10) << c.flagAlarm << " " << c.stat3j;
  }
}

TEST_F(FluidTest, LeakRelayDoesNotUndoAnAcknowledgementMadeDuringTheStep) {
  // The acknowledgement clears FLAG_ALARM and the relays under the alarm-state lock; a step
  // running meanwhile must not switch the leak relay on again from the alarm it replaced.
  setCfg(prockey::FLAG_ALARM, 2);
  int off = 0;
  GPIO("PORTE10", "OUTPUT", &off);
  std::unique_lock<std::mutex> acknowledging(thread->alarmStateMutex);
  auto step = std::async(std::launch::async, [this] { return thread->fluid_Calc(); });
  EXPECT_EQ(step.wait_for(std::chrono::milliseconds(300)), std::future_status::timeout);
  setCfg(prockey::FLAG_ALARM, 0);
  acknowledging.unlock();
  EXPECT_EQ(step.get(), 1);
  EXPECT_EQ(relay("PORTE10"), 0);
}

TEST_F(FluidTest, MeasurementLineCadence) {
  struct Case {
    int cycle;
    std::vector<int> counters;  // record cadence counter after each call
  };
  const Case cases[] = {{5, {1, 2, 3, 4, 5, 1, 2, 3, 4, 5, 1}}, {0, {1, 1, 1}}, {1, {1, 1, 1}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cycle);
    setCfg(prockey::CONFIG_CYCLE_NBRE, c.cycle);
    makeThread();
    thread->modsDatas_ = ORV_ProcScriptedModules::v2Card(1080, 5.641f, 25.0f, 20.0f, 20.0f);
    std::vector<int> counters;
    for (size_t i = 0; i < c.counters.size(); ++i) {
      thread->fluid_Calc();
      counters.push_back(thread->noyau_.recordCadence);
    }
    EXPECT_EQ(counters, c.counters);
  }
}

TEST_F(FluidTest, NoFacadeNoStates) {
  Singleton<orv_classPtr>::ptr()->fluids = nullptr;
  thread->fluidDatas_[0].val[8] = 1.1f;
  EXPECT_EQ(thread->fluid_Calc(), 0);
  EXPECT_FLOAT_EQ(s(1, 8), 1.1f);
  EXPECT_EQ(thread->noyau_.recordCadence, 0);
}

TEST_F(FluidTest, PassGivesTheMassOfTheReceiver) {
  // The default vertical receiver (500 x 1500 mm) with 1 kg of liquid in the column.
  modules.setExchange(ORV_ProcScriptedModules::v2Card(1080, 5.641f, 25.0f, 20.0f, 20.0f));
  thread->update_Process();
  EXPECT_EQ(mesInt(procmes::ColumnWeight), 1080);
  EXPECT_EQ(mesInt(procmes::NetWeight), 1000);
  EXPECT_NEAR(mesInt(procmes::LiquidLevel), 730, 4);
  EXPECT_NEAR(mesFloat(procmes::RefrigerantMass), 172.96, 0.05);
  struct_fluid_datas published;
  store->get_ORVmesureFluidData(0, published);
  EXPECT_NEAR(published.val[8], 1.207, 0.006);
  EXPECT_EQ(sleeps, std::vector<unsigned>({1}));  // after the refrigerant step
}
