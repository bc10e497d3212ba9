// Run-time binding of the fluid-property library "librefprop.so": one process-wide
// handle, a table of 112 routine pointers bound by name, the data paths, and the small
// text helpers of the bridge.
//
// The handle is reference-counted by the bridge objects that set a fluid up, so that a
// second bridge object never closes the library under another one. Every call through
// the table goes through REFPROP_CALL, which throws code 4 when the routine is absent.
#pragma once

#include <fmt/printf.h>

#include <cstddef>
#include <string>
#include <utility>

#include "RefPropError.h"
#include "refprop_abi.h"

// The table in binding order: CALLED(name) for routines the bridge calls (typed pointer
// name##_fn), UNCALLED(name) for the others.
#define REFPROP_ROUTINE_TABLE(CALLED, UNCALLED)                                              \
  CALLED(RPVersion) UNCALLED(SETPATHdll) UNCALLED(ABFL1dll) UNCALLED(ABFL2dll)                \
  UNCALLED(ACTVYdll) UNCALLED(AGdll) UNCALLED(CCRITdll) CALLED(CHEMPOTdll) UNCALLED(CP0dll)  \
  CALLED(CRITPdll) UNCALLED(CSATKdll) UNCALLED(CV2PKdll) UNCALLED(CVCPKdll)                  \
  UNCALLED(CVCPdll) UNCALLED(DBDTdll) UNCALLED(DBFL1dll) UNCALLED(DBFL2dll)                  \
  UNCALLED(DDDPdll) UNCALLED(DDDTdll) CALLED(DEFLSHdll) UNCALLED(DHD1dll)                     \
  UNCALLED(DHFL1dll) CALLED(DHFLSHdll) UNCALLED(DIELECdll) UNCALLED(DOTFILLdll)              \
  UNCALLED(DPDD2dll) UNCALLED(DPDDKdll) UNCALLED(DPDDdll) UNCALLED(DPDTKdll)                 \
  UNCALLED(DPDTdll) UNCALLED(DPTSATKdll) CALLED(DSFLSHdll) UNCALLED(DSFL1dll)                \
  UNCALLED(ENTHALdll) UNCALLED(ENTROdll) CALLED(ESFLSHdll) UNCALLED(EXCESSdll)               \
  UNCALLED(FGCTYdll) CALLED(FGCTY2dll) CALLED(FUGCOFdll) UNCALLED(FPVdll)                    \
  UNCALLED(GERG04dll) UNCALLED(GETFIJdll) CALLED(GETKTVdll) UNCALLED(GIBBSdll)               \
  CALLED(HSFLSHdll) CALLED(INFOdll) UNCALLED(LIMITKdll) CALLED(LIMITSdll)                    \
  UNCALLED(LIMITXdll) CALLED(MELTPdll) UNCALLED(MELTTdll) UNCALLED(MLTH2Odll)                \
  CALLED(NAMEdll) UNCALLED(PASSCMN) UNCALLED(PDFL1dll) CALLED(PDFLSHdll) CALLED(PEFLSHdll)   \
  UNCALLED(PHFL1dll) CALLED(PHFLSHdll) UNCALLED(PHIXdll) UNCALLED(PHI0dll)                   \
  CALLED(PQFLSHdll) UNCALLED(PREOSdll) UNCALLED(PRESSdll) UNCALLED(PSFL1dll)                 \
  CALLED(PSFLSHdll) UNCALLED(PUREFLDdll) UNCALLED(QMASSdll) UNCALLED(QMOLEdll)               \
  UNCALLED(RESIDUALdll) CALLED(REDXdll) CALLED(RMIX2dll) UNCALLED(SATDdll)                   \
  UNCALLED(SATEdll) UNCALLED(SATGVdll) UNCALLED(SATHdll) UNCALLED(SATPdll)                   \
  UNCALLED(SATSdll) UNCALLED(SATTdll) CALLED(SATTPdll) UNCALLED(SATSPLNdll)                  \
  UNCALLED(SETAGAdll) CALLED(SETKTVdll) CALLED(SETMIXdll) UNCALLED(SETMODdll)                \
  UNCALLED(SETREFdll) CALLED(SETUPdll) UNCALLED(SPLNVALdll) UNCALLED(SPLNROOTdll)            \
  UNCALLED(SUBLPdll) UNCALLED(SUBLTdll) CALLED(SURFTdll) UNCALLED(SURTENdll)                 \
  CALLED(TDFLSHdll) CALLED(TEFLSHdll) CALLED(THERM0dll) CALLED(THERM2dll)                    \
  UNCALLED(THERM3dll) CALLED(THERMdll) CALLED(THFLSHdll) CALLED(TPFLSHdll)                   \
  UNCALLED(TPFL2dll) UNCALLED(TPRHOdll) CALLED(TQFLSHdll) CALLED(TRNPRPdll)                  \
  CALLED(TSFLSHdll) CALLED(VIRBdll) CALLED(VIRCdll) CALLED(WMOLdll) UNCALLED(XMASSdll)       \
  UNCALLED(XMOLEdll)

namespace refprop {

#define REFPROP_DECLARE_CALLED(name) extern name##_fn* name;
#define REFPROP_DECLARE_UNCALLED(name) extern RefpropUncalled_fn* name;
REFPROP_ROUTINE_TABLE(REFPROP_DECLARE_CALLED, REFPROP_DECLARE_UNCALLED)
#undef REFPROP_DECLARE_CALLED
#undef REFPROP_DECLARE_UNCALLED

// Number of routines of the table.
extern const int kRoutineCount;

// How routine names are spelled in the library.
enum DLLNameManglingStyle {
  NO_NAME_MANGLING = 0,                       // SETUPdll
  LOWERCASE_NAME_MANGLING = 1,                // setupdll
  LOWERCASE_AND_UNDERSCORE_NAME_MANGLING = 2  // setupdll_
};

extern void* RefpropdllInstance;          // dynamic-loader handle, null while closed
extern std::string RPVersion_loaded;      // version text read at the last load
extern std::string LoadedREFPROPRef;      // set-up text the library holds ("" when closed)
extern DLLNameManglingStyle mangling_style;

// Address of a routine in the opened library, null when absent.
void* getFunctionPointer(const char* name, DLLNameManglingStyle style);
// Binds the whole table; false with a message when the library is not open or has no
// set-up routine under any spelling.
bool setFunctionPointers(std::string& err);
// Opens and binds the library once; true when it is (or already was) usable. A failed
// binding closes the library again. `path` plays no part in finding the library.
bool load_REFPROP(std::string& err, const std::string& path);
bool REFPROP_loaded();

// Ownership of the open library by bridge objects that set a fluid up. The last owner to
// let go closes the library, empties LoadedREFPROPRef and nulls the table.
void acquire_REFPROP();
void release_REFPROP();
int REFPROP_owner_count();

// File opened by load_REFPROP: "librefprop.so" through the loader search path. The host
// build takes $ORV_REFPROP_LIB instead when it is set (tests and rehearsals).
std::string refpropLibraryFile();

// Data directory of the library (the device's "/usr/share/norfluid", under the sandbox
// in the host build) and the paths built from it.
std::string refpropPath();
std::string get_REFPROP_fluid_path_prefix();
std::string get_REFPROP_mixtures_path_prefix();
std::string get_REFPROP_HMX_BNC_path();

// Host build: lays out the shipped fluid data under the sandbox when it is missing.
void prepareFluidData();

// Text of a fixed-length character field: up to its first NUL or its length.
std::string fieldText(const char* field, std::size_t length);

// Throws code 4 when `fn` is null: a routine the library lacks is never called.
template <typename Fn>
Fn& requireRoutine(Fn* fn, const char* name) {
  if (!fn) throw RefPropBridgeError(std::string("routine ") + name + " not available");
  return *fn;
}
#define REFPROP_CALL(name) ::refprop::requireRoutine(::refprop::name, #name)

}  // namespace refprop

// Every character converted by toupper, one by one.
std::string upper(std::string s);

// printf-style formatting of the bridge's messages.
template <typename... Args>
std::string format(const char* pattern, Args&&... args) {
  return fmt::sprintf(pattern, std::forward<Args>(args)...);
}
