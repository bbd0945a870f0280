// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_CreateProcess(const char *applicationName, const char *commandLine, LPSECURITY_ATTRIBUTES processAttributes,
                      LPSECURITY_ATTRIBUTES threadAttributes, BOOL inheritHandles, DWORD creationFlags,
                      LPVOID environment, const char *currentDirectory, LPSTARTUPINFOA startupInfo,
                      LPPROCESS_INFORMATION processInformation)
{
    Wide wApplication, wCommandLine, wDirectory;
    int ok = 1;
    ok &= wApplication.fromOptional(applicationName);
    ok &= wCommandLine.fromOptional(commandLine);
    ok &= wDirectory.fromOptional(currentDirectory);
    if (!ok) {
        ml_Logger("ml_CreateProcess has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    STARTUPINFOW startup;
    if (startupInfo != NULL)
        startup = wideStartup(*startupInfo);
    // The platform may write into the command line: it gets our own copy.
    return CreateProcessW(wApplication.arg(), commandLine != NULL ? wCommandLine.out() : NULL, processAttributes,
                          threadAttributes, inheritHandles, creationFlags, environment, wDirectory.arg(),
                          startupInfo != NULL ? &startup : NULL, processInformation);
}

// What CreateProcessA calls in a program built with the drop-in header.
__typeof__(CreateProcessA) ml_CreateProcessA;
BOOL WINAPI ml_CreateProcessA(const char *applicationName, LPSTR commandLine, LPSECURITY_ATTRIBUTES processAttributes,
                              LPSECURITY_ATTRIBUTES threadAttributes, BOOL inheritHandles, DWORD creationFlags,
                              LPVOID environment, const char *currentDirectory, LPSTARTUPINFOA startupInfo,
                              LPPROCESS_INFORMATION processInformation)
{
    return ml_CreateProcess(applicationName, commandLine, processAttributes, threadAttributes, inheritHandles,
                            creationFlags, environment, currentDirectory, startupInfo, processInformation);
}
ML_IMPORT_POINTER(ml_CreateProcessA, 40)

} // extern "C"
