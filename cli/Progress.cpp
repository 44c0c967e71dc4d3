#include "cli/Progress.h"
#include "cli/Output.h"
#include <QCoreApplication>
#include <algorithm>

namespace {
constexpr int BarWidth = 30;
constexpr qint64 RedrawEveryMs = 100;

QString Clock(qint64 seconds)
{
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}
} // namespace

TProgressBoard::TProgressBoard(const QStringList& ports, bool terminal, bool quiet)
    : order(ports), terminal(terminal && !quiet), quiet(quiet)
{
    for (const QString& p : ports)
        stations.insert(p, Station());
    started.start();
}

TProgressBoard::~TProgressBoard()
{
    Finish();
}

int TProgressBoard::PercentLocked() const
{
    if (stations.isEmpty())
        return 100;
    int sum = 0;
    for (const Station& s : stations)
        sum += s.done ? 100 : (s.step * 100 + std::clamp(s.percent, 0, 100)) / std::max(1, s.steps);
    return sum / static_cast<int>(stations.size());
}

int TProgressBoard::Percent() const
{
    std::lock_guard<std::mutex> guard(mutex);
    return PercentLocked();
}

void TProgressBoard::Step(const QString& port, int index, int steps, const QString& what)
{
    std::lock_guard<std::mutex> guard(mutex);
    Station& s = stations[port];
    s.step = index;
    s.steps = steps;
    s.percent = 0;
    if (terminal)
        Redraw(true);
    else if (!quiet)
        PrintErr(QCoreApplication::translate("Progress", "%1: %2 (шаг %3 из %4)").arg(port, what).arg(index + 1).arg(steps));
}

void TProgressBoard::Position(const QString& port, int percent)
{
    std::lock_guard<std::mutex> guard(mutex);
    stations[port].percent = percent;
    if (terminal)
        Redraw(false);
}

void TProgressBoard::Done(const QString& port, const QString& text, bool ok)
{
    std::lock_guard<std::mutex> guard(mutex);
    stations[port].done = true;
    if (!ok || !quiet)
        Line(port, text);
}

void TProgressBoard::Note(const QString& port, const QString& text)
{
    std::lock_guard<std::mutex> guard(mutex);
    if (!quiet)
        Line(port, text);
}

void TProgressBoard::Line(const QString& port, const QString& text)
{
    if (terminal) {
        if (drawn)
            PrintErrRaw(QStringLiteral("\r\033[K"));
        drawn = false;
    }
    PrintErr(QStringLiteral("%1: %2").arg(port, text));
    if (terminal)
        Redraw(true);
}

void TProgressBoard::Finish()
{
    std::lock_guard<std::mutex> guard(mutex);
    if (terminal && drawn)
        PrintErrRaw(QStringLiteral("\r\033[K"));
    drawn = false;
}

void TProgressBoard::Redraw(bool force)
{
    const qint64 now = started.elapsed();
    if (!force && now - lastDraw < RedrawEveryMs)
        return;
    lastDraw = now;
    const int percent = PercentLocked();
    const int filled = percent * BarWidth / 100;
    QString line = QStringLiteral("\r\033[K[") + QString(filled, QLatin1Char('#'))
        + QString(BarWidth - filled, QLatin1Char('.')) + QStringLiteral("] %1%").arg(percent, 3);
    if (percent > 0 && percent < 100)
        line += QCoreApplication::translate("Progress", "  осталось %1").arg(Clock(now * (100 - percent) / percent / 1000));
    int done = 0;
    for (const Station& s : stations)
        done += s.done ? 1 : 0;
    if (order.size() > 1)
        line += QCoreApplication::translate("Progress", "  готово %1 из %2").arg(done).arg(order.size());
    PrintErrRaw(line);
    drawn = true;
}
