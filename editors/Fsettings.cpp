#include "editors/Fsettings.h"
#include "document/U_xml.h"
#include "link/ExchangeGate.h"
#include "link/Fcomsettings.h"
#include "widgets/ErrorBox.h"
#include "document/StartDir.h"
#include "editors/BandCatalogue.h"
#include "editors/Fchannels.h"
#include "editors/Frnoiselevels.h"
#include "editors/Frreccord.h"
#include "link/Fportcheck.h"
#include "link/StationRecord.h"
#include "widgets/CSpinEdit.h"
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>

Tf_settings* f_settings = nullptr;

namespace {
constexpr int CaptionX = 16;
constexpr int ListX = 256;
constexpr int ListWidth = 200;

QComboBox* List(QWidget* parent, int top, const QString& hint)
{
    auto* box = new QComboBox(parent);
    box->setGeometry(ListX, top, ListWidth, 24);
    if (!hint.isEmpty())
        box->setToolTip(hint);
    return box;
}

QLabel* Caption(QWidget* parent, const QString& text, int top)
{
    auto* label = new QLabel(text, parent);
    label->move(CaptionX, top);
    label->adjustSize();
    return label;
}

QCheckBox* Check(QWidget* parent, const QString& text, int x, int top)
{
    auto* box = new QCheckBox(text, parent);
    box->move(x, top);
    box->adjustSize();
    return box;
}

QSlider* Track(QWidget* parent, int top, int max)
{
    auto* bar = new QSlider(Qt::Horizontal, parent);
    bar->setGeometry(144, top, 225, 24);
    bar->setRange(0, max);
    bar->setTickPosition(QSlider::NoTicks);
    return bar;
}

QLineEdit* ReadOnlyEdit(QWidget* parent, int top)
{
    auto* edit = new QLineEdit(QStringLiteral("0"), parent);
    edit->setGeometry(376, top, 80, 24);
    edit->setReadOnly(true);
    return edit;
}
} // namespace

Tf_settings::Tf_settings(QScrollArea* scrollBox)
    : QWidget(scrollBox)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(16);
    setFont(f);
    setFixedSize(557, 871);

    Caption(this, tr("Частотный диапазон"), 8);
    ComboBox1 = List(this, 8, tr("Определяет частотный диапазон\nстанции"));
    Caption(this, tr("Уровень громкости"), 48);
    ComboBox3 = List(this, 48, tr("Задает уровень громкости"));
    Caption(this, tr("Уровень шумоподавителя"), 88);
    ComboBox5 = List(this, 88, tr("Задает уровень шумодава"));
    Caption(this, tr("Уровень аналогового SQL"), 128);
    ComboBox7 = List(this, 128, QString());
    Caption(this, tr("Уровень девиации"), 168);
    ComboBox2 = List(this, 168, tr("Задает уровень девиации"));
    Caption(this, tr("Уровень чувствительности\nмикрофона"), 200);
    ComboBox4 = List(this, 208, tr("Задает чувствительность микрофона"));
    Caption(this, tr("Усиление на прием"), 248);
    ComboBox6 = List(this, 248, tr("Задает усиление на прием"));
    Caption(this, tr("Уровень CTCSS на передачу"), 288);
    ComboBox8 = List(this, 288, tr("Задает уровень CTCSS на передачу"));
    Caption(this, tr("Уровень CTCSS на прием"), 328);
    ComboBox9 = List(this, 328, tr("Задает уровень CTCSS на прием"));

    CheckBox1 = Check(this, tr("Маскиратор включен"), CaptionX, 368);
    CheckBox2 = Check(this, tr("Маскиратор установлен"), CaptionX, 400);
    CheckBox3 = Check(this, tr("Режим отключения по таймауту нажатия на тангенту"), CaptionX, 432);
    CheckBox4 = Check(this, tr("Блокировка выхода в передачу по наличию несущей"), CaptionX, 464);
    CheckBox5 = Check(this, tr("Работа в режиме ретранслятора"), CaptionX, 496);

    Caption(this, tr("Время таймаута"), 528);
    TrackBar1 = Track(this, 528, 65535);
    Edit1 = ReadOnlyEdit(this, 528);

    GroupBox1 = new QGroupBox(tr("Флаги завершения работы станции"), this);
    GroupBox1->setGeometry(CaptionX, 568, 440, 73);
    CheckBox6 = Check(GroupBox1, tr("Нормальное выключение"), 8, 22);
    CheckBox7 = Check(GroupBox1, tr("Нормальное завершение передачи"), 8, 46);
    GroupBox1->setEnabled(false);

    GroupBox2 = new QGroupBox(tr("Уровни шумоподавителя"), this);
    GroupBox2->setGeometry(CaptionX, 648, 441, 182);
    ScrollBox1 = new QScrollArea(GroupBox2);
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setGeometry(2, 20, 437, 160);
    auto* rowsHost = new QWidget;
    rowsHost->resize(241, 32 * 10);
    for (int i = 0; i < 10; ++i) {
        auto* row = new Tfr_noiselevel(rowsHost);
        row->move(0, 32 * i);
        row->Panel1->setText(tr("№%1").arg(i + 1));
        noiseLevelRows << row;
    }
    ScrollBox1->setWidget(rowsHost);

    Caption(this, tr("Мощность ШИМ"), 840);
    TrackBar2 = Track(this, 835, 255);
    Edit2 = ReadOnlyEdit(this, 835);
    Button1 = new QPushButton(tr("Установить"), this);
    Button1->setGeometry(464, 835, 90, 25);

    connect(ComboBox1, &QComboBox::activated, this, [this] { Guarded([this] { ComboBox1Picked(); }); });
    connect(TrackBar1, &QSlider::valueChanged, this, &Tf_settings::TrackBar1Change);
    connect(TrackBar2, &QSlider::valueChanged, this, &Tf_settings::TrackBar2Change);
    connect(Button1, &QPushButton::clicked, this, [this] { Guarded([this] { Button1Click(); }); });
    if (scrollBox)
        scrollBox->setWidget(this);
    show();
}

QList<QComboBox*> Tf_settings::Lists() const
{
    return {ComboBox1, ComboBox2, ComboBox3, ComboBox4, ComboBox5, ComboBox6, ComboBox7, ComboBox8, ComboBox9};
}

TBandLimits Tf_settings::ReadBand(int band, const QString& context) const
{
    CheckBandNumber(band, ComboBox1->count(), context);
    return ReadBandLimits(*XmlFile, StartPath(QStringLiteral("Settings/Settings.xml")), band);
}

void Tf_settings::ApplyBand(const TBandLimits& limits)
{
    frequencyStep = limits.stepHz;
    for (Tfr_reccord* row : channelRows) {
        for (TCSpinEdit* field : {row->CSpinEdit1, row->CSpinEdit2}) {
            Tfr_reccord::SetBounds(field, limits.minHz, limits.maxHz, limits.stepHz);
            field->SetValue(limits.minHz);
        }
    }
}

void Tf_settings::ComboBox1Change(QObject*)
{
    ApplyBand(ReadBand(ComboBox1->currentIndex() + 1, QString()));
    bandShown = ComboBox1->currentIndex();
}

void Tf_settings::ComboBox1Picked()
{
    // The list reports a pick of the item already selected too; only
    // another band changes the rows.
    if (ComboBox1->currentIndex() == bandShown)
        return;
    try {
        ComboBox1Change(ComboBox1);
    } catch (...) {
        // The rows keep the band they were on: so does the list.
        ComboBox1->setCurrentIndex(bandShown);
        throw;
    }
}

void Tf_settings::TrackBar1Change() { Edit1->setText(QString::number(TrackBar1->value())); }
void Tf_settings::TrackBar2Change() { Edit2->setText(QString::number(TrackBar2->value())); }

void Tf_settings::LoadFromRecord(const TTarnikPlus& r)
{
    // The band change reads the catalogue before it changes anything; doing
    // that first keeps a record with an unknown band from half-loading.
    const TBandLimits band = ReadBand(r.range, tr("Конфигурация станции не загружена."));

    ComboBox1->setCurrentIndex(r.range - 1);
    ComboBox3->setCurrentIndex(r.volume);
    ComboBox5->setCurrentIndex(r.squelch);
    ComboBox7->setCurrentIndex(r.analogSql);
    ComboBox2->setCurrentIndex(r.deviation);
    ComboBox4->setCurrentIndex(r.micSensitivity);
    ComboBox6->setCurrentIndex(r.rxGain);
    ComboBox8->setCurrentIndex(r.ctcssTxLevel);
    ComboBox9->setCurrentIndex(r.ctcssRxLevel);
    CheckBox1->setChecked(r.scramblerOn);
    CheckBox2->setChecked(r.scramblerFitted);
    CheckBox3->setChecked(r.pttTimeout);
    CheckBox4->setChecked(r.busyLockout);
    CheckBox5->setChecked(r.repeater);
    TrackBar1->setValue(r.timeoutTime);
    TrackBar2->setValue(r.pwmPower);
    CheckBox6->setChecked(r.normalPowerOff);
    CheckBox7->setChecked(r.normalTxEnd);
    for (int i = 0; i < 10; ++i)
        noiseLevelRows[i]->CSpinEdit1->SetValue(r.noiseLevels[i]);
    TrackBar1Change();
    TrackBar2Change();
    ApplyBand(band);   // the band change, with the limits read above
    bandShown = ComboBox1->currentIndex();
}

void Tf_settings::SaveToRecord(TTarnikPlus& r)
{
    auto byte = [](QComboBox* box) { return static_cast<uint8_t>(box->currentIndex()); };
    r.range = static_cast<uint8_t>(ComboBox1->currentIndex() + 1);
    r.volume = byte(ComboBox3);
    r.squelch = byte(ComboBox5);
    r.analogSql = byte(ComboBox7);
    r.deviation = byte(ComboBox2);
    r.micSensitivity = byte(ComboBox4);
    r.rxGain = byte(ComboBox6);
    r.ctcssTxLevel = byte(ComboBox8);
    r.ctcssRxLevel = byte(ComboBox9);
    r.scramblerOn = CheckBox1->isChecked();
    r.scramblerFitted = CheckBox2->isChecked();
    r.pttTimeout = CheckBox3->isChecked();
    r.busyLockout = CheckBox4->isChecked();
    r.repeater = CheckBox5->isChecked();
    r.timeoutTime = static_cast<uint16_t>(TrackBar1->value());
    r.pwmPower = static_cast<uint8_t>(TrackBar2->value());
    r.normalPowerOff = CheckBox6->isChecked();
    r.normalTxEnd = CheckBox7->isChecked();
    for (int i = 0; i < 10; ++i)
        r.noiseLevels[i] = static_cast<uint8_t>(noiseLevelRows[i]->CSpinEdit1->ClampedValue());
}

void Tf_settings::Button1Click()
{
    if (!f_port)
        return;
    // A station exchange of its own: one at a time, and the main window's
    // commands wait for it.
    if (StationGate().Busy())
        return;
    TExchangeGate::Exchange exchange(StationGate(), &f_port->Line());
    f_port->WritePwmPower(TrackBar2->value());
}
