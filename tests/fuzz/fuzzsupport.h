// What the fuzz harnesses share: a scratch folder in memory for the files a
// harness hands to the code under test, and a quiet log.
#pragma once

#include "spdlogcore.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace fuzz {

// The scratch folder's path in plain storage: the clean-up at exit must not
// depend on objects that may already be destroyed by then.
inline char g_scratch[512];

inline void removeScratch()
{
    // Only ever a folder this process made under its own name.
    const char* tag = std::strstr(g_scratch, "/zelvani-fuzz-");
    if (tag && std::strchr(tag + 1, '/') == nullptr)
        QDir(QString::fromLocal8Bit(g_scratch)).removeRecursively();
}

// /dev/shm/zelvani-fuzz-PID (or the temporary folder), made once and
// removed at exit.
inline QString scratch()
{
    if (!g_scratch[0]) {
        const QString base =
            QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
        const QString path = base + QStringLiteral("/zelvani-fuzz-%1").arg(::getpid());
        QDir().mkpath(path);
        std::snprintf(g_scratch, sizeof g_scratch, "%s", QFile::encodeName(path).constData());
        // The log goes to the scratch folder rather than to standard error.
        InitSpdLogW(L"fuzz.log", path.toStdWString().c_str());
        std::atexit(removeScratch);
    }
    return QString::fromLocal8Bit(g_scratch);
}

inline QString path(const char* name)
{
    return scratch() + QLatin1Char('/') + QLatin1String(name);
}

// Writes the input to a file of the scratch folder and returns its path.
inline QString writeFile(const char* name, const std::uint8_t* data, std::size_t size)
{
    const QString file = path(name);
    QFile out(file);
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        out.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    return file;
}

} // namespace fuzz
