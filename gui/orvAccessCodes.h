// The device's access codes, the constants of the time challenge and the after-sales number
// shown with it. The maker's service holds the same values to compute the answers.
#pragma once

namespace orv_access {

// Typed on the menu-code page: the configuration menu, and the network settings page.
constexpr const char* kMenuCode = "5086";
constexpr const char* kNetworkCode = "8351";
// Accepted in place of the challenge's answer for the server address field only.
constexpr const char* kServerAddressCode = "4631";

// The challenge's answer at h:m is (h + A) x (m + B).
constexpr int kChallengeHourAdd = 3;    // A
constexpr int kChallengeMinuteAdd = 7;  // B

// The after-sales telephone number of the challenge text (to be given by the maker).
constexpr const char* kAfterSalesPhone = "00 00 00 00 00";

}  // namespace orv_access
