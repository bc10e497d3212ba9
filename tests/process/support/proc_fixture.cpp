#include "proc_fixture.h"

#include <cstdlib>
#include <cstring>
#include <fstream>

#include <unistd.h>

#include "gpio.h"
#include "orv_classPtr.h"

namespace {
// Register offsets of a pin in the GPIO block: data register of its port, bit of the pin.
void pinRegister(const char* pin, int* dataOffset, int* bit) {
  int port = pin[4] - 'A';
  *dataOffset = port * 0x10 + 4;
  *bit = std::atoi(pin + 5);
}
}  // namespace

ProcFixture::ProcFixture() {
  store.reset(new orvDatas());
  Singleton<orv_classPtr>::ptr()->datas = store.get();
  makeThread();
}

ProcFixture::~ProcFixture() {
  thread.reset();
  Singleton<orv_classPtr>::ptr()->datas = nullptr;
  Singleton<orv_classPtr>::ptr()->fluids = nullptr;
}

void ProcFixture::makeThread() {
  thread.reset(new ProcThreadPeer(&core, &modules));
  thread->setSleepFunction([this](unsigned s) { sleeps.push_back(s); });
}

void ProcFixture::startThread() {
  ASSERT_EQ(thread->start(), 0);
  for (int i = 0; i < 1000 && thread->get_ThreadRunning() == 0; ++i) usleep(1000);
  ASSERT_EQ(thread->get_ThreadRunning(), 1);
}

void ProcFixture::stopThread() {
  thread->set_ThreadRunning(0);
  EXPECT_EQ(thread->join(), 0);
}

void ProcFixture::setCfg(int id, int value) { ASSERT_EQ(store->setCFG_struct(id, &value), 1); }

void ProcFixture::setCfgFloat(int id, float value) {
  ASSERT_EQ(store->setCFG_struct(id, &value), 1);
}

void ProcFixture::setCfgText(int id, const std::string& value) {
  if (cfgKeyType(id) == CFG_CHAR) {
    char c = value.empty() ? 0 : value[0];
    ASSERT_EQ(store->setCFG_struct(id, &c), 1);
  } else {
    ASSERT_EQ(store->setCFG_struct(id, value.c_str()), 1);
  }
}

int ProcFixture::cfgInt(int id) { return store->getCFG_struct(id).intValue; }

void ProcFixture::setMes(int index, int value) {
  if (mesIndexType(index) == MES_CHAR) {
    char c = static_cast<char>(value);
    store->setMES_struct(index, &c);
  } else {
    store->setMES_struct(index, &value);
  }
}

void ProcFixture::setMesFloat(int index, float value) { store->setMES_struct(index, &value); }

int ProcFixture::mesInt(int index) {
  mes_value_t v = store->getMES_struct(index);
  return mesIndexType(index) == MES_CHAR ? static_cast<signed char>(v.charValue) : v.intValue;
}

float ProcFixture::mesFloat(int index) { return store->getMES_struct(index).floatValue; }

int ProcFixture::relay(const char* pin) {
  int offset = 0;
  int bit = 0;
  pinRegister(pin, &offset, &bit);
  std::string block = box.read("/dev/mem");
  uint32_t data = 0;
  if (block.size() >= static_cast<size_t>(offset + 4)) std::memcpy(&data, block.data() + offset, 4);
  return (data >> bit) & 1u;
}

void ProcFixture::setInput(const char* pin, int level) {
  int probe = -1;
  GPIO(pin, "INPUT", &probe);  // creates the register file when missing
  int offset = 0;
  int bit = 0;
  pinRegister(pin, &offset, &bit);
  std::string block = box.read("/dev/mem");
  block.resize(orv::kGpioBlockSize, '\0');
  uint32_t data = 0;
  std::memcpy(&data, block.data() + offset, 4);
  data = level ? (data | (1u << bit)) : (data & ~(1u << bit));
  std::memcpy(&block[offset], &data, 4);
  box.write("/dev/mem", block);
}

time_t ProcFixture::localTime(const char* text) {
  struct tm t;
  std::memset(&t, 0, sizeof t);
  strptime(text, "%Y-%m-%d %H:%M:%S", &t);
  t.tm_isdst = -1;
  return mktime(&t);
}

void ProcFixture::setClock(const char* text) { orv::setWallClock(localTime(text)); }
