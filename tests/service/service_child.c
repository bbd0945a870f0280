/* A service program for the service tests, run by the service manager under
 * the name "ml_svc_\xE9" (ANSI). Its service writes, into the file named by
 * its first argument, whether its control handler was registered, then
 * every argument as the narrow service entry receives it (the ANSI code
 * page), one a line. It runs until the test asks it to stop: a service that
 * stops at once may be seen stopped before running, which fails its start. */
#include <MultiLanguage/ml.h>

#include <stdio.h>

static SERVICE_STATUS_HANDLE status;
static HANDLE stopRequested;

static void WINAPI handler(DWORD control)
{
    if (control == SERVICE_CONTROL_STOP)
        SetEvent(stopRequested);
}

static void WINAPI serviceMain(DWORD argc, LPSTR *argv)
{
    SERVICE_STATUS state = {SERVICE_WIN32_OWN_PROCESS, SERVICE_RUNNING, SERVICE_ACCEPT_STOP, NO_ERROR, 0, 0, 0};
    FILE *f;
    DWORD i;

    stopRequested = CreateEventW(NULL, TRUE, FALSE, NULL);
    /* The same name in UTF-8. */
    status = ml_RegisterServiceCtrlHandler("ml_svc_\xC3\xA9", handler);
    if (status != 0)
        ml_SetServiceStatus(status, &state);
    if (argc >= 2 && (f = fopen(argv[1], "wb")) != NULL) {
        fprintf(f, "%s\n", status != 0 ? "handler" : "no handler");
        for (i = 0; i < argc; ++i)
            fprintf(f, "%s\n", argv[i]);
        fclose(f);
    }
    WaitForSingleObject(stopRequested, 30000);
    state.dwCurrentState = SERVICE_STOPPED;
    state.dwControlsAccepted = 0;
    if (status != 0)
        ml_SetServiceStatus(status, &state);
}

int main(void)
{
    SERVICE_TABLE_ENTRYA table[] = {{(LPSTR) "ml_svc_\xE9", serviceMain}, {NULL, NULL}};
    return ml_StartServiceCtrlDispatcher(table) ? 0 : 1;
}
