#pragma once
#include "editors/EditorState.h"
#include <QObject>
#include <functional>
#include <memory>
#include <optional>

class QUndoStack;
class QWidget;

// What the editors hold, seen as a document: the programmer file it was
// loaded from or last saved to (empty: none, e.g. read from a station),
// which is where "Сохранить" writes and what the title names, and the
// editor state that its origin holds (the file's content, or what was read
// or there at start-up).
struct TDocument {
    QString file;
    TEditorState kept;
};

// The undo history of the two editor pages, the document they hold and
// whether they hold unsaved work. Each committed edit becomes one step: a
// tick, a list pick, a stepped or committed frequency, a track bar, a noise
// level, the set-channel dialog's result. Changes made while a mouse button
// is held (an arrow button repeating, a slider dragged) make one step when
// it is released, and so do the changes of one held key (its auto-repeat);
// a typed value makes its step when it is committed. A whole file load,
// read or import is one step, taken through Step or Replace. Steps hold the
// editors' state before and after, so undo puts back exactly what was
// shown; a load or a read also puts back the document it replaced, so the
// title and the save target follow undo and redo.
class TEditHistory : public QObject {
    Q_OBJECT
public:
    explicit TEditHistory(QObject* parent = nullptr);

    QUndoStack* Stack() const { return stack; }

    // Follows every value control on a page: a change of one schedules a
    // look at the editors once the event that caused it is handled.
    void Watch(QWidget* page);

    // Forgets all steps; the editors as they are now are an unnamed
    // document with no unsaved work.
    void Reset();

    // Runs a change of the editors as one step named text (an exception
    // from it still records what it had changed, then goes on). The
    // document stays what it was.
    void Step(const QString& text, const std::function<void()>& change);

    // Runs a change that puts another document into the editors, as one
    // step: afterwards they hold the file's content (an empty file: an
    // unnamed document, such as a read from the station) with no unsaved
    // work. Undo brings back the document before it, with its name. An
    // exception from the change records what it had changed as an
    // ordinary step of the old document, then goes on.
    void Replace(const QString& text, const std::function<void()>& change, const QString& file);

    // The editors as they are now were saved to file: it becomes the
    // document's name. Every document of the history named so now knows
    // that the file holds this state.
    void Saved(const QString& file);
    // The editors as they are now are what the station holds (read or
    // written); the document keeps its name. An empty state: the station
    // holds something the editors do not show.
    void InStation();
    void StationUnknown();

    const TDocument& Document() const { return *document; }
    // True while the editors differ both from what their document's origin
    // holds and from what the station was last known to hold.
    bool Unsaved() const;

    // Undo and redo of one step; an edit not taken yet (a typed value not
    // committed) becomes a step first, so undo takes back what was typed.
    void Undo();
    void Redo();

    // Records an edit not taken yet as a step now.
    void Capture();

    // Puts the editors into a state of the history and, when given, makes
    // that state's document current (undo and redo).
    void Apply(const TEditorState& state, const std::shared_ptr<TDocument>& documentThen = nullptr);

signals:
    // The document's name or its unsaved state may have changed.
    void Changed();

protected:
    // Follows the keyboard: the presses of one held key, first and
    // auto-repeated, are one burst, whose changes make one step.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Schedule();
    void Settle();
    void Push(TEditorState after, const QString& text, int burst,
              const std::shared_ptr<TDocument>& documentAfter = nullptr);

    QUndoStack* stack;
    TEditorState current;
    std::shared_ptr<TDocument> document;
    std::optional<TEditorState> station;
    bool applying = false;
    bool scheduled = false;

    // The held key: its code and the number of its burst (0: no key held).
    int heldKey = 0;
    int keyBurst = 0;
    int burstCount = 0;
    // The burst during which the edit waiting to be taken was made.
    int scheduledBurst = 0;
};
