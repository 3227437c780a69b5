#pragma once

#include <QStringList>

#include <cstdio>

// The options of the program's window. One table feeds the parser, --help and
// the manual page, so they cannot disagree.
struct StartOption
{
    const char* name;        // "--minimized"
    const char* description; // one paragraph, lines broken with '\n'
};

// The table, ended by an entry whose name is null.
const StartOption* startOptionTable();

struct StartOptions
{
    bool minimized = false;  // straight to the tray (shown when the desktop has none)
    bool soundboard = false; // opens on the soundboard
    bool help = false;
    bool version = false;
    QString error; // an option nobody knows; empty when all were understood
};

// Reads the options after the program's name. Single-dash arguments and what
// follows them belong to Qt (-platform, -style ...) and are passed over.
StartOptions parseStartOptions(const QStringList& arguments);

// "Usage: zelvani-voice-changer [OPTIONS]" and the table, as --help prints it.
void printStartUsage(std::FILE* out);
