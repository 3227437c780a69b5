#pragma once

// Real-time scheduling for the voice thread: SCHED_FIFO when the process may
// set it itself, else through the desktop's RealtimeKit service on the system
// bus; without either the thread runs at normal priority, and a log line says so.

namespace Realtime {

constexpr int kPriority = 10;

// Names the calling thread and raises it. Never blocks: a request to
// RealtimeKit is sent from a helper thread.
void raiseCurrentThread(const char* name);

} // namespace Realtime
