// CValueMgr: the process-wide holder of the host's product name, product
// number and mode, and the one place that knows where each kind of
// application folder lives.
//
// Folder kinds of GetFolderName (every result ends in a backslash):
//    1 data        2 data list   3 print       4 form settings
//    5 menu        6 server      7 window pos  8 consumption tax
//    9 base data  10 temporary  11 export     12 import
//   13 XML out    14 XML in     15 Excel out (always empty)
//   16 backup     17 restore    18 print forms 19 text out
//   20 reference dialog         21 check
// On Windows Vista and later they lie under the user's documents folder
// or the all-users documents folder (with "Velmora\ZR8\", or
// "Velmora\ZR8Demo\" in demo mode); on earlier systems beside the
// executable. Nothing is cached: each request asks the system afresh.
//
// Buffers passed to the folder functions must hold MAX_PATH (260) bytes;
// a folder that would not fit in them is reported as a failure (0).
#pragma once

#include "frame/WinLibApi.h"

class ZR8WLIB_API CValueMgr {
public:
    CValueMgr(const CValueMgr& other);
    CValueMgr& operator=(const CValueMgr& other);

    // The single instance, created on first use; NULL if it cannot be made.
    static CValueMgr* Instance();
    // Deletes the instance; the next Instance() starts from default values.
    void Release();

    // Stores the name when it is at most 50 bytes (else keeps the old one);
    // stores the number in every case.
    void Set(char* name, long number);
    long GetNo();
    char* GetName();
    void SetMode(short mode);  // 1 = demo mode

    // The Windows generations GetOSType tells apart (the values are the
    // interface): the documents folders belong to Vista and later.
    enum OSType { osNotNT = 1, osNTBeforeVista = 2, osVistaOrLater = 3 };
    short GetOSType();

    // Folder of the given kind (1-21) into buffer; 1 on success, 0 on
    // failure. Kinds outside 1-21 give 1 and an empty buffer.
    int GetFolderName(short kind, char* buffer);
    // Drive and directory of the host's executable, ending in a backslash.
    // Always 1; the buffer is unchanged when the path cannot be obtained.
    int GetInstFolder(char* buffer);
    // All-users documents folder + "\" + the product sub-folder for the mode.
    int GetCmnDocFld(char* buffer);
    // The user's documents folder + "\" (no product sub-folder).
    int GetMyDocFolder(char* buffer);

protected:
    CValueMgr();
    virtual ~CValueMgr();

    static CValueMgr* pInstance;

private:
    friend class CValueMgrTestAccess;  // lets the tests reach GetRegInstallPath

    // Reads "InstallFolder" of the install-folder key for the mode
    // (HKEY_LOCAL_MACHINE\SOFTWARE\Velmora\ZR8\Registration, or
    // ...\ZR8Taiken\Registration in demo mode) into buffer, at most size
    // bytes. 1 when read; 0 when the value cannot be read, and also when
    // the key does not exist: a product that was never registered has no
    // install folder, and the caller keeps its buffer as it was.
    int GetRegInstallPath(char* buffer, long size);
    // Appends a real backslash when missing and there is room (Shift-JIS
    // aware: a 0x5C trail byte is not a backslash).
    int AddBackSlash(char* path, long size);

    int GetDataFolder(char* buffer, int perUser);
    int GetDtListFolder(char* buffer, int perUser);
    int GetPrnFolder(char* buffer, int perUser);
    int GetChoIniFolder(char* buffer, int perUser);
    int GetDMenuFolder(char* buffer, int perUser);
    int GetSvMgrFolder(char* buffer, int perUser);
    int GetWinPosFolder(char* buffer, int perUser);
    int GetSZeiFolder(char* buffer, int perUser);
    int GetSanBaseFolder(char* buffer, int perUser);
    int GetTempFolder(char* buffer, int perUser);
    int GetSwOutFolder(char* buffer, int perUser);
    int GetSwInFolder(char* buffer, int perUser);
    int GetXmlOutFolder(char* buffer, int perUser);
    int GetXmlInFolder(char* buffer, int perUser);
    int GetExcelOFolder(char* buffer, int perUser);
    int GetBackupFolder(char* buffer, int perUser);
    int GetRestoreFolder(char* buffer, int perUser);
    int GetPrnFormFolder(char* buffer, int perUser);
    int GetTextOFolder(char* buffer, int perUser);
    int GetRefFilDlgFolder(char* buffer, int perUser);
    int GetJcheckFolder(char* buffer, int perUser);

    // Building blocks of the getters.
    int GetPersonalProductFolder(char* buffer);
    int GetExeOrShared(char* buffer, int perUser);
    int GetExeOrPersonalProduct(char* buffer, int perUser);
    int GetExeOrPersonal(char* buffer, int perUser);
    int GetShellFolder(int csidl, char* buffer);
    const char* ProductSubFolder() const;

    char m_name[51];
    long m_number;
    short m_mode;
};
