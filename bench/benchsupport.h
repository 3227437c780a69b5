// Pieces the benchmarks share: timing, medians, the machine's name, running
// peer programs, what a process costs, the speech clip, and the summary rows
// that scripts/bench gathers into bench/RESULTS.md.
#pragma once

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <signal.h>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace benchsupport {

using Clock = std::chrono::steady_clock;

// printf into a string (512 characters at most).
__attribute__((format(printf, 1, 2))) inline std::string format(const char* pattern, ...)
{
    char text[512];
    va_list arguments;
    va_start(arguments, pattern);
    std::vsnprintf(text, sizeof text, pattern, arguments);
    va_end(arguments);
    return text;
}

inline double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

inline double median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

// The nearest-rank percentile (p in 0..1); NaN for no values.
inline double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return NAN;
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<std::size_t>(std::ceil(p * double(values.size())));
    return values[std::min(values.size() - 1, rank > 0 ? rank - 1 : 0)];
}

inline std::string cpuModel()
{
    std::ifstream cpuinfo("/proc/cpuinfo");
    std::string line;
    while (std::getline(cpuinfo, line)) {
        if (line.rfind("model name", 0) == 0) {
            const auto colon = line.find(':');
            if (colon != std::string::npos)
                return line.substr(line.find_first_not_of(" \t", colon + 1));
        }
    }
    return "unknown";
}

inline std::string today()
{
    char text[64];
    const std::time_t now = std::time(nullptr);
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M %Z", std::localtime(&now));
    return text;
}

inline std::string lastLine(const std::string& text)
{
    std::string line, last;
    std::istringstream lines(text);
    while (std::getline(lines, line))
        if (line.find_first_not_of(" \t\r") != std::string::npos)
            last = line;
    return last;
}

// Runs a program with its output discarded; the wall-clock time, or a
// negative value when it could not run or failed.
inline double timeProgram(const std::vector<std::string>& arguments)
{
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto start = Clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1.0;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    const double seconds = secondsSince(start);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? seconds : -1.0;
}

// What a shell command prints on standard output, and whether it succeeded.
inline bool shellOutput(const std::string& command, std::string* output)
{
    FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
    if (!pipe)
        return false;
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output->append(buffer, got);
    return pclose(pipe) == 0;
}

// Whether sox runs and has its pulseaudio driver (Debian's libsox-fmt-pulse).
inline bool soxHasPulse(const std::string& sox)
{
    std::string help;
    shellOutput("'" + sox + "' -h", &help);
    const std::size_t drivers = help.find("AUDIO DEVICE DRIVERS:");
    return drivers != std::string::npos && help.find("pulseaudio", drivers) < help.find('\n', drivers);
}

// ------------------------------------------------------------ child processes

// A program running beside the benchmark, its output in an unlinked file.
struct Process
{
    pid_t pid = -1;
    int log = -1;
};

// Children still running; a benchmark that is interrupted ends them.
inline std::vector<pid_t>& children()
{
    static std::vector<pid_t> list;
    return list;
}

inline void forgetChild(pid_t pid)
{
    auto& list = children();
    list.erase(std::remove(list.begin(), list.end(), pid), list.end());
}

inline void terminateChildren()
{
    for (pid_t pid : children())
        kill(pid, SIGTERM);
}

inline std::string readAll(int fd)
{
    std::string text;
    char buffer[4096];
    ssize_t got = 0;
    for (off_t at = 0; (got = pread(fd, buffer, sizeof buffer, at)) > 0; at += got)
        text.append(buffer, std::size_t(got));
    return text;
}

// Starts a program with `extraEnvironment` added to ours; false with a reason
// when it cannot run.
inline bool spawnProgram(const std::vector<std::string>& arguments,
                         const std::vector<std::string>& extraEnvironment, Process* process,
                         std::string* error)
{
    char logName[] = "/tmp/zelvani-bench.XXXXXX";
    process->log = mkostemp(logName, O_CLOEXEC);
    if (process->log < 0) {
        *error = std::string("cannot create a log file: ") + std::strerror(errno);
        return false;
    }
    unlink(logName);
    std::vector<std::string> environment;
    for (char** v = environ; *v; ++v)
        environment.emplace_back(*v);
    for (const std::string& extra : extraEnvironment)
        environment.push_back(extra);
    std::vector<char*> argv, envp;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    for (const std::string& variable : environment)
        envp.push_back(const_cast<char*>(variable.c_str()));
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, process->log, 1);
    posix_spawn_file_actions_adddup2(&actions, process->log, 2);
    const int spawned = posix_spawnp(&process->pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        *error = "cannot run " + arguments[0] + ": " + std::strerror(spawned);
        close(process->log);
        process->log = -1;
        process->pid = -1;
        return false;
    }
    children().push_back(process->pid);
    return true;
}

// True while the program runs; else its output's last line and exit status
// go to *why (and *output gets the whole output).
inline bool stillRunning(Process* process, std::string* why, std::string* output)
{
    if (process->pid <= 0) {
        *why = "not started";
        return false;
    }
    int status = 0;
    const pid_t done = waitpid(process->pid, &status, WNOHANG);
    if (done == 0)
        return true;
    *output = readAll(process->log);
    const std::string line = lastLine(*output);
    const std::string how = WIFEXITED(status) ? "exit code " + std::to_string(WEXITSTATUS(status))
                                              : "signal " + std::to_string(WTERMSIG(status));
    *why = how + (line.empty() ? "" : ": " + line);
    forgetChild(process->pid);
    process->pid = -1;
    return false;
}

// SIGTERM, then SIGKILL after 3 s.
inline void endProcess(Process* process)
{
    if (process->pid > 0) {
        kill(process->pid, SIGTERM);
        int status = 0;
        const auto start = Clock::now();
        while (waitpid(process->pid, &status, WNOHANG) == 0) {
            if (secondsSince(start) > 3.0) {
                kill(process->pid, SIGKILL);
                waitpid(process->pid, &status, 0);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        forgetChild(process->pid);
        process->pid = -1;
    }
    if (process->log >= 0)
        close(process->log);
    process->log = -1;
}

// CPU time (user + system, seconds) a running process has used so far, from
// /proc/PID/stat; negative when it is gone.
inline double cpuSeconds(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text;
    if (!std::getline(stat, text))
        return -1.0;
    // Fields after the command name, which may hold spaces: state is field 3,
    // utime 14 and stime 15.
    const std::size_t close = text.rfind(')');
    if (close == std::string::npos)
        return -1.0;
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    double ticks = 0;
    for (int number = 3; number <= 15 && fields >> field; ++number)
        if (number >= 14)
            ticks += std::stod(field);
    return ticks / double(sysconf(_SC_CLK_TCK));
}

// The peak resident set size (VmHWM) of a running process, in MiB; negative
// when it is gone.
inline double peakRssMiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return -1.0;
}

// ------------------------------------------------------------ the speech clip

// Writes `seconds` of English speech spoken by the espeak-ng `voice` (its
// arguments, e.g. {"-v", "en+f3", "-p", "70"}), converted by sox to 48000 Hz
// stereo 16-bit with its peaks at `peakDbfs`, the passage repeated as needed.
// False with a reason when a tool is missing or fails.
inline bool writeSpeech(const std::string& path, double seconds, const std::vector<std::string>& voice,
                        double peakDbfs, std::string* error, const std::string& sox = "sox")
{
    static const char* const kPassage =
        "The north wind and the sun were disputing which was the stronger, when a traveller came along "
        "wrapped in a warm cloak. They agreed that the one who first succeeded in making the traveller take "
        "his cloak off should be considered stronger than the other. Then the north wind blew as hard as he "
        "could, but the more he blew the more closely did the traveller fold his cloak around him; and at "
        "last the north wind gave up the attempt. Then the sun shone out warmly, and immediately the "
        "traveller took off his cloak. And so the north wind was obliged to confess that the sun was the "
        "stronger of the two. Did you like the story? Shall we hear it once again, a little more slowly?";
    const std::string raw = path + ".espeak.wav";
    std::vector<std::string> speak = {"espeak-ng"};
    speak.insert(speak.end(), voice.begin(), voice.end());
    speak.insert(speak.end(), {"-s", "160", "-w", raw, kPassage});
    if (timeProgram(speak) < 0) {
        *error = "espeak-ng failed or is missing (scripts/install-deps installs it)";
        return false;
    }
    char length[32], peak[32];
    std::snprintf(length, sizeof length, "%.3f", seconds);
    std::snprintf(peak, sizeof peak, "%.2f", peakDbfs);
    // -D: without sox's random dither the clip is the same in every run, and so are the figures.
    const bool made = timeProgram({sox, "-D", raw, "-r", "48000", "-c", "2", "-b", "16", path, "repeat", "20",
                                   "trim", "0", length, "norm", peak}) >= 0;
    unlink(raw.c_str());
    if (!made)
        *error = sox + " could not make the speech clip";
    return made;
}

// The default English voice normalised to -3 dBFS.
inline bool writeSpeechClip(const std::string& path, double seconds, std::string* error,
                            const std::string& sox = "sox")
{
    return writeSpeech(path, seconds, {"-v", "en"}, -3.0, error, sox);
}

// ------------------------------------------------------------ summary rows

// The headline figures of a benchmark, each beside its peer, appended as
// Markdown table rows to the file given with --summary (scripts/bench puts
// them at the top of bench/RESULTS.md). No file: nothing is written.
class Summary
{
public:
    void open(const std::string& path) { path_ = path; }

    // `lowerIsBetter` says which way the ratio ours / peer is good. A peer
    // value that is not finite or not positive leaves the ratio empty.
    void add(const std::string& figure, double ours, const std::string& peer, double peerValue,
             const std::string& unit, bool lowerIsBetter, int decimals = 1) const
    {
        if (path_.empty())
            return;
        std::FILE* file = std::fopen(path_.c_str(), "a");
        if (!file)
            return;
        auto number = [&](double v) {
            if (!std::isfinite(v))
                return std::string("–");
            char text[64];
            std::snprintf(text, sizeof text, "%.*f", decimals, v);
            return unit.empty() ? std::string(text) : std::string(text) + " " + unit;
        };
        std::string ratio = "–";
        if (std::isfinite(ours) && std::isfinite(peerValue) && peerValue > 0) {
            char text[64];
            std::snprintf(text, sizeof text, "%.2f (%s is better)", ours / peerValue,
                          lowerIsBetter ? "lower" : "higher");
            ratio = text;
        }
        std::fprintf(file, "| %s | %s | %s | %s | %s |\n", figure.c_str(), number(ours).c_str(), peer.c_str(),
                     number(peerValue).c_str(), ratio.c_str());
        std::fclose(file);
    }

private:
    std::string path_;
};

} // namespace benchsupport
