// Started by the log-opening tests: each argument is one step, done in
// order, with what it returned on standard output.
//   init:FOLDER  ml_LoggerInit(FOLDER), prints "init=R"
//   null         ml_LoggerInit(NULL), prints "init=R"
//   noparm       ml_LoggerInitNoParm(), prints "noparm=R"
//   mkdir:FOLDER creates FOLDER
//   log:TEXT     writes the record TEXT
//   race         writes records on a second thread while the log opens
//                (the next step must be init:), prints "race=N" with the
//                number of records written
#include <MultiLanguage/ml.h>

#include <stdio.h>
#include <string.h>

#include <string>

namespace {

volatile LONG g_stop = 0;
volatile LONG g_written = 0;

DWORD WINAPI writeRecords(LPVOID)
{
    while (!g_stop) {
        ml_Logger("thread record %ld", g_written);
        InterlockedIncrement(&g_written);
    }
    return 0;
}

std::string utf8(const wchar_t *text)
{
    char out[4096];
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out, sizeof out, NULL, NULL);
    return out;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    HANDLE racer = NULL;
    for (int i = 1; i < argc; ++i) {
        const std::string step = utf8(argv[i]);
        const std::string value = step.substr(step.find(':') + 1);
        if (step.compare(0, 5, "init:") == 0) {
            const int r = ml_LoggerInit(value.c_str());
            printf("init=%d\n", r);
            if (racer != NULL) {
                // A few more records once the log is open.
                const LONG opened = g_written;
                while (g_written < opened + 50)
                    Sleep(0);
                g_stop = 1;
                WaitForSingleObject(racer, INFINITE);
                CloseHandle(racer);
                racer = NULL;
                printf("\nrace=%ld\n", g_written);
            }
        } else if (step == "null") {
            printf("init=%d\n", ml_LoggerInit(NULL));
        } else if (step == "noparm") {
            printf("noparm=%d\n", ml_LoggerInitNoParm());
        } else if (step.compare(0, 6, "mkdir:") == 0) {
            CreateDirectoryW(argv[i] + 6, NULL);
        } else if (step.compare(0, 4, "log:") == 0) {
            ml_Logger("%s", value.c_str());
        } else if (step == "race") {
            racer = CreateThread(NULL, 0, writeRecords, NULL, 0, NULL);
            while (g_written < 50)
                Sleep(0);
        }
        fflush(stdout);
    }
    return 0;
}
