#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afx/CFile.h"
#include "support/TempFolder.h"

namespace {

TEST(CFile, ErrorsCarryTheirCauseAndTheFileNameAndShareModesAreEnforced)
{
    TempFolder folder;
    std::string name = folder.File("missing.dat");
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(name.c_str(), CFile::modeRead | CFile::typeBinary, &error));
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
    EXPECT_EQ(error.m_lOsError, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(error.m_strFileName, name.c_str());
    EXPECT_FALSE(file.Open(folder.File("no\\such\\folder.dat").c_str(), CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::badPath);

    // The throwing constructor carries the same cause.
    try {
        CFile thrown(name.c_str(), CFile::modeRead);
        ADD_FAILURE() << "no exception";
    } catch (CFileException* e) {
        EXPECT_EQ(e->m_cause, CFileException::fileNotFound);
        e->Delete();
    }

    // Writing through a read-only handle throws with the file's name.
    WriteBytes(name, "abc");
    CFile readOnly(name.c_str(), CFile::modeRead);
    try {
        readOnly.Write("x", 1);
        ADD_FAILURE() << "no exception";
    } catch (CFileException* e) {
        EXPECT_EQ(e->m_cause, CFileException::accessDenied);
        EXPECT_EQ(e->m_strFileName, name.c_str());
        e->Delete();
    }
    readOnly.Close();
    EXPECT_EQ(ReadBytes(name), "abc");

    // Share modes are enforced.
    CFile owner(name.c_str(), CFile::modeWrite | CFile::shareExclusive);
    EXPECT_FALSE(file.Open(name.c_str(), CFile::modeRead | CFile::shareDenyNone, &error));
    EXPECT_EQ(error.m_cause, CFileException::sharingViolation);
    owner.Close();
    CFile reader(name.c_str(), CFile::modeRead | CFile::shareDenyWrite);
    EXPECT_FALSE(file.Open(name.c_str(), CFile::modeWrite | CFile::shareDenyNone, &error));
    EXPECT_EQ(error.m_cause, CFileException::sharingViolation);
    EXPECT_TRUE(file.Open(name.c_str(), CFile::modeRead | CFile::shareDenyNone));
}

TEST(CFile, WriteReadRoundTripWithSeekAndLength)
{
    TempFolder folder;
    std::string name = folder.File("\x95\x5C.dat");  // 表.dat: trail byte 0x5C in the name
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
    EXPECT_EQ(back, bytes);
    EXPECT_EQ(in.Seek(-10, CFile::end), 69990u);
    unsigned char tail[10];
    EXPECT_EQ(in.Read(tail, 20), 10u);
    EXPECT_EQ(tail[9], bytes[69999]);
    in.Close();

    // modeCreate | modeNoTruncate keeps the content; modeCreate alone empties it.
    CFile keep(name.c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite);
    EXPECT_EQ(keep.GetLength(), 70000u);
    keep.SetLength(5);
    EXPECT_EQ(keep.GetLength(), 5u);
    keep.Close();
    EXPECT_EQ(CFile(name.c_str(), CFile::modeCreate | CFile::modeWrite).GetLength(), 0u);
}

} // namespace
