#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "afx/CFile.h"
#include "support/CaughtFileException.h"
#include "support/TempFolder.h"

namespace {

TEST(CFile, ErrorsCarryTheirCauseAndTheFileNameShareModesAreEnforcedThenWriteReadSeekAndLength)
{
    TempFolder folder;
    std::string name = folder.File("missing.dat");
    CFile file;
    CFileException error;
    EXPECT_EQ((std::tuple{file.Open(name.c_str(), CFile::modeRead | CFile::typeBinary, &error), error.m_cause,
                          long(error.m_lOsError), std::string(error.m_strFileName)}),
              std::tuple(FALSE, int(CFileException::fileNotFound), long(ERROR_FILE_NOT_FOUND), name));
    EXPECT_EQ(
        (std::tuple{file.Open(folder.File("no\\such\\folder.dat").c_str(), CFile::modeRead, &error), error.m_cause}),
        std::tuple(FALSE, int(CFileException::badPath)));

    // The throwing constructor carries the same cause; writing through a
    // read-only handle throws with the file's name.
    EXPECT_EQ(FileExceptionOf([&] { CFile thrown(name.c_str(), CFile::modeRead); }),
              std::pair(int(CFileException::fileNotFound), name));
    WriteBytes(name, "abc");
    CFile readOnly(name.c_str(), CFile::modeRead);
    EXPECT_EQ(FileExceptionOf([&] { readOnly.Write("x", 1); }), std::pair(int(CFileException::accessDenied), name));
    readOnly.Close();
    EXPECT_EQ(ReadBytes(name), "abc");

    // Share modes are enforced.
    CFile owner(name.c_str(), CFile::modeWrite | CFile::shareExclusive);
    EXPECT_EQ((std::tuple{file.Open(name.c_str(), CFile::modeRead | CFile::shareDenyNone, &error), error.m_cause}),
              std::tuple(FALSE, int(CFileException::sharingViolation)));
    owner.Close();
    CFile reader(name.c_str(), CFile::modeRead | CFile::shareDenyWrite);
    EXPECT_EQ((std::tuple{file.Open(name.c_str(), CFile::modeWrite | CFile::shareDenyNone, &error), error.m_cause,
                          file.Open(name.c_str(), CFile::modeRead | CFile::shareDenyNone)}),
              std::tuple(FALSE, int(CFileException::sharingViolation), TRUE));

    name = folder.File("\x95\x5C.dat");  // 表.dat: trail byte 0x5C in the name
    std::vector<unsigned char> bytes(70000);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<unsigned char>(i * 7 + i / 256);
    {
        CFile out(name.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
        out.Write(bytes.data(), 32000);
        out.Write(bytes.data() + 32000, 38000);
        EXPECT_EQ(out.GetPosition(), 70000u);
    }
    CFile in(name.c_str(), CFile::modeRead | CFile::shareDenyWrite);
    // Room for a whole block past the end: the system checks the buffer
    // it is given, not just the bytes it fills.
    std::vector<unsigned char> back(bytes.size() + 32000);
    UINT total = 0;
    while (UINT got = in.Read(back.data() + total, 32000))
        total += got;
    back.resize(total);
    unsigned char tail[10];
    EXPECT_EQ((std::tuple{back == bytes, in.Seek(-10, CFile::end), in.Read(tail, 20), tail[9]}),
              std::tuple(true, 69990ull, 10u, bytes[69999]));
    in.Close();

    // modeCreate | modeNoTruncate keeps the content; modeCreate alone empties it.
    CFile keep(name.c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite);
    const ULONGLONG length = keep.GetLength();
    keep.SetLength(5);
    EXPECT_EQ(std::make_pair(length, keep.GetLength()), std::make_pair(70000ull, 5ull));
    keep.Close();
    EXPECT_EQ(CFile(name.c_str(), CFile::modeCreate | CFile::modeWrite).GetLength(), 0u);
}

} // namespace
