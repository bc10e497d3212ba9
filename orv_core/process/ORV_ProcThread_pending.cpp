// Temporary definitions of the measurement line, hourly means and analyses operations,
// so that the thread links before their own files land. Delete this file then.
#include "ORV_ProcThread.h"

void ORV_ProcThread::save_mesurement() {}
void ORV_ProcThread::accumulate_moyenne() {}
int ORV_ProcThread::WriteMoyenne(tm*) { return 0; }
void ORV_ProcThread::file_saving_management() {}
int ORV_ProcThread::get_taille_index(int*, int*, int*) { return -1; }
void ORV_ProcThread::start_Analyse() {}
int ORV_ProcThread::analyse_moy() { return 0; }
