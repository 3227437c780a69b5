#pragma once

// The voice player's reporter of audio-library errors: every result that is
// not Ok is written as a warning of the "zaudio" category (which the
// program's message handler puts in the log) with the tag of the call's line.

namespace AudioError {

// "line __TAG__: zaudio error! (CODE) TEXT"; nothing for Ok. Returns the result.
int report(int result, int tag);

} // namespace AudioError

// Checks one library call, tagged with its line.
#define ZAUDIO_CHECK(call) AudioError::report(static_cast<int>(call), __LINE__)
