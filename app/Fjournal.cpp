#include "app/Fjournal.h"
#include "widgets/JournalIcons.h"
#include "document/LocaleFormats.h"
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

Tf_journal* f_journal = nullptr;

Tf_journal::Tf_journal(QWidget* panel)
    : QWidget(panel)
    , ImageList1(JournalIcons())
{
    setWindowTitle(tr("Журнал"));
    ListView1 = new QTreeWidget(this);
    ListView1->setColumnCount(3);
    ListView1->setHeaderLabels({tr("Пиктограмма"), tr("Время"), tr("Событие")});
    ListView1->setHeaderHidden(true);
    ListView1->setRootIsDecorated(false);
    ListView1->setIndentation(0);
    ListView1->setFrameShape(QFrame::NoFrame);
    ListView1->setFocusPolicy(Qt::NoFocus);   // read-only: no focus frame on an entry
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // A line is there to be copied: a backup's path, an error to pass on.
    auto* copy = new QAction(tr("Копировать"), ListView1);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, &Tf_journal::CopySelected);
    ListView1->addAction(copy);
    ListView1->setContextMenuPolicy(Qt::ActionsContextMenu);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setIconSize(QSize(16, 16));
    ListView1->setUniformRowHeights(true);
    ListView1->header()->setStretchLastSection(false);
    ListView1->header()->setMinimumSectionSize(0);
    ListView1->setColumnWidth(0, 24);
    ListView1->setColumnWidth(1, TimeColumnWidth());
    ListView1->setColumnWidth(2, 763);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ListView1);
    show();
}

// 75 pixels hold a 24-hour time; a format with more to it (the English
// "10:27:24 PM") gets the room its widest time needs, so it is never cut.
int Tf_journal::TimeColumnWidth() const
{
    const QFontMetrics fm(ListView1->font());
    int widest = 0;
    for (const QTime& t : {QTime(10, 58, 58), QTime(22, 58, 58)})
        widest = std::max(widest, fm.horizontalAdvance(LongTimeText(t)));
    constexpr int CellMargins = 12;
    return std::max(75, widest + CellMargins);
}

void Tf_journal::AddEvent(int icon, const QString& text)
{
    auto* item = new QTreeWidgetItem(ListView1);
    if (icon >= 0 && icon < ImageList1.size())
        item->setIcon(0, ImageList1[icon]);
    item->setData(0, Qt::UserRole, icon);
    item->setText(1, LongTimeText(QTime::currentTime()));
    item->setText(2, text);
    item->setToolTip(2, text);
    ListView1->scrollToItem(item);
}

void Tf_journal::CopySelected()
{
    QStringList lines;
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = ListView1->topLevelItem(i);
        if (item->isSelected())
            lines << item->text(2);
    }
    if (!lines.isEmpty())
        QGuiApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
}
