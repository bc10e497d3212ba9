// Write-back of the wizard pages: a page stores a widget's value into section "General"
// of the wizard's working copy only when the stored value (read with the page's default,
// which inserts a missing entry) differs, numbers compared as numbers.
#pragma once

#include "orv_configFile.h"

template <typename T>
inline void setWhenChanged(orv_configFile* copy, const char* key, const T& def, const T& value) {
  if (copy->get<T>(key, def, "General") != value) copy->set<T>(key, value, "General");
}
