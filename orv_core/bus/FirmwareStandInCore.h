// Stand-in of the core's side of a firmware job until the core exists (orvcore-cli and the
// tests use it): it records each report and, as the core does, makes the module centre
// identify every flashed module again.
#pragma once

#include <vector>

#include "firmwareLauncher.h"

class ModulsCenter;

// Sets the connect state of each listed module to 2 (identify again), stopping at the
// failing module's type, as the core's report does.
class FirmwareStandInCore : public ORV_FirmwareCore {
public:
  struct Report {
    std::vector<int> types;
    int failingBusAddress;
  };
  // `centre` gets the connect states; may be null.
  explicit FirmwareStandInCore(ModulsCenter* centre = nullptr) : centre_(centre) {}
  void OnExitFirmwareUpdate(std::vector<int>& types, int failingBusAddress) override;
  const std::vector<Report>& reports() const { return reports_; }

  // Failing module type of a bus address as the core maps it (1 -> 0, 5 -> 1, 6..8 ->
  // 2..4); -1 for any other address.
  static int failingTypeOfAddress(int busAddress);

private:
  ModulsCenter* centre_;
  std::vector<Report> reports_;
};
