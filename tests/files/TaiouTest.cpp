#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "support/FilesHarness.h"
#include "files/CUtyFile.h"

namespace {

// Shift-JIS text with 0x5C trail bytes: C:\表示\データ\ .
const std::string kDirFolder = "C:\\\x95\x5C\x8E\xA6\\\x83\x66\x81\x5B\x83\x5E\\";

class TaiouTest : public ::testing::Test {
protected:
    TaiouTest()
    {
        std::memset(&env, 0x11, sizeof env);
        std::memset(&ext, 0x22, sizeof ext);
        std::memset(&option, 0x33, sizeof option);
        SetDataFolder(env, dataFolder);
    }

    static void SetDataFolder(S_ENV& record, const std::string& folder)
    {
        std::memset(record.DATAFOLDER, 0, sizeof record.DATAFOLDER);
        std::memcpy(record.DATAFOLDER, folder.c_str(), folder.size());
    }

    TempFolder temp;
    std::string dataFolder = temp.Path().string() + "\\";
    std::string taiou = dataFolder + "TAIOU.INI";
    S_ENV env;
    S_EXTENV ext;
    S_ENVOPTION option;
    CUtyFile files;
};

TEST_F(TaiouTest, MissingFileIsReportedAndNeverCreated)
{
    S_ENV envBefore = env;
    S_EXTENV extBefore = ext;
    S_ENVOPTION optionBefore = option;
    std::string other = temp.Path().string() + "\\";
    EXPECT_EQ(files.ReadTaiouToEnv(&env), -1);
    EXPECT_EQ(files.WriteEnvToTaiou(&env), -1);
    EXPECT_EQ(files.WriteEnvToTaiou(&env, &other[0]), -1);
    EXPECT_EQ(files.ReadTaiouOption(&env, &option), -1);
    EXPECT_EQ(files.WriteTaiouOption(&env, &option), -1);
    EXPECT_EQ(files.ReadTaiouToExtEnv(&env, &ext), -1);
    EXPECT_EQ(files.WriteExtEnvToTaiou(&env, &ext, &other[0]), -1);
    EXPECT_EQ(std::memcmp(&env, &envBefore, sizeof env), 0);
    EXPECT_EQ(std::memcmp(&ext, &extBefore, sizeof ext), 0);
    EXPECT_EQ(std::memcmp(&option, &optionBefore, sizeof option), 0);
    EXPECT_FALSE(IsFile(taiou));
    EXPECT_EQ(files.ReadTaiouToEnv(nullptr), -1);
    std::memset(env.DATAFOLDER, 'x', sizeof env.DATAFOLDER);  // no terminator
    EXPECT_EQ(files.ReadTaiouToEnv(&env), -1);
    EXPECT_EQ(files.ReadTaiouToExtEnv(&env, nullptr), -1);
}

TEST_F(TaiouTest, AbsentKeysReadAsZero)
{
    WriteBytes(taiou, "[TAIOU_INFORMATION]\r\nFORMAT=2\r\n");
    ASSERT_EQ(files.ReadTaiouToEnv(&env), 0);
    EXPECT_EQ(env.FORMAT, 2);
    EXPECT_EQ(env.EINOU, 0);
    EXPECT_EQ(env.DELETE_MODE, 0);
    EXPECT_EQ(env.FUSEN, 0);
    EXPECT_EQ(env.HIDUKE, 0);
    EXPECT_EQ(env.KUMI_CODE, 0);
    EXPECT_STREQ(env.DIRFOLDER, "");
    // The host's block and the data folder are not touched.
    EXPECT_EQ(env.RESERVED[0], 0x11);
    EXPECT_EQ(env.RESERVED[sizeof env.RESERVED - 1], 0x11);
    EXPECT_EQ(std::string(env.DATAFOLDER), dataFolder);

    ASSERT_EQ(files.ReadTaiouOption(&env, &option), 0);
    EXPECT_EQ(option.KUMI_KETA, 0);
    EXPECT_EQ(option.RESERVED[0], 0x33);
    ASSERT_EQ(files.ReadTaiouToExtEnv(&env, &ext), 0);
    EXPECT_EQ(ext.AO_U_KCODE, 0);
    EXPECT_EQ(ext.HO_B_BCODE, 0);
    EXPECT_EQ(ext.RESERVED[0], 0x22);
}

TEST_F(TaiouTest, ValuesAreTruncatedIntoTheirFields)
{
    WriteBytes(taiou,
            "; \x91\xCE\x89\x9E\x90\xDD\x92\xE8\r\n"  // ; 対応設定
            "[TAIOU_INFORMATION]\r\n"
            "EINOU=300\r\n"
            "FORMAT=-3\r\n"
            "DELETE_MODE=1\r\n"
            "FUSEN=12abc\r\n"
            "KUMI_CODE=70000\r\n"
            "DIRFOLDER=" + kDirFolder + "\r\n"
            "HIDUKE=x\r\n"
            "KUMI_KETA=6\r\n"
            "SI_B_HCODE=-123\r\n"
            "HO_B_BCODE=32767\r\n"
            "[FILE_INFORMATION]\r\nVER=1.00\r\n");
    ASSERT_EQ(files.ReadTaiouToEnv(&env), 0);
    EXPECT_EQ(env.EINOU, 44);        // 300 in 8 bits
    EXPECT_EQ(env.FORMAT, -3);
    EXPECT_EQ(env.DELETE_MODE, 1);
    EXPECT_EQ(env.FUSEN, 12);        // leading digits
    EXPECT_EQ(env.KUMI_CODE, 4464);  // 70000 in 16 bits
    EXPECT_EQ(std::string(env.DIRFOLDER), kDirFolder);
    EXPECT_EQ(env.HIDUKE, 0);
    ASSERT_EQ(files.ReadTaiouOption(&env, &option), 0);
    EXPECT_EQ(option.KUMI_KETA, 6);
    ASSERT_EQ(files.ReadTaiouToExtEnv(&env, &ext), 0);
    EXPECT_EQ(ext.SI_B_HCODE, -123);
    EXPECT_EQ(ext.HO_B_BCODE, 32767);
    EXPECT_EQ(ext.AO_U_KCODE, 0);
}

TEST_F(TaiouTest, WritesSignedTextAndKeepsTheRestOfTheFile)
{
    WriteBytes(taiou, "[TAIOU_INFORMATION]\r\nOTHER=keep\r\n[FILE_INFORMATION]\r\nVER=1.00\r\n");
    env.EINOU = 1;
    env.FORMAT = static_cast<signed char>(200);  // stored as -56
    env.DELETE_MODE = 0;
    env.FUSEN = 127;
    env.HIDUKE = -128;
    env.KUMI_CODE = -1;
    std::memset(env.DIRFOLDER, 0, sizeof env.DIRFOLDER);
    std::memcpy(env.DIRFOLDER, kDirFolder.c_str(), kDirFolder.size());
    ASSERT_EQ(files.WriteEnvToTaiou(&env), 0);
    option.KUMI_KETA = -2;
    ASSERT_EQ(files.WriteTaiouOption(&env, &option), 0);

    std::string text = ReadBytes(taiou);
    for (const std::string& line : std::vector<std::string> {"EINOU=1", "FORMAT=-56", "DELETE_MODE=0", "FUSEN=127", "KUMI_CODE=-1",
          "DIRFOLDER=" + kDirFolder, "HIDUKE=-128", "KUMI_KETA=-2", "OTHER=keep", "VER=1.00"})
        EXPECT_NE(text.find(line + "\r\n"), std::string::npos) << line;
    // New keys follow in the order they were written.
    EXPECT_LT(text.find("EINOU="), text.find("FORMAT="));
    EXPECT_LT(text.find("KUMI_CODE="), text.find("DIRFOLDER="));
    EXPECT_LT(text.find("DIRFOLDER="), text.find("HIDUKE="));
}

TEST_F(TaiouTest, CodeSettingsRoundTripInKeyOrder)
{
    WriteBytes(taiou, "[TAIOU_INFORMATION]\r\n");
    short* fields = &ext.AO_U_KCODE;
    for (int i = 0; i < 18; ++i)
        fields[i] = static_cast<short>(i % 2 ? -(i * 100 + 1) : i * 1000 + 7);
    ASSERT_EQ(files.WriteExtEnvToTaiou(&env, &ext), 0);
    std::string text = ReadBytes(taiou);
    const char* keys[] = {"AO_U_KCODE", "AO_U_HCODE", "AO_U_BCODE", "AO_B_KCODE", "AO_B_HCODE",
                          "AO_B_BCODE", "SI_U_KCODE", "SI_U_HCODE", "SI_U_BCODE", "SI_B_KCODE",
                          "SI_B_HCODE", "SI_B_BCODE", "HO_U_KCODE", "HO_U_HCODE", "HO_U_BCODE",
                          "HO_B_KCODE", "HO_B_HCODE", "HO_B_BCODE"};
    size_t previous = 0;
    for (int i = 0; i < 18; ++i) {
        std::string line = std::string(keys[i]) + "=" + std::to_string(fields[i]) + "\r\n";
        size_t at = text.find(line);
        ASSERT_NE(at, std::string::npos) << line;
        EXPECT_GE(at, previous) << line;
        previous = at;
    }
    S_EXTENV back;
    std::memset(&back, 0x44, sizeof back);
    ASSERT_EQ(files.ReadTaiouToExtEnv(&env, &back), 0);
    EXPECT_EQ(std::memcmp(&back.AO_U_KCODE, &ext.AO_U_KCODE, 36), 0);
    EXPECT_EQ(back.RESERVED[0], 0x44);
}

TEST_F(TaiouTest, AFolderArgumentOverridesTheRecord)
{
    TempFolder otherTemp;
    std::string other = otherTemp.Path().string() + "\\";
    WriteBytes(taiou, "[TAIOU_INFORMATION]\r\nFORMAT=1\r\nKUMI_KETA=1\r\n");
    WriteBytes(other + "TAIOU.INI", "[TAIOU_INFORMATION]\r\nFORMAT=9\r\nKUMI_KETA=9\r\n");
    env.FORMAT = 5;
    ASSERT_EQ(files.WriteEnvToTaiou(&env, &other[0]), 0);
    EXPECT_NE(ReadBytes(other + "TAIOU.INI").find("FORMAT=5\r\n"), std::string::npos);
    EXPECT_NE(ReadBytes(taiou).find("FORMAT=1\r\n"), std::string::npos);

    // Reading options always uses the record's folder.
    ASSERT_EQ(files.ReadTaiouOption(&env, &option), 0);
    EXPECT_EQ(option.KUMI_KETA, 1);
    option.KUMI_KETA = 4;
    ASSERT_EQ(files.WriteTaiouOption(&env, &option, &other[0]), 0);
    EXPECT_NE(ReadBytes(other + "TAIOU.INI").find("KUMI_KETA=4\r\n"), std::string::npos);
    // The code settings read from the given folder, even without a record.
    WriteBytes(other + "TAIOU.INI", "[TAIOU_INFORMATION]\r\nSI_U_BCODE=77\r\n");
    ASSERT_EQ(files.ReadTaiouToExtEnv(nullptr, &ext, &other[0]), 0);
    EXPECT_EQ(ext.SI_U_BCODE, 77);
}

TEST_F(TaiouTest, CorrespondenceFileNames)
{
    EXPECT_EQ(files.GetTaiouFileCount(), 5);
    const char* names[] = {"TAIOU.REN", "TAIOU1.REN", "TAIOU2.REN", "TAIOU3.REN", "TAIOU.INI"};
    for (unsigned short i = 0; i < 5; ++i) {
        char buffer[11] = {};
        ASSERT_EQ(files.GetTaiouFileName(i, buffer), 1);
        EXPECT_STREQ(buffer, names[i]);
    }
    char buffer[11] = "unchanged";
    EXPECT_EQ(files.GetTaiouFileName(5, buffer), 0);
    EXPECT_STREQ(buffer, "unchanged");
}

} // namespace
