#include "document/NumberText.h"
#include "document/ProgramLanguage.h"

QLocale ProgramLocale()
{
    QLocale locale = ProgramLanguage() == TLanguage::English ? QLocale(QLocale::English, QLocale::UnitedStates)
                                                             : QLocale(QLocale::Russian, QLocale::Russia);
    // Whole numbers are written without group separators everywhere
    // (45100 кГц, not 45 100): only the decimal separator follows the
    // language.
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

QString DecimalText(double value, int decimals)
{
    return ProgramLocale().toString(value, 'f', decimals);
}
