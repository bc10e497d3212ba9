// The address checks that every typed or received network setting passes.
#include "orvSafeText.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>

namespace {

TEST(AddressCheck, DottedDeviceAddressAndMask) {
  struct Case {
    const char* text;
    bool dotted, device, mask;
  } cases[] = {
      {"192.168.1.10", true, true, false},
      {"10.0.0.0", true, true, false},
      {"0.0.0.0", true, false, false},
      {"255.255.255.255", true, false, true},
      {"255.255.255.0", true, true, true},
      {"255.255.254.0", true, true, true},
      {"128.0.0.0", true, true, true},
      {"255.0.255.0", true, true, false},
      {"0.255.255.255", true, true, false},
      // Leading zeros: octal to inet_addr and ifconfig, never taken.
      {"192.168.1.010", false, false, false},
      {"192.168.001.060", false, false, false},
      {"192.168.1.08", false, false, false},
      {"010.001.002.003", false, false, false},
      {"255.255.255.00", false, false, false},
      {"192.168.1.256", false, false, false},
      {"192.168.1.", false, false, false},
      {"192.168.1.1.1", false, false, false},
      {"0x7f.0.0.1", false, false, false},
      {" 192.168.1.1", false, false, false},
      {"", false, false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(isDottedIPv4(c.text), c.dotted) << c.text;
    EXPECT_EQ(isDeviceAddress(c.text), c.device) << c.text;
    EXPECT_EQ(isNetmask(c.text), c.mask) << c.text;
  }
}

TEST(AddressCheck, ConversionIsDecimalInNetworkOrder) {
  uint32_t address = 7;
  ASSERT_TRUE(parseDottedIPv4("192.168.1.10", &address));
  EXPECT_EQ(address, inet_addr("192.168.1.10"));
  EXPECT_FALSE(parseDottedIPv4("192.168.1.010", &address));
  EXPECT_EQ(address, inet_addr("192.168.1.10"));  // untouched
}

TEST(AddressCheck, StaticSettingsNameTheFirstUnusableKey) {
  EXPECT_EQ(staticNetworkRefusal("192.168.1.10", "255.255.255.0", "192.168.1.1"), nullptr);
  EXPECT_STREQ(staticNetworkRefusal("192.168.1.010", "255.0.255.0", "0.0.0.0"), "CONFIG_IP");
  EXPECT_STREQ(staticNetworkRefusal("192.168.1.10", "255.0.255.0", "0.0.0.0"), "CONFIG_MASK");
  EXPECT_STREQ(staticNetworkRefusal("192.168.1.10", "255.255.255.0", "255.255.255.255"),
               "CONFIG_GW");
}

// "0.0.0.0" as gateway is a network without one; every other gateway is a device address.
TEST(AddressCheck, GatewayIsADeviceAddressOrNone) {
  struct Case {
    const char* gw;
    bool usable;
  } cases[] = {
      {"192.168.1.1", true},     {"0.0.0.0", true},         {"10.0.0.0", true},
      {"255.255.255.255", false}, {"192.168.1.08", false},   {"010.001.002.003", false},
      {"0.0.0.00", false},       {"0", false},              {"", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(isGatewayAddress(c.gw), c.usable) << c.gw;
    EXPECT_EQ(staticNetworkRefusal("192.168.1.48", "255.255.255.0", c.gw) == nullptr, c.usable)
        << c.gw;
  }
  // No gateway does not make a missing address or a split mask usable.
  EXPECT_STREQ(staticNetworkRefusal("0.0.0.0", "255.255.255.0", "0.0.0.0"), "CONFIG_IP");
  EXPECT_STREQ(staticNetworkRefusal("192.168.1.48", "255.0.255.0", "0.0.0.0"), "CONFIG_MASK");
}

}  // namespace
