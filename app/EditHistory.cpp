#include "app/EditHistory.h"
#include "widgets/CSpinEdit.h"
#include <QAbstractSlider>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QTimer>
#include <QUndoStack>
#include <QWidget>

namespace {
// The number of steps kept: each holds two states of a few kilobytes.
constexpr int StepLimit = 300;
// While a mouse button is held, how often to look whether it is released.
constexpr int ReleasePoll = 50;

// One step of the history: the editors before and after it.
class TStateStep : public QUndoCommand {
public:
    TStateStep(TEditHistory* history, TEditorState before, TEditorState after, const QString& text)
        : QUndoCommand(text), history(history), before(std::move(before)), after(std::move(after))
    {
    }
    void undo() override { history->Apply(before); }
    void redo() override
    {
        // Pushing the step runs redo; the editors already show it.
        if (done)
            history->Apply(after);
        done = true;
    }

private:
    TEditHistory* history;
    TEditorState before;
    TEditorState after;
    bool done = false;
};
} // namespace

TEditHistory::TEditHistory(QObject* parent)
    : QObject(parent), stack(new QUndoStack(this))
{
    stack->setUndoLimit(StepLimit);
}

void TEditHistory::Watch(QWidget* page)
{
    for (QComboBox* box : page->findChildren<QComboBox*>())
        connect(box, &QComboBox::currentIndexChanged, this, &TEditHistory::Schedule);
    for (QCheckBox* box : page->findChildren<QCheckBox*>())
        connect(box, &QCheckBox::toggled, this, &TEditHistory::Schedule);
    for (QAbstractSlider* bar : page->findChildren<QAbstractSlider*>())
        connect(bar, &QAbstractSlider::valueChanged, this, &TEditHistory::Schedule);
    for (TCSpinEdit* field : page->findChildren<TCSpinEdit*>()) {
        // Typing is one step when it is committed, not one per keystroke.
        connect(field, &TCSpinEdit::Change, this, [this, field] {
            if (!field->TypedChange())
                Schedule();
        });
        connect(field, &TCSpinEdit::Commit, this, &TEditHistory::Schedule);
    }
}

void TEditHistory::Schedule()
{
    if (applying || scheduled)
        return;
    scheduled = true;
    QTimer::singleShot(0, this, &TEditHistory::Settle);
}

void TEditHistory::Settle()
{
    // A held arrow button or a dragged slider goes on changing: its
    // changes are one step, taken at the release.
    if (QGuiApplication::mouseButtons() != Qt::NoButton) {
        QTimer::singleShot(ReleasePoll, this, &TEditHistory::Settle);
        return;
    }
    scheduled = false;
    Capture();
}

void TEditHistory::Capture()
{
    if (applying)
        return;
    TEditorState now = CaptureEditors();
    if (now == current)
        return;
    TEditorState before = std::move(current);
    current = now;
    stack->push(new TStateStep(this, std::move(before), std::move(now), QStringLiteral("правка")));
}

void TEditHistory::Reset()
{
    stack->clear();
    current = CaptureEditors();
    stack->setClean();
}

void TEditHistory::Step(const QString& text, const std::function<void()>& change)
{
    Capture();   // an edit still waiting is a step of its own
    TEditorState before = current;
    applying = true;
    auto record = [&] {
        applying = false;
        TEditorState after = CaptureEditors();
        if (after == before)
            return;
        current = after;
        stack->push(new TStateStep(this, std::move(before), std::move(after), text));
    };
    try {
        change();
    } catch (...) {
        record();
        throw;
    }
    record();
}

void TEditHistory::Undo()
{
    Capture();
    stack->undo();
}

void TEditHistory::Redo()
{
    Capture();
    stack->redo();
}

void TEditHistory::Kept()
{
    // A value the keeping itself brought into bounds belongs to what was kept.
    Capture();
    stack->setClean();
}

bool TEditHistory::Unsaved() const { return !stack->isClean(); }

void TEditHistory::Apply(const TEditorState& state)
{
    applying = true;
    RestoreEditors(state);
    applying = false;
    current = CaptureEditors();
}
