// Renders the report of a sample configuration, for looking at by hand:
//   report_sample <file.pdf>              the four pages of 100 channels as PDF
//   report_sample <file.pdf> <shot.png>   also the print preview window, grabbed
// (run the second form under xvfb-run; pdftoppm turns the PDF into PNGs).
#include "document/ProgramLanguage.h"
#include "report/Fprint.h"
#include "tests/app/ProgramHarness.h"
#include "tests/support/TestRunDir.h"
#include <QPrinter>
#include <QTimer>
#include <cstdio>

namespace {
void FillSample()
{
    for (int c = 0; c < channelRows.size(); ++c) {
        Tfr_reccord* row = channelRows[c];
        const int min = row->CSpinEdit1->MinValue();
        row->CheckBox1->setChecked(true);
        row->LoadFrequencies(min + 25000 * c, min + 50000 * c);
        row->ComboBox1->setCurrentIndex(c % 51);
        row->ComboBox2->setCurrentIndex(c * 7 % 51);
    }
    for (int r = 0; r < 10; ++r)
        f_settings->noiseLevelRows[r]->CSpinEdit1->SetValue(10 * (r + 1));
    f_settings->CheckBox1->setChecked(true);
    f_settings->TrackBar1->setValue(1234);
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The report in the language the locale asks for, as the program starts.
    InstallLanguage(app, QString());
    if (argc < 2) {
        std::fprintf(stderr, "usage: report_sample <file.pdf> [<preview.png>]\n");
        return 2;
    }
    TestRunDir run;
    if (!harness::StartProgram())
        return 1;
    FillSample();
    f_print->FillReport();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromLocal8Bit(argv[1]));
    f_print->report.SetUpPage(&printer);
    std::printf("%d pages\n", f_print->Print(&printer));
    if (argc > 2) {
        const QString shot = QString::fromLocal8Bit(argv[2]);
        QTimer::singleShot(1500, [shot] {
            if (QWidget* preview = QApplication::activeModalWidget()) {
                preview->grab().save(shot);
                preview->close();
            }
        });
        f_main->fr_button1PClick(f_main->fr_button1);
    }
    harness::StopProgram();
    return 0;
}
