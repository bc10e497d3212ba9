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

// Typed or received settings must also make a network the kernel routes; stored settings
// are judged without that, so that a device keeps starting with what it has.
TEST(AddressCheck, NewStaticSettingsMakeARoutableNetwork) {
  struct Case {
    const char *ip, *mask, *gw;
    const char* refused;  // by the check of new settings
    bool storedUsable;
  } cases[] = {
      {"10.0.0.7", "255.255.255.0", "10.0.0.1", nullptr, true},
      {"10.0.0.7", "255.255.255.0", "0.0.0.0", nullptr, true},
      {"10.0.0.7", "255.255.255.0", "192.168.1.1", "CONFIG_GW", true},
      {"10.0.0.7", "255.255.255.0", "10.0.0.7", "CONFIG_GW", true},
      {"10.0.0.0", "255.255.255.0", "0.0.0.0", "CONFIG_IP", true},
      {"10.0.0.255", "255.255.255.0", "10.0.0.1", "CONFIG_IP", true},
      {"10.0.0.5", "255.255.255.252", "10.0.0.6", nullptr, true},
      {"10.0.0.7", "255.255.255.252", "0.0.0.0", "CONFIG_IP", true},
      {"10.0.0.4", "255.255.255.254", "10.0.0.5", nullptr, true},  // a point-to-point pair
      {"10.0.0.4", "255.255.255.255", "0.0.0.0", nullptr, true},
      {"10.0.0.7", "255.0.255.0", "0.0.0.0", "CONFIG_MASK", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.ip) + "/" + c.mask + " gw " + c.gw);
    EXPECT_STREQ(newStaticNetworkRefusal(c.ip, c.mask, c.gw), c.refused);
    EXPECT_EQ(staticNetworkRefusal(c.ip, c.mask, c.gw) == nullptr, c.storedUsable);
  }
}

}  // namespace
