#include "cli/ConfigDiff.h"
#include "cli/ConfigFormats.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

QList<TDifference> ConfigDifferences(const TConfig& a, const TConfig& b, const TStationCatalogue* catalogue)
{
    if (!a.image.isEmpty() && !b.image.isEmpty())
        return ImageDifferenceList(a.image, b.image, catalogue);
    return RecordDifferenceList(a.record, b.record, catalogue, a.MissingKeys(), b.MissingKeys());
}

namespace {
QJsonValue Value(const TDifference& d, const std::optional<int>& v)
{
    if (!v)
        return QJsonValue::Null;
    return d.truth ? QJsonValue(*v != 0) : QJsonValue(*v);
}
} // namespace

QByteArray DifferencesJson(const QList<TDifference>& differences)
{
    QJsonArray list;
    for (const TDifference& d : differences) {
        QJsonObject o;
        switch (d.kind) {
        case TDifference::Kind::Setting:
            o.insert(QStringLiteral("setting"), d.key);
            break;
        case TDifference::Kind::Channel:
            o.insert(QStringLiteral("channel"), d.channel);
            o.insert(QStringLiteral("field"), d.key);
            break;
        case TDifference::Kind::OtherBytes:
            o.insert(QStringLiteral("otherBytes"), d.newValue.value_or(0));
            o.insert(QStringLiteral("firstOffset"), d.firstOffset);
            o.insert(QStringLiteral("text"), d.Line());
            list.append(o);
            continue;
        }
        o.insert(QStringLiteral("name"), d.name);
        o.insert(QStringLiteral("old"), Value(d, d.oldValue));
        o.insert(QStringLiteral("new"), Value(d, d.newValue));
        o.insert(QStringLiteral("oldText"), d.oldText);
        o.insert(QStringLiteral("newText"), d.newText);
        list.append(o);
    }
    const QJsonObject root{{"equal", differences.isEmpty()}, {"differences", list}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
