#pragma once
#include "editors/EditorState.h"
#include <QObject>
#include <functional>

class QUndoStack;
class QWidget;

// The undo history of the two editor pages and whether they hold unsaved
// work. Each committed edit becomes one step: a tick, a list pick, a
// stepped or committed frequency, a track bar, a noise level, the
// set-channel dialog's result. Changes made while a mouse button is held
// (an arrow button repeating, a slider dragged) make one step when it is
// released; a typed value makes its step when it is committed. A whole
// read, file load or import is one step, taken through Step. Steps hold the
// editors' state before and after, so undo puts back exactly what was shown.
class TEditHistory : public QObject {
public:
    explicit TEditHistory(QObject* parent = nullptr);

    QUndoStack* Stack() const { return stack; }

    // Follows every value control on a page: a change of one schedules a
    // look at the editors once the event that caused it is handled.
    void Watch(QWidget* page);

    // Forgets all steps; the editors as they are now count as kept.
    void Reset();

    // Runs a change of the editors as one step named text (an exception
    // from it still records what it had changed, then goes on).
    void Step(const QString& text, const std::function<void()>& change);

    // The editors as they are now count as kept (saved, read, written).
    void Kept();
    // True while the editors differ from what was last kept.
    bool Unsaved() const;

    // Undo and redo of one step; an edit not taken yet (a typed value not
    // committed) becomes a step first, so undo takes back what was typed.
    void Undo();
    void Redo();

    // Records an edit not taken yet as a step now.
    void Capture();

    // Puts the editors into a state of the history (undo and redo).
    void Apply(const TEditorState& state);

private:
    void Schedule();
    void Settle();

    QUndoStack* stack;
    TEditorState current;
    bool applying = false;
    bool scheduled = false;
};
