#include "link/Fportcheck.h"
#include "app/Fjournal.h"

Tf_port* f_port = nullptr;

Tf_port::Tf_port(QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Порт"));
    resize(755, 792);
}

// The serial link is not built yet: every operation fails to open the port.
bool Tf_port::ReadStation(Tfr_progress*, TTarnikPlus&)
{
    f_journal->AddEvent(6, QStringLiteral("Ошибка открытия порта."));
    return false;
}

bool Tf_port::WriteStation(Tfr_progress*, const TTarnikPlus&)
{
    f_journal->AddEvent(6, QStringLiteral("Ошибка открытия порта."));
    return false;
}

bool Tf_port::WritePwmPower(int)
{
    f_journal->AddEvent(6, QStringLiteral("Ошибка открытия порта."));
    return false;
}
