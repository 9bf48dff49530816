#include "CYmd.h"

CYmd::CYmd() = default;

CYmd::~CYmd() = default;
