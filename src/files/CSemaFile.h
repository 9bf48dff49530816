// CSemaFile: an advisory lock on shared data through a small lock file.
//
// The lock file holds the bytes of the computer name, ":", and the user
// name, with no terminator or line end; an empty file means the lock is
// free. There is no time-out: a lock left behind by a crashed process
// stays until the same computer and user take it again or it is emptied.
//
// Results: 0 success (CheckFile: free, or held by this computer and user);
// -1 path NULL or empty; -2 no memory for the record; -3 the lock file
// cannot be opened for reading; -4 fewer bytes read than its length;
// -5 the lock file cannot be created or written; -6 not a valid record
// (computer part over 15 bytes or user part over 256); -7 held by another
// computer or user.
#pragma once

#include "afx/CString.h"
#include "frame/WinLibApi.h"

class ZR8WLIB_API CSemaFile {
public:
    // The results above, by name (the values are the interface).
    enum Result {
        ok = 0,
        badPath = -1,
        noMemory = -2,
        cannotOpen = -3,
        shortRead = -4,
        cannotWrite = -5,
        badRecord = -6,
        heldByOther = -7,
    };

    // Reads this computer's and user's names (both or neither).
    CSemaFile();
    CSemaFile(const CSemaFile&) = delete;
    CSemaFile& operator=(const CSemaFile&) = delete;
    // Releases the lock this object holds.
    ~CSemaFile();

    // Whether this object may use the data guarded by the lock file.
    int CheckFile(const char* path);
    // Releases any lock held, then writes this object's record to path and
    // holds it. Does not check the file first: call CheckFile before.
    int LockFile(const char* path);
    // Empties the held lock file and forgets it; 0 when none is held.
    int UnlockFile();
    // Creates path as an empty file, or empties it. The name is the one
    // hosts call: it was written where <windows.h> maps CreateFile to
    // CreateFileA, so the exported member carries the A.
    int CreateFileA(const char* path);
    CString GetLockedPath();
    // NULL or empty forgets the path without touching any file.
    void SetLockedPath(const char* path);

private:
    struct Record {
        char computer[16];
        char user[257];
    };

    int ReadRecord(const char* path, Record* record);
    int WriteRecord(const char* path, bool withRecord);

    CString m_lockedPath;
    char m_computer[16];
    char m_user[257];
};
