// The host's settings records that CUtyFile fills from and writes to the
// correspondence settings file "TAIOU.INI" (section "TAIOU_INFORMATION").
//
// The records are byte-packed. The library's fields keep the order below;
// each record also carries a reserved block of ZR8_ENV_HOST_BYTES bytes
// for the host's own fields, which the library never reads or writes:
//   S_ENV        reserved block first, then the library's fields
//   S_EXTENV     reserved block first, then the eighteen code fields
//   S_ENVOPTION  KUMI_KETA first, then the reserved block
// Integer keys are read by truncation into the field's width (300 into a
// signed 8-bit field gives 44) and written as signed decimal text.
#pragma once

#define ZR8_ENV_HOST_BYTES 128

#pragma pack(push, 1)

struct S_ENV {
    unsigned char RESERVED[ZR8_ENV_HOST_BYTES];  // host fields
    char DIRFOLDER[257];   // key DIRFOLDER: text of up to 256 bytes
    signed char FORMAT;    // key FORMAT
    signed char FUSEN;     // key FUSEN
    signed char DELETE_MODE;  // key DELETE_MODE
    signed char EINOU;     // key EINOU
    signed char HIDUKE;    // key HIDUKE
    short KUMI_CODE;       // key KUMI_CODE
    // Folder holding "TAIOU.INI" when no folder is passed: a NUL-terminated
    // path ending in a backslash.
    char DATAFOLDER[260];
};

struct S_EXTENV {
    unsigned char RESERVED[ZR8_ENV_HOST_BYTES];  // host fields
    // Form (AO, SI, HO) x side (U, B) x code (K, H, B); keys of the same name.
    short AO_U_KCODE;
    short AO_U_HCODE;
    short AO_U_BCODE;
    short AO_B_KCODE;
    short AO_B_HCODE;
    short AO_B_BCODE;
    short SI_U_KCODE;
    short SI_U_HCODE;
    short SI_U_BCODE;
    short SI_B_KCODE;
    short SI_B_HCODE;
    short SI_B_BCODE;
    short HO_U_KCODE;
    short HO_U_HCODE;
    short HO_U_BCODE;
    short HO_B_KCODE;
    short HO_B_HCODE;
    short HO_B_BCODE;
};

struct S_ENVOPTION {
    signed char KUMI_KETA;  // key KUMI_KETA
    unsigned char RESERVED[ZR8_ENV_HOST_BYTES];  // host fields
};

#pragma pack(pop)

static_assert(sizeof(S_ENV) == ZR8_ENV_HOST_BYTES + 257 + 5 + 2 + 260, "S_ENV is byte-packed");
static_assert(sizeof(S_EXTENV) == ZR8_ENV_HOST_BYTES + 18 * 2, "S_EXTENV is byte-packed");
static_assert(sizeof(S_ENVOPTION) == 1 + ZR8_ENV_HOST_BYTES, "S_ENVOPTION is byte-packed");
