// The station image codec: layout, frequency codes, level offsets, flags.
#include "tests/support/TestRegistry.h"
#include "link/ImageCodec.h"
#include "tests/support/StationTestSupport.h"
#include <QTest>

namespace {
QByteArray Filled(char byte) { return QByteArray(StationImageSize, byte); }
uint8_t B(const QByteArray& img, int i) { return static_cast<uint8_t>(img[i]); }

TTarnikPlus HundredDisabled()
{
    TTarnikPlus r;
    r.channels.resize(100);
    return r;
}
} // namespace

class TestImageCodec : public QObject {
    Q_OBJECT
private slots:
    void allFfDecodesToDisabledChannelsAndMaximalSettings()
    {
        TTarnikPlus r;
        QVERIFY(DecodeImage(Filled(char(0xFF)), r));
        QCOMPARE(int(r.channels.size()), 100);
        for (const auto& ch : r.channels)
            QVERIFY(!ch.enable);
        QCOMPARE(r.lastChannel, 255);
        QCOMPARE(r.volume, 255);
        QCOMPARE(r.squelch, 255);
        QCOMPARE(r.range, 255);
        QCOMPARE(r.analogSql, 255);
        QCOMPARE(r.pwmPower, 255);
        QCOMPARE(r.deviation, 31);
        QCOMPARE(r.micSensitivity, 31);
        QCOMPARE(r.rxGain, 31);
        QCOMPARE(r.ctcssTxLevel, 31);
        QCOMPARE(r.ctcssRxLevel, 31);
        QVERIFY(r.scramblerOn && r.scramblerFitted && r.pttTimeout && r.busyLockout && r.repeater);
        QVERIFY(r.normalPowerOff && r.normalTxEnd);
        QCOMPARE(r.timeoutTime, 65535);
        for (auto n : r.noiseLevels)
            QCOMPARE(n, 255);
    }

    void allZeroDecodesToEnabledChannelsAtTheBottomOfTheRange()
    {
        TTarnikPlus r;
        QVERIFY(DecodeImage(Filled(0), r));
        for (const auto& ch : r.channels) {
            QVERIFY(ch.enable);
            QCOMPARE(ch.TX, 33000);
            QCOMPARE(ch.RX, 33000);
            QCOMPARE(ch.CTCSSRX, 0);
            QCOMPARE(ch.CTCSSTX, 0);
        }
        QCOMPARE(r.volume, 0);
        QCOMPARE(r.timeoutTime, 0);
        QVERIFY(!r.scramblerOn && !r.repeater && !r.normalTxEnd);
    }

    void onlyTheFirstSlotByteMarksAnEmptySlot()
    {
        QByteArray img = Filled(char(0xFF));
        img[0] = char(0xFE);
        img[1] = char(0x12);
        img[2] = char(0x34);
        TTarnikPlus r;
        QVERIFY(DecodeImage(img, r));
        QVERIFY(r.channels[0].enable);
        QCOMPARE(r.channels[0].TX, FrequencyCodeToKHz(0xF12));
        QCOMPARE(r.channels[0].RX, FrequencyCodeToKHz(0xE34));
        QCOMPARE(r.channels[0].CTCSSRX, 255);
        QCOMPARE(r.channels[0].CTCSSTX, 255);
        // A slot whose other bytes are 0xFF but whose first byte is not is in use.
        img[5] = 0;
        QVERIFY(DecodeImage(img, r));
        QVERIFY(r.channels[1].enable);
    }

    void splitFrequenciesEncodeTransmitFirstAndTonesReceiveFirst()
    {
        TTarnikPlus r = HundredDisabled();
        r.channels[3] = {true, 45000, 45100, 7, 9};
        QByteArray img;
        EncodeImage(r, img);
        QCOMPARE(B(img, 15), 0x77);
        QCOMPARE(B(img, 16), 0x80);
        QCOMPARE(B(img, 17), 0x90);
        QCOMPARE(B(img, 18), 9);   // CTCSSRX
        QCOMPARE(B(img, 19), 7);   // CTCSSTX
        TTarnikPlus back;
        QVERIFY(DecodeImage(img, back));
        QCOMPARE(back.channels[3].TX, 45000);
        QCOMPARE(back.channels[3].RX, 45100);
        QCOMPARE(back.channels[3].CTCSSTX, 7);
        QCOMPARE(back.channels[3].CTCSSRX, 9);
    }

    void frequencyCodes_data()
    {
        QTest::addColumn<int>("kHz");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("decoded");
        QTest::newRow("bottom") << 33000 << 0 << 33000;
        QTest::newRow("off grid moves down") << 33012 << 1 << 33006;
        QTest::newRow("25 kHz grid survives") << 45025 << 1924 << 45025;
        QTest::newRow("top of grid") << 58575 << 4092 << 58575;
        QTest::newRow("top of range") << 58593 << 4094 << 58587;
        QTest::newRow("above range wraps") << 58600 << 0 << 33000;
    }
    void frequencyCodes()
    {
        QFETCH(int, kHz);
        QFETCH(int, code);
        QFETCH(int, decoded);
        // Transmit code in slot 0, receive code in slot 1, the other
        // direction at the bottom of the range.
        TTarnikPlus r = HundredDisabled();
        r.channels[0] = {true, kHz, 33000, 0, 0};
        r.channels[1] = {true, 33000, kHz, 0, 0};
        QByteArray img;
        EncodeImage(r, img);
        QCOMPARE((B(img, 0) >> 4) * 256 + B(img, 1), code);
        QCOMPARE((B(img, 5) & 0x0F) * 256 + B(img, 7), code);
        TTarnikPlus back;
        QVERIFY(DecodeImage(img, back));
        QCOMPARE(back.channels[0].TX, decoded);
        QCOMPARE(back.channels[1].RX, decoded);
    }

    void frequencyBelowTheRangeWrapsToTheTop()
    {
        TTarnikPlus r = HundredDisabled();
        r.channels[0] = {true, 32975, 33000, 0, 0};
        QByteArray img;
        EncodeImage(r, img);
        QCOMPARE(B(img, 0), 0xF0);
        QCOMPARE(B(img, 1), 0xFC);   // code 4092
        TTarnikPlus back;
        QVERIFY(DecodeImage(img, back));
        QCOMPARE(back.channels[0].TX, 58575);
        QCOMPARE(back.channels[0].RX, 33000);
    }

    void bothFrequenciesFromFiftySevenMegahertzUpLookLikeAnEmptySlot()
    {
        // Codes from 0xF00 up in both directions put 0xFF into the slot's
        // first byte, which the station format reads as an empty slot.
        TTarnikPlus r = HundredDisabled();
        r.channels[0] = {true, 57000, 57000, 0, 0};
        r.channels[1] = {true, 56975, 57000, 0, 0};
        QByteArray img;
        EncodeImage(r, img);
        QCOMPARE(B(img, 0), 0xFF);
        QCOMPARE(B(img, 5), 0xEF);
        TTarnikPlus back;
        QVERIFY(DecodeImage(img, back));
        QVERIFY(!back.channels[0].enable);
        QVERIFY(back.channels[1].enable);
    }

    void everyGridFrequencyRoundTrips()
    {
        for (int kHz = 33000; kHz <= 58575; kHz += 25) {
            const int code = KHzToFrequencyCode(kHz);
            QCOMPARE(code % 4, 0);
            QCOMPARE(FrequencyCodeToKHz(code), kHz);
        }
    }

    void levelOffsetsWrapAndDecodeToTheLowFiveBits()
    {
        TTarnikPlus r = HundredDisabled();
        r.deviation = 32;
        r.rxGain = 5;
        r.micSensitivity = 7;
        r.ctcssTxLevel = 3;
        r.ctcssRxLevel = 4;
        QByteArray img;
        EncodeImage(r, img);
        QCOMPARE(B(img, 504), 0x80);
        QCOMPARE(B(img, 506), 0x45);
        QCOMPARE(B(img, 505), 7);
        QCOMPARE(B(img, 507), 3);   // transmit level before receive level in the image
        QCOMPARE(B(img, 508), 4);
        TTarnikPlus back;
        QVERIFY(DecodeImage(img, back));
        QCOMPARE(back.deviation, 0);
        QCOMPARE(back.rxGain, 5);
        QCOMPARE(back.ctcssTxLevel, 3);
        QCOMPARE(back.ctcssRxLevel, 4);
    }

    void settingsBlockLayout()
    {
        TTarnikPlus r = HundredDisabled();
        r.lastChannel = 42;
        r.volume = 3;
        r.squelch = 4;
        r.range = 2;
        r.analogSql = 6;
        r.timeoutTime = 0x1234;
        r.scramblerFitted = true;
        r.repeater = true;
        r.normalTxEnd = true;
        r.pwmPower = 200;
        for (int k = 0; k < 10; ++k)
            r.noiseLevels[k] = uint8_t(10 * (k + 1));
        QByteArray img;
        EncodeImage(r, img);
        QCOMPARE(B(img, 500), 42);
        QCOMPARE(B(img, 501), 3);
        QCOMPARE(B(img, 502), 4);
        QCOMPARE(B(img, 503), 0);
        QCOMPARE(B(img, 509), 2);
        QCOMPARE(B(img, 510), 6);
        QCOMPARE(B(img, 511), 0x12);
        QCOMPARE(B(img, 512), 0x34);
        QCOMPARE(B(img, 513), 0x12);
        QCOMPARE(B(img, 514), 0x02);
        QCOMPARE(B(img, 515), 200);
        for (int k = 0; k < 10; ++k)
            QCOMPARE(B(img, 520 + k), 10 * (k + 1));
        for (int i : {516, 517, 518, 519, 530, 700, 1023})
            QCOMPARE(B(img, i), 0xFF);
    }

    void decodedUnassignedBitsAreIgnored()
    {
        QByteArray img = Filled(0);
        img[511] = char(0xE1);
        img[514] = char(0xFC);
        TTarnikPlus r;
        QVERIFY(DecodeImage(img, r));
        QVERIFY(r.scramblerOn);
        QVERIFY(!r.scramblerFitted && !r.pttTimeout && !r.busyLockout && !r.repeater);
        QVERIFY(!r.normalPowerOff && !r.normalTxEnd);
    }

    void disabledChannelsLeaveTheirSlotsAndExistingBytesStay()
    {
        TTarnikPlus r = HundredDisabled();
        QByteArray img;
        EncodeImage(r, img);
        QCOMPARE(img.size(), StationImageSize);
        for (int i = 0; i < 500; ++i)
            QCOMPARE(B(img, i), 0xFF);
        QCOMPARE(B(img, 503), 0);

        QByteArray longer(1500, 0x11);
        EncodeImage(r, longer);
        QCOMPARE(longer.size(), StationImageSize);
        QCOMPARE(B(longer, 0), 0x11);      // not written for a disabled channel
        QCOMPARE(B(longer, 600), 0x11);    // reserved area kept

        QByteArray shorter(10, 0x22);
        EncodeImage(r, shorter);
        QCOMPARE(B(shorter, 9), 0x22);
        QCOMPARE(B(shorter, 10), 0xFF);
    }

    void moreThanAHundredChannelsAreNotWrittenPastTheSlots()
    {
        TTarnikPlus r;
        r.channels.assign(120, TTarnikRec{true, 33000, 33000, 0, 0});
        QByteArray img;
        EncodeImage(r, img);
        QCOMPARE(B(img, 500), 0);   // lastChannel, not a 101st slot
        QCOMPARE(B(img, 501), 0);
    }

    void wrongLengthIsRefusedAndTheRecordUntouched()
    {
        TTarnikPlus r;
        r.volume = 7;
        r.channels.resize(3);
        QVERIFY(!DecodeImage(QByteArray(1023, 0), r));
        QVERIFY(!DecodeImage(QByteArray(1025, 0), r));
        QVERIFY(!DecodeImage(QByteArray(), r));
        QCOMPARE(r.volume, 7);
        QCOMPARE(int(r.channels.size()), 3);
    }

    void negativeToneIndexStoresItsLowByte()
    {
        TTarnikPlus r = HundredDisabled();
        r.channels[0] = {true, 33000, 33000, -1, -1};
        QByteArray img;
        EncodeImage(r, img);
        QCOMPARE(B(img, 3), 0xFF);
        QCOMPARE(B(img, 4), 0xFF);
    }

    // Encoding over a station's image.

    void overAStationImageOnlyAChangedFrequencyIsEncodedAnew()
    {
        // Channel 0 at codes 2 (transmit) and 5 (receive), off the 25 kHz
        // grid: 33 012 and 33 031 kHz in the record.
        QByteArray station = Filled(char(0xFF));
        station.replace(0, 5, QByteArray::fromHex("0002050708"));
        TTarnikPlus r;
        QVERIFY(DecodeImage(station, r));
        QCOMPARE(r.channels[0].TX, 33012);
        QCOMPARE(r.channels[0].RX, 33031);
        QByteArray fresh;
        EncodeImage(r, fresh);
        QCOMPARE(fresh.mid(0, 3), QByteArray::fromHex("000104"));   // the drift a fresh encoding makes

        QCOMPARE(EncodeOverImage(r, station).mid(0, 5), station.mid(0, 5));
        r.channels[0].RX = 33100;   // the user changed the receive frequency only
        r.channels[0].CTCSSRX = 9;
        QCOMPARE(EncodeOverImage(r, station).mid(0, 5), QByteArray::fromHex("0002100908"));
        // Another frequency is encoded anew, even one that a code decodes to.
        r.channels[0].TX = 33006;
        QCOMPARE(B(EncodeOverImage(r, station), 1), KHzToFrequencyCode(33006));
    }

    void overAStationImageDisabledSlotsEmptyAndUnknownBytesStay()
    {
        QByteArray station(StationImageSize, 0);
        for (int i = 0; i < station.size(); ++i)
            station[i] = char(i * 13 + 1);
        TTarnikPlus r = HundredDisabled();
        r.channels[4] = {true, 41000, 41000, 0, 0};
        r.channels.resize(50);   // channels past the record's end count as disabled
        const QByteArray img = EncodeOverImage(r, station);
        QCOMPARE(img.size(), StationImageSize);
        QCOMPARE(img.mid(0, 20), QByteArray(20, char(0xFF)));
        QCOMPARE(img.mid(25, 475), QByteArray(475, char(0xFF)));
        QCOMPARE(img.mid(20, 5), QByteArray::fromHex("5500000000"));
        QCOMPARE(B(img, 503), B(station, 503));
        QCOMPARE(img.mid(516, 4), station.mid(516, 4));
        QCOMPARE(img.mid(530), station.mid(530));
        // The settings come from the record, in the bits they own; the
        // bits no setting owns are the station's.
        QByteArray plain = station;
        EncodeImage(r, plain);
        QCOMPARE(img.mid(500, 3), plain.mid(500, 3));
        const QList<QPair<int, int>> owned{{504, 0x1F}, {505, 0x1F}, {506, 0x1F}, {507, 0x1F}, {508, 0x1F},
                                           {509, 0xFF}, {510, 0xFF}, {511, 0x1F}, {512, 0xFF}, {513, 0xFF},
                                           {514, 0x03}, {515, 0xFF}};
        for (const auto& [offset, mask] : owned) {
            QCOMPARE(B(img, offset) & mask, B(plain, offset) & mask);
            QCOMPARE(B(img, offset) & ~mask & 0xFF, B(station, offset) & ~mask & 0xFF);
        }
        QCOMPARE(img.mid(520, 10), plain.mid(520, 10));
    }

    void anyImageDecodedAndEncodedOverItselfStaysTheSame()
    {
        // Random images, empty slots with leftovers and bits no setting
        // uses included: a write of the decoded record changes nothing.
        for (int round = 0; round < 200; ++round) {
            QByteArray station = RandomImage(quint32(round));
            // Some empty slots whose other four bytes are not 0xFF.
            for (int slot = round % 7; slot < 100; slot += 7)
                station[5 * slot] = char(0xFF);
            TTarnikPlus r;
            QVERIFY(DecodeImage(station, r));
            QCOMPARE(EncodeOverImage(r, station), station);
        }
    }

    void bitsNoSettingUsesAreFoundInAWholeImage()
    {
        TTarnikPlus r = HundredDisabled();
        QByteArray img;
        EncodeImage(r, img);
        QVERIFY(UnmodelledBitsChanged(img).isEmpty());
        img[503] = 0x01;
        img[504] = char(B(img, 504) | 0x80);
        img[506] = char(B(img, 506) & 0x1F);   // the fixed 0x40 missing
        img[514] = char(B(img, 514) | 0x04);
        QCOMPARE(UnmodelledBitsChanged(img), (QList<int>{503, 504, 506, 514}));
        QVERIFY(UnmodelledBitsChanged(img.left(1000)).isEmpty());
    }
};

TARNIK_TEST_APPLESS_MAIN(TestImageCodec)
#include "test_imagecodec.moc"
