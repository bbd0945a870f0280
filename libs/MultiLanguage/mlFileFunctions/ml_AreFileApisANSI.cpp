// Files, folders, drives and paths, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_AreFileApisANSI(void) { return AreFileApisANSI(); }

} // extern "C"
