#include "app/EditHistory.h"
#include "widgets/CSpinEdit.h"
#include <QAbstractSlider>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QTimer>
#include <QUndoStack>
#include <QWidget>

namespace {
// The number of steps kept: each holds two states of a few kilobytes.
constexpr int StepLimit = 300;
// While a mouse button is held, how often to look whether it is released.
constexpr int ReleasePoll = 50;
// The id of steps that may merge: the changes of one held key.
constexpr int KeyBurstId = 1;

// One step of the history: the editors before and after it and, for a step
// that put another document into the editors, the documents before and
// after (shared with the history, so that a later save renames them).
class TStateStep : public QUndoCommand {
public:
    TStateStep(TEditHistory* history, TEditorState before, TEditorState after, const QString& text, int burst,
               std::shared_ptr<TDocument> documentBefore, std::shared_ptr<TDocument> documentAfter)
        : QUndoCommand(text), history(history), before(std::move(before)), after(std::move(after)), burst(burst),
          documentBefore(std::move(documentBefore)), documentAfter(std::move(documentAfter))
    {
    }
    void undo() override { history->Apply(before, documentBefore); }
    void redo() override
    {
        // Pushing the step runs redo; the editors already show it.
        if (done)
            history->Apply(after, documentAfter);
        done = true;
    }
    // The changes of one held key merge into one step.
    int id() const override { return burst != 0 && !documentAfter ? KeyBurstId : -1; }
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const TStateStep*>(other);
        if (next->burst != burst || next->documentAfter)
            return false;
        after = next->after;
        // Held up and back down to where it started: no step at all.
        setObsolete(after == before);
        return true;
    }
    // Every document this step refers to.
    void ForEachDocument(const std::function<void(TDocument&)>& visit) const
    {
        for (const std::shared_ptr<TDocument>& d : {documentBefore, documentAfter})
            if (d)
                visit(*d);
    }

private:
    TEditHistory* history;
    TEditorState before;
    TEditorState after;
    int burst;
    std::shared_ptr<TDocument> documentBefore;
    std::shared_ptr<TDocument> documentAfter;
    bool done = false;
};
} // namespace

TEditHistory::TEditHistory(QObject* parent)
    : QObject(parent), stack(new QUndoStack(this)), document(std::make_shared<TDocument>())
{
    stack->setUndoLimit(StepLimit);
    qApp->installEventFilter(this);
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

bool TEditHistory::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        // A press of another key starts a burst; the auto-repeated presses
        // of the held key (and the same press passed on to a parent) stay
        // in it.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != heldKey || keyBurst == 0) {
            heldKey = key->key();
            keyBurst = ++burstCount;
        }
        break;
    }
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat() && key->key() == heldKey)
            heldKey = keyBurst = 0;
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::ApplicationDeactivate:
        heldKey = keyBurst = 0;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void TEditHistory::Schedule()
{
    if (applying)
        return;
    if (scheduled) {
        // Changes of two different bursts (or of a key and something else)
        // waiting together make an ordinary step.
        if (scheduledBurst != keyBurst)
            scheduledBurst = 0;
        return;
    }
    scheduled = true;
    scheduledBurst = keyBurst;
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
    if (applying)
        return;
    TEditorState now = CaptureEditors();
    if (now != current)
        Push(std::move(now), QStringLiteral("правка"), scheduledBurst);
}

void TEditHistory::Capture()
{
    if (applying)
        return;
    TEditorState now = CaptureEditors();
    if (now != current)
        Push(std::move(now), QStringLiteral("правка"), 0);
}

void TEditHistory::Push(TEditorState after, const QString& text, int burst,
                        const std::shared_ptr<TDocument>& documentAfter)
{
    TEditorState before = std::move(current);
    current = after;
    std::shared_ptr<TDocument> documentBefore;
    if (documentAfter) {
        documentBefore = document;
        document = documentAfter;
    }
    stack->push(new TStateStep(this, std::move(before), std::move(after), text, burst, std::move(documentBefore),
                               documentAfter));
    emit Changed();
}

void TEditHistory::Reset()
{
    stack->clear();
    current = CaptureEditors();
    document = std::make_shared<TDocument>(TDocument{QString(), current});
    station.reset();
    emit Changed();
}

void TEditHistory::Step(const QString& text, const std::function<void()>& change)
{
    Capture();   // an edit still waiting is a step of its own
    applying = true;
    auto record = [&] {
        applying = false;
        TEditorState after = CaptureEditors();
        if (after != current)
            Push(std::move(after), text, 0);
    };
    try {
        change();
    } catch (...) {
        record();
        throw;
    }
    record();
}

void TEditHistory::Replace(const QString& text, const std::function<void()>& change, const QString& file)
{
    Capture();
    applying = true;
    try {
        change();
    } catch (...) {
        // Whatever the change had done is an edit of the document the
        // editors held; they hold no other one.
        applying = false;
        Capture();
        throw;
    }
    applying = false;
    TEditorState after = CaptureEditors();
    // Also when the editors already showed the same values: the document
    // is another one, and undo must give the earlier one back.
    auto replaced = std::make_shared<TDocument>(TDocument{file, after});
    Push(std::move(after), text, 0, replaced);
}

void TEditHistory::Saved(const QString& file)
{
    // A value the save itself brought into bounds belongs to what was saved.
    Capture();
    document->file = file;
    document->kept = current;
    // An earlier document of the history with the same name is no longer
    // what that file holds: the file now holds this.
    for (int i = 0; i < stack->count(); ++i)
        static_cast<const TStateStep*>(stack->command(i))->ForEachDocument([&](TDocument& d) {
            if (d.file == file)
                d.kept = current;
        });
    emit Changed();
}

void TEditHistory::InStation()
{
    Capture();
    station = current;
    emit Changed();
}

void TEditHistory::StationUnknown()
{
    station.reset();
    emit Changed();
}

bool TEditHistory::Unsaved() const
{
    return current != document->kept && (!station || current != *station);
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

void TEditHistory::Apply(const TEditorState& state, const std::shared_ptr<TDocument>& documentThen)
{
    applying = true;
    RestoreEditors(state);
    applying = false;
    current = CaptureEditors();
    if (documentThen)
        document = documentThen;
    emit Changed();
}
