#include "report/ReportBands.h"
#include "document/LocaleFormats.h"
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <cmath>
#include <limits>

namespace {
constexpr double ReportDpi = 96.0;
constexpr double MmPerInch = 25.4;

int MmToPixels(double mm) { return static_cast<int>(std::lround(mm * ReportDpi / MmPerInch)); }
} // namespace

QFont ReportFont(int points, bool bold, bool italic)
{
    QFont f(QStringLiteral("Arial"));
    // Rounded as a 96-dpi screen sizes a point font: 11 pt is 14.67 -> 15 px.
    f.setPixelSize(static_cast<int>(std::lround(points * ReportDpi / 72.0)));
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

QString TReportLabel::TextOn(const TReportPage&) const { return text; }

void TReportLabel::Paint(QPainter& painter, const TReportPage& page) const
{
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetrics fm(font);
    painter.drawText(QPoint(pos.x(), pos.y() + fm.ascent()), TextOn(page));
}

QString TReportSysData::TextOn(const TReportPage& page) const
{
    if (kind == PageNumber)
        return QString::number(page.number);
    return ShortDateText(page.printedAt.date()) + QLatin1Char(' ') + LongTimeText(page.printedAt.time());
}

void TReportImage::Paint(QPainter& painter, const TReportPage&) const
{
    painter.save();
    painter.setClipRect(QRect(pos, QSize(width, height)), Qt::IntersectClip);
    painter.translate(pos);
    // Playing a picture scales it from its own resolution to the device's;
    // the painter already maps the report's 96-dpi pixels to the device, so
    // that second scaling is taken back out.
    if (const QPaintDevice* device = painter.device()) {
        painter.scale(qreal(picture.logicalDpiX()) / device->logicalDpiX(),
                      qreal(picture.logicalDpiY()) / device->logicalDpiY());
    }
    painter.drawPicture(0, 0, picture);
    painter.restore();
}

TReportBand::TReportBand(Kind k, int h, QColor c)
    : kind(k)
    , height(h)
    , colour(c)
{
}

TReportLabel* TReportBand::AddLabel(int x, int y, const QString& text, const QFont& font)
{
    auto label = std::make_unique<TReportLabel>();
    label->pos = QPoint(x, y);
    label->text = text;
    label->font = font;
    elements.push_back(std::move(label));
    return static_cast<TReportLabel*>(elements.back().get());
}

TReportSysData* TReportBand::AddSysData(int x, int y, TReportSysData::Kind k, const QFont& font)
{
    auto data = std::make_unique<TReportSysData>();
    data->pos = QPoint(x, y);
    data->kind = k;
    data->font = font;
    elements.push_back(std::move(data));
    return static_cast<TReportSysData*>(elements.back().get());
}

TReportImage* TReportBand::AddImage(int x, int y, int w, int h)
{
    auto image = std::make_unique<TReportImage>();
    image->pos = QPoint(x, y);
    image->width = w;
    image->height = h;
    elements.push_back(std::move(image));
    return static_cast<TReportImage*>(elements.back().get());
}

TReportBand* TReportBand::AddChild(int h, QColor c)
{
    children.push_back(std::make_unique<TReportBand>(Child, h, c));
    child = children.back().get();
    return child;
}

void TReportBand::Paint(QPainter& painter, int width, const TReportPage& page) const
{
    painter.save();
    const QRect area(0, 0, width, height);
    painter.setClipRect(area, Qt::IntersectClip);
    painter.fillRect(area, colour);
    for (const auto& e : elements)
        if (e->enabled)
            e->Paint(painter, page);
    painter.restore();
}

TReport::TReport()
    : header(std::make_unique<TReportBand>(TReportBand::PageHeader, 40, QColor(192, 192, 192)))
    , footer(std::make_unique<TReportBand>(TReportBand::PageFooter, 40, QColor(192, 192, 192)))
{
}

TReportBand* TReport::AddDetail(int height, QColor colour)
{
    details.push_back(std::make_unique<TReportBand>(TReportBand::Detail, height, colour));
    return details.back().get();
}

void TReport::SetUpPage(QPagedPaintDevice* device) const
{
    device->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(marginMm, marginMm, marginMm, marginMm),
                                      QPageLayout::Millimeter));
}

int TReport::DetailHeight() const
{
    const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    const int printable = MmToPixels(a4.height() - 2 * marginMm);
    return printable - (header->enabled ? header->height : 0) - (footer->enabled ? footer->height : 0);
}

QList<QList<TReport::Placed>> TReport::LayOut() const
{
    const int room = DetailHeight();
    QList<QList<Placed>> pages{{}};
    int y = 0;
    auto place = [&](const TReportBand* band) {
        // A band that does not fit below what the page holds goes on a new
        // page; one taller than the whole area is printed there, cut off.
        if (y > 0 && y + band->height > room) {
            pages.append(QList<Placed>());
            y = 0;
        }
        pages.last().append({band, y});
        y += band->height;
    };
    for (const auto& detail : details) {
        if (!detail->Printed())
            continue;
        place(detail.get());
        for (const TReportBand* c = detail->child; c && c->Printed(); c = c->child)
            place(c);
    }
    return pages;
}

void TReport::PaintPage(QPainter& painter, const QList<QList<Placed>>& pages, int index,
                        const QDateTime& printedAt) const
{
    TReportPage page;
    page.number = index + 1;
    page.printedAt = printedAt;
    const int headerHeight = header->enabled ? header->height : 0;
    if (header->enabled)
        header->Paint(painter, bandWidth, page);
    for (const Placed& p : pages[index]) {
        painter.save();
        painter.translate(0, headerHeight + p.top);
        p.band->Paint(painter, bandWidth, page);
        painter.restore();
    }
    if (footer->enabled) {
        painter.save();
        painter.translate(0, headerHeight + DetailHeight());
        footer->Paint(painter, bandWidth, page);
        painter.restore();
    }
}

int TReport::Render(QPagedPaintDevice* device, int fromPage, int toPage) const
{
    const QList<QList<Placed>> pages = LayOut();
    const int first = std::max(1, fromPage);
    const int last = toPage > 0 ? std::min<int>(toPage, pages.size()) : pages.size();
    QPainter painter;
    if (!painter.begin(device))
        return -1;
    painter.scale(device->logicalDpiX() / ReportDpi, device->logicalDpiY() / ReportDpi);
    const QDateTime printedAt = QDateTime::currentDateTime();
    int emitted = 0;
    for (int n = first; n <= last; ++n) {
        if (emitted > 0 && !device->newPage())
            break;
        PaintPage(painter, pages, n - 1, printedAt);
        ++emitted;
    }
    painter.end();
    return emitted;
}
