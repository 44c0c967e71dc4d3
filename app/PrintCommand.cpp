// The print command of the tool buttons.
#include "app/Main.h"

void Tf_main::fr_button1PClick(QObject*) {}
