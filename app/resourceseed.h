#pragma once

#include <QString>

// An installed program keeps its bundled resources read-only under the
// install prefix; it works on a per-user copy. Seeding brings that copy up to
// date with the installed bundle:
// - a file missing from the copy is copied;
// - a file the installed bundle changed (a newer package) is refreshed in the
//   copy, unless the copy's file is no longer what was seeded (a download or
//   the user replaced it): that one is kept;
// - files only the copy has (downloads) are left alone.
// What was seeded is recorded in the copy (kSeedRecord), so a start with an
// unchanged bundle only compares file sizes and times.
namespace ResourceSeed {

constexpr const char* kSeedRecord = ".installed-bundle.json";

struct Result
{
    int copied = 0;    // new in the copy
    int refreshed = 0; // replaced by the bundle's newer file
    int kept = 0;      // the bundle changed, the copy's own file stayed
    int failed = 0;    // could not be read or written
    QString error;     // the first failure
};

// Seeds `copy` from `installed`. Never writes under `installed`.
Result seed(const QString& installed, const QString& copy);

// The installed bundle of a program whose executable is in `applicationDir`
// (PREFIX/bin → PREFIX/share/zelvani-voice-changer/resources), or an empty
// string when the program runs from a build tree or a portable copy.
QString installedResources(const QString& applicationDir);

} // namespace ResourceSeed
