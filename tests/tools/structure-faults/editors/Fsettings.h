#pragma once
// Reaches up into the shell, and round through the link.
#include "app/Main.h"
