// The long-lived core objects as the main window reaches them: through the registry, each
// null while it does not exist (before the start-up, in tests of a page alone).
#pragma once

#include "orvDatas.h"
#include "orv_classPtr.h"

class ModulsCenter;
class ORV_ProcThread;
class ORV_UpdThread;

namespace orvqt {

inline orvDatas* store() { return Singleton<orv_classPtr>::ptr()->datas; }
inline ModulsCenter* modules() { return Singleton<orv_classPtr>::ptr()->modules; }
inline ORV_ProcThread* procThread() { return Singleton<orv_classPtr>::ptr()->procThread; }
inline ORV_UpdThread* updThread() { return Singleton<orv_classPtr>::ptr()->updThread; }

// A setting of section General by its keyword; its default when there is no store.
inline cfg_value_t config(const char* keyword) {
  orvDatas* datas = store();
  if (!datas) return cfg_value_t();
  return datas->getCFG_struct(orvDatas::getCFG_ID_fromKeyString(keyword));
}

}  // namespace orvqt
