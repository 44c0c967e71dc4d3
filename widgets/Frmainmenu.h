#pragma once
#include "widgets/Tmmitem.h"
#include <QPointer>
#include <QWidget>

class QAction;

// The main window's menu bar: a dark strip with the top-level titles and a
// drop-down of sub-items below the highlighted title. Clicking a drop-down
// row hides the drop-down and triggers PickAction; ItemIndex and
// SubItemIndex then name the pick.
class Tfr_mainmenu : public QWidget {
    Q_OBJECT
public:
    explicit Tfr_mainmenu(QWidget* parent = nullptr);
    ~Tfr_mainmenu() override;

    void SetItems(const TmmitemList& items);
    const TmmitemList& Items() const { return items; }
    int ItemIndex() const { return itemIndex; }
    int SubItemIndex() const { return subItemIndex; }
    bool DropDownOpen() const { return dropDownOpen; }
    QPointer<QAction> PickAction;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;

private:
    TmmitemList items;
    QList<int> itemEdges;
    int itemIndex = -1;
    int subItemIndex = -1;
    bool dropDownOpen = false;
};
