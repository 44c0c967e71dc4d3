#include "widgets/Frmainmenu.h"
#include "widgets/KitFont.h"
#include "widgets/PaintBox.h"
#include "widgets/U_drawing.h"
#include <QAction>
#include <QEvent>
#include <QPainter>

namespace {
constexpr int TitleStart = 5;     // first title's text from the left end
constexpr int TitleSpacing = 10;  // between consecutive titles
constexpr int HighlightMargin = 5;
constexpr int DropDownMargin = 5;
constexpr int SeparatorHeight = 10;

const QColor MenuText(255, 255, 255);
const TColor BarColour = RGBColor(83, 83, 83);
} // namespace

bool Tfr_mainmenu::IsSeparator(const QString& title)
{
    return title == QLatin1String("-") || title == QLatin1String("_");
}

Tfr_mainmenu::Tfr_mainmenu(QWidget* parent)
    : QWidget(parent)
    , P(new TPaintBox(this))
{
    P->OnPaint = [this](QPainter& c) { PPaint(c); };
    P->OnMouseDown = [this](Qt::MouseButton b, QPoint pos) { PMouseDown(b, pos); };
    P->OnMouseMove = [this](QPoint pos) { PMouseMove(pos); };

    dropDown = new QWidget(parent ? parent : this);
    dropDown->setAttribute(Qt::WA_NoSystemBackground);
    dropDown->hide();
    dropDownImage = new TPaintBox(dropDown);
    dropDownImage->OnPaint = [this](QPainter& c) { c.drawImage(0, 0, dropDownPicture); };
    dropDownImage->OnMouseMove = [this](QPoint pos) { DropDownMouseMove(pos); };
    dropDownImage->OnClick = [this] { DropDownClick(); };

    resize(667, 30);
}

Tfr_mainmenu::~Tfr_mainmenu()
{
    // The drop-down lives in the parent window; it goes with the bar.
    delete dropDown.data();
}

void Tfr_mainmenu::resizeEvent(QResizeEvent*)
{
    P->setGeometry(rect());
}

void Tfr_mainmenu::changeEvent(QEvent* e)
{
    // A disabled bar keeps its drop-down from picking too.
    if (e->type() == QEvent::EnabledChange && dropDown)
        dropDown->setEnabled(isEnabled());
    QWidget::changeEvent(e);
}

void Tfr_mainmenu::SetItems(const TmmitemList& list)
{
    // A new list ends any menu use of the old one.
    items = list;
    itemIndex = -1;
    subItemIndex = -1;
    dropDownOpen = false;
    dropDownItem = -1;
    dropDown->hide();
    const QFontMetrics fm(KitFont());
    itemEdges = {TitleStart};
    for (const Tmmitem& it : items)
        itemEdges << itemEdges.last() + fm.horizontalAdvance(it.Name) + TitleSpacing;
    P->update();
}

void Tfr_mainmenu::PPaint(QPainter& canvas)
{
    const int W = width(), H = height();
    QImage bar(W, H, QImage::Format_RGB32);
    if (bar.isNull())
        return;
    bar.fill(ToQColor(BarColour));
    QPainter p(&bar);
    if (itemIndex >= 0 && itemIndex < items.size()) {
        const int left = itemEdges[itemIndex] - HighlightMargin;
        const int right = itemEdges[itemIndex + 1] - HighlightMargin;   // half-open
        GradientFill(p, left, 0, right, H / 2, RGBColor(152, 152, 152), RGBColor(82, 115, 125), GradientTopToBottom);
        GradientFill(p, left, H / 2, right, H, RGBColor(82, 115, 125), RGBColor(50, 176, 214), GradientTopToBottom);
    }
    const QFont font = KitFont();
    p.setFont(font);
    p.setPen(MenuText);
    const QFontMetrics fm(font);
    for (int i = 0; i < items.size(); ++i)
        p.drawText(itemEdges[i], (H - fm.height()) / 2 + fm.ascent(), items[i].Name);
    p.end();
    canvas.drawImage(0, 0, bar);
}

int Tfr_mainmenu::ItemAt(int x) const
{
    for (int i = 0; i < items.size(); ++i) {
        if (itemEdges[i] < x && x < itemEdges[i + 1])
            return i;
    }
    return -1;
}

void Tfr_mainmenu::PMouseMove(QPoint pos)
{
    const int i = ItemAt(pos.x());
    if (i >= 0) {
        if (i == itemIndex)
            return;
        itemIndex = i;
        P->repaint();
        if (dropDownOpen) {
            LayoutDropDown(i);
            PositionDropDown(i);
            dropDown->show();
        }
    } else if (itemIndex != -1) {
        itemIndex = -1;
        P->repaint();
        if (dropDownOpen)
            dropDown->hide();
    }
}

void Tfr_mainmenu::PMouseDown(Qt::MouseButton, QPoint)
{
    if (itemIndex == -1) {
        if (dropDownOpen) {
            dropDownOpen = false;
            dropDown->hide();
        }
        return;
    }
    dropDownOpen = !dropDownOpen;
    if (dropDownOpen)
        OpenDropDown();
    else
        dropDown->hide();
}

void Tfr_mainmenu::OpenDropDown()
{
    // The drop-down lies in the bar's parent window, over its other
    // controls.
    QWidget* host = parentWidget() ? parentWidget() : this;
    if (dropDown->parentWidget() != host) {
        dropDown->setParent(host);
        dropDown->setEnabled(isEnabled());
    }
    dropDown->raise();
    LayoutDropDown(itemIndex);
    PositionDropDown(itemIndex);
    dropDown->show();
}

void Tfr_mainmenu::LayoutDropDown(int item)
{
    subItemIndex = -1;
    dropDownItem = item;
    const QFontMetrics fm(KitFont());
    const QStringList& subItems = items[item].SubItems;
    rowTops.clear();
    int y = DropDownMargin;
    dW = 0;
    for (const QString& title : subItems) {
        rowTops << y;
        if (IsSeparator(title)) {
            y += SeparatorHeight;
        } else {
            y += fm.height();
            dW = std::max(dW, fm.horizontalAdvance(title) + 2 * DropDownMargin);
        }
    }
    dH = y + DropDownMargin;
    dropDown->resize(dW, dH);
    dropDownImage->setGeometry(0, 0, dW, dH);
    PaintDropDown(-1);
}

void Tfr_mainmenu::PositionDropDown(int item)
{
    const int L = x();
    int left = itemEdges[item] + L - HighlightMargin;
    if (itemEdges[item] + L + dW - HighlightMargin > width())
        left = itemEdges[item + 1] + L - HighlightMargin - dW;
    dropDown->move(left, y() + height());
}

void Tfr_mainmenu::PaintDropDown(int highlightRow)
{
    dropDownPicture = QImage(dW, dH, QImage::Format_RGB32);
    if (!dropDownPicture.isNull()) {
        QPainter p(&dropDownPicture);
        GradientFill(p, 0, 0, dW / 2, dH, RGBColor(83, 83, 83), RGBColor(100, 100, 100), GradientLeftToRight);
        GradientFill(p, dW / 2, 0, dW, dH, RGBColor(100, 100, 100), RGBColor(83, 83, 83), GradientLeftToRight);
        const QStringList& subItems = items[dropDownItem].SubItems;
        if (highlightRow >= 0 && !IsSeparator(subItems[highlightRow])) {
            const int top = rowTops[highlightRow];
            const int bottom = highlightRow + 1 < rowTops.size() ? rowTops[highlightRow + 1] : dH - DropDownMargin;
            GradientFill(p, 0, top, dW / 2, bottom, RGBColor(134, 134, 134), RGBColor(117, 117, 117), GradientLeftToRight);
            GradientFill(p, dW / 2, top, dW, bottom, RGBColor(117, 117, 117), RGBColor(134, 134, 134), GradientLeftToRight);
        }
        const QFont font = KitFont();
        p.setFont(font);
        const QFontMetrics fm(font);
        for (int j = 0; j < subItems.size(); ++j) {
            if (IsSeparator(subItems[j])) {
                p.fillRect(0, rowTops[j] + SeparatorHeight / 2, dW, 1, QColor(0, 0, 255));
            } else {
                p.setPen(MenuText);
                p.drawText(DropDownMargin, rowTops[j] + fm.ascent(), subItems[j]);
            }
        }
    }
    dropDownImage->update();
}

int Tfr_mainmenu::RowAt(int y) const
{
    const int n = rowTops.size();
    for (int j = 0; j + 1 < n; ++j) {
        if (rowTops[j] < y && y < rowTops[j + 1])
            return j;
    }
    if (n > 0 && rowTops[n - 1] < y)
        return n - 1;
    return -1;
}

void Tfr_mainmenu::DropDownMouseMove(QPoint pos)
{
    if (dropDownItem < 0 || dropDownItem >= items.size())
        return;
    const int j = RowAt(pos.y());
    if (j >= 0 && j == subItemIndex)
        return;
    if (j >= 0)
        subItemIndex = j;
    PaintDropDown(j);
}

void Tfr_mainmenu::DropDownClick()
{
    dropDownOpen = false;
    dropDown->hide();
    if (PickAction)
        PickAction->trigger();
}
