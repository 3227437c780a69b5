// Writes the manual pages of zelvani-cli and zelvani-voice-changer and the
// bash completion of zelvani-cli from the programs' own help tables, so the
// documents say what --help says.

#include "appmanager.h"
#include "cli.h"
#include "startoptions.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSaveFile>

#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <vector>

namespace {

constexpr const char* kManualDate = ZELVANI_MANUAL_DATE;

// ---- Text printed by the programs ----

// What a usage printer writes, as text.
QString printed(void (*print)(std::FILE*))
{
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* stream = open_memstream(&buffer, &size);
    if (!stream)
        return {};
    print(stream);
    std::fclose(stream);
    const QString text = QString::fromUtf8(buffer, static_cast<int>(size));
    std::free(buffer);
    return text;
}

// A usage text cut into its parts: the lines after "Usage:", and the plain
// paragraphs. A paragraph ending in ':' heads a table of the printer's own
// and is left out with its table; the manual page writes those from the table.
struct Usage
{
    QStringList synopses;
    QStringList paragraphs;
};

Usage splitUsage(const QString& text)
{
    Usage usage;
    const QStringList blocks = text.split(QStringLiteral("\n\n"), Qt::SkipEmptyParts);
    for (const QString& block : blocks) {
        QStringList lines = block.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        if (lines.isEmpty())
            continue;
        if (lines.first().startsWith(QLatin1String("Usage:"))) {
            lines.first().remove(0, 6);
            for (const QString& line : qAsConst(lines))
                usage.synopses.append(line.trimmed());
        } else if (!lines.first().endsWith(QLatin1Char(':'))) {
            usage.paragraphs.append(lines.join(QLatin1Char(' ')));
        }
    }
    return usage;
}

// ---- roff ----

// One character of text for roff: backslashes and anything beyond ASCII as
// escapes, so the page reads the same whatever the reader's encoding.
void appendEscaped(QString& out, uint codePoint, bool minus)
{
    if (codePoint == '\\')
        out += QLatin1String("\\e");
    else if (codePoint == '-' && minus)
        out += QLatin1String("\\-");
    else if (codePoint < 0x80)
        out += QChar(codePoint);
    else
        out += QLatin1String("\\[u") +
               QString::number(codePoint, 16).toUpper().rightJustified(4, QLatin1Char('0')) +
               QLatin1Char(']');
}

// A word the reader types (an option, a negative number): its hyphens are
// minus signs, so copying it from the page gives what the program expects.
bool typedWord(const QString& word)
{
    int start = 0;
    while (start < word.size() && QStringLiteral("([{\"'").contains(word.at(start)))
        ++start;
    return start < word.size() && word.at(start) == QLatin1Char('-');
}

QString escapeText(const QString& text)
{
    QString out;
    const QStringList words = text.split(QLatin1Char(' '));
    for (int i = 0; i < words.size(); ++i) {
        if (i > 0)
            out += QLatin1Char(' ');
        const bool minus = typedWord(words.at(i));
        for (const uint codePoint : words.at(i).toUcs4())
            appendEscaped(out, codePoint, minus);
    }
    return out;
}

// A line of running text; a leading '.' or '\'' would read as a request.
QString textLine(const QString& text)
{
    const QString escaped = escapeText(text.trimmed());
    if (escaped.startsWith(QLatin1Char('.')) || escaped.startsWith(QLatin1Char('\'')))
        return QLatin1String("\\&") + escaped;
    return escaped;
}

// A synopsis or a table's term: words the reader types in bold, the
// placeholders (upper case) in italics, brackets and bars plain.
QString formatSynopsis(const QString& synopsis)
{
    static const QRegularExpression word(QStringLiteral("[A-Za-z0-9_-]+"));
    QString out;
    int done = 0;
    auto plain = [&out](const QString& text) {
        for (const uint codePoint : text.toUcs4())
            appendEscaped(out, codePoint, false);
    };
    for (auto match = word.globalMatch(synopsis); match.hasNext();) {
        const QRegularExpressionMatch m = match.next();
        plain(synopsis.mid(done, m.capturedStart() - done));
        const QString text = m.captured();
        const bool placeholder =
            text == text.toUpper() && text != text.toLower() && !text.startsWith(QLatin1Char('-'));
        out += placeholder ? QLatin1String("\\fI") : QLatin1String("\\fB");
        for (const uint codePoint : text.toUcs4())
            appendEscaped(out, codePoint, true);
        out += QLatin1String("\\fR");
        done = m.capturedEnd();
    }
    plain(synopsis.mid(done));
    return out.startsWith(QLatin1Char('.')) || out.startsWith(QLatin1Char('\'')) ? QLatin1String("\\&") + out
                                                                                 : out;
}

// ---- Help descriptions as paragraphs and tables ----

// A description is hard-wrapped text with tables in it: a row is a term, two
// or more spaces and its text, continued on lines indented to that text. Rows
// nest (a row's text may hold a table of its own). Running text starts anew
// at an option or a capitalised line; the summary may run over several lines.
struct Block
{
    QString term;            // empty for a paragraph
    QStringList lines;       // a paragraph's lines
    std::vector<Block> body; // an item's text
};

int indentOf(const QString& line)
{
    int indent = 0;
    while (indent < line.size() && line.at(indent) == QLatin1Char(' '))
        ++indent;
    return indent;
}

const QRegularExpression& tableRow()
{
    static const QRegularExpression row(QStringLiteral("^(\\S+(?: \\S+)*?) {2,}(\\S.*)$"));
    return row;
}

// Whether `next` goes on with the sentence of `previous` rather than opening a
// paragraph or an item.
bool continues(const QString& previous, const QString& next)
{
    const QString text = next.trimmed();
    if (text.isEmpty() || text.startsWith(QLatin1String("--")) || tableRow().match(text).hasMatch())
        return false;
    static const QRegularExpression capitalised(QStringLiteral("^[A-Z][a-z]"));
    if (capitalised.match(text).hasMatch())
        return false;
    return !(previous.trimmed().endsWith(QLatin1Char('.')) && text.at(0).isUpper());
}

std::vector<Block> parseBlocks(const QStringList& lines)
{
    std::vector<Block> blocks;
    int i = 0;
    while (i < lines.size()) {
        const QString& line = lines.at(i);
        const int indent = indentOf(line);
        const QString text = line.mid(indent);
        ++i;
        if (text.isEmpty())
            continue;
        Block block;
        const QRegularExpressionMatch row = tableRow().match(text);
        if (row.hasMatch()) {
            block.term = row.captured(1);
            const int column = indent + row.capturedStart(2);
            QStringList body{row.captured(2)};
            for (; i < lines.size() && indentOf(lines.at(i)) > indent; ++i)
                body.append(lines.at(i).mid(qMin(column, indentOf(lines.at(i)))));
            block.body = parseBlocks(body);
        } else {
            block.lines.append(text);
            for (; i < lines.size() && continues(lines.at(i - 1), lines.at(i)); ++i)
                block.lines.append(lines.at(i).trimmed());
        }
        blocks.push_back(std::move(block));
    }
    return blocks;
}

// Inside a tagged paragraph: the first paragraph follows the tag, later ones
// keep its indent (.IP), and a table is a list of tagged paragraphs shifted
// to that indent (.RS/.RE).
void writeBlocks(QString& out, const std::vector<Block>& blocks)
{
    bool first = true;
    bool inTable = false;
    for (const Block& block : blocks) {
        if (block.term.isEmpty()) {
            if (inTable)
                out += QLatin1String(".RE\n");
            inTable = false;
            if (!first)
                out += QLatin1String(".IP\n");
            for (const QString& line : block.lines) {
                // An option opening running text is set in bold, as in a table.
                const int space = line.indexOf(QLatin1Char(' '));
                if (&line == &block.lines.first() && line.startsWith(QLatin1String("--")) && space > 0)
                    out +=
                        formatSynopsis(line.left(space)) + QLatin1Char(' ') + escapeText(line.mid(space + 1));
                else
                    out += textLine(line);
                out += QLatin1Char('\n');
            }
        } else {
            if (!inTable)
                out += QLatin1String(".RS\n");
            inTable = true;
            out += QLatin1String(".TP\n") + formatSynopsis(block.term) + QLatin1Char('\n');
            writeBlocks(out, block.body);
        }
        first = false;
    }
    if (inTable)
        out += QLatin1String(".RE\n");
}

// ---- Shared sections ----

QString header(const char* title, const char* writtenFrom)
{
    AppManager::applyProcessIdentity();
    return QStringLiteral(".\\\" Written by zelvani-docs from %1; changes here are lost at the next build.\n"
                          ".TH %2 1 %3 \"%4 %5\" \"User Commands\"\n"
                          // Neither hyphenated nor stretched: the help quotes JSON and paths.
                          ".nh\n.ad l\n")
        .arg(QLatin1String(writtenFrom), QLatin1String(title), QLatin1String(kManualDate),
             QCoreApplication::applicationName(), QCoreApplication::applicationVersion());
}

QString synopsisSection(const QStringList& synopses)
{
    QString out = QStringLiteral(".SH SYNOPSIS\n");
    for (int i = 0; i < synopses.size(); ++i)
        out += (i ? QLatin1String(".br\n") : QLatin1String("")) + formatSynopsis(synopses.at(i)) +
               QLatin1Char('\n');
    return out;
}

struct Entry
{
    const char* term;
    const char* text;
};

// Tagged paragraphs with the terms in `font` ("B" for names, "I" for files).
QString entries(const Entry* begin, const Entry* end, const char* font)
{
    QString out;
    for (const Entry* entry = begin; entry != end; ++entry)
        out += QStringLiteral(".TP\n\\f%1%2\\fR\n%3\n")
                   .arg(QLatin1String(font), escapeText(QString::fromUtf8(entry->term)),
                        textLine(QString::fromUtf8(entry->text)));
    return out;
}

constexpr Entry kEnvironment[] = {
    {"ZELVANI_RESOURCE_SERVER",
     "the resource server's base address, in place of ResourceServer of appconfig.ini; empty: the bundled "
     "resources only"},
    {"ZELVANI_UPDATE_SERVER", "the update server's base address, in place of UpdateServer of appconfig.ini"},
    {"ZELVANI_WEBSITE", "the web site, in place of WebSite of appconfig.ini"},
    {"ZELVANI_ANALYTICS_ENDPOINT", "in place of AnalyticsEndpoint of appconfig.ini; analytics send nothing "
                                   "unless it and the measurement id are both set"},
    {"ZELVANI_ANALYTICS_MEASUREMENT_ID", "in place of AnalyticsMeasurementId of appconfig.ini"},
    {"ZELVANI_CRASH_REPORT_SERVER", "where crash reports go, in place of CrashReportServer of appconfig.ini"},
    {"ZELVANI_VOICE_PATH", "pulse keeps the voice on playback streams of the PulseAudio service where "
                           "PipeWire would take it into its graph"},
    {"PULSE_SERVER", "the sound server to use, as for every PulseAudio client"},
    {"XDG_DATA_HOME, XDG_CONFIG_HOME", "move the data folder and the native settings (below)"},
};

// The cli's own switches for measuring.
constexpr Entry kCliEnvironment[] = {
    {"ZELVANI_LIVE_STAGES",
     "when set, live prints where the voice's time goes once a second on standard error"},
    {"ZELVANI_BOARD_STATS", "when set, board prints how often each player's stream ran dry"},
};

constexpr Entry kFiles[] = {
    {"~/.local/share/Zelvani/Zelvani Voice Changer/",
     "the data folder (under XDG_DATA_HOME when that is set); the per-user copy of the resources "
     "(resources/) lives here when the folder beside the executable cannot be written"},
    {"~/.local/share/Zelvani/Zelvani Voice Changer/config/appconfig.ini",
     "preferences and server settings (ResourceServer, UpdateServer, WebSite, AnalyticsEndpoint, "
     "AnalyticsMeasurementId, CrashReportServer; all empty by default)"},
    {"~/.local/share/Zelvani/Zelvani Voice Changer/config/",
     "the user's stores: Favorite.dat and SoundFavorite.dat (starred effects and sounds), Custom.dat "
     "(custom effects), SoundImport.dat (sound files added from disk), HotKey.dat (the shortcut table)"},
    {"~/.local/share/Zelvani/Zelvani Voice Changer/log/AppLog.log",
     "the log; crash reports are written beside it"},
    {"~/.config/Zelvani/Zelvani Voice Changer.conf", "native settings: the language, first-run flags"},
    {"resources/",
     "beside the executable: the bundled catalogues (effects.json, settings.json, sounds.json), "
     "plug-ins (vst/), presets (fxp/), sounds (audio/) and pictures (image/)"},
};

// DESCRIPTION from the plain paragraphs of a usage text.
QString descriptionSection(const QStringList& paragraphs)
{
    QString out = QStringLiteral(".SH DESCRIPTION\n");
    for (int i = 0; i < paragraphs.size(); ++i)
        out +=
            (i ? QLatin1String(".PP\n") : QLatin1String("")) + textLine(paragraphs.at(i)) + QLatin1Char('\n');
    return out;
}

// ---- zelvani-cli.1 ----

QString cliManual()
{
    const Usage usage = splitUsage(printed(&cli::printUsage));
    QString out = header("ZELVANI-CLI", "the help of zelvani-cli");
    out += QStringLiteral(
        ".SH NAME\nzelvani\\-cli \\- the engine of Zelvani Voice Changer without its windows\n");
    out += synopsisSection(usage.synopses);
    out += descriptionSection(usage.paragraphs);
    out += QStringLiteral(
        ".PP\n"
        "It serves for processing files, running the voice changer headless and checking a "
        "set-up, with the same libraries, settings, data folder and resources as the program. "
        "Long work shows progress on standard error when that is a terminal; Ctrl+C ends "
        "\\fBplay\\fR, \\fBlive\\fR, \\fBboard\\fR and \\fBhotkeys \\-\\-listen\\fR cleanly.\n");

    out += QStringLiteral(".SH COMMANDS\n");
    for (const cli::CommandHelp& command : cli::commandHelp()) {
        out +=
            QLatin1String(".TP\n") + formatSynopsis(QString::fromUtf8(command.synopsis)) + QLatin1Char('\n');
        writeBlocks(out, parseBlocks(QString::fromUtf8(command.description).split(QLatin1Char('\n'))));
    }

    out += QStringLiteral(".SH \"EXIT STATUS\"\n"
                          ".TP\n\\fB%1\\fR\nsuccess\n"
                          ".TP\n\\fB%2\\fR\nfailure at run time\n"
                          ".TP\n\\fB%3\\fR\nbad usage: an unknown subcommand or option, a missing or wrong "
                          "argument\n"
                          ".PP\n\\fBrender\\fR abandoned by a signal ends with 128 + the signal's number.\n")
               .arg(cli::Success)
               .arg(cli::Failure)
               .arg(cli::BadUsage);
    out += QLatin1String(".SH ENVIRONMENT\n") +
           entries(std::begin(kEnvironment), std::end(kEnvironment), "B") +
           entries(std::begin(kCliEnvironment), std::end(kCliEnvironment), "B");
    out += QLatin1String(".SH FILES\n") + entries(std::begin(kFiles), std::end(kFiles), "I");
    out += QStringLiteral(".SH \"SEE ALSO\"\n.BR zelvani\\-voice\\-changer (1)\n");
    return out;
}

// ---- zelvani-voice-changer.1 ----

QString guiManual()
{
    const Usage usage = splitUsage(printed(&printStartUsage));
    QString out = header("ZELVANI-VOICE-CHANGER", "the help of zelvani-voice-changer");
    out += QStringLiteral(
        ".SH NAME\nzelvani\\-voice\\-changer \\- a real-time voice changer with a soundboard\n");
    out += synopsisSection(usage.synopses);
    out += descriptionSection(usage.paragraphs);
    out += QStringLiteral(".SH OPTIONS\n");
    for (const StartOption* option = startOptionTable(); option->name; ++option) {
        out += QLatin1String(".TP\n") + formatSynopsis(QString::fromUtf8(option->name)) + QLatin1Char('\n');
        for (const QString& line : QString::fromUtf8(option->description).split(QLatin1Char('\n')))
            out += textLine(line) + QLatin1Char('\n');
    }
    out += QStringLiteral(".PP\nArguments with a single dash (\\-platform, \\-style and the like) and what "
                          "follows them go to Qt.\n");
    out +=
        QLatin1String(".SH ENVIRONMENT\n") + entries(std::begin(kEnvironment), std::end(kEnvironment), "B");
    out += QLatin1String(".SH FILES\n") + entries(std::begin(kFiles), std::end(kFiles), "I");
    out += QStringLiteral(".SH \"SEE ALSO\"\n.BR zelvani\\-cli (1)\n");
    return out;
}

// ---- bash completion ----

// What the value of an option, or a positional argument, completes to.
// Placeholders name the kind; --input and --output take a file or a device
// depending on the subcommand's placeholder (IN, OUT or NAME).
struct ValueKind
{
    const char* option; // null: any option
    const char* placeholder;
    const char* kind;
};

constexpr ValueKind kValueKinds[] = {
    {"--effect", "NAME", "effects"}, {"--input", "NAME", "inputs"}, {"--output", "NAME", "outputs"},
    {nullptr, "FILE", "files"},      {nullptr, "IN", "files"},      {nullptr, "OUT", "files"},
    {nullptr, "PATH", "files"},      {nullptr, "DIR", "dirs"},
};

// A placeholder as the synopsis spells it: NAME, NAME|ID, TYPE[:INDEX=VALUE,...],
// FILE..., or a list of words (float|pcm16).
QString valueKind(const QString& option, const QString& placeholder)
{
    static const QRegularExpression words(QStringLiteral("^[a-z0-9]+(\\|[a-z0-9]+)+$"));
    if (words.match(placeholder).hasMatch())
        return QLatin1String("words ") + QString(placeholder).replace(QLatin1Char('|'), QLatin1Char(' '));
    const QString name = placeholder.section(QRegularExpression(QStringLiteral("[^A-Z0-9_]")), 0, 0);
    for (const ValueKind& entry : kValueKinds) {
        if ((!entry.option || option == QLatin1String(entry.option)) &&
            name == QLatin1String(entry.placeholder))
            return QLatin1String(entry.kind);
    }
    return QStringLiteral("none");
}

struct CompletionCommand
{
    QString name;
    QStringList options;
    QList<QPair<QString, QString>> values; // option, kind
    QString positional;                    // "COUNT KIND" (count 0: any number), or empty
};

// The placeholder after `option` in `text` ("--output NAME", "--format float|pcm16"), or empty.
QString placeholderAfter(const QString& text, const QString& option)
{
    const QRegularExpression after(
        QStringLiteral("(?<![\\w-])%1 ([A-Z][A-Z0-9_|.:=,\\[\\]]*|[a-z0-9]+(?:\\|[a-z0-9]+)+)")
            .arg(QRegularExpression::escape(option)));
    return after.match(text).captured(1);
}

std::vector<CompletionCommand> completionCommands()
{
    const QList<cli::CommandHelp> help = cli::commandHelp();
    // Options such as the chain's are spelled out once (render) and only
    // named elsewhere (live): their placeholder comes from wherever it is given.
    QString allText;
    for (const cli::CommandHelp& command : help)
        allText += QString::fromUtf8(command.synopsis) + QLatin1Char('\n') +
                   QString::fromUtf8(command.description) + QLatin1Char('\n');

    static const QRegularExpression optionPattern(QStringLiteral("(?<![\\w-])--[a-z][a-z0-9-]*"));
    std::vector<CompletionCommand> commands;
    for (const cli::CommandHelp& command : help) {
        CompletionCommand entry;
        entry.name = QString::fromUtf8(command.name);
        const QString synopsis = QString::fromUtf8(command.synopsis).mid(entry.name.size()).trimmed();
        const QString text = synopsis + QLatin1Char('\n') + QString::fromUtf8(command.description);
        for (auto match = optionPattern.globalMatch(text); match.hasNext();) {
            const QString option = match.next().captured();
            if (entry.options.contains(option))
                continue;
            entry.options.append(option);
            QString placeholder = placeholderAfter(synopsis, option);
            if (placeholder.isEmpty())
                placeholder = placeholderAfter(text, option);
            if (placeholder.isEmpty())
                placeholder = placeholderAfter(allText, option);
            if (!placeholder.isEmpty())
                entry.values.append({option, valueKind(option, placeholder)});
        }
        if (!entry.options.contains(QLatin1String("--help")))
            entry.options.append(QStringLiteral("--help"));

        // Positional arguments: synopsis words that are neither options nor
        // their values; [CHAIN] and the like stand for options.
        bool optionValue = false;
        for (QString word : synopsis.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            word.remove(QLatin1Char('[')).remove(QLatin1Char(']'));
            if (word.startsWith(QLatin1Char('-'))) {
                optionValue = !placeholderAfter(synopsis, word).isEmpty();
                continue;
            }
            if (optionValue) {
                optionValue = false;
                continue;
            }
            const bool repeated = word.endsWith(QLatin1String("..."));
            const QString kind = valueKind(QString(), repeated ? word.chopped(3) : word);
            if (kind != QLatin1String("none") && entry.positional.isEmpty())
                entry.positional = (repeated ? QLatin1String("0 ") : QLatin1String("1 ")) + kind;
        }
        commands.push_back(entry);
    }
    return commands;
}

// The completion's fixed part. REPLY carries results between its functions
// to spare subshells; names arrive unquoted and readline quotes them
// (compopt -o filenames), whether the word was begun with a quote or not.
constexpr const char* kCompletionFunctions = R"BASH(
# The word being completed without its quoting, in REPLY.
_zelvani_cli_dequote()
{
    local word=$1 quote='' c i
    REPLY=
    for ((i = 0; i < ${#word}; i++)); do
        c=${word:i:1}
        if [[ $quote == "'" ]]; then
            if [[ $c == "'" ]]; then quote=; else REPLY+=$c; fi
        elif [[ $c == "\\" && ( -z $quote || ${word:i+1:1} == [\"\\\$\`] ) ]]; then
            i=$((i + 1))
            REPLY+=${word:i:1}
        elif [[ -z $quote && ( $c == "'" || $c == '"' ) ]]; then
            quote=$c
        elif [[ $quote == '"' && $c == '"' ]]; then
            quote=
        else
            REPLY+=$c
        fi
    done
}

# The "name" of each object in the named top-level arrays of
# `PROGRAM SUBCOMMAND --json`, one a line. A small JSON scanner: strings
# are whole tokens, so braces and commas inside names do not count.
_zelvani_cli_names() # program subcommand arrays
{
    local command=("$1" "$2" --json)
    # A sound server that does not answer must not hold up the shell.
    type -P timeout >/dev/null && command=(timeout 3 "${command[@]}")
    "${command[@]}" 2>/dev/null </dev/null | LC_ALL=C awk -v arrays=" $3 " '
    function unescape(s,    out, c, i, k, code) {
        out = ""
        for (i = 2; i < length(s); i++) {
            c = substr(s, i, 1)
            if (c == "\\") {
                c = substr(s, ++i, 1)
                if (c == "n") c = "\n"
                else if (c == "t") c = "\t"
                else if (c == "r") c = "\r"
                else if (c == "b") c = "\b"
                else if (c == "f") c = "\f"
                else if (c == "u") {
                    code = 0
                    for (k = 1; k <= 4; k++)
                        code = code * 16 + index("0123456789abcdef", tolower(substr(s, i + k, 1))) - 1
                    i += 4
                    c = code < 128 ? sprintf("%c", code) : "?"
                }
            }
            out = out c
        }
        return out
    }
    {
        line = $0
        while (line != "") {
            c = substr(line, 1, 1)
            if (c == "\"") {
                match(line, /^"([^"\\]|\\.)*"/)
                token = substr(line, 1, RLENGTH)
                line = substr(line, RLENGTH + 1)
                if (type[depth] == "{" && wantKey[depth]) {
                    key[depth] = unescape(token)
                    wantKey[depth] = 0
                } else if (depth == 3 && key[3] == "name" && type[3] == "{" && type[2] == "[" &&
                           type[1] == "{" && index(arrays, " " key[1] " ")) {
                    print unescape(token)
                }
                continue
            }
            if (c == "{" || c == "[") {
                type[++depth] = c
                wantKey[depth] = c == "{"
                key[depth] = ""
            } else if (c == "}" || c == "]") {
                depth--
            } else if (c == "," && type[depth] == "{") {
                wantKey[depth] = 1
            } else if (match(line, /^[^]["{},]+/)) {
                line = substr(line, RLENGTH + 1)
                continue
            }
            line = substr(line, 2)
        }
    }'
}

# Adds the arguments that begin with the word being completed.
_zelvani_cli_offer()
{
    local candidate
    for candidate; do
        [[ $candidate == "$cur"* ]] && COMPREPLY+=("$candidate")
    done
}

_zelvani_cli_offer_names() # subcommand arrays
{
    local names
    mapfile -t names < <(_zelvani_cli_names "$program" "$1" "$2")
    compopt -o filenames 2>/dev/null
    _zelvani_cli_offer "${names[@]}"
}

_zelvani_cli_complete_value() # kind [word...]
{
    case $1 in
    files)
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
        ;;
    dirs)
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -d -- "$cur")
        ;;
    effects) _zelvani_cli_offer_names effects effects ;;
    inputs) _zelvani_cli_offer_names devices inputs ;;
    outputs) _zelvani_cli_offer_names devices outputs ;;
    words)
        shift
        _zelvani_cli_offer "$@"
        ;;
    esac
}

_zelvani_cli()
{
    local program=${COMP_WORDS[0]} cur command i positionals=0 words
    COMPREPLY=()
    # The program on the command line when it is named with a path, else the one on PATH.
    [[ $program == \~/* ]] && program=$HOME/${program#\~/}
    [[ $program == */* ]] || program=zelvani-cli
    _zelvani_cli_dequote "${COMP_WORDS[COMP_CWORD]}"
    cur=$REPLY
    if ((COMP_CWORD == 1)); then
        _zelvani_cli_offer "${_zelvani_cli_commands[@]}" --help --version
        return 0
    fi
    command=${COMP_WORDS[1]}
    _zelvani_cli_value "$command" "${COMP_WORDS[COMP_CWORD - 1]}"
    if [[ -n $REPLY ]]; then
        read -ra words <<<"$REPLY"
        _zelvani_cli_complete_value "${words[@]}"
        return 0
    fi
    for ((i = 2; i < COMP_CWORD; i++)); do
        if [[ ${COMP_WORDS[i]} == -* ]]; then
            _zelvani_cli_value "$command" "${COMP_WORDS[i]}"
            [[ -n $REPLY ]] && i=$((i + 1))
        else
            positionals=$((positionals + 1))
        fi
    done
    _zelvani_cli_positional "$command"
    read -ra words <<<"$REPLY"
    if [[ -n $REPLY && $cur != -* ]] && ((words[0] == 0 || positionals < words[0])); then
        _zelvani_cli_complete_value "${words[@]:1}"
        return 0
    fi
    _zelvani_cli_options "$command"
    read -ra words <<<"$REPLY"
    _zelvani_cli_offer "${words[@]}"
    return 0
}
)BASH";

// Only plain words reach the generated script, so nothing in a help text can
// turn into shell syntax.
bool plainWords(const QStringList& words)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9._-]+$"));
    for (const QString& word : words) {
        for (const QString& part : word.split(QLatin1Char(' '))) {
            if (!plain.match(part).hasMatch())
                return false;
        }
    }
    return true;
}

// A shell case statement setting REPLY, "" when nothing matches.
QString replyCases(const QStringList& patterns, const QStringList& replies)
{
    QString out = QStringLiteral("    case $1 in\n");
    if (patterns.first().contains(QLatin1Char(':')))
        out = QStringLiteral("    case $1:$2 in\n");
    for (int i = 0; i < patterns.size(); ++i)
        out += QStringLiteral("    %1) REPLY=\"%2\" ;;\n").arg(patterns.at(i), replies.at(i));
    return out + QStringLiteral("    *) REPLY= ;;\n    esac\n");
}

// The completion script, or empty when the help holds a name that is not a plain word.
QString completionScript()
{
    QStringList names;
    QStringList options;
    QStringList valuePatterns;
    QStringList valueKinds;
    QStringList positionalNames;
    QStringList positionalKinds;
    for (const CompletionCommand& command : completionCommands()) {
        names.append(command.name);
        options.append(command.options.join(QLatin1Char(' ')));
        for (const auto& value : command.values) {
            valuePatterns.append(command.name + QLatin1Char(':') + value.first);
            valueKinds.append(value.second);
        }
        if (!command.positional.isEmpty()) {
            positionalNames.append(command.name);
            positionalKinds.append(command.positional);
        }
    }
    if (names.isEmpty() || valuePatterns.isEmpty() || positionalNames.isEmpty() ||
        !plainWords(
            names + options + valueKinds + positionalKinds +
            QStringList{valuePatterns.join(QLatin1Char(' ')).replace(QLatin1Char(':'), QLatin1Char(' '))}))
        return {};

    QString out =
        QStringLiteral("# bash completion for zelvani-cli\n"
                       "# Written by zelvani-docs from the help of zelvani-cli; changes here are lost "
                       "at the next build.\n\n"
                       "_zelvani_cli_commands=(%1)\n")
            .arg(names.join(QLatin1Char(' ')));
    out += QLatin1String(kCompletionFunctions);
    out += QStringLiteral(
               "\n# The options of a subcommand, in REPLY.\n_zelvani_cli_options() # subcommand\n{\n") +
           replyCases(names, options) + QStringLiteral("}\n");
    out +=
        QStringLiteral("\n# What the value of an option completes to (none: nothing), in REPLY; empty when "
                       "the\n# option takes no value.\n_zelvani_cli_value() # subcommand option\n{\n") +
        replyCases(valuePatterns, valueKinds) + QStringLiteral("}\n");
    out += QStringLiteral("\n# A subcommand's positional arguments: how many (0: any number) and what they\n"
                          "# complete to, in REPLY.\n_zelvani_cli_positional() # subcommand\n{\n") +
           replyCases(positionalNames, positionalKinds) + QStringLiteral("}\n");
    return out + QStringLiteral("\ncomplete -F _zelvani_cli zelvani-cli\n");
}

bool write(const QString& path, const QString& text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit()) {
        std::fprintf(stderr, "zelvani-docs: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(file.errorString()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fputs("Usage: zelvani-docs man-cli|man-gui|completion FILE\n", stderr);
        return 2;
    }
    const QString what = QString::fromLocal8Bit(argv[1]);
    const QString path = QString::fromLocal8Bit(argv[2]);
    if (what == QLatin1String("man-cli"))
        return write(path, cliManual()) ? 0 : 1;
    if (what == QLatin1String("man-gui"))
        return write(path, guiManual()) ? 0 : 1;
    if (what == QLatin1String("completion")) {
        const QString script = completionScript();
        if (script.isEmpty()) {
            std::fputs("zelvani-docs: a subcommand or option name is not a plain word\n", stderr);
            return 1;
        }
        return write(path, script) ? 0 : 1;
    }
    std::fprintf(stderr, "zelvani-docs: unknown document '%s'\n", argv[1]);
    return 2;
}
