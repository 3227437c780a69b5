// The crash-report layer: fatal-error routing, an async-signal-safe report
// writer and the report sender's state. Knows nothing of Qt.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace crashreport {

// The report is plain text. A header and the faulting thread's stack come
// first, written by the program's filter; the sender's part follows:
//
//   Zelvani crash report
//   Signal: 11 (SIGSEGV)
//   Cause: invalid memory access
//   Address: 0x0
//   Thread: 4242 (name)
//   Exception: St13runtime_error        (std::terminate with an active exception)
//
//   [Stack]
//   #0 /usr/bin/zelvani-voice-changer(+0x1234)[0x55d0c0a01234]
//   ...
//
//   [Report]
//   Application: Zelvani Voice Changer
//   Version: 3.1.0
//   Database: Dozovo_Dev
//   Identifier: ...                      (only when one was given)
//   Description: ...
//   Email: ...
//   User: ...
//   Notes: {"Mem":"512.3MB"}
//   File: /absolute/path/AppLog.log      (one line per attached file)
//
// In the sender's part, backslashes, carriage returns and line feeds of a
// value are written as \\, \r and \n, so every value stays on its line.
namespace format {
inline constexpr char Title[] = "Zelvani crash report";
inline constexpr char StackSection[] = "[Stack]";
inline constexpr char SenderSection[] = "[Report]";
inline constexpr char Signal[] = "Signal";
inline constexpr char Cause[] = "Cause";
inline constexpr char Address[] = "Address";
inline constexpr char Thread[] = "Thread";
inline constexpr char Exception[] = "Exception";
inline constexpr char Application[] = "Application";
inline constexpr char Version[] = "Version";
inline constexpr char Database[] = "Database";
inline constexpr char Identifier[] = "Identifier";
inline constexpr char Description[] = "Description";
inline constexpr char Email[] = "Email";
inline constexpr char User[] = "User";
inline constexpr char Notes[] = "Notes";
inline constexpr char File[] = "File";
} // namespace format

// The causes a report names.
namespace cause {
inline constexpr char Abort[] = "abort";
inline constexpr char Terminate[] = "std::terminate";
inline constexpr char AllocationFailure[] = "allocation failure";
inline constexpr char StackOverflow[] = "stack overflow";
inline constexpr char InvalidMemoryAccess[] = "invalid memory access";
inline constexpr char BusError[] = "bus error";
inline constexpr char ArithmeticError[] = "arithmetic error";
inline constexpr char IllegalInstruction[] = "illegal instruction";
inline constexpr char Trap[] = "trap";
inline constexpr char BadSystemCall[] = "bad system call";
inline constexpr char SentByAnotherProcess[] = "sent by another process";
} // namespace cause

// What ended the process, handed to the installed filter on the faulting thread.
struct CrashContext
{
    int signal;                // the signal the process ends with: SIGSEGV, SIGABRT, ...
    const char* cause;         // one of the texts in `cause`
    const void* address;       // faulting address for memory faults, else nullptr
    long threadId;             // kernel thread id of the faulting thread
    void* ucontext;            // the signal's ucontext_t, or nullptr
    const char* exceptionType; // mangled type of the active exception at std::terminate, or nullptr
};

// The report filter. Runs inside the fatal handler: async-signal-safe calls only.
using Filter = void (*)(const CrashContext& context);

// True when a debugger (or any tracer) is attached to this process.
bool underDebugger();

// Gives the calling thread its own alternate signal stack, so a stack overflow
// on it is reported too (installFilter does this for its own thread). Threads
// with deep stacks, such as the audio threads, call it when they start.
void prepareThread();

// Routes std::terminate, failed operator new and SIGABRT into the one fatal
// path. They end the process with SIGABRT.
void routeFatalErrors();
// Sets the filter of the fatal path and catches the fatal signals (SIGSEGV,
// SIGBUS, SIGFPE, SIGILL, SIGTRAP, SIGSYS) on an alternate stack of the calling
// thread, so a stack overflow there is reported too. The filter runs once per
// process; afterwards the process ends with the original signal. A crash inside
// the filter ends the process at once.
void installFilter(Filter filter);

// The report sender of one application (one per process).
class Sender
{
public:
    // `appIdentifier` may be nullptr or empty: no identifier.
    Sender(const char* database, const char* application, const char* version, const char* appIdentifier,
           unsigned flags);
    ~Sender();
    Sender(const Sender&) = delete;
    Sender& operator=(const Sender&) = delete;

    // Reserves memory that is released when memory runs out, so the report can
    // still be written. The pages are touched, so they are really committed.
    void setGuardByteBufferSize(std::size_t bytes);
    // Async-signal-safe.
    void releaseGuardBytes();
    std::size_t guardByteBufferSize() const;

    // Texts are copied into fixed buffers at the call; overlong texts are cut
    // at a character boundary. setNotes and sendAdditionalFile are
    // async-signal-safe.
    void setDefaultUserDescription(const char* text);
    void setDefaultUserEmail(const char* text);
    void setDefaultUserName(const char* text);
    void setNotes(const char* json);
    void sendAdditionalFile(const char* path);

    unsigned flags() const;

    // Appends the sender's part of the report (application, version, database,
    // user fields, notes, attached files) to the open report `fd`.
    // Async-signal-safe.
    void unhandledExceptionHandler(int fd);

    static Sender* current();

    struct Private;

private:
    Private* d;
};

// The sender's part of a report, read back.
struct ReportFields
{
    std::string application;
    std::string version;
    std::string database;
    std::string identifier;
    std::string description;
    std::string email;
    std::string user;
    std::string notes;
    std::vector<std::string> files;
};

// Fills `fields` from the sender's part of `report`. Fields the report lacks
// keep their value. False when the report has no sender's part.
bool parseReport(const std::string& report, ReportFields& fields);

// Async-signal-safe pieces for the filter.
class ReportWriter
{
public:
    explicit ReportWriter(int fd) : m_fd(fd) {}
    ReportWriter& text(const char* value);
    // `value` with backslash, CR and LF escaped (see `format`).
    ReportWriter& escaped(const char* value);
    ReportWriter& number(long long value);
    ReportWriter& hex(std::uintptr_t value);
    int fd() const { return m_fd; }

private:
    int m_fd;
};

// Writes the calling thread's stack, one frame a line ("#0 ..."). Outer frames
// show the call site (return address - 1). `ucontext` is the signal's context,
// if any: its interrupted instruction is shown as it is.
void writeStack(int fd, const void* ucontext = nullptr);
// Peak memory of the process as "512.3MB" into `out` (at least 32 bytes).
void peakMemoryText(char* out, std::size_t size);
// Calls `visit` with the absolute path of every regular file in `folder` whose
// name ends with one of the suffixes (a nullptr-terminated list, compared
// without regard to ASCII case).
void forEachFile(const char* folder, const char* const* suffixes, void (*visit)(const char* path, void* user),
                 void* user);
// Name of a signal ("SIGSEGV").
const char* signalName(int signal);

} // namespace crashreport
