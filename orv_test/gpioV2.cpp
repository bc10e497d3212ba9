#include "gpioV2.h"

const uint16_t CFG_GPIO_PIN[10] = {138, 135, 136, 230, 232, 200, 201, 202, 41, 42};

gpioV2::gpioV2() { init(); }

gpioV2::~gpioV2() {
  for (gpioORVv2* pin : pins_) delete pin;
  pins_.clear();
}

void gpioV2::init() {
  for (int i = 0; i < 10; ++i) {
    const int direction = i < 5 ? 0 : 1;
    auto* pin = new gpioORVv2(CFG_GPIO_PIN[i], direction);
    if (direction == 1) pin->getval_gpio();  // the input's state is known from the start
    pins_.push_back(pin);
  }
}

int gpioV2::setGPIO_State(int pin, int value) {
  int result = 0;
  for (gpioORVv2* p : pins_)
    if (p->get_pinNum() == pin) result = p->setval_gpio(value) ? 1 : 0;
  return result;
}

int gpioV2::getGPIO_State(int pin) {
  int result = -1;
  for (gpioORVv2* p : pins_)
    if (p->get_pinNum() == pin) result = p->getval_gpio();
  return result;
}
