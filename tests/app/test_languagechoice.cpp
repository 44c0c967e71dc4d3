// The language choice of "Настройки приложения": shown from the catalogue,
// kept in it when the program ends, taken back by "Отмена", and left out of
// a catalogue whose user never chose.
#include "tests/support/TestRegistry.h"
#include "ProgramHarness.h"
#include "document/CatalogueLanguage.h"
#include "editors/Fconfig.h"
#include "tests/support/TestRunDir.h"
#include <QComboBox>
#include <QTest>

class TestLanguageChoice : public QObject {
    Q_OBJECT
private slots:
    void theChoiceSurvivesARestart()
    {
        TestRunDir run;
        QVERIFY(harness::StartProgram());
        QCOMPARE(f_config->Language(), QString());
        QCOMPARE(f_config->ComboBox1->currentText(), QStringLiteral("как в системе"));
        QCOMPARE(f_config->ComboBox1->count(), 3);
        f_main->close();
        harness::StopProgram();
        // Never chosen: the catalogue stays without the element.
        QVERIFY(!run.ReadSettings().contains("<lang"));

        QVERIFY(harness::StartProgram());
        f_config->show();
        f_config->ComboBox1->setCurrentIndex(f_config->ComboBox1->findText(QStringLiteral("English")));
        f_config->fr_button1PClick();
        f_main->close();
        harness::StopProgram();
        QVERIFY(run.ReadSettings().contains("<lang>en</lang>"));
        QCOMPARE(CatalogueLanguageSetting(run.SettingsFile()), QStringLiteral("en"));

        QVERIFY(harness::StartProgram());
        QCOMPARE(f_config->Language(), QStringLiteral("en"));
        QCOMPARE(f_config->ComboBox1->currentText(), QStringLiteral("English"));
        // "Отмена" brings back what the dialog showed when it opened.
        f_config->show();
        f_config->ComboBox1->setCurrentIndex(f_config->ComboBox1->findText(QStringLiteral("Русский")));
        f_config->fr_button2PClick();
        QCOMPARE(f_config->Language(), QStringLiteral("en"));
        // Back to the system's language: kept as an empty choice.
        f_config->show();
        f_config->ComboBox1->setCurrentIndex(0);
        f_config->fr_button1PClick();
        f_main->close();
        harness::StopProgram();
        QVERIFY(run.ReadSettings().contains("<lang/>") || run.ReadSettings().contains("<lang></lang>"));
        QCOMPARE(CatalogueLanguageSetting(run.SettingsFile()), QString());
    }

    // A value the program does not know shows as the system's language.
    void anUnknownValueFollowsTheSystem()
    {
        TestRunDir run;
        QByteArray settings = run.ReadSettings();
        QVERIFY(settings.contains("<onefreq>"));
        settings.replace("<onefreq>", "<lang>de</lang><onefreq>");
        QVERIFY(run.WriteSettings(settings));
        QVERIFY(harness::StartProgram());
        QCOMPARE(f_config->ComboBox1->currentIndex(), 0);
        QCOMPARE(f_config->Language(), QString());
        harness::StopProgram();
    }
};

TARNIK_TEST_MAIN(TestLanguageChoice)
#include "test_languagechoice.moc"
