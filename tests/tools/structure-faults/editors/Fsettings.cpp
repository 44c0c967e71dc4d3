#include "editors/Fsettings.h"
#include "link/Fportcheck.h"
