// CYmd: every date service on one object. The virtual bases give it exactly
// one CYmdBase, one CGetYmd and one CCheckYmd; they are built in that order,
// then CConvYmd.
#pragma once

#include "calendar/CConvYmd.h"

class ZR8WLIB_API CYmd : public CConvYmd, public virtual CGetYmd, public virtual CCheckYmd {
public:
    CYmd();
    ~CYmd();
};
