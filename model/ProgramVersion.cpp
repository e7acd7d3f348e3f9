#include "model/ProgramVersion.h"

const char ProgramVersionNumber[] = ZELTAR_VERSION;
