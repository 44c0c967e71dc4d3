#include "link/StationLink.h"
#include "document/Convert.h"
#include "link/ExchangeGuards.h"
#include "link/ImageCodec.h"
#include "link/PortNotices.h"
#include "link/SerialLine.h"
#include "link/StationRecord.h"
#include "link/TransferProgress.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>

namespace {

constexpr int IconSuccess = 5;
constexpr int IconError = 6;
constexpr int IconStopped = 0;

const char RequestPrefix[] = {0x11, 0x39};
constexpr char CommandIdentify = 0x01;
constexpr char CommandReadImage = 0x02;
constexpr char CommandFinish = 0x04;
// Write-byte commands of the four 256-byte pages.
constexpr char CommandWritePage[] = {0x03, 0x13, 0x23, 0x33};
constexpr char IdentifyAnswer = 0x01;

// The PWM power byte: page 2, address 3 (image offset 0x203).
constexpr int PwmPowerPage = 2;
constexpr int PwmPowerAddress = 0x03;

QString TextReadDone() { return QCoreApplication::translate("StationLink", "Данные считаны успешно."); }
QString TextWriteNoStation()
{
    return QCoreApplication::translate("StationLink", "Ошибка записи данных. Возможно станция не подключена.");
}

// Pause between two identifications of a station that is still busy.
constexpr int IdentifyRetryPauseMs = 50;

QByteArray Request(std::initializer_list<char> tail)
{
    QByteArray r(RequestPrefix, sizeof RequestPrefix);
    for (char c : tail)
        r.append(c);
    return r;
}

} // namespace

TStationLink::TStationLink(TSerialLine& line, ChoiceSource choice, Journal journal)
    : line(line), choice(std::move(choice)), journal(std::move(journal))
{
}

QString TStationLink::TextOpenFailed() { return QCoreApplication::translate("StationLink", "Ошибка открытия порта."); }
QString TStationLink::TextReadFailed()
{
    return QCoreApplication::translate("StationLink", "Ошибка чтения данных. Возможно станция не подключена.");
}
QString TStationLink::TextWriteRetries() { return QCoreApplication::translate("StationLink", "Ошибка записи данных. Превышен лимит повторений."); }
QString TStationLink::TextWriteDone() { return QCoreApplication::translate("StationLink", "Данные записаны успешно."); }
QString TStationLink::TextStopped() { return QCoreApplication::translate("StationLink", "Обмен со станцией остановлен пользователем."); }
QString TStationLink::TextWriteStopped()
{
    return QCoreApplication::translate("StationLink", "%1 Станция может содержать частично записанную конфигурацию.").arg(TextStopped());
}
QString TStationLink::TextLineBusy()
{
    return QCoreApplication::translate("StationLink", "Линия не затихает: станция продолжает передачу. Подождите и повторите.");
}
QString TStationLink::TextUnreliable()
{
    return QCoreApplication::translate("StationLink", "Образ станции ненадёжен: после 1024 байт станция продолжала передачу.");
}

QString TStationLink::ReadFaultText(bool writing) const
{
    const QString head = writing ? QCoreApplication::translate("StationLink", "Ошибка записи данных. ") : QCoreApplication::translate("StationLink", "Ошибка чтения данных. ");
    const QString tail = writing ? QCoreApplication::translate("StationLink", " Запись не выполнялась.") : QString();
    switch (readFault) {
    case ReadFault::LineBusy:
        return head + TextLineBusy() + tail;
    case ReadFault::Unreliable:
        return head + TextUnreliable() + tail;
    case ReadFault::Stopped:
        return TextStopped();
    case ReadFault::None:
    case ReadFault::NoAnswer:
    case ReadFault::ShortImage:
        break;
    }
    return TextReadFailed();
}

int TStationLink::PortNumber(const QString& portText)
{
    return StrToInt(portText.mid(3));
}

bool TStationLink::OpenChosenPort()
{
    return OpenChosenPort(choice(), {});
}

bool TStationLink::IsDevicePath(const QString& portText)
{
    return portText.startsWith(QLatin1Char('/'));
}

bool TStationLink::OpenChosenPort(const TConnectionChoice& c, const std::function<void()>& beforeReport)
{
    const int baud = StrToInt(c.speedText);
    const bool opened = IsDevicePath(c.portText) ? line.OpenDevice(c.portText, baud)
                                                 : line.OpenPort(PortNumber(c.portText), baud);
    if (opened) {
        journal(IconSuccess, QCoreApplication::translate("StationLink", "Порт %1, %2 бод.").arg(PortLabel(c.portText), c.speedText));
        return true;
    }
    if (beforeReport)
        beforeReport();
    journal(IconError, TextOpenFailed());
    const QString why = UnavailableNotice(c.portText, line);
    if (!why.isEmpty())
        journal(IconError, why);
    return false;
}

QString TStationLink::WriteIdentifyFailure() const
{
    return readFault == ReadFault::LineBusy ? ReadFaultText(true) : TextWriteNoStation();
}

bool TStationLink::Stopped() const
{
    return line.CancelRequested();
}

void TStationLink::LogFailure(const QString& error, const QString& stopped)
{
    if (Stopped())
        journal(IconStopped, stopped);
    else
        journal(IconError, error);
}

bool TStationLink::Identify()
{
    QElapsedTimer settling;
    settling.start();
    const int limit = line.SettleLimitMs();
    for (;;) {
        switch (line.WaitForQuiet(std::max(0, limit - static_cast<int>(settling.elapsed())))) {
        case TSerialLine::Quiet::Quiet:
            break;
        case TSerialLine::Quiet::Busy:
            readFault = ReadFault::LineBusy;
            return false;
        case TSerialLine::Quiet::Stopped:
            readFault = ReadFault::Stopped;
            return false;
        }
        QByteArray answer;
        const int received = line.Transfer(Request({CommandIdentify}), answer, 1);
        if (received == 1 && answer.at(0) == IdentifyAnswer) {
            readFault = ReadFault::None;
            return true;
        }
        if (Stopped()) {
            readFault = ReadFault::Stopped;
            return false;
        }
        // A wrong answer that more bytes follow was a byte of something the
        // station is still sending: wait for the line to go quiet again.
        if (received == 0 || line.StaysQuiet()) {
            readFault = ReadFault::NoAnswer;
            return false;
        }
    }
}

bool TStationLink::IdentifyWithin(int identifyForMs)
{
    QElapsedTimer waited;
    waited.start();
    while (!Identify()) {
        if (readFault != ReadFault::NoAnswer || waited.elapsed() >= identifyForMs)
            return false;
        if (!line.Pause(IdentifyRetryPauseMs)) {
            readFault = ReadFault::Stopped;
            return false;
        }
    }
    return true;
}

bool TStationLink::ReadImage(TTransferProgress* progress, QByteArray& image, int identifyForMs)
{
    // A second read only after bytes followed the first image.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!IdentifyWithin(identifyForMs))
            return false;
        QByteArray read;
        const int received = line.Transfer(Request({CommandReadImage}), read, StationImageSize, progress);
        if (Stopped()) {
            readFault = ReadFault::Stopped;
            return false;
        }
        // An answer that stops short is no image of the station.
        if (received != StationImageSize) {
            readFault = ReadFault::ShortImage;
            return false;
        }
        // Bytes after the image: the answer was shifted by something the
        // station was still sending, or is not the station's image at all.
        if (line.StaysQuiet()) {
            image = read;
            readFault = ReadFault::None;
            return true;
        }
        readFault = ReadFault::Unreliable;
    }
    return false;
}

bool TStationLink::ReadStationImage(TTransferProgress* progress, QByteArray& image)
{
    if (!OpenChosenPort())
        return false;
    TPortSession session(line);
    QByteArray read;
    if (!ReadImage(progress, read)) {
        LogFailure(ReadFaultText(false), TextStopped());
        return false;
    }
    image = read;
    journal(IconSuccess, TextReadDone());
    return true;
}

bool TStationLink::ReadStation(TTransferProgress* progress, TTarnikPlus& record)
{
    QByteArray image;
    return ReadStationImage(progress, image) && DecodeImage(image, record);
}

bool TStationLink::WriteByte(quint8 data, int address, int page)
{
    QByteArray answer;
    const char command = CommandWritePage[page & 3];
    const int received = line.Transfer(
        Request({command, static_cast<char>(address & 0xFF), static_cast<char>(data)}), answer, 1);
    return received == 1 && static_cast<quint8>(answer.at(0)) == data;
}

bool TStationLink::WriteConfirmed(quint8 data, int address, int page)
{
    for (int attempt = 0; attempt < WriteAttempts && !Stopped(); ++attempt) {
        if (WriteByte(data, address, page))
            return true;
    }
    return false;
}

bool TStationLink::FinishWrite()
{
    QByteArray answer;
    line.Transfer(Request({CommandFinish}), answer, 0);
    // The windows keep painting through the station's pause, and a stop
    // cuts it short: the finish has gone out either way.
    line.Pause(FinishPauseMs);
    return true;
}

bool TStationLink::WriteStation(TTransferProgress* progress, const TTarnikPlus& record)
{
    QByteArray image;
    EncodeImage(record, image);
    return WriteImage(progress, image);
}

bool TStationLink::WriteImage(TTransferProgress* progress, const QByteArray& image, int* confirmed)
{
    if (confirmed)
        *confirmed = 0;
    TProgressShown shown(progress);
    const TConnectionChoice chosen = choice();
    if (!OpenChosenPort(chosen, [&] { shown.Hide(); }))
        return false;
    TPortSession session(line);
    if (!Identify()) {
        shown.Hide();
        LogFailure(WriteIdentifyFailure(), TextStopped());
        return false;
    }
    QList<int> everyByte;
    for (int i = 0; i < image.size(); ++i)
        everyByte << i;
    const WriteEnd end = WriteBytes(image, everyByte, progress, confirmed);
    shown.Hide();
    if (end == WriteEnd::Stopped) {
        journal(IconStopped, TextWriteStopped());
        return false;
    }
    if (end == WriteEnd::Retries) {
        journal(IconError, TextWriteRetries());
        return false;
    }
    FinishWrite();
    journal(IconSuccess, TextWriteDone());
    return true;
}

TStationLink::WriteEnd TStationLink::WriteBytes(const QByteArray& image, const QList<int>& offsets,
                                                TTransferProgress* progress, int* confirmed)
{
    const int count = static_cast<int>(offsets.size());
    for (int k = 0; k < count; ++k) {
        if (progress)
            progress->SetPosition(k * 100 / count + 1);
        line.ProcessMessages();
        if (Stopped())
            return WriteEnd::Stopped;
        const int offset = offsets.at(k);
        if (!WriteConfirmed(static_cast<quint8>(image.at(offset)), offset % StationPageSize,
                            offset / StationPageSize))
            return Stopped() ? WriteEnd::Stopped : WriteEnd::Retries;
        if (confirmed)
            ++*confirmed;
    }
    return WriteEnd::Written;
}

bool TStationLink::WritePwmPower(int power)
{
    if (!OpenChosenPort())
        return false;
    TPortSession session(line);
    if (!Identify()) {
        LogFailure(WriteIdentifyFailure(), TextStopped());
        return false;
    }
    if (!WriteConfirmed(static_cast<quint8>(power), PwmPowerAddress, PwmPowerPage)) {
        LogFailure(TextWriteRetries(), TextWriteStopped());
        return false;
    }
    FinishWrite();
    journal(IconSuccess, TextWriteDone());
    return true;
}
