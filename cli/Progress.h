#pragma once
#include "link/TransferProgress.h"
#include <QElapsedTimer>
#include <QMap>
#include <QString>
#include <QStringList>
#include <mutex>

// How far the stations of one command have come, on standard error: on a
// terminal one line redrawn in place, a bar with the percentage and the
// time still to go; otherwise one line per step of each station. A quiet
// board shows only the stations that failed.
class TProgressBoard {
public:
    TProgressBoard(const QStringList& ports, bool terminal, bool quiet = false);
    ~TProgressBoard();

    // The station starts a step (of steps in all): "чтение", "запись"...
    void Step(const QString& port, int index, int steps, const QString& what);
    // The current step of the station has come to percent.
    void Position(const QString& port, int percent);
    // The station is done; the text ends its line.
    void Done(const QString& port, const QString& text, bool ok = true);
    // A line about the station that must be read now (a backup's path),
    // while it goes on.
    void Note(const QString& port, const QString& text);
    // Clears the redrawn line.
    void Finish();

    // Overall percentage of all stations, 0 to 100.
    int Percent() const;

private:
    struct Station {
        int step = 0;
        int steps = 1;
        int percent = 0;
        bool done = false;
    };
    int PercentLocked() const;
    void Redraw(bool force);
    // Prints a line above the redrawn one.
    void Line(const QString& port, const QString& text);

    mutable std::mutex mutex;
    QStringList order;
    QMap<QString, Station> stations;
    bool terminal;
    bool quiet;
    bool drawn = false;
    QElapsedTimer started;
    qint64 lastDraw = -1000;
};

// One station's transfers shown on the board.
class TBoardProgress : public TTransferProgress {
public:
    TBoardProgress(TProgressBoard& board, QString port) : board(board), port(std::move(port)) {}
    void SetPosition(int position) override { board.Position(port, position); }
    void SetVisible(bool) override {}

private:
    TProgressBoard& board;
    QString port;
};
