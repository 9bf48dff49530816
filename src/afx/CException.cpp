#include "CException.h"

CException::~CException() = default;

void CException::Delete()
{
    delete this;
}
