// Refrigerant facade: the one object through which the controller computes refrigerant
// properties. Holds the refrigerant list (126 built-in entries and the customer formulas
// of "/home/ORV/fluides.norvale") and at most one bridge object to the property library.
//
// Units: degC, bar absolute, kg/m3, m3/kg, m/s, J/kg, J/kg/K, Pa.s; quality 0 or 1.
// Calling order: loadFluid, then rounds of one upd_* (0 = success) followed by getters.
// No lock: updates and loads must never overlap (the wizard pauses the processing thread).
#pragma once

#include <string>
#include <vector>

class refrop_backend;

class FLuidsNorvale {
public:
  FLuidsNorvale();
  virtual ~FLuidsNorvale();
  FLuidsNorvale(const FLuidsNorvale&) = delete;
  FLuidsNorvale& operator=(const FLuidsNorvale&) = delete;

  virtual bool isFluidLoaded();
  virtual double getFluid_TempCritical();   // degC, 0 when unknown
  virtual double getFluid_PressCritical();  // bar absolute, 0 when unknown

  // 1 when the refrigerant is loaded, 0 otherwise.
  int loadFluid(const std::string& name);

  // State updates: 0 on success, 1 on failure (nothing loaded, or the library refused).
  int upd_PressTemp(double P, double T);
  int upd_PressQ(double P, int Q);
  int upd_TempQ(double T, int Q);
  int upd_PressEntro(double P, double s);
  int upd_PressEntha(double P, double h);

  // Getters of the last state; 0 without a bridge object.
  double getFluid_Temperature();
  double getFluid_Pressure();
  double getFluid_Density();
  double getFluid_Volume();  // 1 / the density of the last getFluid_Density
  double getFluid_SoundSpeed();
  double getFluid_Enthalpy();
  double getFluid_Entropy();
  double getFluid_Viscosity();

  // Vapour share in percent of a two-phase state (no upper bound).
  double getFluid_gazPercentInLiquid(double hL, double hV, double h);
  int getFluid_ComposantNum();  // -1 without a bridge object
  std::string get_fluideInUseName();
  std::string refprop_version();  // "" without a bridge object

  // Refrigerant list and customer mixtures file.
  int init_FluidsList();
  int read_externalFluidFile();
  int isFluidInList(const std::string& name);
  int get_FluidListVector(std::vector<std::string>* out);
  int get_FluidListBaseSize();
  int testMixture(const std::string& line);
  int write_entryToFluidFile(const std::string& line);
  bool delete_FluidFile();

private:
  // Clears the bridge's state and runs one update: 0 on success, 1 on failure.
  int updateState(int pair, double value1, double value2);
  // CO2's low-pressure floor (bar absolute).
  double pressureFloor(double P) const;
  static std::string mixturesFilePath();

  refrop_backend* backend;
  std::string fluidInUse;
  bool loaded;
  double tempCritical;
  double pressCritical;
  std::vector<std::string> fluidList;
};
