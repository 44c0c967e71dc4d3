#include "widgets/DialogParts.h"
#include "document/StartDir.h"
#include "widgets/Frbutton.h"
#include "widgets/Frpanel.h"
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

Tfr_panel* DialogBackground(QWidget* window, const QString& title, int width, int height, int fontPixels)
{
    window->setWindowTitle(title);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(fontPixels);
    window->setFont(f);
    window->setFixedSize(width, height);
    auto* panel = new Tfr_panel(window);
    panel->setGeometry(0, 0, width, height);
    panel->SetCaption(QString());
    return panel;
}

Tfr_button* DialogButton(QWidget* parent, const QRect& place, const QString& caption, const QString& picture)
{
    auto* b = new Tfr_button(parent);
    b->setGeometry(place);
    b->SetCaption(caption);
    b->SetPicture(StartPath(QStringLiteral("Source/") + picture));
    return b;
}

void CentreOnScreen(QWidget* window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}
