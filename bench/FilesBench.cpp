// CFileCopy against the system's copy, same file, same folder, same run: a
// 64 MiB file copied over an existing destination.
//   ours:      CFileCopy::CopyFileA (32000-byte blocks through CFile)
//   baseline:  CopyFileA
//   floor:     a bare ReadFile/WriteFile loop of 32000-byte blocks, the
//              fastest any copy in the library's block size can be
// Run by hand under Wine: scripts/wine-run build/windows/bin/zr8_files_bench.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "support/WinBench.h"
#include "zr8wlib.h"

namespace {

const DWORD kFileBytes = 64u << 20;

bool WriteSource(const std::string& path)
{
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    std::vector<unsigned char> chunk(1u << 20);
    bool ok = true;
    for (DWORD offset = 0; ok && offset < kFileBytes; offset += static_cast<DWORD>(chunk.size())) {
        for (size_t i = 0; i < chunk.size(); ++i)
            chunk[i] = static_cast<unsigned char>((offset + i) * 2654435761u >> 24);
        DWORD written = 0;
        ok = ::WriteFile(file, chunk.data(), static_cast<DWORD>(chunk.size()), &written, nullptr) &&
             written == chunk.size();
    }
    return ::CloseHandle(file) && ok;
}

bool SameBytes(const std::string& a, const std::string& b)
{
    FILE* fa = std::fopen(a.c_str(), "rb");
    FILE* fb = std::fopen(b.c_str(), "rb");
    bool same = fa != nullptr && fb != nullptr;
    std::vector<char> ba(1u << 20), bb(1u << 20);
    while (same) {
        size_t na = std::fread(ba.data(), 1, ba.size(), fa);
        size_t nb = std::fread(bb.data(), 1, bb.size(), fb);
        same = na == nb && std::equal(ba.begin(), ba.begin() + static_cast<long>(na), bb.begin());
        if (na == 0)
            break;
    }
    if (fa != nullptr)
        std::fclose(fa);
    if (fb != nullptr)
        std::fclose(fb);
    return same;
}

// The bare loop: what 32000-byte blocks cost without the library.
bool BareCopy(const std::string& source, const std::string& destination)
{
    HANDLE in = ::CreateFileA(source.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    HANDLE out = ::CreateFileA(destination.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                               nullptr);
    static std::vector<char> block(32000);
    DWORD read = 0;
    DWORD written = 0;
    bool ok = in != INVALID_HANDLE_VALUE && out != INVALID_HANDLE_VALUE;
    while (ok && ::ReadFile(in, block.data(), static_cast<DWORD>(block.size()), &read, nullptr) && read != 0)
        ok = ::WriteFile(out, block.data(), read, &written, nullptr) && written == read;
    if (in != INVALID_HANDLE_VALUE)
        ::CloseHandle(in);
    if (out != INVALID_HANDLE_VALUE)
        ::CloseHandle(out);
    return ok;
}

WinBenchResult MedianRound(std::vector<WinBenchResult> rounds)
{
    std::sort(rounds.begin(), rounds.end(),
              [](const WinBenchResult& a, const WinBenchResult& b) { return a.median < b.median; });
    return rounds[rounds.size() / 2];
}

double MiBPerSecond(const WinBenchResult& result)
{
    return kFileBytes / 1048576.0 / result.median;
}

} // namespace

int main()
{
    char folder[MAX_PATH];
    ::GetTempPathA(MAX_PATH, folder);
    std::string source = std::string(folder) + "zr8_files_bench.src";
    std::string ours = std::string(folder) + "zr8_files_bench.ours";
    std::string system = std::string(folder) + "zr8_files_bench.sys";
    std::string bare = std::string(folder) + "zr8_files_bench.bare";
    if (!WriteSource(source)) {
        std::fprintf(stderr, "cannot write %s\n", source.c_str());
        return 1;
    }

    CFileCopy copier;
    bool ok = true;
    auto ourCopy = [&] { ok = copier.CopyFileA(&ours[0], &source[0]) == 0 && ok; };
    auto systemCopy = [&] { ok = ::CopyFileA(source.c_str(), system.c_str(), FALSE) && ok; };
    auto bareCopy = [&] { ok = BareCopy(source, bare) && ok; };
    // Rounds that take turns, so that the page cache's write-back, which
    // builds up over the run, weighs on all three alike; the median round counts.
    const int kRounds = 5;
    std::vector<WinBenchResult> ourRounds, systemRounds, bareRounds;
    for (int round = 0; round < kRounds; ++round) {
        ourRounds.push_back(WinBenchRun(ourCopy, 3));
        systemRounds.push_back(WinBenchRun(systemCopy, 3));
        bareRounds.push_back(WinBenchRun(bareCopy, 3));
    }
    WinBenchResult ourResult = MedianRound(ourRounds);
    WinBenchResult systemResult = MedianRound(systemRounds);
    WinBenchResult bareResult = MedianRound(bareRounds);
    ok = ok && SameBytes(source, ours) && SameBytes(source, system) && SameBytes(source, bare);

    WinBenchPrint("copy of a 64 MiB file", ourResult, systemResult);
    WinBenchPrint("  32000-byte ReadFile/WriteFile loop", bareResult);
    std::printf("  throughput: ours %.0f MiB/s, CopyFileA %.0f MiB/s, bare 32000-byte loop %.0f MiB/s\n",
                MiBPerSecond(ourResult), MiBPerSecond(systemResult), MiBPerSecond(bareResult));
    std::printf("  ours/CopyFileA %.2f, ours/bare loop %.2f\n", MiBPerSecond(ourResult) / MiBPerSecond(systemResult),
                MiBPerSecond(ourResult) / MiBPerSecond(bareResult));
    ::DeleteFileA(source.c_str());
    ::DeleteFileA(ours.c_str());
    ::DeleteFileA(system.c_str());
    ::DeleteFileA(bare.c_str());
    if (!ok)
        std::fprintf(stderr, "a copy failed or differs from its source\n");
    return ok ? 0 : 1;
}
