// Resource ids of the matrix window tests.
#pragma once

#define IDB_MATRIX_STAMP 7100
