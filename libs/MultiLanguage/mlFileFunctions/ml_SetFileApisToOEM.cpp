// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

void ml_SetFileApisToOEM(void) { SetFileApisToOEM(); }

} // extern "C"
