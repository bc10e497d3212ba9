// The configuration store lies below the module bus library: it hands the settings it
// received from the server on to the module clients through this hook, which the module
// centre installs. Without a hook (no module centre) the settings stay in the file and
// reach the modules at their next configuration exchange.
#pragma once

// Called with the modules whose configuration section changed: the V2 card, the HPF
// module and ENERGIE modules 0..2.
using ModuleConfigPush = void (*)(bool mesV2, bool hpf, const bool ener[3]);

void setModuleConfigPush(ModuleConfigPush push);
ModuleConfigPush moduleConfigPush();
