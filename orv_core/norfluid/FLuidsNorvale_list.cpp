// Refrigerant facade: the refrigerant list and the customer mixtures file.
#include <cstdio>
#include <exception>
#include <fstream>
#include <memory>

#include "FLuidsNorvale.h"
#include "orvPlatform.h"
#include "orv_utils.h"
#include "refrop_backend.h"

namespace {

const char* const kMixturesFileName = "fluides.norvale";

// Built-in entries by position: 0-29 pure, 30-33 pseudo-pure, 34-125 blends of the
// library's mixture files. The wizard shows them verbatim.
const char* const kBuiltInFluids[] = {
    "R11 ()", "R12 ()", "R13 ()", "R22 ()", "R23 ()", "R32 ()", "R41 ()", "R113 ()", "R114 ()",
    "R123 ()", "R124 ()", "R125 ()", "R134A ()", "R141B ()", "R142B ()", "R143A ()", "R152A ()",
    "R161 ()", "R218 ()", "R227EA ()", "R236EA ()", "R236FA ()", "R245FA ()", "R365MFC ()",
    "R1233ZD ()", "R1234YF ()", "R1234ZE ()", "BUTANE (R600)", "AMMONIA (R717/NH3)",
    "CO2 (R744)", "R404A (HP62/FX70)", "R407C (Klea66)", "R410A (Suva9100/AZ20)",
    "R507A (AZ50)", "R401A (MP39)", "R401B (MP66)", "R401C (MP52)", "R402A (HP80)",
    "R402B (HP81)", "R403A ()", "R403B ()", "R405A ()", "R406A ()", "R407A (Klea60)",
    "R407B (Klea61)", "R407D ()", "R407E ()", "R407F (Genetron/Performax)", "R408A (FX10)",
    "R409A (FX56)", "R409B ()", "R410B (AC9100)", "R411A (G2018A)", "R411B (G2019B)",
    "R412A ()", "R413A (Isceon-MO49)", "R414A ())", "R414B ())", "R415A ())", "R415B ()",
    "R416A ())", "R417A (Isceon-MO59)", "R417B ()", "R417C ()", "R418A ()", "R419A ()",
    "R419B ()", "R420A ()", "R421A ()", "R421B ())", "R422A (RS44/Isceon-MO79)",
    "R422B (ICOR-XAC1)", "R422C (ICOR-XLT1)", "R422D (Isceon-MO29)", "R422E ()",
    "R423A (Isceon-39TC)", "R424A (RS44)", "R425A ()", "R426A (RS24)", "R427A (FX100)",
    "R428A (RS52)", "R429A ()", "R430A ()", "R431A ()", "R432A ()", "R433A ()", "R433B ()",
    "R433C ()", "R434A (RS45)", "R435A ()", "R436A ()", "R436B ()", "R437A ()", "R438A ()",
    "R439A ()", "R440A ()", "R441A ()", "R442A (RS50)", "R443A ()", "R444A ()", "R444B ()",
    "R445A ()", "R446A ()", "R447A ()", "R448A (N40)", "R449A (XP40)", "R449B ()",
    "R450A (N13)", "R451A ()", "R451B ()", "R452A ()", "R453A ()", "R454A ()", "R454B ()",
    "R500 ()", "R501 ()", "R502 ()", "R503 ()", "R504 ()", "R508A ()", "R508B ()", "R509A ()",
    "R510A ()", "R511A ()", "R512A ()", "R513A (Opteon-XP10)"};
static_assert(sizeof kBuiltInFluids / sizeof kBuiltInFluids[0] == 126,
              "126 built-in refrigerants");

}  // namespace

std::string FLuidsNorvale::mixturesFilePath() {
  return orv::devicePath(std::string("/home/ORV/") + kMixturesFileName);
}

int FLuidsNorvale::init_FluidsList() {
  fluidList.assign(std::begin(kBuiltInFluids), std::end(kBuiltInFluids));
  if (read_externalFluidFile())
    std::printf(" ** MIXTURE supplementaire TROUVER dans: %s\n", kMixturesFileName);
  else
    std::printf(" ** AUCUN FLUIDE supplementaire TROUVER dans: %s\n", kMixturesFileName);
  return static_cast<int>(fluidList.size());
}

int FLuidsNorvale::read_externalFluidFile() {
  std::ifstream in(mixturesFilePath(), std::ios::binary);
  if (!in) return 0;
  // Whole lines: only the line feed (and a carriage return before it) is removed, so a
  // last line without a line feed and a long line stay intact.
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    fluidList.push_back(line);
  }
  return 1;
}

int FLuidsNorvale::isFluidInList(const std::string& name) {
  int found = -1;
  for (std::size_t i = 0; i < fluidList.size(); ++i) {
    const std::string& entry = fluidList[i];
    if (entry.compare(0, name.size(), name) == 0 &&
        (entry.size() == name.size() || entry[name.size()] == ' '))
      found = static_cast<int>(i);
  }
  return found;
}

int FLuidsNorvale::get_FluidListVector(std::vector<std::string>* out) {
  if (!out) return -1;
  *out = fluidList;
  return static_cast<int>(out->size());
}

int FLuidsNorvale::get_FluidListBaseSize() { return static_cast<int>(fluidList.size()); }

int FLuidsNorvale::testMixture(const std::string& line) {
  std::vector<std::string> fields = strsplit(line, ' ');
  if (fields.size() != 3) return 0;
  std::vector<std::string> components = strsplit(fields[1], '|');
  std::vector<double> fractions = strsplit_toDdouble(fields[2], '|');

  // A second bridge object beside the facade's own: the library handle is shared and
  // reference-counted, and the facade's bridge sets its own fluid up again at its next
  // update since the library then holds this test's set-up.
  std::unique_ptr<refrop_backend> test(new refrop_backend());
  try {
    test->construct(components);
  } catch (const std::exception& e) {
    std::printf("FLuidsNorvale::testMIX:: %s.\n", e.what());
  }
  bool accepted = test->check_ErrorRegister() <= 0 && components.size() == fractions.size();
  if (accepted) {
    try {
      test->set_mass_fractions(fractions);
    } catch (const std::exception& e) {
      std::printf("FLuidsNorvale::testMIX %s.\n", e.what());
      accepted = false;
    }
  }
  test.reset();
  if (!accepted) return 0;
  return write_entryToFluidFile(line) == 1 ? 1 : 0;
}

int FLuidsNorvale::write_entryToFluidFile(const std::string& line) {
  std::ofstream out(mixturesFilePath(), std::ios::binary | std::ios::app);
  if (!out) return 0;
  out << line << '\n';
  out.flush();
  return out ? 1 : 0;
}

bool FLuidsNorvale::delete_FluidFile() {
  std::string path = mixturesFilePath();
  if (std::remove(path.c_str()) != 0) {
    std::printf("Unable to delete the file %s\n", path.c_str());
    return false;
  }
  std::printf("%s file deleted successfully.\n", path.c_str());
  return true;
}
