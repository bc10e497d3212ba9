// What the wizard's measuring-card workers share: the module centre they talk through, the
// wait for the processing thread to leave the bus, and how a page ends its worker.
#pragma once

class ModulsCenter;
class QObject;
class QProgressBar;
class QThread;

// The registry's module centre, null without one.
ModulsCenter* cardModules();

// Pausing the processing thread only stops its next pass; a pass already on the bus
// finishes its round. A worker calls this before its first exchange: it returns once no
// pass runs (at once without a processing thread), after 30 s at most, or when the worker
// is asked to stop (then false).
bool waitForFreeBus(QThread* worker);

// Ends a page's worker for good: none of its signals reaches `page` any more, it is asked
// to stop and waited for, so that it is never destroyed while it runs.
void finishCardWorker(QThread* worker, QObject* page);

// Lets a finished worker leave its event loop and deletes it, before the next one starts.
void dropFinishedWorker(QThread* worker);

// Shows a worker's progress step: maximum, minimum, then value, in this order.
void showWorkerProgress(QProgressBar* bar, long aMax, long aMin, long aValue);
