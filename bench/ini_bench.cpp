#include "platform/IniFiles.h"
#include "ui/ProjectFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <unistd.h>

// Opening and saving over a project file of just under the size limit, read line by line as the
// project commands read it: one of many short sections, one of many keys in its one section. Both
// must stay linear; each iteration is one command's work on the file.

namespace
{

const int parameterKeys = 62;

struct BigFile {
    std::string path;
    std::size_t sections; // in the file
    std::size_t keys;     // in its section "File"
};

// "[File]" with its marker, then lines made by format up to just under the size limit.
BigFile makeFile(const char *name, const char *format, bool sections)
{
    static std::string dir;
    if (dir.empty()) {
        char pattern[] = "/tmp/selvane_ini_bench_XXXXXX";
        if (!mkdtemp(pattern))
            std::abort();
        dir = pattern;
        std::atexit([] {
            for (const char *file : {"/sections.siz", "/keys.siz"})
                unlink((dir + file).c_str());
            rmdir(dir.c_str());
        });
    }
    std::string bytes = "[File]\r\nFileCode=0x6930\r\nMode=0\r\n";
    std::size_t lines = 0;
    char line[64];
    for (;; ++lines) {
        const int n = std::snprintf(line, sizeof line, format, static_cast<int>(lines));
        if (bytes.size() + static_cast<std::size_t>(n) > static_cast<std::size_t>(MaxProjectFileBytes))
            break;
        bytes.append(line, static_cast<std::size_t>(n));
    }
    BigFile file{dir + "/" + name, sections ? 1 + lines : 1, sections ? 2 : 2 + lines};
    std::FILE *f = std::fopen(file.path.c_str(), "wb");
    if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || std::fclose(f) != 0)
        std::abort();
    return file;
}

const BigFile &manySections()
{
    static const BigFile file = makeFile("sections.siz", "[S%06d]\r\n", true);
    return file;
}

const BigFile &manyKeys()
{
    static const BigFile file = makeFile("keys.siz", "K%07d=1\r\n", false);
    return file;
}

bool holds(const TMemIniFile &ini, const BigFile &file, std::size_t ourKeys)
{
    return ini.ReadString("File", "FileCode", "") == "0x6930" && ini.ReadSections().size() == file.sections &&
           ini.ReadSection("File").size() == file.keys + ourKeys;
}

// Reads the file and looks up the header and the parameter keys.
void open(benchmark::State &state, const BigFile &file)
{
    std::unique_ptr<TMemIniFile> ini;
    for (auto _ : state) {
        ini = std::make_unique<TMemIniFile>(file.path, IniEncoding::Big5ByLine, ReadFileBytes(file.path));
        benchmark::DoNotOptimize(ini->ReadString("File", "FileCode", ""));
        benchmark::DoNotOptimize(ini->ReadString("File", "Mode", ""));
        benchmark::DoNotOptimize(ini->ReadString("File", "UnitType", ""));
        for (int id = 0; id < parameterKeys; ++id)
            benchmark::DoNotOptimize(ini->ReadString("File", "P" + std::to_string(id), ""));
    }
    // Saving may have added our keys already.
    if (!ini || !(holds(*ini, file, 0) || holds(*ini, file, 2 + parameterKeys)))
        state.SkipWithError("file read wrongly");
}

// Reads the file, writes the header and the parameter keys, writes the file back.
void saveOver(benchmark::State &state, const BigFile &file)
{
    std::unique_ptr<TMemIniFile> ini;
    for (auto _ : state) {
        ini = std::make_unique<TMemIniFile>(file.path, IniEncoding::Big5ByLine, ReadFileBytes(file.path));
        ini->WriteString("File", "FileCode", "0x6930");
        ini->WriteString("File", "FileVer", "0x101");
        ini->WriteString("File", "Mode", "0");
        ini->WriteString("File", "UnitType", "1");
        for (int id = 0; id < parameterKeys; ++id)
            ini->WriteString("File", "P" + std::to_string(id), "1.5[(mm)]");
        ini->SetWriteEncoding(IniEncoding::Big5Fallback);
        ini->UpdateFile();
    }
    if (!ini || !holds(*ini, file, 2 + parameterKeys) || ReadFileBytes(file.path) != ini->GetFileBytes())
        state.SkipWithError("file saved wrongly");
}

void BM_IniOpenManySections(benchmark::State &state)
{
    open(state, manySections());
}
BENCHMARK(BM_IniOpenManySections)->Unit(benchmark::kMillisecond);

void BM_IniSaveOverManySections(benchmark::State &state)
{
    saveOver(state, manySections());
}
BENCHMARK(BM_IniSaveOverManySections)->Unit(benchmark::kMillisecond);

void BM_IniOpenManyKeys(benchmark::State &state)
{
    open(state, manyKeys());
}
BENCHMARK(BM_IniOpenManyKeys)->Unit(benchmark::kMillisecond);

void BM_IniSaveOverManyKeys(benchmark::State &state)
{
    saveOver(state, manyKeys());
}
BENCHMARK(BM_IniSaveOverManyKeys)->Unit(benchmark::kMillisecond);

} // namespace
