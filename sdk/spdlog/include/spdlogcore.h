// The logging library: a thread-safe rotating file log.
#pragma once

#include <cstddef>

// Opens (or continues) the log file `fileName` inside `folder`. Until this is
// called, lines go to standard error. Calling it again switches files.
void InitSpdLogW(const wchar_t* fileName, const wchar_t* folder);

// printf-style logging. `level` follows the usual numbering: 0 trace, 1 debug,
// 2 info, 3 warning, 4 error, 5 critical. Error lines and above flush at once.
void SpdLogA(const char* sourceFile, int line, int level, const char* format, ...);
void SpdLogW(const char* sourceFile, int line, int level, const wchar_t* format, ...);

// Writes everything buffered to disk.
void SpdLogFlush();

// From here on, standard error reaches the log too: libraries that print
// there (the mp3 decoder's "Note: ..." lines among them) are kept with the
// rest, each line as a warning "[stderr] ...", and still shown on the
// terminal. Needs the log file (InitSpdLogW) first. Answers the descriptor of
// the terminal's own standard error, for writers whose lines are logged
// already; -1 when it could not be set up.
int SpdLogCaptureStandardError();
// Full path of the current log file, or an empty string before InitSpdLogW.
const char* SpdLogFilePath();

// Appends one error line to the log file with async-signal-safe calls only
// (no locks, no allocation). For crash handlers; may interleave with a line
// that another thread is writing at that moment.
void SpdLogEmergency(const char* sourceFile, int line, const char* text);
