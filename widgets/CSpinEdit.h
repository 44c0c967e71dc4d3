#pragma once
#include <QWidget>

class QLineEdit;
class QToolButton;

// The integer entry field of the editors: a text field with two arrow
// buttons at its right end. The arrows and the Up and Down keys change the
// value by Increment. Setting the value clamps it into the bounds, unless
// both bounds are equal (a new field has both at 0: nothing is clamped).
// The value read back is the text taken as a decimal integer; text that is
// not an integer reads as the lower bound and the text is reset to it.
// Leaving the field clamps a typed value. Only digits, signs and the
// decimal separator can be typed.
class TCSpinEdit : public QWidget {
    Q_OBJECT
public:
    explicit TCSpinEdit(QWidget* parent = nullptr);

    int Value();
    void SetValue(int value);
    // The typed value brought into the bounds, as leaving the field would
    // do: callers that store the value while the field may still have the
    // focus use this.
    int ClampedValue();

    int MinValue() const { return minValue; }
    int MaxValue() const { return maxValue; }
    int Increment() const { return increment; }
    // Changing the bounds or the increment does not re-check the value.
    void SetMinValue(int v) { minValue = v; }
    void SetMaxValue(int v) { maxValue = v; }
    void SetIncrement(int v) { increment = v; }

    QString Text() const;
    // Sets the text as it is; setting the text already shown changes nothing
    // and raises no Change.
    void SetText(const QString& text);

    // One step down or up by Increment, clamped.
    void StepDown();
    void StepUp();

    int CheckValue(int value) const;

    // True while Change is being delivered for a text the user typed,
    // pasted or undid, false for a change made from code (SetText,
    // SetValue, stepping, the reset of a text that is not a number).
    bool TypedChange() const { return typedChange; }

    QLineEdit* Editor() const { return edit; }

signals:
    // The text changed, by typing, stepping or from code.
    void Change();
    // The user typed into the field (a subset of Change).
    void Edited();
    // The mouse was clicked into the text field.
    void Click();
    // The user finished an entry: Enter, or the field lost the focus (after
    // the clamping that leaving the field does).
    void Commit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent*) override;
    // One step up or down per notch of the wheel.
    void wheelEvent(QWheelEvent* event) override;

private:
    void TextChanged();

    QLineEdit* edit;
    QToolButton* upButton;
    QToolButton* downButton;
    int minValue = 0;
    int maxValue = 0;
    int increment = 1;
    bool pressedInside = false;
    int codeChanges = 0;
    int wheelAngle = 0;   // the part of a notch turned so far
    bool typedChange = false;
};
