#include "CFileCopy.h"

#include <algorithm>

#include <windows.h>

#include "afx/CFile.h"
#include "files/GlobalBlock.h"

namespace {

const UINT kBlockSize = 32000;

} // namespace

CFileCopy::CFileCopy() = default;

CFileCopy::~CFileCopy() = default;

short CFileCopy::CopyFileA(char* destination, char* source)
{
    GlobalBlock block(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE, kBlockSize);
    if (block.Data() == nullptr)
        return -1024;

    CFile in;
    CFileException error;
    if (!in.Open(source, CFile::modeRead | CFile::shareCompat, &error)) {
        if (error.m_cause == CFileException::fileNotFound)
            return -1231;
        return error.m_cause == CFileException::sharingViolation ? -1230 : -1232;
    }
    CFile out;
    if (!out.Open(destination, CFile::modeCreate | CFile::modeWrite, &error))
        return error.m_cause == CFileException::sharingViolation ? -1233 : -1234;

    try {
        ULONGLONG remaining = in.GetLength();
        UINT count = static_cast<UINT>(std::min<ULONGLONG>(kBlockSize, remaining));
        while (count != 0) {
            // The source does not change under us: a block is taken as read in full.
            in.Read(block.Data(), count);
            out.Write(block.Data(), count);
            remaining -= count;
            count = static_cast<UINT>(std::min<ULONGLONG>(kBlockSize, remaining));
        }
        out.Close();
        in.Close();
    } catch (CFileException* failure) {
        bool diskFull = failure->m_cause == CFileException::diskFull;
        failure->Delete();
        return diskFull ? -1050 : -1215;
    }
    return 0;
}
