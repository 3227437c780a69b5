#include "spdlogcore.h"

#include <spdlog/sinks/rotating_file_sink.h>
#include <spdlog/sinks/stdout_sinks.h>
#include <spdlog/spdlog.h>

#include <algorithm>
#include <atomic>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <cwchar>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <thread>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#include <sanitizer/common_interface_defs.h>
#define ZELVANI_SANITIZER_REPORTS 1
#endif
#include <unistd.h>
#include <vector>

namespace {

constexpr std::size_t kMaxFileBytes = 5 * 1024 * 1024;
constexpr std::size_t kBackupFiles = 3;
constexpr const char* kPattern = "[%Y-%m-%d %H:%M:%S.%e] [%l] [%t] [%s:%#] %v";

std::mutex g_initMutex;
std::shared_ptr<spdlog::logger> g_logger;

// Kept in plain storage so that the crash path can reach it without locks.
char g_filePath[4096];
std::atomic<long> g_utcOffsetSeconds{0};

std::string toUtf8(const std::wstring& text)
{
    std::string out;
    out.reserve(text.size());
    for (wchar_t wc : text) {
        auto c = static_cast<std::uint32_t>(wc);
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            c = 0xFFFD;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string formatNarrow(const char* format, va_list args)
{
    va_list copy;
    va_copy(copy, args);
    const int needed = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (needed <= 0)
        return {};
    std::string out(static_cast<std::size_t>(needed) + 1, '\0');
    std::vsnprintf(out.data(), out.size(), format, args);
    out.resize(static_cast<std::size_t>(needed));
    return out;
}

std::string formatWide(const wchar_t* format, va_list args)
{
    // vswprintf cannot report the size it needs, so grow until the text fits.
    for (std::size_t size = 1024; size <= (std::size_t{1} << 22); size *= 4) {
        std::vector<wchar_t> buffer(size);
        va_list copy;
        va_copy(copy, args);
        const int written = std::vswprintf(buffer.data(), buffer.size(), format, copy);
        va_end(copy);
        if (written >= 0)
            return toUtf8(std::wstring(buffer.data(), static_cast<std::size_t>(written)));
    }
    return "(log line too long or malformed)";
}

std::shared_ptr<spdlog::logger> currentLogger()
{
    auto logger = std::atomic_load(&g_logger);
    if (logger)
        return logger;
    std::lock_guard<std::mutex> lock(g_initMutex);
    if (!g_logger) {
        auto fallback =
            std::make_shared<spdlog::logger>("stderr", std::make_shared<spdlog::sinks::stderr_sink_mt>());
        fallback->set_pattern(kPattern);
        fallback->set_level(spdlog::level::trace);
        std::atomic_store(&g_logger, fallback);
    }
    return g_logger;
}

spdlog::level::level_enum toLevel(int level)
{
    return static_cast<spdlog::level::level_enum>(std::clamp(level, 0, 5));
}

void write(const char* sourceFile, int line, int level, const std::string& text)
{
    const auto logger = currentLogger();
    logger->log(spdlog::source_loc{sourceFile, line, ""}, toLevel(level), text);
}

// --- async-signal-safe helpers for the emergency line ---

struct Buffer
{
    char data[1024];
    std::size_t used = 0;
    void put(const char* text)
    {
        while (*text && used < sizeof(data) - 1)
            data[used++] = *text++;
    }
    void putNumber(long value, int width)
    {
        char digits[24];
        int count = 0;
        bool negative = value < 0;
        unsigned long v = negative ? static_cast<unsigned long>(-value) : static_cast<unsigned long>(value);
        do {
            digits[count++] = static_cast<char>('0' + v % 10);
            v /= 10;
        } while (v && count < 23);
        while (count < width)
            digits[count++] = '0';
        if (negative)
            put("-");
        while (count && used < sizeof(data) - 1)
            data[used++] = digits[--count];
    }
};

// Civil date from days since 1970-01-01 (Howard Hinnant's algorithm), because
// gmtime/localtime may take locks.
void civilFromDays(long days, long& year, long& month, long& day)
{
    days += 719468;
    const long era = (days >= 0 ? days : days - 146096) / 146097;
    const long doe = days - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    day = doy - (153 * mp + 2) / 5 + 1;
    month = mp < 10 ? mp + 3 : mp - 9;
    year = yoe + era * 400 + (month <= 2 ? 1 : 0);
}

const char* baseName(const char* path)
{
    const char* base = path;
    for (const char* p = path; *p; ++p) {
        if (*p == '/')
            base = p + 1;
    }
    return base;
}

} // namespace

void InitSpdLogW(const wchar_t* fileName, const wchar_t* folder)
{
    const std::string path =
        toUtf8(folder ? folder : L"") + "/" + toUtf8(fileName ? fileName : L"AppLog.log");

    // The log tells what the user did and which devices they have: the folder
    // and every file in it (rotated ones too) are the user's alone.
    if (folder)
        ::chmod(toUtf8(folder).c_str(), 0700);
    spdlog::file_event_handlers handlers;
    handlers.after_open = [](const spdlog::filename_t&, std::FILE* file) { ::fchmod(fileno(file), 0600); };
    std::shared_ptr<spdlog::logger> logger;
    try {
        auto sink = std::make_shared<spdlog::sinks::rotating_file_sink_mt>(path, kMaxFileBytes, kBackupFiles,
                                                                           false, handlers);
        logger = std::make_shared<spdlog::logger>("app", sink);
    } catch (const spdlog::spdlog_ex& error) {
        std::fprintf(stderr, "log file %s cannot be opened: %s\n", path.c_str(), error.what());
        return;
    }
    logger->set_pattern(kPattern);
    logger->set_level(spdlog::level::trace);
    // Every line reaches the file at once: a crash cannot flush buffers, and
    // its report attaches this file.
    logger->flush_on(spdlog::level::trace);

    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    g_utcOffsetSeconds = local.tm_gmtoff;

    std::lock_guard<std::mutex> lock(g_initMutex);
    std::snprintf(g_filePath, sizeof g_filePath, "%s", path.c_str());
    std::atomic_store(&g_logger, logger);
}

// Set as the program ends: the logger is about to go, so what still comes on
// standard error only reaches the terminal.
std::atomic<bool> g_exiting{false};

int SpdLogCaptureStandardError()
{
    static int terminal = -1;
    std::lock_guard<std::mutex> lock(g_initMutex);
    // Before the file, the log itself writes to standard error.
    if (terminal >= 0 || g_filePath[0] == '\0')
        return terminal;
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0)
        return -1;
    const int saved = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
    if (saved < 0 || ::dup2(ends[1], STDERR_FILENO) < 0) {
        ::close(ends[0]);
        ::close(ends[1]);
        if (saved >= 0)
            ::close(saved);
        return -1;
    }
    ::close(ends[1]);
    terminal = saved;
    std::atexit([] { g_exiting.store(true); });
#ifdef ZELVANI_SANITIZER_REPORTS
    // A sanitizer's report comes as the process ends, when nothing reads the
    // pipe any more: it goes to the terminal directly.
    __sanitizer_set_report_fd(reinterpret_cast<void*>(static_cast<std::uintptr_t>(saved)));
#endif
    std::thread([reader = ends[0], saved] {
        std::string pending;
        char buffer[4096];
        const auto logLine = [](std::string line) {
            while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
                line.pop_back();
            if (!line.empty() && !g_exiting.load())
                write(__FILE__, __LINE__, 3, "[stderr] " + line);
        };
        for (;;) {
            const ssize_t got = ::read(reader, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                break;
            const ssize_t shown = ::write(saved, buffer, static_cast<std::size_t>(got));
            (void)shown;
            pending.append(buffer, static_cast<std::size_t>(got));
            for (std::size_t end; (end = pending.find('\n')) != std::string::npos;) {
                logLine(pending.substr(0, end));
                pending.erase(0, end + 1);
            }
            if (pending.size() > sizeof buffer)
                logLine(std::exchange(pending, {}));
        }
    }).detach();
    return terminal;
}

void SpdLogA(const char* sourceFile, int line, int level, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    const std::string text = formatNarrow(format, args);
    va_end(args);
    write(sourceFile, line, level, text);
}

void SpdLogW(const char* sourceFile, int line, int level, const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    const std::string text = formatWide(format, args);
    va_end(args);
    write(sourceFile, line, level, text);
}

void SpdLogFlush()
{
    currentLogger()->flush();
}

const char* SpdLogFilePath()
{
    return g_filePath;
}

void SpdLogEmergency(const char* sourceFile, int line, const char* text)
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const long local = static_cast<long>(now.tv_sec) + g_utcOffsetSeconds.load(std::memory_order_relaxed);
    long days = local / 86400;
    long secondsOfDay = local % 86400;
    if (secondsOfDay < 0) {
        secondsOfDay += 86400;
        --days;
    }
    long year = 0, month = 0, day = 0;
    civilFromDays(days, year, month, day);

    Buffer b;
    b.put("[");
    b.putNumber(year, 4);
    b.put("-");
    b.putNumber(month, 2);
    b.put("-");
    b.putNumber(day, 2);
    b.put(" ");
    b.putNumber(secondsOfDay / 3600, 2);
    b.put(":");
    b.putNumber(secondsOfDay / 60 % 60, 2);
    b.put(":");
    b.putNumber(secondsOfDay % 60, 2);
    b.put(".");
    b.putNumber(now.tv_nsec / 1000000, 3);
    b.put("] [error] [");
    b.putNumber(static_cast<long>(syscall(SYS_gettid)), 0);
    b.put("] [");
    b.put(baseName(sourceFile));
    b.put(":");
    b.putNumber(line, 0);
    b.put("] ");
    b.put(text);
    b.put("\n");

    const int fd = g_filePath[0] ? open(g_filePath, O_WRONLY | O_APPEND | O_CLOEXEC) : STDERR_FILENO;
    if (fd < 0)
        return;
    const ssize_t ignored = ::write(fd, b.data, b.used);
    (void)ignored;
    if (fd != STDERR_FILENO)
        close(fd);
}
