// The commands behind the menu bar's picks.
#include "app/Main.h"

void Tf_main::mmclickExecute(QObject*) {}
