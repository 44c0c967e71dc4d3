#include "link/Fportcheck.h"
#include "editors/Fsettings.h"
