// Checks for the values that the services put into shell command lines, the boot script
// and the board's settings files, and for the settings that arrive from outside. A value
// that fails its check is never used: a configuration or server text must not be able to
// add a command or a line, nor leave a setting the device cannot work with.
#pragma once

#include <cstdint>
#include <string>

// Four decimal numbers 0..255 separated by dots, nothing else ("192.168.1.48"). A number
// never starts with a 0 unless it is 0: "010" would read as octal 8 in the system's
// converters, so it is refused rather than guessed at.
bool isDottedIPv4(const std::string& text);
// The address of a dotted text that isDottedIPv4 accepts, in network byte order, in
// `networkOrder`; false (and `networkOrder` untouched) for any other text. The one
// conversion of typed or received addresses: it never reads octal or hexadecimal.
bool parseDottedIPv4(const std::string& text, uint32_t* networkOrder);
// An address the device can take as its own or use as its gateway: dotted, neither
// "0.0.0.0" (no address) nor "255.255.255.255" (broadcast).
bool isDeviceAddress(const std::string& text);
// A gateway setting: a device address, or "0.0.0.0" for a network without a gateway
// (no default route, no resolver).
bool isGatewayAddress(const std::string& text);
// A network mask: dotted, its one bits all to the left of its zero bits, at least one.
bool isNetmask(const std::string& text);
// Static network settings: nullptr when address, mask and gateway can all be used (the
// gateway may be "0.0.0.0", none), else the configuration key of the first that cannot
// ("CONFIG_IP", "CONFIG_MASK", "CONFIG_GW").
const char* staticNetworkRefusal(const std::string& ip, const std::string& mask,
                                 const std::string& gw);
// Static network settings typed or received, before they are stored: staticNetworkRefusal(),
// and also the address is neither the network nor the broadcast address of its subnet (a
// subnet of four addresses or more), and a gateway other than "0.0.0.0" lies inside that
// subnet and is not the address itself: the kernel refuses such a default route. Settings
// already stored are judged by staticNetworkRefusal() alone, so a device keeps starting with
// what it has.
const char* newStaticNetworkRefusal(const std::string& ip, const std::string& mask,
                                    const std::string& gw);

// Six two-digit hexadecimal bytes separated by ":" ("00:1A:2B:3C:4D:5E").
bool isMacAddress(const std::string& text);

// One of the board's network interfaces: "eth0" (Ethernet) or "ra0" (USB Wi-Fi).
bool isKnownInterface(const std::string& text);

// A server address: a dotted IPv4 address or a host name of letters, digits, "-" and ".".
bool isServerAddress(const std::string& text);

// Free text (Wi-Fi SSID and key) without control characters or shell metacharacters.
bool isPlainText(const std::string& text);

// An absolute path of letters, digits and "._+-" between single "/", without "." or ".."
// parts ("/home/ORV/programme/orv_10.04.06.tar.gz"): safe as one word of a shell line.
bool isPlainDevicePath(const std::string& text);

// A whole decimal integer from `lowest` to `highest`: an optional "-" or "+", then digits
// only ("42", "-5"); no blank, no fraction.
bool isIntegerText(const std::string& text, long long lowest, long long highest);

// A whole finite decimal number: digits with an optional sign, point and exponent
// ("38.22", "-5", "1e-05"); no blank, no hexadecimal form, no "inf" or "nan".
bool isDecimalText(const std::string& text);
