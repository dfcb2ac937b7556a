// Shared procedures of the program (filled in by the shell work).
#include "modHelp.h"
