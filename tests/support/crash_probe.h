// What the crash probe and the crash-report tests agree on.
#pragma once

namespace crashprobe {

// Exit codes of a probe that did not crash.
inline constexpr int ExitNoUpload = 0;      // "start": nothing to upload
inline constexpr int ExitUsage = 2;         // unknown arguments
inline constexpr int ExitSurvived = 3;      // the requested crash did not happen
inline constexpr int ExitUploaded = 10;     // "start": the pending report was accepted
inline constexpr int ExitUploadFailed = 11; // "start": the upload failed
inline constexpr int ExitUploadTimeout = 12;

// The default user description the probe passes, as the program passes its
// system description; not plain ASCII on purpose.
inline constexpr char Description[] = "Probe OS \xe2\x80\x93 x86_64 x86_64";

// The name of the worker thread of the "thread-segv" crash.
inline constexpr char WorkerName[] = "probe-worker";

} // namespace crashprobe
