#pragma once

// The subcommands that drive the audio engine: devices, cable, play, render, units, live and board.
// Each run* function is the entry of one subcommand; the pieces they are made
// of are declared here too so they can be checked on their own.

#include "deviceselection.h"
#include "effectdata.h"
#include "zaudio/zaudio.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>

class EffectManager;

namespace cli {

int runCable(const QStringList& arguments, std::FILE* out, std::FILE* err);
int runDevices(const QStringList& arguments, std::FILE* out, std::FILE* err);
int runPlay(const QStringList& arguments, std::FILE* out, std::FILE* err);
int runRender(const QStringList& arguments, std::FILE* out, std::FILE* err);
int runUnits(const QStringList& arguments, std::FILE* out, std::FILE* err);
int runLive(const QStringList& arguments, std::FILE* out, std::FILE* err);
int runBoard(const QStringList& arguments, std::FILE* out, std::FILE* err);
int runEffects(const QStringList& arguments, std::FILE* out, std::FILE* err);
int runHotkeys(const QStringList& arguments, std::FILE* out, std::FILE* err);
int runSync(const QStringList& arguments, std::FILE* out, std::FILE* err);

// ------------------------------------------------------------------ devices

// What `devices` shows: the lists, the server's defaults and the devices
// the engine would choose with the configured names.
struct DeviceReport
{
    QList<AudioDevice> inputs;
    QList<AudioDevice> outputs;
    QString defaultInput;
    QString defaultOutput;
    DeviceSelection::Choice chosen[3]; // by kind: input, output, virtual output
};

DeviceReport deviceReport();
// {"inputs": [...], "outputs": [...], "chosen": {"input": {"device", "rule"}, "output", "virtual"}}
QJsonObject deviceReportToJson(const DeviceReport& report);
QString deviceReportToText(const DeviceReport& report);

// --------------------------------------------------------------------- play

// The output to play to: the name that equals `query`, else the one name that
// equals it ignoring case, else the one name that contains it ignoring case.
// -1 with `error` set when none or several match.
int findOutputDriver(const QStringList& names, const QString& query, QString* error);
// A finite volume from 0 to 10.
bool parseVolume(const QString& text, float* volume);
// "mm:ss" (minutes grow past 99 as needed).
QString formatClock(unsigned milliseconds);

// -------------------------------------------------------------------- units

// [{"type", "name", "parameters": [{"index", "name", "unit", "min", "max", "default"}...]}...]
QJsonArray unitTableToJson();
QString unitTableToText();

// One built-in unit of a chain: its type and its parameters in the order given.
struct ChainUnit
{
    int type = 0;
    QVector<QPair<int, float>> values;
};

// Parses "INDEX=VALUE,..." (indexes from 0, finite values); `option` names
// the argument in the error.
bool parseAssignments(const QString& list, const QString& option, QVector<QPair<int, float>>* values,
                      QString* error);

// Parses "TYPE[:INDEX=VALUE,...]" against the built-in units: the type must be
// one of them and each index one of its parameters. False with `error` set.
bool parseChainUnit(const QString& text, ChainUnit* unit, QString* error);

// Adds `units` to `master` the way the live engine builds an effect: the
// parameters of each unit set (the last value of an index wins, values out of
// range clamped), each unit inserted behind the head at the position that
// counts the unit types added before it. Units A, B, C, D run A, D, C, B.
zaudio::Result addChainUnits(const zaudio::System& system, const zaudio::ChannelGroup& master,
                             const QVector<ChainUnit>& units);

// ------------------------------------------------------------------ plug-ins

// One VST 2 plug-in of a chain: its library, its preset and the values set
// after the preset (normalised 0..1), in the order given.
struct ChainPlugin
{
    QString path;
    QString fxp;
    QVector<QPair<int, float>> values;
};

// Parses "PATH[:INDEX=VALUE,...]"; values must lie in 0..1.
bool parseChainPlugin(const QString& text, ChainPlugin* plugin, QString* error);

// Appends the chain of the effect named by an --effect value. False with
// `error` set when no effect, or more than one, answers to it.
using EffectResolver = std::function<bool(const QString& query, QVector<ChainUnit>* units,
                                          QVector<ChainPlugin>* plugins, QString* error)>;

// The chain options of a command line (--unit, --vst, --fxp, --effect) in
// the order given. False with `error` set (a usage error) when one does not
// parse. --effect needs `resolveEffect`.
bool parseChain(const QVector<QPair<QString, QString>>& options, QVector<ChainUnit>* units,
                QVector<ChainPlugin>* plugins, QString* error, const EffectResolver& resolveEffect = {});
QStringList chainOptionNames();

// An effect made of a command line's chain, as the live engine applies it:
// each plug-in a unit of its own type above 100000, then the built-in units.
EffectData::VoiceEffect chainEffect(const QVector<ChainUnit>& units, const QVector<ChainPlugin>& plugins);

class PluginRack;
// Loads the plug-ins the way the engine loads an effect's: library, preset,
// values, then started at `sampleRate`. Null with `error` set when a library
// does not load (the cause is in the log).
std::shared_ptr<PluginRack> loadPluginRack(const QVector<ChainPlugin>& plugins, int sampleRate,
                                           QString* error);
// Adds a unit at the tail of `master` (the end that runs first) that runs the
// rack's plug-ins in order on the stereo mix, as the engine runs them on the
// microphone before the library's units.
zaudio::Result addPluginRack(const zaudio::System& system, const zaudio::ChannelGroup& master,
                             const std::shared_ptr<PluginRack>& rack);

// ------------------------------------------------------------------ effects

// The program's effect catalogue, loaded on first use as the program loads
// it: effects.json and settings.json of the resources folder, then the user's
// stores.
EffectManager* loadEffectCatalogue();
// {"version", "groupSort", "groups": [...], "effects": [...]}: catalogue
// effects, then custom effects; languages as objects from code to text.
QJsonObject effectCatalogueToJson(const EffectManager& catalogue);
QString effectCatalogueToText(const EffectManager& catalogue);
// The effect whose id is `query`, or the one effect with that name in any
// language (custom effects by their name), ignoring case.
bool findEffect(const EffectManager& catalogue, const QString& query, EffectData::VoiceEffect* effect,
                QString* error);
// The effect's units and plug-ins as the engine builds them (plug-in paths
// under `resourcesPath`), then its sliders' positions / 100 set on the
// parameters they name, as the parameter panel does on showing the effect.
void appendEffectChain(const EffectData::VoiceEffect& effect, const QString& resourcesPath,
                       QVector<ChainUnit>* units, QVector<ChainPlugin>* plugins);
// The EffectResolver of the program's catalogue.
bool resolveEffectOption(const QString& query, QVector<ChainUnit>* units, QVector<ChainPlugin>* plugins,
                         QString* error);

// ------------------------------------------------------------------- render

enum class RenderFormat
{
    Float,
    Pcm16
};

struct RenderJob
{
    QString input;
    QString output;
    RenderFormat format = RenderFormat::Float;
    // Called once the offline system is initialised, before the input plays:
    // the place to insert a chain of units into the master group. A result
    // other than Ok ends the render with that error.
    std::function<zaudio::Result(const zaudio::System& system, const zaudio::ChannelGroup& master)>
        buildChain;
    // Called now and then with the share of the work done, 0 to 1.
    std::function<void(double done)> progress;
    // Polled between blocks; true abandons the render (OUT stays as it was).
    std::function<bool()> cancelled;
};

struct RenderOutcome
{
    std::uint64_t frames = 0; // written to OUT
    int sampleRate = 48000;   // of OUT: the mixer rate
    double seconds = 0.0;     // wall-clock time of the whole job
    bool cancelled = false;
    QString error; // the whole message after "zelvani-cli: " when the render failed
};

// The length at the mixer rate of `sourceFrames` frames at `sourceRate`,
// rounded the way the library resamples a stream.
std::uint64_t outputFrameCount(std::uint64_t sourceFrames, int sourceRate, int mixRate);

// Decodes job.input through an offline system and writes it as a WAV at the
// mixer rate (48000 Hz stereo) to job.output: to a temporary file beside it,
// renamed over it only once complete. False with outcome->error set on
// failure, in which case job.output is untouched.
bool renderFile(const RenderJob& job, RenderOutcome* outcome);

} // namespace cli
