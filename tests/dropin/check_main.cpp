// The same check as C++.
#include "check_main.c"
