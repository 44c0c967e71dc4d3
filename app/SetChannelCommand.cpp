// The set-channel command of the action row.
#include "app/Main.h"

void Tf_main::fr_button2PClick(QObject*) {}
