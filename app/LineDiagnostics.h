#pragma once

// At start-up, once the journal is there: the window program's line is
// traced to the file TARNIK_TRACE names, and a TARNIK_PORTS that names no
// folder is reported, each with a journal entry.
void StartLineDiagnostics();
