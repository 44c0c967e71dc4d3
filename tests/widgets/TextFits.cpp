#include "TextFits.h"
#include "report/ReportBands.h"
#include "widgets/CaptionLines.h"
#include "widgets/Frbutton.h"
#include "widgets/Frmainmenu.h"
#include "widgets/Frpanel.h"
#include "widgets/KitFont.h"
#include "widgets/PaintBox.h"
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTreeWidget>
#include <algorithm>

namespace {

// The pixels a style keeps around a combo box's text (frame and arrow),
// measured on the style itself with a one-letter item.
int ComboBoxChrome(const QComboBox* box)
{
    QComboBox probe;
    probe.setFont(box->font());
    probe.setStyle(box->style());
    probe.setSizeAdjustPolicy(QComboBox::AdjustToContents);
    probe.addItem(QStringLiteral("M"));
    return probe.sizeHint().width() - QFontMetrics(box->font()).horizontalAdvance(QStringLiteral("M"));
}

QString Name(const QWidget* w)
{
    QStringList path;
    for (const QWidget* p = w; p; p = p->parentWidget())
        path.prepend(p->objectName().isEmpty() ? QString::fromLatin1(p->metaObject()->className()) : p->objectName());
    return path.join(QLatin1Char('/'));
}

class Checker {
public:
    QStringList misfits;

    void Need(const QWidget* w, const QString& text, int need, int room)
    {
        if (need > room)
            misfits << QStringLiteral("%1: \"%2\" needs %3 px, has %4").arg(Name(w), text).arg(need).arg(room);
    }

    // A control that sizes itself to its text must stay clear of the
    // controls beside it. A sibling that wholly covers it is its background,
    // and so is a drawn control's painting surface. Only the middle of the
    // text's height counts: captions stand a little into the fields below
    // them by design, above the descenders.
    void Clear(const QWidget* w, const QString& text, const QRect& textRect)
    {
        const QRect used = textRect.adjusted(0, textRect.height() / 4, 0, -textRect.height() / 4);
        const QWidget* parent = w->parentWidget();
        if (!parent)
            return;
        if (used.right() >= parent->width())
            misfits << QStringLiteral("%1: \"%2\" runs past its window (%3 px of %4)")
                           .arg(Name(w), text).arg(used.right() + 1).arg(parent->width());
        for (const QObject* o : parent->children()) {
            const auto* s = qobject_cast<const QWidget*>(o);
            if (!s || s == w || s->isWindow() || s->geometry().contains(w->geometry())
                || qobject_cast<const TPaintBox*>(s))
                continue;
            if (s->geometry().intersects(used))
                misfits << QStringLiteral("%1: \"%2\" runs into %3").arg(Name(w), text, Name(s));
        }
    }

    void Label(const QLabel* l)
    {
        if (l->text().isEmpty() || l->textFormat() == Qt::RichText)
            return;
        const QFontMetrics fm(l->font());
        const QRect room = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
        if (l->wordWrap()) {
            for (const QString& word : l->text().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
                Need(l, word, fm.horizontalAdvance(word), room.width());
            Need(l, l->text(), fm.boundingRect(room, Qt::TextWordWrap, l->text()).height(), room.height());
            return;
        }
        const QStringList lines = l->text().split(QLatin1Char('\n'));
        int widest = 0;
        for (const QString& line : lines)
            widest = std::max(widest, fm.horizontalAdvance(line));
        Need(l, l->text(), widest, room.width());
        Need(l, l->text(), int(lines.size()) * fm.height(), room.height());
        Clear(l, l->text(), QRect(l->pos() + room.topLeft(), QSize(widest, int(lines.size()) * fm.height())));
    }

    void Check(const QAbstractButton* b)
    {
        if (b->text().isEmpty())
            return;
        // The indicator, the gap after it and the text.
        const QStyle::PixelMetric indicator =
            qobject_cast<const QCheckBox*>(b) ? QStyle::PM_IndicatorWidth : QStyle::PM_ExclusiveIndicatorWidth;
        const QStyle::PixelMetric spacing =
            qobject_cast<const QCheckBox*>(b) ? QStyle::PM_CheckBoxLabelSpacing : QStyle::PM_RadioButtonLabelSpacing;
        const int need = b->style()->pixelMetric(indicator, nullptr, b) + b->style()->pixelMetric(spacing, nullptr, b)
                         + QFontMetrics(b->font()).horizontalAdvance(b->text());
        Need(b, b->text(), need, b->width());
        Clear(b, b->text(), QRect(b->pos(), QSize(need, b->height())));
    }

    void Push(const QPushButton* b)
    {
        if (b->text().isEmpty())
            return;
        // The caption is drawn inside the button's frame.
        const int frame = 2 * b->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b);
        Need(b, b->text(), QFontMetrics(b->font()).horizontalAdvance(b->text()) + frame, b->width());
    }

    void Combo(const QComboBox* box)
    {
        const QFontMetrics fm(box->font());
        const int room = box->width() - ComboBoxChrome(box);
        for (int i = 0; i < box->count(); ++i)
            Need(box, box->itemText(i), fm.horizontalAdvance(box->itemText(i)), room);
    }

    void Group(const QGroupBox* g)
    {
        const QFontMetrics fm(g->font());
        // The title sits inside the frame with a small indent either side.
        Need(g, g->title(), fm.horizontalAdvance(g->title()) + 16, g->width());
    }

    void Header(const QTreeWidget* tree)
    {
        if (tree->isHeaderHidden() || !tree->headerItem())
            return;
        const QHeaderView* h = tree->header();
        const QFontMetrics fm(h->font());
        const int margin = 2 * h->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, h);
        for (int c = 0; c < tree->columnCount(); ++c)
            if (!h->isSectionHidden(c))
                Need(tree, tree->headerItem()->text(c), fm.horizontalAdvance(tree->headerItem()->text(c)) + margin,
                     h->sectionSize(c));
    }

    // The drawn button: the caption lines beside or over its picture, inside
    // a border of two pixels each side.
    void Drawn(const Tfr_button* b)
    {
        const QFontMetrics fm(KitFont());
        int widest = 0;
        for (const QString& line : b->Lines())
            widest = std::max(widest, fm.horizontalAdvance(line));
        if (widest == 0)
            return;
        int needW = widest + 4, needH = int(b->Lines().size()) * fm.height();
        if (b->HasPicture()) {
            if (b->PictureLayout() == Tfr_button::PictureLeft || b->PictureLayout() == Tfr_button::PictureRight)
                needW += b->Picture().width() + Tfr_button::PictureGap;
            else
                needH += b->Picture().height() + Tfr_button::PictureGap;
        }
        const QString text = b->Lines().join(QLatin1Char('\n'));
        Need(b, text, needW, b->width());
        Need(b, text, needH, b->height());
    }

    // The menu bar's titles stand side by side and must end inside the bar.
    void Menu(const Tfr_mainmenu* m)
    {
        if (m->ItemEdges().isEmpty() || m->Items().isEmpty())
            return;
        const QFontMetrics fm(KitFont());
        const Tmmitem& last = m->Items().last();
        Need(m, last.Name, m->ItemEdges().at(m->Items().size() - 1) + fm.horizontalAdvance(last.Name), m->width());
    }
};

} // namespace

QStringList TextMisfits(QWidget* window)
{
    Checker c;
    QList<QWidget*> all = window->findChildren<QWidget*>();
    all.prepend(window);
    for (const QWidget* w : all) {
        // A dialog the window owns (Qt's file dialogs) is a window of its own.
        if (w->window() != window)
            continue;
        if (const auto* l = qobject_cast<const QLabel*>(w))
            c.Label(l);
        else if (const auto* b = qobject_cast<const QCheckBox*>(w))
            c.Check(b);
        else if (const auto* r = qobject_cast<const QRadioButton*>(w))
            c.Check(r);
        else if (const auto* p = qobject_cast<const QPushButton*>(w))
            c.Push(p);
        else if (const auto* box = qobject_cast<const QComboBox*>(w))
            c.Combo(box);
        else if (const auto* g = qobject_cast<const QGroupBox*>(w))
            c.Group(g);
        else if (const auto* t = qobject_cast<const QTreeWidget*>(w))
            c.Header(t);
        else if (const auto* d = qobject_cast<const Tfr_button*>(w))
            c.Drawn(d);
        else if (const auto* m = qobject_cast<const Tfr_mainmenu*>(w))
            c.Menu(m);
    }
    return c.misfits;
}

namespace {
// Where an element of a band prints: a label's lines as its font sets them
// (the middle half of their height, as for the windows), a picture's area.
// Empty for an empty label and for a rule (a line of underscores, drawn
// under a title on purpose).
QRect PrintedArea(const TReportElement* e, QString* text)
{
    if (const auto* image = dynamic_cast<const TReportImage*>(e))
        return QRect(image->pos, QSize(image->width, image->height));
    const auto* label = dynamic_cast<const TReportLabel*>(e);
    if (!label)
        return QRect();
    *text = label->TextOn(TReportPage{});
    if (text->trimmed().isEmpty() || text->count(QLatin1Char('_')) == text->size())
        return QRect();
    const QFontMetrics fm(label->font);
    int widest = 0;
    const QStringList lines = text->split(QLatin1Char('\n'));
    for (const QString& line : lines)
        widest = std::max(widest, fm.horizontalAdvance(line));
    const int h = int(lines.size()) * fm.height();
    return QRect(label->pos.x(), label->pos.y() + h / 4, widest, h - h / 2);
}
} // namespace

QStringList ReportMisfits(const TReportBand* band, int bandWidth)
{
    QStringList misfits;
    for (; band; band = band->child) {
        const auto& elements = band->Elements();
        for (const auto& e : elements) {
            QString text;
            const QRect area = PrintedArea(e.get(), &text);
            if (area.isEmpty() || text.isEmpty())
                continue;
            if (area.right() >= bandWidth)
                misfits << QStringLiteral("report: \"%1\" runs past the band (%2 px of %3)")
                               .arg(text).arg(area.right() + 1).arg(bandWidth);
            for (const auto& other : elements) {
                QString otherText;
                const QRect next = PrintedArea(other.get(), &otherText);
                if (other != e && !next.isEmpty() && next.x() > area.x() && next.intersects(area))
                    misfits << QStringLiteral("report: \"%1\" runs into \"%2\"").arg(text, otherText);
            }
        }
    }
    return misfits;
}
