// Bridge between the refrigerant facade and the fluid-property library: sets a fluid up in
// the library, holds its composition, turns an input pair into a state (kept in K, Pa,
// mol/m3, J/mol, J/mol/K) and answers further properties. Every error is a RefPropError.
// One thread at a time; the library binding behind it is process-wide.
#pragma once

#include <string>
#include <vector>

#include "RefPropError.h"
#include "refprop_abi.h"

// Pairs of known properties of `refrop_backend::update`. Mass-based pairs and pairs 1, 2
// and 9 take bar and degrees Celsius; the molar pairs 11 to 35 take Pa and K.
enum input_pairs : int {
  INPUT_PAIR_INVALID = 0,
  QT = 1,       // molar quality, temperature
  PQ = 2,       // pressure, molar quality
  PT = 9,       // pressure, temperature
  DmassT = 10,
  DmolarT = 11,
  HmolarT = 12,
  HmassT = 13,
  SmolarT = 14,
  SmassT = 15,
  TUmolar = 16,
  TUmass = 17,
  DmassP = 18,
  DmolarP = 19,
  HmassP = 20,
  HmolarP = 21,
  PSmass = 22,
  PSmolar = 23,
  PUmass = 24,
  PUmolar = 25,
  HmassSmass = 26,
  HmolarSmolar = 27,
  SmassUmass = 28,
  SmolarUmolar = 29,
  DmassHmass = 30,
  DmolarHmolar = 31,
  DmassSmass = 32,
  DmolarSmolar = 33,
  DmassUmass = 34,
  DmolarUmolar = 35
};

class refrop_backend {
public:
  refrop_backend();
  virtual ~refrop_backend();
  refrop_backend(const refrop_backend&) = delete;
  refrop_backend& operator=(const refrop_backend&) = delete;

  // --- State getters (plant units) ---
  virtual double calc_T();           // degC
  virtual double calc_P();           // bar
  virtual double calc_rhomolar();    // mol/m3
  virtual double calc_soundSpeed();  // m/s
  virtual double calc_state();       // quality as the library gives it
  virtual double calc_entropy();     // J/kg/K
  virtual double calc_enthalpy();    // J/kg
  virtual int check_ErrorRegister();
  virtual int get_NumComp();

  // --- Fluid set-up and composition ---
  void construct(const std::vector<std::string>& names);
  bool select_fluid(const std::string& name);
  void check_loaded_fluid();
  void set_REFPROP_fluids(const std::vector<std::string>& names);
  void set_mole_fractions(const std::vector<double>& x);
  void set_mass_fractions(const std::vector<double>& w);
  std::vector<double> calc_mass_fractions();
  const std::vector<double>& get_mole_fractions() const { return mole_fractions; }
  const std::vector<std::string>& get_fluid_names() const { return fluid_names; }
  std::size_t match_CAS(const std::string& cas);
  std::string fluid_param_string(const std::string& name);

  // --- Library binding ---
  bool REFPROP_supported();
  std::string version();

  // --- State update ---
  void update(input_pairs pair, double value1, double value2);
  bool clear();
  void check_status();
  double calc_molar_mass();  // kg/mol
  double calc_density();     // kg/m3
  double calc_volume();      // m3/kg, after calc_density

  // --- Further properties ---
  double calc_p_critical();         // bar
  double calc_T_critical();         // degC
  double calc_rhomolar_critical();  // mol/m3
  double calc_T_reducing();         // K
  double calc_rhomolar_reducing();  // mol/m3
  void limits(double& Tmin, double& Tmax, double& rhomolarmax, double& pmax);
  double calc_Tmin();   // degC
  double calc_Tmax();   // degC
  double calc_pmax();   // bar
  double calc_Ttriple();  // K (Tmin for a mixture)
  double calc_p_triple();  // Pa
  double calc_melt_Tmax();  // K
  double calc_viscosity();  // Pa.s
  double calc_conductivity();  // W/m/K
  double calc_surface_tension();  // N/m
  double calc_dipole_moment();  // C.m
  double calc_gas_constant();  // J/mol/K
  double calc_cpmolar_idealgas();  // J/mol/K
  double calc_fugacity(std::size_t i);  // Pa
  double calc_fugacity_coefficient(std::size_t i);
  double calc_chemical_potential(std::size_t i);  // J/mol
  double calc_Bvirial();  // m3/mol
  double calc_Cvirial();  // m6/mol2
  double calc_PIP();
  double get_binary_interaction_double(std::size_t i, std::size_t j, const std::string& parameter);
  double get_binary_interaction_double(const std::string& CAS1, const std::string& CAS2,
                                       const std::string& parameter);
  void set_binary_interaction_double(std::size_t i, std::size_t j, const std::string& parameter,
                                     double value);
  void set_binary_interaction_double(const std::string& CAS1, const std::string& CAS2,
                                     const std::string& parameter, double value);
  std::string get_binary_interaction_string(const std::string& CAS1, const std::string& CAS2,
                                            const std::string& parameter);

private:
  void setupFluidFiles(const std::vector<std::string>& names, const std::string& joined);
  void setupMixtureFile(const std::string& joined);
  void releaseLibrary();
  double componentMolarMass(int icomp);  // g/mol
  // Component array of the right size for a routine that fills one value per component.
  std::vector<double> componentArray() const;
  // Calls one flash routine for a molar pair; result code and message in ierr / herr.
  void flashMolarPair(input_pairs pair, double value1, double value2, int& ierr, char* herr);
  void saturationOrFlash(input_pairs pair, double quality, double given, int& ierr, char* herr);
  // One value per component from FGCTY2dll, FUGCOFdll or CHEMPOTdll (same arguments).
  double componentResult(FGCTY2dll_fn* routine, const char* name, std::size_t i);
  struct InteractionModel;
  void readInteraction(int i, int j, InteractionModel& m);

  // Set-up and composition.
  int error_register;
  int component_count;
  bool fractions_set;
  int owns_library;
  bool library_usable;
  std::vector<double> mole_fractions;
  std::vector<double> composition;
  std::vector<double> liquid_composition;
  std::vector<double> vapour_composition;
  std::vector<std::string> fluid_names;
  std::string loaded_reference;
  int num_components;

  // Cached state.
  double temperature_K;
  double pressure_Pa;
  double rhomolar;
  double quality;
  double molar_mass;
  double hmolar;
  double smolar;
  double sound_speed;
  double rhomass;
  double specific_volume;
  double viscosity;
  double conductivity;
  double surface_tension;
};
