// The open and save commands for programmer files.
#include "app/Main.h"

void Tf_main::fr_button4PClick(QObject*) {}
void Tf_main::fr_button5PClick(QObject*) {}
void Tf_main::SaveProgrammerFile(const QString&) {}
void Tf_main::LoadProgrammerFile(const QString&) {}
