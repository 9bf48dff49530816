#include "Golden.h"

#include <cstdio>
#include <cstdlib>

#include <windows.h>

namespace {

// The build passes Unix paths; Wine reaches them through drive Z:.
std::string WinePath(const std::string& path)
{
    return !path.empty() && path[0] == '/' ? "Z:" + path : path;
}

std::string Hex(uint32_t colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(colour));
    return text;
}

RgbImage Difference(const RgbImage& expected, const RgbImage& actual)
{
    RgbImage diff = actual;
    for (int y = 0; y < actual.height; ++y)
        for (int x = 0; x < actual.width; ++x) {
            uint8_t* p = &diff.rgb[(static_cast<size_t>(y) * actual.width + x) * 3];
            bool same = x < expected.width && y < expected.height && expected.Pixel(x, y) == actual.Pixel(x, y);
            uint8_t grey = static_cast<uint8_t>(192 + (p[0] + p[1] + p[2]) / 12);
            p[0] = same ? grey : 255;
            p[1] = p[2] = same ? grey : 0;
        }
    return diff;
}

} // namespace

::testing::AssertionResult MatchesGolden(const std::string& subsystem, const std::string& name,
                                         const RgbImage& actual)
{
    const std::string folder = WinePath(ZR8_TESTS_DIR "/" + subsystem + "/golden");
    const std::string reference = folder + "/" + name + ".png";
    const std::string label = subsystem + "/golden/" + name + ".png";
    if (actual.width == 0)
        return ::testing::AssertionFailure() << label << ": nothing was captured";
    RgbImage expected;
    bool found = ReadPng(reference, &expected);
    if (found && expected == actual)
        return ::testing::AssertionSuccess();

    const char* update = std::getenv("ZR8_UPDATE_GOLDEN");
    if (update != nullptr && std::string(update) == "1") {
        ::CreateDirectoryA(folder.c_str(), nullptr);
        if (!WritePng(reference, actual))
            return ::testing::AssertionFailure() << label << ": cannot write the reference";
        std::printf("golden: %s %s\n", found ? "updated" : "created", label.c_str());
        return ::testing::AssertionSuccess();
    }
    if (!found)
        return ::testing::AssertionFailure() << label << ": no reference (make it with scripts/test --update-golden)";

    const std::string outFolder = WinePath(ZR8_GOLDEN_OUT_DIR) + "/" + subsystem;
    ::CreateDirectoryA(WinePath(ZR8_GOLDEN_OUT_DIR).c_str(), nullptr);
    ::CreateDirectoryA(outFolder.c_str(), nullptr);
    WritePng(outFolder + "/" + name + ".actual.png", actual);
    WritePng(outFolder + "/" + name + ".diff.png", Difference(expected, actual));
    ::testing::AssertionResult failure = ::testing::AssertionFailure();
    failure << label << ": ";
    if (expected.width != actual.width || expected.height != actual.height) {
        return failure << "size " << actual.width << "x" << actual.height << ", expected " << expected.width
                       << "x" << expected.height << "; actual image in " << outFolder;
    }
    for (int y = 0; y < actual.height; ++y)
        for (int x = 0; x < actual.width; ++x)
            if (expected.Pixel(x, y) != actual.Pixel(x, y))
                return failure << "first difference at (" << x << ", " << y << "): #" << Hex(actual.Pixel(x, y))
                               << ", expected #" << Hex(expected.Pixel(x, y)) << "; actual and difference in "
                               << outFolder;
    return failure;
}
