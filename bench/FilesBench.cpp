// CFileCopy against the system's copy, same file, same folder, same run: a
// 64 MiB file copied over an existing destination, the same one for all three.
//   ours:      CFileCopy::CopyFileA (32000-byte blocks through CFile)
//   baseline:  CopyFileA
//   floor:     a bare ReadFile/WriteFile loop of 32000-byte blocks, the
//              fastest any copy in the library's block size can be
// Run by hand under Wine: scripts/wine-run build/windows/bin/zr8_files_bench.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
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

// The median and the fastest of single runs, as a result of one run per batch.
WinBenchResult MedianOf(std::vector<double> seconds)
{
    std::sort(seconds.begin(), seconds.end());
    return {seconds[seconds.size() / 2], seconds.front(), 1, static_cast<int>(seconds.size())};
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
    std::string destination = std::string(folder) + "zr8_files_bench.dst";
    if (!WriteSource(source)) {
        std::fprintf(stderr, "cannot write %s\n", source.c_str());
        return 1;
    }

    CFileCopy copier;
    bool ok = true;
    auto ourCopy = [&] { ok = copier.CopyFileA(&destination[0], &source[0]) == 0 && ok; };
    auto systemCopy = [&] { ok = ::CopyFileA(source.c_str(), destination.c_str(), FALSE) && ok; };
    auto bareCopy = [&] { ok = BareCopy(source, destination) && ok; };
    // One copy at a time, the three taking turns in a rotating order, each
    // checked outside the timing. A copy dirties 64 MiB of page cache, and
    // copies of one kind back to back would mostly measure the write-back of
    // their predecessors; the median of many single copies measures the copy.
    const int kRounds = 15;
    std::function<void()> copies[3] = {ourCopy, systemCopy, bareCopy};
    std::vector<double> seconds[3];
    for (int round = 0; round < kRounds; ++round) {
        for (int turn = 0; turn < 3; ++turn) {
            int which = (round + turn) % 3;
            double start = WinBenchNow();
            copies[which]();
            seconds[which].push_back(WinBenchNow() - start);
            ok = ok && SameBytes(source, destination);
        }
    }
    WinBenchResult ourResult = MedianOf(seconds[0]);
    WinBenchResult systemResult = MedianOf(seconds[1]);
    WinBenchResult bareResult = MedianOf(seconds[2]);

    WinBenchPrint("copy of a 64 MiB file", ourResult, systemResult);
    WinBenchPrint("  32000-byte ReadFile/WriteFile loop", bareResult);
    std::printf("  throughput: ours %.0f MiB/s, CopyFileA %.0f MiB/s, bare 32000-byte loop %.0f MiB/s\n",
                MiBPerSecond(ourResult), MiBPerSecond(systemResult), MiBPerSecond(bareResult));
    std::printf("  ours/CopyFileA %.2f, ours/bare loop %.2f\n", MiBPerSecond(ourResult) / MiBPerSecond(systemResult),
                MiBPerSecond(ourResult) / MiBPerSecond(bareResult));
    ::DeleteFileA(source.c_str());
    ::DeleteFileA(destination.c_str());
    if (!ok)
        std::fprintf(stderr, "a copy failed or differs from its source\n");
    return ok ? 0 : 1;
}
