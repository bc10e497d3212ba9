// The ten GPIO pins of the bench test (CFG_GPIO_PIN): five relay outputs, then five
// digital inputs. Building the pool exports and configures them and reads each input
// once; destroying it unexports them, leaving the outputs at their level.
#pragma once

#include <cstdint>
#include <list>

#include "gpioORVv2.h"

// 138 ALARME INVERSEUR, 135 ALIM BUS MODULES, 136 ALARME NIVEAU BAS, 230, 232 (outputs);
// 200 MARCHE COMPRESSEUR, 201 MARCHE CENTRAL, 202 RESERVE, 41 SW2_2, 42 SW2_1 (inputs).
extern const uint16_t CFG_GPIO_PIN[10];

class gpioV2 {
public:
  gpioV2();
  virtual ~gpioV2();
  gpioV2(const gpioV2&) = delete;
  gpioV2& operator=(const gpioV2&) = delete;

  // setval_gpio of the last pin of that number; 0 when none.
  int setGPIO_State(int pin, int value);
  // getval_gpio of the last pin of that number; -1 when none.
  int getGPIO_State(int pin);

private:
  void init();

  std::list<gpioORVv2*> pins_;
};
