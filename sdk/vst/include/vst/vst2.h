#pragma once

// Our own declarations of the VST 2.4 binary interface: the effect record a
// plug-in library hands out, the callbacks on both sides, and the opcodes
// and flags that the host and our plug-ins use. Layout and values follow the
// published interface so any VST 2 plug-in for Linux can be hosted.

#include <cstdint>

namespace vst2 {

struct AEffect;

using HostCallback = std::intptr_t (*)(AEffect* effect, std::int32_t opcode, std::int32_t index,
                                       std::intptr_t value, void* ptr, float opt);
using DispatcherProc = std::intptr_t (*)(AEffect* effect, std::int32_t opcode, std::int32_t index,
                                         std::intptr_t value, void* ptr, float opt);
using ProcessProc = void (*)(AEffect* effect, float** inputs, float** outputs, std::int32_t frames);
using ProcessDoubleProc = void (*)(AEffect* effect, double** inputs, double** outputs, std::int32_t frames);
using SetParameterProc = void (*)(AEffect* effect, std::int32_t index, float value);
using GetParameterProc = float (*)(AEffect* effect, std::int32_t index);
// The library's exported entry ("VSTPluginMain", or "main" in older ones).
using EntryProc = AEffect* (*)(HostCallback host);

constexpr std::int32_t fourCharacters(char a, char b, char c, char d)
{
    return static_cast<std::int32_t>((static_cast<std::uint32_t>(static_cast<unsigned char>(a)) << 24) |
                                     (static_cast<std::uint32_t>(static_cast<unsigned char>(b)) << 16) |
                                     (static_cast<std::uint32_t>(static_cast<unsigned char>(c)) << 8) |
                                     static_cast<std::uint32_t>(static_cast<unsigned char>(d)));
}

constexpr std::int32_t kEffectMagic = fourCharacters('V', 's', 't', 'P');

struct AEffect
{
    std::int32_t magic;
    DispatcherProc dispatcher;
    ProcessProc process; // accumulating, from VST 1; replacing is preferred
    SetParameterProc setParameter;
    GetParameterProc getParameter;
    std::int32_t numPrograms;
    std::int32_t numParams;
    std::int32_t numInputs;
    std::int32_t numOutputs;
    std::int32_t flags;
    std::intptr_t hostReserved; // the host's own use
    std::intptr_t reserved2;
    std::int32_t initialDelay; // latency in frames
    std::int32_t realQualities;
    std::int32_t offQualities;
    float ioRatio;
    void* object; // the plug-in's own object
    void* user;
    std::int32_t uniqueID;
    std::int32_t version;
    ProcessProc processReplacing;
    ProcessDoubleProc processDoubleReplacing;
    char future[56];
};

// Flags of AEffect::flags.
enum EffectFlags : std::int32_t
{
    effFlagsHasEditor = 1 << 0,
    effFlagsCanReplacing = 1 << 4,
    effFlagsProgramChunks = 1 << 5,
    effFlagsIsSynth = 1 << 8,
    effFlagsNoSoundInStop = 1 << 9,
    effFlagsCanDoubleReplacing = 1 << 12
};

// Host to plug-in (dispatcher opcodes).
enum EffectOpcodes : std::int32_t
{
    effOpen = 0,
    effClose = 1,
    effSetProgram = 2,
    effGetProgram = 3,
    effSetProgramName = 4,
    effGetProgramName = 5,
    effGetParamLabel = 6,
    effGetParamDisplay = 7,
    effGetParamName = 8,
    effSetSampleRate = 10,
    effSetBlockSize = 11,
    effMainsChanged = 12,
    effEditGetRect = 13,
    effEditOpen = 14,
    effEditClose = 15,
    effEditIdle = 19,
    effGetChunk = 23,
    effSetChunk = 24,
    effProcessEvents = 25,
    effCanBeAutomated = 26,
    effGetProgramNameIndexed = 29,
    effGetPlugCategory = 35,
    effGetEffectName = 45,
    effGetVendorString = 47,
    effGetProductString = 48,
    effGetVendorVersion = 49,
    effCanDo = 51,
    effGetTailSize = 52,
    effGetParameterProperties = 56,
    effGetVstVersion = 58,
    effStartProcess = 71,
    effStopProcess = 72
};

// Plug-in to host (callback opcodes).
enum HostOpcodes : std::int32_t
{
    audioMasterAutomate = 0,
    audioMasterVersion = 1,
    audioMasterCurrentId = 2,
    audioMasterIdle = 3,
    audioMasterGetTime = 7,
    audioMasterProcessEvents = 8,
    audioMasterIOChanged = 13,
    audioMasterSizeWindow = 15,
    audioMasterGetSampleRate = 16,
    audioMasterGetBlockSize = 17,
    audioMasterGetInputLatency = 18,
    audioMasterGetOutputLatency = 19,
    audioMasterGetCurrentProcessLevel = 23,
    audioMasterGetAutomationState = 24,
    audioMasterGetVendorString = 32,
    audioMasterGetProductString = 33,
    audioMasterGetVendorVersion = 34,
    audioMasterCanDo = 37,
    audioMasterGetLanguage = 38,
    audioMasterUpdateDisplay = 42,
    audioMasterBeginEdit = 43,
    audioMasterEndEdit = 44
};

// effGetPlugCategory answers.
enum PlugCategory : std::int32_t
{
    kPlugCategUnknown = 0,
    kPlugCategEffect = 1,
    kPlugCategRoomFx = 6,
    kPlugCategSpacializer = 7
};

// String sizes of the interface. Hosts pass larger buffers, since many
// plug-ins write past the short ones.
constexpr int kMaxParamStrLen = 8;
constexpr int kMaxProgNameLen = 24;
constexpr int kMaxEffectNameLen = 32;
constexpr int kMaxVendorStrLen = 64;
constexpr int kHostStringBuffer = 256;

// The preset file format: one program (.fxp), big-endian.
constexpr std::int32_t kChunkMagic = fourCharacters('C', 'c', 'n', 'K');
constexpr std::int32_t kFxpParamsMagic = fourCharacters('F', 'x', 'C', 'k');
constexpr std::int32_t kFxpChunkMagic = fourCharacters('F', 'P', 'C', 'h');
constexpr int kFxpHeaderBytes = 28;
constexpr int kFxpNameBytes = 28;

} // namespace vst2
