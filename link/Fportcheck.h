#pragma once
#include "link/SafeWrite.h"
#include <QByteArray>
#include <QWidget>
#include <memory>

class QFrame;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;
class TCSpinEdit;
class TSerialLine;
class TStationLink;
class TTransferProgress;
class Tfr_progress;
struct TTarnikPlus;

// "Порт": the hidden diagnostic window that carries the program's one
// serial link and the station operations. Its own controls dump a
// station's memory as raw bytes, with port and speed fields of their own.
class Tf_port : public QWidget {
    Q_OBJECT
public:
    explicit Tf_port(QWidget* parent = nullptr);
    ~Tf_port() override;

    QFrame* Panel1;
    QLabel* Label1;
    TCSpinEdit* CSpinEdit1;   // port number
    QLabel* Label2;
    TCSpinEdit* CSpinEdit2;   // baud rate
    QPushButton* Button1;     // "EEPROM"
    QPushButton* Button2;     // "ID"
    QPushButton* Button3;     // "MAKE DATA", no action
    QTabWidget* PageControl1;
    QWidget* TabSheet1;       // "HEX"
    QWidget* TabSheet2;       // "DATA"
    QTableWidget* sg;

    // The grid's cell text in string-grid coordinates: column 0 and row 0
    // are the fixed label column and row, image byte i lies in column
    // i mod 16 + 1, row i div 16 + 1.
    QString CellText(int column, int row) const;
    static constexpr int GridColumns = 17;
    static constexpr int GridRows = 128;

    // Station operations over the connection dialog's choice; each reports
    // its outcome in the journal itself.
    bool ReadStation(Tfr_progress* progress, TTarnikPlus& record);
    bool WriteStation(Tfr_progress* progress, const TTarnikPlus& record);
    bool WritePwmPower(int power);
    // The safe write of the image that build makes of the station's own;
    // confirm, when given, is asked before the first byte is written.
    TSafeWriteResult SafeWrite(Tfr_progress* progress, const TSafeWrite::BuildImage& build,
                               const TSafeWrite::Confirm& confirm = {});

    // The serial link itself, for the station search.
    bool OpenPort(int port, int baud);
    bool ClosePort();
    int Transfer(const QByteArray& request, QByteArray& answer, unsigned count,
                 TTransferProgress* progress = nullptr);
    bool Identify();

    TSerialLine& Line() { return *line; }
    TStationLink& Link() { return *link; }

    void Button1Click();
    void Button2Click();

private:
    void ClearGrid();
    void ShowByte(int offset, quint8 byte);
    // Opens the port of the window's own fields, transfers one request and
    // closes the port again.
    QByteArray Exchange(const QByteArray& request, unsigned count);

    std::unique_ptr<TSerialLine> line;
    std::unique_ptr<TStationLink> link;
};

extern Tf_port* f_port;
