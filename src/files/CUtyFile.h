// CUtyFile: the application's folders, its correspondence settings file
// "TAIOU.INI" and the settings files shipped beside the executable.
//
// Stateless: every call asks the system afresh. The product number comes
// from CValueMgr::Instance(). Paths are Shift-JIS; a 0x5C byte that is the
// trail byte of a double-byte character is never taken for a backslash.
//
// Special folders of GetSpFolderPath (each result ends in a backslash):
//   1 the user's documents
//   2 kind 1 + "Velmora\ZR8\" (product number 0), "Velmora\QV8\" (10) or
//     "Velmora\TD8\" (any other number)
//   3 all-users documents + "Velmora\ZR8\" ("Velmora\QV8\" for product
//     numbers of 10 and more); the executable's folder before Windows 2000
//   4 the executable's folder
//   5 kind 4 + "PForm\"
//   6 kind 2 + "PForm\"
//   7 all-users application data + "Velmora\ZR8\" ("Velmora\QV8\" for
//     product numbers of 10 and more); the executable's folder before 2000
//
// Application files of GetFilePath (kind 1-10): SYSTEM.RM6, ENV.ACD,
// SYOUHIZEI.XML, CHOHYO.INI, PRI_MODE.INI, CHOHYO_S.INI, PRI_MODE_S.INI,
// CTRLTBL.INI, CHOHYO_C.INI, PRI_MODE_C.INI. Location codes (where):
// 2 = special folder 3, 4 = special folder 2, 8 = the executable's folder,
// 32 = special folder 7 (GetFilePath2 only).
//
// A shipped settings file carries its version as "VER" in section
// "FILE_INFORMATION"; an installed copy is replaced only by a shipped one
// whose version text is greater byte by byte.
#pragma once

#include "files/EnvRecords.h"
#include "frame/WinLibApi.h"

class ZR8WLIB_API CUtyFile {
public:
    CUtyFile();
    ~CUtyFile();

    // Special folders (kinds above). 0 when buffer is NULL, size < 1, the
    // kind is unknown, a lookup fails or the result does not fit; the buffer
    // is then zero-filled (left alone when size < 1).
    int GetSpFolderPath(unsigned short kind, char* buffer, long size);
    // Kind 2 only; for product number 10 the folder ends in Velmora\QV6\.
    int GetSpFolderPathForQV6(unsigned short kind, char* buffer, long size);
    // Kind 2 only; the generation digit becomes 7 (Velmora\ZR7\, ...).
    int GetSpFolderPathForQV7(unsigned short kind, char* buffer, long size);
    // Shell folder csidl with a trailing backslash. When the shell cannot
    // locate it, identifiers 5, 26 and 46 are read from the "Shell Folders"
    // registry key (Personal, Common AppData, Common Documents).
    int GetSpecialFolderPath(int csidl, char* buffer, long size);

    // The folder part of a path is its drive and directory: a last component
    // without a trailing backslash is a file name (C:\A\B -> C:\A\).
    // Non-zero when the folder part of path is an existing directory.
    int CheckFolderExist(char* path);
    // Creates every missing folder of the folder part of an absolute path.
    // security 1 creates them with a null DACL and afterwards grants
    // Everyone full control through "cacls.exe" (Windows NT only). All or
    // nothing: on failure the folders made by this call are removed again.
    // existing (may be NULL) receives the deepest folder that existed
    // before, when it fits in existingSize bytes.
    int CreateFolder(char* path, long security, char* existing, unsigned long existingSize);
    // Gives path the DACL of the folder that holds it (1 at once on systems
    // other than Windows NT).
    int SetFileSecurityByOwnerFolder(char* path);

    // "TAIOU.INI" in folder, or in env->DATAFOLDER when folder is NULL.
    // 0 = done; -1 = the file does not exist there (or env is NULL): nothing
    // is read or written and no file is created.
    short ReadTaiouToEnv(S_ENV* env);
    short WriteEnvToTaiou(S_ENV* env, char* folder = nullptr);
    short ReadTaiouOption(S_ENV* env, S_ENVOPTION* option);
    short WriteTaiouOption(S_ENV* env, S_ENVOPTION* option, char* folder = nullptr);
    short ReadTaiouToExtEnv(S_ENV* env, S_EXTENV* ext, char* folder = nullptr);
    short WriteExtEnvToTaiou(S_ENV* env, S_EXTENV* ext, char* folder = nullptr);
    // Correspondence files 0-4: TAIOU.REN, TAIOU1.REN, TAIOU2.REN,
    // TAIOU3.REN, TAIOU.INI. buffer must hold 11 bytes.
    int GetTaiouFileName(unsigned short index, char* buffer);
    int GetTaiouFileCount();

    // Location folder for where + application file kind (1-10).
    int GetFilePath(unsigned short kind, char* buffer, long size, long where);
    // Location folder for where (8 or 32) + name.
    int GetFilePath2(char* name, char* buffer, long size, long where);
    // Creates the product folders (and the demo data folders on Vista and
    // later for product numbers below 10).
    int MakeAppFolder();
    // Copies the shipped settings files into special folder 2.
    int MakeAppFile();
    // The same with this product's file list, then the demo data (Vista and
    // later, product numbers below 10) into the data folder.
    int MakeAppFile_ZR();
    // Copies the correspondence files that are missing from folder (which
    // ends in a backslash); existed (may be NULL) receives 1 when TAIOU.INI
    // was already there, 0 when it was copied.
    int MakeBaseFolderFile(char* folder, int* existed);
    // Copies "EsMode.acd" to special folder 7 when shipped and missing there.
    short MakeAppEnvFile();

private:
    struct AppFileRow;

    int ComposeSpFolder(unsigned short kind, char* buffer, long size, int qvGeneration);
    void RollBack(const char* failed, const char* existing);
    void GrantEveryone(const char* folder);
    int GetTaiouPath(S_ENV* env, char* folder, char* path);
    int GetCorrespondencePath(unsigned short index, char* buffer, long size, long where);
    int CopyIfMissing(const char* destination, const char* source);
    int CopyIfNewer(const char* destination, const char* source);
    int CopyIfMissingLenient(const char* destination, const char* source);
    int CopyIfMissingCounted(const char* destination, const char* source);
    int CopyAppFiles(const AppFileRow* rows, int count);
    int CreateMissingFolder(char* folder, long security);
};
