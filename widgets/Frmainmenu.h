#pragma once
#include "widgets/Tmmitem.h"
#include <QImage>
#include <QList>
#include <QPointer>
#include <QWidget>

class QAction;
class QPainter;
class TPaintBox;

// The main window's menu bar: a dark strip with the top-level titles and a
// drop-down of sub-items below the highlighted title. A press on a title
// opens or closes the drop-down (menu mode); while it is open, sliding along
// the bar switches it from title to title. Clicking a drop-down row hides
// the drop-down and triggers PickAction; ItemIndex and SubItemIndex then
// name the pick. The menu has no keyboard interface.
class Tfr_mainmenu : public QWidget {
    Q_OBJECT
public:
    explicit Tfr_mainmenu(QWidget* parent = nullptr);
    ~Tfr_mainmenu() override;

    // Copies the items, recomputes where the titles stand and repaints.
    void SetItems(const TmmitemList& items);
    const TmmitemList& Items() const { return items; }
    // Where the title text of each item starts, in bar coordinates, plus one
    // entry 10 pixels after the end of the last title.
    const QList<int>& ItemEdges() const { return itemEdges; }
    int ItemIndex() const { return itemIndex; }
    int SubItemIndex() const { return subItemIndex; }
    bool DropDownOpen() const { return dropDownOpen; }
    // Executed when a drop-down row is clicked.
    QPointer<QAction> PickAction;

    // The painting surface of the bar; it receives the bar's mouse input.
    TPaintBox* P;
    // The drop-down: a borderless child of the bar's parent window while the
    // menu is used, holding one picture control that receives its mouse.
    QWidget* DropDown() const { return dropDown; }
    TPaintBox* DropDownImage() const { return dropDownImage; }

    // True for a sub-item titled exactly "-" or "_".
    static bool IsSeparator(const QString& title);

protected:
    void resizeEvent(QResizeEvent*) override;
    void changeEvent(QEvent*) override;

private:
    void PPaint(QPainter& canvas);
    void PMouseDown(Qt::MouseButton button, QPoint pos);
    void PMouseMove(QPoint pos);
    int ItemAt(int x) const;
    void OpenDropDown();
    void LayoutDropDown(int item);
    void PositionDropDown(int item);
    void PaintDropDown(int highlightRow);
    int RowAt(int y) const;
    void DropDownMouseMove(QPoint pos);
    void DropDownClick();

    TmmitemList items;
    QList<int> itemEdges;
    int itemIndex = -1;
    int subItemIndex = -1;
    bool dropDownOpen = false;

    QPointer<QWidget> dropDown;
    TPaintBox* dropDownImage = nullptr;
    QImage dropDownPicture;
    // The item the drop-down was laid out for, its row tops, its width and height.
    int dropDownItem = -1;
    QList<int> rowTops;
    int dW = 0;
    int dH = 0;
};
