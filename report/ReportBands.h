#pragma once
#include <QColor>
#include <QDateTime>
#include <QFont>
#include <QList>
#include <QPicture>
#include <QPoint>
#include <QString>
#include <memory>
#include <vector>

class QPagedPaintDevice;
class QPainter;

// A small banded report: a page header and a page footer on every page and
// detail bands (each with a chain of child bands) flowing down the pages in
// between. Coordinates and sizes are pixels at 96 dpi; rendering scales
// them to the device. The report knows nothing about windows.

// Font of an N-point size at 96 dpi, as a pixel height: 10 pt is 13 px,
// 11 pt 15 px, 12 pt 16 px, 16 pt 21 px.
QFont ReportFont(int points, bool bold = false, bool italic = false);

// What one page being printed knows about itself.
struct TReportPage {
    int number = 1;         // from 1
    QDateTime printedAt;    // the same for every page of one rendering
};

class TReportElement {
public:
    virtual ~TReportElement() = default;
    virtual void Paint(QPainter& painter, const TReportPage& page) const = 0;

    QPoint pos;
    bool enabled = true;
};

// A line of text with its top-left corner at pos.
class TReportLabel : public TReportElement {
public:
    void Paint(QPainter& painter, const TReportPage& page) const override;
    // The text printed on the given page.
    virtual QString TextOn(const TReportPage& page) const;

    QString text;
    QFont font;
};

// A label whose text the engine supplies: the date and time of printing or
// the page number.
class TReportSysData : public TReportLabel {
public:
    enum Kind { DateTime, PageNumber };
    QString TextOn(const TReportPage& page) const override;

    Kind kind = DateTime;
};

// A picture drawn at pos, clipped to width x height.
class TReportImage : public TReportElement {
public:
    void Paint(QPainter& painter, const TReportPage& page) const override;

    int width = 0;
    int height = 0;
    QPicture picture;
};

class TReportBand {
public:
    enum Kind { PageHeader, PageFooter, Detail, Child };
    TReportBand(Kind kind, int height, QColor colour);

    TReportLabel* AddLabel(int x, int y, const QString& text, const QFont& font);
    TReportSysData* AddSysData(int x, int y, TReportSysData::Kind kind, const QFont& font);
    TReportImage* AddImage(int x, int y, int width, int height);
    // A band printed right after this one (when both are enabled).
    TReportBand* AddChild(int height, QColor colour);

    // Background and the enabled elements, clipped to the band.
    void Paint(QPainter& painter, int width, const TReportPage& page) const;

    // Whether the band takes part in the layout.
    bool Printed() const { return enabled && height > 0; }

    Kind kind;
    int height;
    QColor colour;
    bool enabled = true;
    TReportBand* child = nullptr;
    const std::vector<std::unique_ptr<TReportElement>>& Elements() const { return elements; }

private:
    std::vector<std::unique_ptr<TReportElement>> elements;
    std::vector<std::unique_ptr<TReportBand>> children;
};

class TReport {
public:
    TReport();

    TReportBand* PageHeader() { return header.get(); }
    TReportBand* PageFooter() { return footer.get(); }
    TReportBand* AddDetail(int height, QColor colour);

    // Page set-up: A4 portrait, these margins on every side.
    double marginMm = 10;
    int bandWidth = 718;

    // Gives the device A4 portrait with the report's margins.
    void SetUpPage(QPagedPaintDevice* device) const;

    // The height left for detail bands between header and footer, in
    // 96-dpi pixels (967 for A4 with 10 mm margins and bands of 40).
    int DetailHeight() const;

    // The detail and child bands that print, page by page, with their top
    // inside the detail area. At least one (possibly empty) page.
    struct Placed {
        const TReportBand* band;
        int top;
    };
    QList<QList<Placed>> LayOut() const;
    int PageCount() const { return static_cast<int>(LayOut().size()); }

    // Paints one page (from 0) with the painter's coordinates in 96-dpi
    // pixels from the top-left corner of the printable area.
    void PaintPage(QPainter& painter, const QList<QList<Placed>>& pages, int index,
                   const QDateTime& printedAt) const;

    // Renders pages fromPage..toPage (from 1) onto the device, which must
    // have been set up (SetUpPage). Returns the number of pages emitted, or
    // -1 when painting on the device could not start.
    int Render(QPagedPaintDevice* device, int fromPage = 1, int toPage = 0) const;

private:
    std::unique_ptr<TReportBand> header;
    std::unique_ptr<TReportBand> footer;
    std::vector<std::unique_ptr<TReportBand>> details;
};
