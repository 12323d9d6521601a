// The tool's one application object; the framework's entry point runs it.
#include "app/TolmericApp.h"

tolmeric::CTolmericApp theApp;
