// The read and write commands of the action row.
#include "app/Main.h"

void Tf_main::read_btnPClick(QObject*) {}
void Tf_main::write_btnPClick(QObject*) {}
