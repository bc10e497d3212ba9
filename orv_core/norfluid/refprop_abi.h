// Calling convention of the fluid-property library "librefprop.so", shared by the bridge
// (which calls through a table of pointers) and by our stand-in and mock libraries (which
// define the routines), so that both sides are checked against the one declaration.
//
// Fortran-style convention: every number and array by address; character fields are
// fixed-length buffers whose lengths follow by value at the end of the argument list,
// in the order of the fields. Argument order: inputs, outputs, ierr, herr, lengths.
// Units: K, kPa, mol/L, J/mol, J/(mol K), g/mol, m/s, uPa s; qualities on a molar basis.
// ierr > 0 is an error whose text is in herr; ierr < 0 is a warning.
#pragma once

// Hidden length of a character field.
typedef long RefpropStrLen;

enum : int {
  kRefpropMaxComponents = 20,   // entries of the composition arrays of SETMIXdll
  kRefpropMessageLength = 255,  // herr
  kRefpropPathLength = 255,     // hfmix, hmxnme and the mixing-rule texts
  kRefpropFileListLength = 10000,  // hfiles of SETUPdll and SETMIXdll
  kRefpropReferenceLength = 3,  // hrf ("DEF")
  kRefpropVersionLength = 1000  // RPVersion
};

extern "C" {

// Set-up and fluid information.
typedef void RPVersion_fn(char* hv, RefpropStrLen lhv);
typedef void SETUPdll_fn(int* nc, char* hfiles, char* hfmix, char* hrf, int* ierr, char* herr,
                         RefpropStrLen lhfiles, RefpropStrLen lhfmix, RefpropStrLen lhrf,
                         RefpropStrLen lherr);
typedef void SETMIXdll_fn(char* hmxnme, char* hfmix, char* hrf, int* ncc, char* hfiles,
                          double* x, int* ierr, char* herr, RefpropStrLen lhmxnme,
                          RefpropStrLen lhfmix, RefpropStrLen lhrf, RefpropStrLen lhfiles,
                          RefpropStrLen lherr);
typedef void INFOdll_fn(int* icomp, double* wmm, double* ttrp, double* tnbpt, double* tc,
                        double* pc, double* dc, double* zc, double* acf, double* dip,
                        double* rgas);
typedef void NAMEdll_fn(int* icomp, char* hnam, char* hn80, char* hcasn, RefpropStrLen lhnam,
                        RefpropStrLen lhn80, RefpropStrLen lhcasn);
typedef void WMOLdll_fn(double* x, double* wm);
typedef void CRITPdll_fn(double* x, double* tc, double* pc, double* dc, int* ierr, char* herr,
                         RefpropStrLen lherr);
typedef void REDXdll_fn(double* x, double* tred, double* dred);
typedef void LIMITSdll_fn(char* htyp, double* x, double* tmin, double* tmax, double* dmax,
                          double* pmax, RefpropStrLen lhtyp);
typedef void RMIX2dll_fn(double* x, double* rgas);

// Saturation and state at (T, D).
typedef void SATTPdll_fn(double* t, double* p, double* x, int* iflsh, int* iguess, double* d,
                         double* dl, double* dv, double* xliq, double* xvap, double* q,
                         int* ierr, char* herr, RefpropStrLen lherr);
typedef void THERMdll_fn(double* t, double* d, double* x, double* p, double* e, double* h,
                         double* s, double* cv, double* cp, double* w, double* hjt);
typedef void THERM0dll_fn(double* t, double* d, double* x, double* p, double* e, double* h,
                          double* s, double* cv, double* cp, double* w, double* a, double* g);
typedef void THERM2dll_fn(double* t, double* d, double* x, double* p, double* e, double* h,
                          double* s, double* cv, double* cp, double* w, double* z,
                          double* hjt, double* a, double* g, double* xkappa, double* beta,
                          double* dpdd, double* d2pdd2, double* dpdt, double* dddt,
                          double* dddp, double* d2pdt2, double* d2pdtd, double* spare3,
                          double* spare4);

// Flashes. Outputs common to all: D (or the missing one of T, P, D), Dl, Dv, x[], y[], q and
// the properties not given, then cv, cp, w.
typedef void TPFLSHdll_fn(double* t, double* p, double* z, double* d, double* dl, double* dv,
                          double* x, double* y, double* q, double* e, double* h, double* s,
                          double* cv, double* cp, double* w, int* ierr, char* herr,
                          RefpropStrLen lherr);
typedef void TQFLSHdll_fn(double* t, double* q, double* z, int* kq, double* p, double* d,
                          double* dl, double* dv, double* x, double* y, double* e, double* h,
                          double* s, double* cv, double* cp, double* w, int* ierr, char* herr,
                          RefpropStrLen lherr);
typedef void PQFLSHdll_fn(double* p, double* q, double* z, int* kq, double* t, double* d,
                          double* dl, double* dv, double* x, double* y, double* e, double* h,
                          double* s, double* cv, double* cp, double* w, int* ierr, char* herr,
                          RefpropStrLen lherr);
typedef void TDFLSHdll_fn(double* t, double* d, double* z, double* p, double* dl, double* dv,
                          double* x, double* y, double* q, double* e, double* h, double* s,
                          double* cv, double* cp, double* w, int* ierr, char* herr,
                          RefpropStrLen lherr);
// T with h, s or e; kr = 1 asks for the lower-density root.
typedef void THFLSHdll_fn(double* t, double* h, double* z, int* kr, double* p, double* d,
                          double* dl, double* dv, double* x, double* y, double* q, double* e,
                          double* s, double* cv, double* cp, double* w, int* ierr, char* herr,
                          RefpropStrLen lherr);
typedef void TSFLSHdll_fn(double* t, double* s, double* z, int* kr, double* p, double* d,
                          double* dl, double* dv, double* x, double* y, double* q, double* e,
                          double* h, double* cv, double* cp, double* w, int* ierr, char* herr,
                          RefpropStrLen lherr);
typedef void TEFLSHdll_fn(double* t, double* e, double* z, int* kr, double* p, double* d,
                          double* dl, double* dv, double* x, double* y, double* q, double* h,
                          double* s, double* cv, double* cp, double* w, int* ierr, char* herr,
                          RefpropStrLen lherr);
typedef void PDFLSHdll_fn(double* p, double* d, double* z, double* t, double* dl, double* dv,
                          double* x, double* y, double* q, double* e, double* h, double* s,
                          double* cv, double* cp, double* w, int* ierr, char* herr,
                          RefpropStrLen lherr);
typedef void PHFLSHdll_fn(double* p, double* h, double* z, double* t, double* d, double* dl,
                          double* dv, double* x, double* y, double* q, double* e, double* s,
                          double* cv, double* cp, double* w, int* ierr, char* herr,
                          RefpropStrLen lherr);
typedef void PSFLSHdll_fn(double* p, double* s, double* z, double* t, double* d, double* dl,
                          double* dv, double* x, double* y, double* q, double* e, double* h,
                          double* cv, double* cp, double* w, int* ierr, char* herr,
                          RefpropStrLen lherr);
typedef void PEFLSHdll_fn(double* p, double* e, double* z, double* t, double* d, double* dl,
                          double* dv, double* x, double* y, double* q, double* h, double* s,
                          double* cv, double* cp, double* w, int* ierr, char* herr,
                          RefpropStrLen lherr);
typedef void HSFLSHdll_fn(double* h, double* s, double* z, double* t, double* p, double* d,
                          double* dl, double* dv, double* x, double* y, double* q, double* e,
                          double* cv, double* cp, double* w, int* ierr, char* herr,
                          RefpropStrLen lherr);
typedef void ESFLSHdll_fn(double* e, double* s, double* z, double* t, double* p, double* d,
                          double* dl, double* dv, double* x, double* y, double* q, double* h,
                          double* cv, double* cp, double* w, int* ierr, char* herr,
                          RefpropStrLen lherr);
typedef void DHFLSHdll_fn(double* d, double* h, double* z, double* t, double* p, double* dl,
                          double* dv, double* x, double* y, double* q, double* e, double* s,
                          double* cv, double* cp, double* w, int* ierr, char* herr,
                          RefpropStrLen lherr);
typedef void DSFLSHdll_fn(double* d, double* s, double* z, double* t, double* p, double* dl,
                          double* dv, double* x, double* y, double* q, double* e, double* h,
                          double* cv, double* cp, double* w, int* ierr, char* herr,
                          RefpropStrLen lherr);
typedef void DEFLSHdll_fn(double* d, double* e, double* z, double* t, double* p, double* dl,
                          double* dv, double* x, double* y, double* q, double* h, double* s,
                          double* cv, double* cp, double* w, int* ierr, char* herr,
                          RefpropStrLen lherr);

// Further properties.
typedef void TRNPRPdll_fn(double* t, double* d, double* x, double* eta, double* tcx, int* ierr,
                          char* herr, RefpropStrLen lherr);
typedef void SURFTdll_fn(double* t, double* dl, double* x, double* sigma, int* ierr, char* herr,
                         RefpropStrLen lherr);
typedef void MELTPdll_fn(double* p, double* x, double* t, int* ierr, char* herr,
                         RefpropStrLen lherr);
typedef void FGCTY2dll_fn(double* t, double* d, double* x, double* f, int* ierr, char* herr,
                          RefpropStrLen lherr);
typedef void FUGCOFdll_fn(double* t, double* d, double* x, double* phi, int* ierr, char* herr,
                          RefpropStrLen lherr);
typedef void CHEMPOTdll_fn(double* t, double* d, double* x, double* u, int* ierr, char* herr,
                           RefpropStrLen lherr);
typedef void VIRBdll_fn(double* t, double* x, double* b);
typedef void VIRCdll_fn(double* t, double* x, double* c);

// Binary interaction parameters: model (3 characters), coefficients fij[6], and the
// mixing-rule texts (file, coefficient names, description, rule).
typedef void GETKTVdll_fn(int* icomp, int* jcomp, char* hmodij, double* fij, char* hfmix,
                          char* hfij, char* hbinp, char* hmxrul, RefpropStrLen lhmodij,
                          RefpropStrLen lhfmix, RefpropStrLen lhfij, RefpropStrLen lhbinp,
                          RefpropStrLen lhmxrul);
typedef void SETKTVdll_fn(int* icomp, int* jcomp, char* hmodij, double* fij, char* hfmix,
                          int* ierr, char* herr, RefpropStrLen lhmodij, RefpropStrLen lhfmix,
                          RefpropStrLen lherr);

// Routines of the table that the bridge binds but never calls: kept as untyped addresses.
typedef void RefpropUncalled_fn();

}  // extern "C"
