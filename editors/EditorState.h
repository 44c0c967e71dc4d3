#pragma once
#include "document/ProgrammerFile.h"
#include <QVector>
#include <array>

// One channel row as the editors show it: its values and the bounds and
// step of its two frequency fields.
struct TRowState {
    TProgrammerChannel values;
    std::array<int, 3> rxBounds{};   // min, max, step
    std::array<int, 3> txBounds{};
    bool operator==(const TRowState& o) const;
};

// Everything both editor pages hold, taken without touching a control:
// what undo and redo put back, and what tells an edit from no change.
struct TEditorState {
    std::array<int, 9> lists{};    // the settings page's lists, in the order of Lists()
    std::array<bool, 7> flags{};   // CheckBox1..CheckBox7
    int timeout = 0;
    int pwmPower = 0;
    std::array<int, 10> noiseLevels{};
    int step = 0;                  // frequencyStep
    int bandShown = -1;            // the band item the rows carry
    QVector<TRowState> rows;
    bool operator==(const TEditorState& o) const;
    bool operator!=(const TEditorState& o) const { return !(*this == o); }
};

// The state of the editor pages now. A frequency field whose text is not a
// number counts as its lower bound, as reading it would make it.
TEditorState CaptureEditors();

// Puts the editor pages into a state taken before: no band change, no
// mirroring of one frequency into the other.
void RestoreEditors(const TEditorState& state);

// The channel table of a state, and a state with another channel table
// (same number of rows; bounds stay).
QVector<TProgrammerChannel> ChannelValues(const TEditorState& state);
void SetChannelValues(TEditorState& state, const QVector<TProgrammerChannel>& channels);
