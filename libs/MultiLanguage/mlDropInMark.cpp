// Linked only into programs built with the drop-in header: each of their
// sources refers to ml_DropInMark, which brings this object, and its
// start-up function, into the program.
#include "mlFacade.h"

extern "C" {

extern const char ml_DropInMark = 1;

} // extern "C"

namespace {

__attribute__((constructor)) void markDropInProgram()
{
    g_nDropInProgram = 1;
}

} // namespace
