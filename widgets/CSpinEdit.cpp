#include "widgets/CSpinEdit.h"
#include "document/Convert.h"
#include "document/NumberText.h"
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolButton>
#include <QValidator>
#include <QWheelEvent>
#include <algorithm>
#include <limits>

namespace {
constexpr int ArrowWidth = 16;

// Lets only digits, signs and the decimal separator of the program's number
// format into the field, whether typed, pasted or dropped. Text set from
// code is not checked.
class TNumberCharacters : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        const QString separator = ProgramLocale().decimalPoint();
        for (QChar c : input) {
            if (!(c.isDigit() || c == QLatin1Char('+') || c == QLatin1Char('-') || separator.contains(c)))
                return Invalid;
        }
        return Acceptable;
    }
};

int Saturate(long long v)
{
    if (v > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (v < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}
} // namespace

TCSpinEdit::TCSpinEdit(QWidget* parent)
    : QWidget(parent)
    , edit(new QLineEdit(this))
    , upButton(new QToolButton(this))
    , downButton(new QToolButton(this))
{
    edit->setText(QStringLiteral("0"));
    edit->setValidator(new TNumberCharacters(edit));
    edit->installEventFilter(this);
    setFocusProxy(edit);
    for (QToolButton* b : {upButton, downButton}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRepeat(true);
    }
    upButton->setArrowType(Qt::UpArrow);
    downButton->setArrowType(Qt::DownArrow);
    connect(upButton, &QToolButton::clicked, this, &TCSpinEdit::StepUp);
    connect(downButton, &QToolButton::clicked, this, &TCSpinEdit::StepDown);
    connect(edit, &QLineEdit::textChanged, this, &TCSpinEdit::TextChanged);
    connect(edit, &QLineEdit::textEdited, this, &TCSpinEdit::Edited);
    connect(edit, &QLineEdit::returnPressed, this, &TCSpinEdit::Commit);
    resize(121, 26);
}

void TCSpinEdit::resizeEvent(QResizeEvent*)
{
    const int w = width(), h = height();
    edit->setGeometry(0, 0, std::max(0, w - ArrowWidth), h);
    upButton->setGeometry(w - ArrowWidth, 0, ArrowWidth, h / 2);
    downButton->setGeometry(w - ArrowWidth, h / 2, ArrowWidth, h - h / 2);
}

int TCSpinEdit::CheckValue(int value) const
{
    if (maxValue == minValue)
        return value;
    return std::clamp(value, std::min(minValue, maxValue), std::max(minValue, maxValue));
}

QString TCSpinEdit::Text() const { return edit->text(); }

void TCSpinEdit::SetText(const QString& text)
{
    if (edit->text() == text)
        return;
    ++codeChanges;
    edit->setText(text);
    --codeChanges;
}

void TCSpinEdit::TextChanged()
{
    // A handler of Change may set this field's text again; the outer
    // delivery keeps its own answer to TypedChange.
    const bool outer = typedChange;
    typedChange = codeChanges == 0;
    emit Change();
    typedChange = outer;
}

int TCSpinEdit::Value()
{
    int v = 0;
    if (TryStrToInt(edit->text(), v))
        return v;
    SetText(QString::number(minValue));
    return minValue;
}

void TCSpinEdit::SetValue(int value) { SetText(QString::number(CheckValue(value))); }

int TCSpinEdit::ClampedValue()
{
    const int v = Value();
    const int c = CheckValue(v);
    if (c != v)
        SetValue(c);
    return c;
}

void TCSpinEdit::StepUp() { SetValue(Saturate(static_cast<long long>(Value()) + increment)); }

void TCSpinEdit::StepDown() { SetValue(Saturate(static_cast<long long>(Value()) - increment)); }

void TCSpinEdit::wheelEvent(QWheelEvent* event)
{
    // A notch is 120; touchpads deliver it in parts.
    wheelAngle += event->angleDelta().y();
    for (; wheelAngle >= 120; wheelAngle -= 120)
        StepUp();
    for (; wheelAngle <= -120; wheelAngle += 120)
        StepDown();
    event->accept();
}

bool TCSpinEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != edit)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Up) {
            StepUp();
            return true;
        }
        if (key->key() == Qt::Key_Down) {
            StepDown();
            return true;
        }
        break;
    }
    case QEvent::ShortcutOverride: {
        // Undo and redo are the program's, over every edit, not the text
        // field's own undo of keystrokes.
        auto* key = static_cast<QKeyEvent*>(event);
        const QKeyCombination k = key->keyCombination();
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)
            || k == QKeyCombination(Qt::CTRL, Qt::Key_Y)
            || k == QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Z)) {
            event->ignore();
            return true;
        }
        break;
    }
    case QEvent::FocusOut:
        ClampedValue();
        emit Commit();
        break;
    case QEvent::MouseButtonPress:
        pressedInside = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        break;
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const bool click = pressedInside && mouse->button() == Qt::LeftButton
            && edit->rect().contains(mouse->position().toPoint());
        pressedInside = false;
        if (click) {
            // Reported once the field has handled the release itself: a
            // click handler may open a modal dialog.
            QMetaObject::invokeMethod(this, &TCSpinEdit::Click, Qt::QueuedConnection);
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
