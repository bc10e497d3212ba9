// Process-wide registry of the long-lived objects, reached through
// Singleton<orv_classPtr>::ptr(). It owns nothing; a slot is null until its object
// registers. Slots are written during start-up, before their readers run, and cleared by
// the core's shutdown before their objects are freed. The two worker-thread slots are read
// by the other workers while they run: they are atomic, and a reader takes one once.
#pragma once

#include <atomic>

class ORV_core;
class orvDatas;
class FLuidsNorvale;
class ModulsCenter;
class ORV_ProcThread;
class ORV_UpdThread;
class cORV;

template <typename T>
class Singleton {
public:
  // Created on first use, in the GUI thread at start-up; never destroyed.
  static T* ptr() {
    static T* instance = new T();
    return instance;
  }
};

class orv_classPtr {
public:
  orv_classPtr()
      : core(nullptr), datas(nullptr), fluids(nullptr), modules(nullptr), procThread(nullptr),
        updThread(nullptr), spare(nullptr), mainWindow(nullptr) {}

  ORV_core* core;            // slot 0
  orvDatas* datas;           // slot 1: configuration store
  FLuidsNorvale* fluids;     // slot 2: refrigerant facade
  ModulsCenter* modules;     // slot 3: module centre
  std::atomic<ORV_ProcThread*> procThread;  // slot 4: processing thread
  std::atomic<ORV_UpdThread*> updThread;    // slot 5: server exchange thread
  void* spare;               // slot 6: never written
  cORV* mainWindow;          // slot 7
};
