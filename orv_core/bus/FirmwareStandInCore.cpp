#include "FirmwareStandInCore.h"

#include "ModulsCenter.h"

int FirmwareStandInCore::failingTypeOfAddress(int busAddress) {
  switch (busAddress) {
    case 1: return ModulsCenter::TYPE_MESV2;
    case 5: return ModulsCenter::TYPE_HPF;
    case 6: case 7: case 8: return ModulsCenter::TYPE_ENER0 + busAddress - 6;
    default: return -1;
  }
}

void FirmwareStandInCore::OnExitFirmwareUpdate(std::vector<int>& types, int failingBusAddress) {
  reports_.push_back({types, failingBusAddress});
  int failingType = failingTypeOfAddress(failingBusAddress);
  if (!centre_) return;
  // The flashed modules restart: the centre identifies them again.
  for (int type : types) {
    if (type == failingType) break;
    centre_->Modul_setConnectState(type, 2);
  }
}
