#include "crashreport.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cxxabi.h>
#include <dirent.h>
#include <exception>
#include <execinfo.h>
#include <fcntl.h>
#include <new>
#include <pthread.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <ucontext.h>
#include <unistd.h>

namespace crashreport {

namespace {

// Everything below that the fatal path reaches sticks to async-signal-safe
// system calls and hand-written string helpers: no allocation, no stdio, no
// locks, no libc string functions (a sanitizer may intercept those).

constexpr int kFatalSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGTRAP, SIGSYS};
constexpr std::size_t kPathMax = 4096;
constexpr int kMaxFiles = 32;
constexpr int kMaxFrames = 128;
// The filter unwinds and formats the stack; sanitized builds need much more
// room per frame than plain ones.
constexpr std::size_t kAlternateStackBytes = 512 * 1024;
// A fault this close to the interrupted stack pointer is taken as a stack overflow.
constexpr std::uintptr_t kStackOverflowBelow = 4096;
constexpr std::uintptr_t kStackOverflowAbove = 256 * 1024;
// The filter may block, for instance on a loader lock the crashed code held;
// a dying process must not hang, so it gets this long.
constexpr unsigned kFilterSeconds = 10;

std::atomic<Filter> g_filter{nullptr};
std::atomic<long> g_handlingThread{0};
std::atomic<Sender*> g_sender{nullptr};

std::size_t length(const char* text)
{
    std::size_t n = 0;
    while (text[n])
        ++n;
    return n;
}

// Copies `source` into `target` (capacity `size`), cutting an overlong text at
// a UTF-8 character boundary.
void copyText(char* target, std::size_t size, const char* source)
{
    if (!source)
        source = "";
    std::size_t n = 0;
    while (source[n] && n < size - 1)
        ++n;
    if (source[n]) {
        while (n > 0 && (static_cast<unsigned char>(source[n]) & 0xC0) == 0x80)
            --n;
    }
    for (std::size_t i = 0; i < n; ++i)
        target[i] = source[i];
    target[n] = '\0';
}

void writeAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
}

char lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool endsWithNoCase(const char* text, const char* suffix)
{
    const std::size_t textLength = length(text);
    const std::size_t suffixLength = length(suffix);
    if (suffixLength > textLength)
        return false;
    const char* tail = text + textLength - suffixLength;
    for (std::size_t i = 0; i < suffixLength; ++i) {
        if (lower(tail[i]) != lower(suffix[i]))
            return false;
    }
    return true;
}

long currentThreadId()
{
    return static_cast<long>(syscall(SYS_gettid));
}

// The stack pointer and the instruction pointer of the interrupted code.
struct Registers
{
    std::uintptr_t stack = 0;
    std::uintptr_t instruction = 0;
};

Registers interruptedRegisters(const void* context)
{
    Registers registers;
    if (!context)
        return registers;
    const auto* uc = static_cast<const ucontext_t*>(context);
#if defined(__x86_64__)
    registers.stack = static_cast<std::uintptr_t>(uc->uc_mcontext.gregs[REG_RSP]);
    registers.instruction = static_cast<std::uintptr_t>(uc->uc_mcontext.gregs[REG_RIP]);
#elif defined(__i386__)
    registers.stack = static_cast<std::uintptr_t>(uc->uc_mcontext.gregs[REG_ESP]);
    registers.instruction = static_cast<std::uintptr_t>(uc->uc_mcontext.gregs[REG_EIP]);
#elif defined(__aarch64__)
    registers.stack = static_cast<std::uintptr_t>(uc->uc_mcontext.sp);
    registers.instruction = static_cast<std::uintptr_t>(uc->uc_mcontext.pc);
#else
    (void)uc;
#endif
    return registers;
}

const char* causeOfSignal(int signal, const void* address, const void* context)
{
    switch (signal) {
    case SIGSEGV: {
        const auto fault = reinterpret_cast<std::uintptr_t>(address);
        const std::uintptr_t sp = interruptedRegisters(context).stack;
        if (sp && fault + kStackOverflowBelow >= sp && fault <= sp + kStackOverflowAbove)
            return cause::StackOverflow;
        return cause::InvalidMemoryAccess;
    }
    case SIGBUS:
        return cause::BusError;
    case SIGFPE:
        return cause::ArithmeticError;
    case SIGILL:
        return cause::IllegalInstruction;
    case SIGTRAP:
        return cause::Trap;
    case SIGSYS:
        return cause::BadSystemCall;
    case SIGABRT:
        return cause::Abort;
    default:
        return "signal";
    }
}

[[noreturn]] void endWithSignal(int signal)
{
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
    sigset_t unblock;
    sigemptyset(&unblock);
    sigaddset(&unblock, signal);
    pthread_sigmask(SIG_UNBLOCK, &unblock, nullptr);
    raise(signal);
    // Every signal routed here ends the process by default; this is only a backstop.
    _exit(128 + signal);
}

[[noreturn]] void fatal(const CrashContext& context)
{
    long expected = 0;
    if (!g_handlingThread.compare_exchange_strong(expected, context.threadId)) {
        // A crash inside the filter: no second attempt.
        if (expected == context.threadId)
            endWithSignal(context.signal);
        // Another thread is writing the report and will end the process.
        for (;;)
            pause();
    }
    struct sigaction alarmAction = {};
    alarmAction.sa_handler = SIG_DFL;
    sigemptyset(&alarmAction.sa_mask);
    sigaction(SIGALRM, &alarmAction, nullptr);
    alarm(kFilterSeconds);
    if (const Filter filter = g_filter.load())
        filter(context);
    endWithSignal(context.signal);
}

void onFatalSignal(int signal, siginfo_t* info, void* ucontext)
{
    // kill(1) and friends: no fault, and si_addr holds the sender's pid.
    if (info && info->si_code <= 0 && info->si_pid != getpid()) {
        fatal({signal, cause::SentByAnotherProcess, nullptr, currentThreadId(), ucontext, nullptr});
    }
    const bool hasFaultAddress =
        signal == SIGSEGV || signal == SIGBUS || signal == SIGFPE || signal == SIGILL;
    const void* address = (hasFaultAddress && info) ? info->si_addr : nullptr;
    fatal({signal, causeOfSignal(signal, address, ucontext), address, currentThreadId(), ucontext, nullptr});
}

[[noreturn]] void onTerminate()
{
    const std::type_info* type = abi::__cxa_current_exception_type();
    fatal({SIGABRT, cause::Terminate, nullptr, currentThreadId(), nullptr, type ? type->name() : nullptr});
}

void onAllocationFailure()
{
    if (Sender* sender = Sender::current())
        sender->releaseGuardBytes();
    fatal({SIGABRT, cause::AllocationFailure, nullptr, currentThreadId(), nullptr, nullptr});
}

void catchSignal(int signal)
{
    struct sigaction action = {};
    action.sa_sigaction = &onFatalSignal;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
}

// The calling thread's alternate signal stack, given back when the thread ends.
class AlternateStack
{
public:
    AlternateStack()
    {
        m_page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
        void* memory = mmap(nullptr, kAlternateStackBytes + m_page, PROT_READ | PROT_WRITE,
                            MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (memory == MAP_FAILED)
            return;
        // A guard page below, so an overflow of the handler itself faults cleanly.
        mprotect(memory, m_page, PROT_NONE);
        stack_t stack = {};
        stack.ss_sp = static_cast<char*>(memory) + m_page;
        stack.ss_size = kAlternateStackBytes;
        if (sigaltstack(&stack, nullptr) != 0) {
            munmap(memory, kAlternateStackBytes + m_page);
            return;
        }
        m_memory = memory;
    }
    ~AlternateStack()
    {
        if (!m_memory)
            return;
        stack_t disable = {};
        disable.ss_flags = SS_DISABLE;
        sigaltstack(&disable, nullptr);
        munmap(m_memory, kAlternateStackBytes + m_page);
    }
    AlternateStack(const AlternateStack&) = delete;
    AlternateStack& operator=(const AlternateStack&) = delete;

private:
    void* m_memory = nullptr;
    std::size_t m_page = 0;
};

struct LinuxDirent64
{
    std::uint64_t inode;
    std::int64_t offset;
    unsigned short recordLength;
    unsigned char type;
    char name[1];
};

// Reads "Key: value" lines back, undoing the escapes of ReportWriter::escaped.
std::string unescape(const std::string& value)
{
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const char next = value[++i];
        out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
}

} // namespace

void prepareThread()
{
    static thread_local AlternateStack stack;
}

bool underDebugger()
{
    const int fd = open("/proc/self/status", O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    char buffer[8192];
    std::size_t used = 0;
    for (;;) {
        const ssize_t n = read(fd, buffer + used, sizeof buffer - 1 - used);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        used += static_cast<std::size_t>(n);
    }
    close(fd);
    buffer[used] = '\0';

    const std::string status(buffer, used);
    const std::size_t key = status.find("TracerPid:");
    if (key == std::string::npos)
        return false;
    std::size_t i = key + sizeof("TracerPid:") - 1;
    while (i < status.size() && (status[i] == ' ' || status[i] == '\t'))
        ++i;
    return i < status.size() && status[i] >= '1' && status[i] <= '9';
}

void routeFatalErrors()
{
    std::set_terminate(&onTerminate);
    std::set_new_handler(&onAllocationFailure);
    catchSignal(SIGABRT);
}

void installFilter(Filter filter)
{
    g_filter.store(filter);
    // The first backtrace() loads the unwinder, which allocates: do it now,
    // not inside the handler.
    void* frame[1];
    backtrace(frame, 1);
    prepareThread();
    for (int signal : kFatalSignals)
        catchSignal(signal);
}

// --- the sender ---

struct Sender::Private
{
    char database[256];
    char application[256];
    char version[256];
    char identifier[256];
    char description[1024];
    char email[256];
    char user[256];
    char notes[1024];
    char files[kMaxFiles][kPathMax];
    std::atomic<int> fileCount{0};
    unsigned flags = 0;
    std::atomic<void*> guard{nullptr};
    std::size_t guardSize = 0;
};

Sender::Sender(const char* database, const char* application, const char* version, const char* appIdentifier,
               unsigned flags)
    : d(new Private)
{
    copyText(d->database, sizeof d->database, database);
    copyText(d->application, sizeof d->application, application);
    copyText(d->version, sizeof d->version, version);
    copyText(d->identifier, sizeof d->identifier, appIdentifier);
    copyText(d->description, sizeof d->description, "");
    copyText(d->email, sizeof d->email, "");
    copyText(d->user, sizeof d->user, "");
    copyText(d->notes, sizeof d->notes, "");
    d->flags = flags;
    g_sender.store(this);
}

Sender::~Sender()
{
    Sender* self = this;
    g_sender.compare_exchange_strong(self, nullptr);
    releaseGuardBytes();
    delete d;
}

void Sender::setGuardByteBufferSize(std::size_t bytes)
{
    releaseGuardBytes();
    if (bytes == 0)
        return;
    void* memory = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED)
        return;
    // Touch every page: untouched anonymous pages are not really ours yet.
    const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    auto* bytesOf = static_cast<volatile char*>(memory);
    for (std::size_t offset = 0; offset < bytes; offset += page)
        bytesOf[offset] = 1;
    d->guardSize = bytes;
    d->guard.store(memory);
}

void Sender::releaseGuardBytes()
{
    if (void* memory = d->guard.exchange(nullptr))
        munmap(memory, d->guardSize);
}

std::size_t Sender::guardByteBufferSize() const
{
    return d->guard.load() ? d->guardSize : 0;
}

void Sender::setDefaultUserDescription(const char* text)
{
    copyText(d->description, sizeof d->description, text);
}

void Sender::setDefaultUserEmail(const char* text)
{
    copyText(d->email, sizeof d->email, text);
}

void Sender::setDefaultUserName(const char* text)
{
    copyText(d->user, sizeof d->user, text);
}

void Sender::setNotes(const char* json)
{
    copyText(d->notes, sizeof d->notes, json);
}

void Sender::sendAdditionalFile(const char* path)
{
    if (!path || !*path)
        return;
    const int index = d->fileCount.fetch_add(1);
    if (index >= kMaxFiles) {
        d->fileCount.store(kMaxFiles);
        return;
    }
    copyText(d->files[index], kPathMax, path);
}

unsigned Sender::flags() const
{
    return d->flags;
}

void Sender::unhandledExceptionHandler(int fd)
{
    ReportWriter out(fd);
    out.text("\n").text(format::SenderSection).text("\n");
    const auto line = [&out](const char* key, const char* value) {
        out.text(key).text(": ").escaped(value).text("\n");
    };
    line(format::Application, d->application);
    line(format::Version, d->version);
    line(format::Database, d->database);
    if (d->identifier[0])
        line(format::Identifier, d->identifier);
    line(format::Description, d->description);
    line(format::Email, d->email);
    line(format::User, d->user);
    line(format::Notes, d->notes);
    const int count = d->fileCount.load() < kMaxFiles ? d->fileCount.load() : kMaxFiles;
    for (int i = 0; i < count; ++i)
        line(format::File, d->files[i]);
}

Sender* Sender::current()
{
    return g_sender.load();
}

bool parseReport(const std::string& report, ReportFields& fields)
{
    const std::string marker = std::string("\n") + format::SenderSection + "\n";
    const std::size_t section = report.find(marker);
    if (section == std::string::npos)
        return false;

    struct Key
    {
        const char* name;
        std::string* field;
    };
    const Key keys[] = {
        {format::Application, &fields.application},
        {format::Version, &fields.version},
        {format::Database, &fields.database},
        {format::Identifier, &fields.identifier},
        {format::Description, &fields.description},
        {format::Email, &fields.email},
        {format::User, &fields.user},
        {format::Notes, &fields.notes},
    };

    std::size_t start = section + marker.size();
    while (start < report.size()) {
        std::size_t end = report.find('\n', start);
        if (end == std::string::npos)
            end = report.size();
        const std::string line = report.substr(start, end - start);
        start = end + 1;

        const std::size_t colon = line.find(':');
        if (colon == std::string::npos)
            continue;
        const std::string key = line.substr(0, colon);
        std::size_t valueStart = colon + 1;
        if (valueStart < line.size() && line[valueStart] == ' ')
            ++valueStart;
        const std::string value = unescape(line.substr(valueStart));
        if (key == format::File) {
            fields.files.push_back(value);
            continue;
        }
        for (const Key& candidate : keys) {
            if (key == candidate.name)
                *candidate.field = value;
        }
    }
    return true;
}

// --- the report writer ---

ReportWriter& ReportWriter::text(const char* value)
{
    if (value)
        writeAll(m_fd, value, length(value));
    return *this;
}

ReportWriter& ReportWriter::escaped(const char* value)
{
    if (!value)
        return *this;
    const char* run = value;
    for (const char* p = value; *p; ++p) {
        const char* replacement = *p == '\\' ? "\\\\" : *p == '\n' ? "\\n" : *p == '\r' ? "\\r" : nullptr;
        if (!replacement)
            continue;
        writeAll(m_fd, run, static_cast<std::size_t>(p - run));
        writeAll(m_fd, replacement, 2);
        run = p + 1;
    }
    return text(run);
}

ReportWriter& ReportWriter::number(long long value)
{
    char digits[24];
    int count = 0;
    unsigned long long magnitude =
        value < 0 ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
    do {
        digits[sizeof digits - 1 - count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    if (value < 0)
        digits[sizeof digits - 1 - count++] = '-';
    writeAll(m_fd, digits + sizeof digits - count, static_cast<std::size_t>(count));
    return *this;
}

ReportWriter& ReportWriter::hex(std::uintptr_t value)
{
    char digits[2 + 2 * sizeof(std::uintptr_t)];
    int count = 0;
    do {
        digits[sizeof digits - 1 - count++] = "0123456789abcdef"[value & 0xF];
        value >>= 4;
    } while (value);
    digits[sizeof digits - 1 - count++] = 'x';
    digits[sizeof digits - 1 - count++] = '0';
    writeAll(m_fd, digits + sizeof digits - count, static_cast<std::size_t>(count));
    return *this;
}

void writeStack(int fd, const void* ucontext)
{
    void* frames[kMaxFrames];
    const int count = backtrace(frames, kMaxFrames);
    const auto interrupted = reinterpret_cast<void*>(interruptedRegisters(ucontext).instruction);
    for (int i = 0; i < count; ++i) {
        // Outer frames hold return addresses, which after a call that never
        // returns (abort, a throw) already belong to the next function: name
        // the call instead. The interrupted instruction and the signal
        // trampoline just above it are exact addresses.
        const bool exact =
            i == 0 ||
            (interrupted && (frames[i] == interrupted || (i + 1 < count && frames[i + 1] == interrupted)));
        void* address = exact ? frames[i] : static_cast<char*>(frames[i]) - 1;
        ReportWriter(fd).text("#").number(i).text(" ");
        backtrace_symbols_fd(&address, 1, fd);
    }
}

void peakMemoryText(char* out, std::size_t size)
{
    if (!out || size == 0)
        return;
    struct rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    // ru_maxrss is in KiB; round to the nearest tenth of a MiB.
    const unsigned long long kib = usage.ru_maxrss > 0 ? static_cast<unsigned long long>(usage.ru_maxrss) : 0;
    const unsigned long long tenths = (kib * 10 + 512) / 1024;

    char text[32];
    std::size_t n = 0;
    char digits[24];
    int count = 0;
    unsigned long long whole = tenths / 10;
    do {
        digits[count++] = static_cast<char>('0' + whole % 10);
        whole /= 10;
    } while (whole);
    while (count)
        text[n++] = digits[--count];
    text[n++] = '.';
    text[n++] = static_cast<char>('0' + tenths % 10);
    text[n++] = 'M';
    text[n++] = 'B';
    text[n] = '\0';
    copyText(out, size, text);
}

void forEachFile(const char* folder, const char* const* suffixes, void (*visit)(const char* path, void* user),
                 void* user)
{
    if (!folder || !*folder || !visit)
        return;
    const int dir = open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0)
        return;

    char path[kPathMax];
    std::size_t folderLength = length(folder);
    while (folderLength > 1 && folder[folderLength - 1] == '/')
        --folderLength;
    if (folderLength + 2 >= kPathMax) {
        close(dir);
        return;
    }
    for (std::size_t i = 0; i < folderLength; ++i)
        path[i] = folder[i];
    path[folderLength] = '/';
    char* nameStart = path + folderLength + 1;
    const std::size_t nameRoom = kPathMax - folderLength - 1;

    alignas(8) char buffer[4096];
    for (;;) {
        const long bytes = syscall(SYS_getdents64, dir, buffer, sizeof buffer);
        if (bytes <= 0)
            break;
        for (long offset = 0; offset < bytes;) {
            const auto* entry = reinterpret_cast<const LinuxDirent64*>(buffer + offset);
            offset += entry->recordLength;
            const char* name = entry->name;

            bool wanted = false;
            for (const char* const* suffix = suffixes; suffix && *suffix; ++suffix)
                wanted = wanted || endsWithNoCase(name, *suffix);
            if (!wanted)
                continue;

            bool regular = entry->type == DT_REG;
            if (entry->type == DT_UNKNOWN || entry->type == DT_LNK) {
                struct stat info = {};
                regular = fstatat(dir, name, &info, 0) == 0 && S_ISREG(info.st_mode);
            }
            if (!regular || length(name) >= nameRoom)
                continue;
            copyText(nameStart, nameRoom, name);
            visit(path, user);
        }
    }
    close(dir);
}

const char* signalName(int signal)
{
    switch (signal) {
    case SIGSEGV:
        return "SIGSEGV";
    case SIGBUS:
        return "SIGBUS";
    case SIGFPE:
        return "SIGFPE";
    case SIGILL:
        return "SIGILL";
    case SIGTRAP:
        return "SIGTRAP";
    case SIGSYS:
        return "SIGSYS";
    case SIGABRT:
        return "SIGABRT";
    default:
        return "signal";
    }
}

} // namespace crashreport
