#include "link/StationLink.h"
#include "app/Convert.h"
#include "link/ImageCodec.h"
#include "link/SerialLine.h"
#include "link/StationRecord.h"
#include "link/TransferProgress.h"
#include <QThread>

namespace {

constexpr int IconSuccess = 5;
constexpr int IconError = 6;

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

const QString TextOpenFailed = QStringLiteral("Ошибка открытия порта.");
const QString TextReadFailed = QStringLiteral("Ошибка чтения данных. Возможно станция не подключена.");
const QString TextReadDone = QStringLiteral("Данные считаны успешно.");
const QString TextWriteNoStation = QStringLiteral("Ошибка записи данных. Возможно станция не подключена.");
const QString TextWriteRetries = QStringLiteral("Ошибка записи данных. Превышен лимит повторений.");
const QString TextWriteDone = QStringLiteral("Данные записаны успешно.");

QByteArray Request(std::initializer_list<char> tail)
{
    QByteArray r(RequestPrefix, sizeof RequestPrefix);
    for (char c : tail)
        r.append(c);
    return r;
}

// Closes the port on every way out of an exchange.
class PortSession {
public:
    explicit PortSession(TSerialLine& line) : line(line) {}
    ~PortSession() { line.ClosePort(); }
    PortSession(const PortSession&) = delete;
    PortSession& operator=(const PortSession&) = delete;

private:
    TSerialLine& line;
};

// Hides the progress bar on every way out of a write.
class ProgressShown {
public:
    explicit ProgressShown(TTransferProgress* progress) : progress(progress)
    {
        if (progress) {
            progress->SetPosition(0);
            progress->SetVisible(true);
        }
    }
    ~ProgressShown() { Hide(); }
    void Hide()
    {
        if (progress)
            progress->SetVisible(false);
        progress = nullptr;
    }
    ProgressShown(const ProgressShown&) = delete;
    ProgressShown& operator=(const ProgressShown&) = delete;

private:
    TTransferProgress* progress;
};

} // namespace

TStationLink::TStationLink(TSerialLine& line, ChoiceSource choice, Journal journal)
    : line(line), choice(std::move(choice)), journal(std::move(journal))
{
}

int TStationLink::PortNumber(const QString& portText)
{
    return StrToInt(portText.mid(3));
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
    if (opened)
        return true;
    if (beforeReport)
        beforeReport();
    journal(IconError, TextOpenFailed);
    return false;
}

bool TStationLink::Identify()
{
    QByteArray answer;
    const int received = line.Transfer(Request({CommandIdentify}), answer, 1);
    return received == 1 && answer.at(0) == IdentifyAnswer;
}

bool TStationLink::ReadImage(TTransferProgress* progress, QByteArray& image)
{
    if (!OpenChosenPort(choice()))
        return false;
    PortSession session(line);
    if (!Identify()) {
        journal(IconError, TextReadFailed);
        return false;
    }
    QByteArray answer;
    const int received = line.Transfer(Request({CommandReadImage}), answer, StationImageSize, progress);
    // An answer that stops short is no image of the station.
    if (received != StationImageSize) {
        journal(IconError, TextReadFailed);
        return false;
    }
    image = answer;
    journal(IconSuccess, TextReadDone);
    return true;
}

bool TStationLink::ReadStation(TTransferProgress* progress, TTarnikPlus& record)
{
    QByteArray image;
    return ReadImage(progress, image) && DecodeImage(image, record);
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
    for (int attempt = 0; attempt < WriteAttempts; ++attempt) {
        if (WriteByte(data, address, page))
            return true;
    }
    return false;
}

bool TStationLink::FinishWrite()
{
    QByteArray answer;
    line.Transfer(Request({CommandFinish}), answer, 0);
    QThread::msleep(FinishPauseMs);
    return true;
}

bool TStationLink::WriteStation(TTransferProgress* progress, const TTarnikPlus& record)
{
    QByteArray image;
    EncodeImage(record, image);
    return WriteImage(progress, image);
}

bool TStationLink::WriteImage(TTransferProgress* progress, const QByteArray& image)
{
    bytesWritten = 0;
    ProgressShown shown(progress);
    const TConnectionChoice chosen = choice();
    if (!OpenChosenPort(chosen, [&] { shown.Hide(); }))
        return false;
    PortSession session(line);
    if (!Identify()) {
        shown.Hide();
        journal(IconError, TextWriteNoStation);
        return false;
    }
    const int size = static_cast<int>(image.size());
    for (int i = 0; i < size; ++i) {
        if (progress)
            progress->SetPosition(i * 100 / size + 1);
        line.ProcessMessages();
        if (!WriteConfirmed(static_cast<quint8>(image.at(i)), i % 256, i / 256)) {
            shown.Hide();
            journal(IconError, TextWriteRetries);
            return false;
        }
        bytesWritten = i + 1;
    }
    shown.Hide();
    FinishWrite();
    journal(IconSuccess, TextWriteDone);
    return true;
}

bool TStationLink::WritePwmPower(int power)
{
    if (!OpenChosenPort(choice()))
        return false;
    PortSession session(line);
    if (!Identify()) {
        journal(IconError, TextWriteNoStation);
        return false;
    }
    if (!WriteConfirmed(static_cast<quint8>(power), PwmPowerAddress, PwmPowerPage)) {
        journal(IconError, TextWriteRetries);
        return false;
    }
    FinishWrite();
    journal(IconSuccess, TextWriteDone);
    return true;
}
