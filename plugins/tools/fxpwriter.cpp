// Writes every factory program of our plug-ins as an .fxp preset (one
// program of parameters, big-endian): OUTDIR/<Plugin>_<Program>.fxp.
//   zelvani-fxp-writer OUTDIR PLUGIN.so...

#include "vst/vst2.h"

#include <dlfcn.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::intptr_t host(vst2::AEffect*, std::int32_t opcode, std::int32_t, std::intptr_t, void*, float)
{
    switch (opcode) {
    case vst2::audioMasterVersion:
        return 2400;
    case vst2::audioMasterGetSampleRate:
        return 48000;
    case vst2::audioMasterGetBlockSize:
        return 960;
    default:
        return 0;
    }
}

void putBigEndian(std::vector<unsigned char>* out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out->push_back(static_cast<unsigned char>(value >> shift));
}

std::uint32_t floatBits(float value)
{
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

std::string baseName(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

bool writeFile(const std::string& path, const std::vector<unsigned char>& bytes)
{
    const std::string temporary = path + ".part";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0 || !written) {
        std::remove(temporary.c_str());
        return false;
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

// Writes the programs of one plug-in; the count written, or -1.
int writePresets(const std::string& library, const std::string& folder)
{
    void* handle = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        std::fprintf(stderr, "zelvani-fxp-writer: %s\n", dlerror());
        return -1;
    }
    auto entry = reinterpret_cast<vst2::EntryProc>(dlsym(handle, "VSTPluginMain"));
    vst2::AEffect* effect = entry ? entry(&host) : nullptr;
    if (!effect || effect->magic != vst2::kEffectMagic) {
        std::fprintf(stderr, "zelvani-fxp-writer: %s is not a VST 2 plug-in\n", library.c_str());
        return -1;
    }
    effect->dispatcher(effect, vst2::effOpen, 0, 0, nullptr, 0.0f);
    int written = 0;
    for (int program = 0; program < effect->numPrograms; ++program) {
        char name[vst2::kHostStringBuffer] = {};
        effect->dispatcher(effect, vst2::effGetProgramNameIndexed, program, 0, name, 0.0f);
        if (effect->numPrograms == 1 && std::strcmp(name, "Default") == 0)
            break; // a plug-in without factory programs
        effect->dispatcher(effect, vst2::effSetProgram, 0, program, nullptr, 0.0f);
        std::vector<unsigned char> bytes;
        putBigEndian(&bytes, static_cast<std::uint32_t>(vst2::kChunkMagic));
        putBigEndian(&bytes, static_cast<std::uint32_t>(48 + 4 * effect->numParams));
        putBigEndian(&bytes, static_cast<std::uint32_t>(vst2::kFxpParamsMagic));
        putBigEndian(&bytes, 1);
        putBigEndian(&bytes, static_cast<std::uint32_t>(effect->uniqueID));
        putBigEndian(&bytes, static_cast<std::uint32_t>(effect->version));
        putBigEndian(&bytes, static_cast<std::uint32_t>(effect->numParams));
        char programName[vst2::kFxpNameBytes] = {};
        std::memcpy(programName, name, std::min(std::strlen(name), sizeof programName - 1));
        bytes.insert(bytes.end(), programName, programName + sizeof programName);
        for (int i = 0; i < effect->numParams; ++i)
            putBigEndian(&bytes, floatBits(effect->getParameter(effect, i)));
        const std::string path = folder + "/" + baseName(library) + "_" + name + ".fxp";
        if (!writeFile(path, bytes)) {
            std::fprintf(stderr, "zelvani-fxp-writer: cannot write %s\n", path.c_str());
            written = -1;
            break;
        }
        ++written;
    }
    effect->dispatcher(effect, vst2::effClose, 0, 0, nullptr, 0.0f);
    // The library stays loaded: some plug-ins leave work behind at unload.
    return written;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fputs("usage: zelvani-fxp-writer OUTDIR PLUGIN.so...\n", stderr);
        return 2;
    }
    const std::string folder = argv[1];
    mkdir(folder.c_str(), 0755);
    int total = 0;
    for (int i = 2; i < argc; ++i) {
        const int written = writePresets(argv[i], folder);
        if (written < 0)
            return 1;
        total += written;
    }
    std::printf("zelvani-fxp-writer: %d presets in %s\n", total, folder.c_str());
    return 0;
}
