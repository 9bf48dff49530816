#include "CSyncObject.h"

CSyncObject::~CSyncObject() = default;
