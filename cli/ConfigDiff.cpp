#include "cli/ConfigDiff.h"
#include "cli/ConfigFormats.h"
#include "document/RecordDiff.h"

QStringList ConfigDifferences(const TConfig& a, const TConfig& b, const TStationCatalogue* catalogue)
{
    if (!a.image.isEmpty() && !b.image.isEmpty())
        return ImageDifferences(a.image, b.image, catalogue);
    return RecordDifferences(a.record, b.record, catalogue, a.MissingKeys(), b.MissingKeys());
}
