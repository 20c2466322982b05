#include "platform/controls.h"

#include "platform/fonts.h"

#include <QListView>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QValidator>
#include <algorithm>
#include <stdexcept>

namespace platform {

namespace {

void SetRoleColor(QWidget* w, std::initializer_list<QPalette::ColorRole> roles, OleColor color)
{
    QPalette p = w->palette();
    for (QPalette::ColorRole role : roles)
        p.setColor(role, ToQColor(color));
    w->setPalette(p);
}

// The drop-down's list, with a keyboard search that tells upper from lower
// case: "K" and "k" are two different board commands, and typing k must not
// pick K.
class CaseSensitiveListView : public QListView {
public:
    void keyboardSearch(const QString& search) override
    {
        QAbstractItemModel* items = model();
        if (!items || search.isEmpty())
            return;
        const int rows = items->rowCount(rootIndex());
        const int current = currentIndex().isValid() ? currentIndex().row() : -1;
        // Repeating the key steps on to the next item that starts with it.
        for (int i = 1; i <= rows; ++i) {
            const QModelIndex index = items->index((current + i) % rows, modelColumn(), rootIndex());
            if (index.data().toString().startsWith(search.right(1), Qt::CaseSensitive)) {
                setCurrentIndex(index);
                return;
            }
        }
    }
};

// A single-line box takes a pasted or dropped text up to its first line
// break, as desktop entries do. Left in, the break of a frequency copied
// from a terminal or a spreadsheet would show as a blank, and the number
// rules would refuse the text.
class FirstLineOnly : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override
    {
        static const QRegularExpression lineBreak(QStringLiteral("[\r\n]"));
        for (qsizetype cut = input.indexOf(lineBreak); cut >= 0; cut = input.indexOf(lineBreak)) {
            // What was put in ends at the cursor: its later lines go, and
            // the text after the cursor stays.
            const qsizetype end = cut < pos ? pos : input.size();
            input.remove(cut, end - cut);
            pos = int(std::min<qsizetype>(pos, cut));
        }
        return Acceptable;
    }
};

}  // namespace

TextBox::TextBox(QWidget* parent) : QLineEdit(parent)
{
    setFont(DefaultFont());
    setValidator(new FirstLineOnly(this));
}

void TextBox::SetBackColor(OleColor color) { SetRoleColor(this, {QPalette::Base}, color); }

CommandButton::CommandButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent)
{
    // Enter and Escape press no button by themselves.
    setAutoDefault(false);
    setDefault(false);
    setFont(DefaultFont());
    connect(this, &QPushButton::clicked, this, &CommandButton::Click);
}

ComboBox::ComboBox(Style style, QWidget* parent) : QComboBox(parent), style_(style)
{
    setFont(DefaultFont());
    setEditable(style == Style::Editable);
    // Items come only from the program, never from typing into the edit field.
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(8);
    // Only a list of fixed items needs it; the editable history list keeps
    // Qt's own search, which matches every key typed so far.
    if (style == Style::ListOnly)
        setView(new CaseSensitiveListView);
    // activated fires on every pick by the user, also of the item already
    // selected; programmatic changes go through SetText.
    connect(this, &QComboBox::activated, this, &ComboBox::Click);
    // When editing ends on a text that matches another item, Qt selects that
    // item and raises activated as if it had been picked. Typing is no pick:
    // cut the edit field's end of editing off from the list.
    if (style == Style::Editable)
        disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
}

QString ComboBox::Text() const
{
    if (style_ == Style::Editable)
        return currentText();
    return currentIndex() < 0 ? QString() : itemText(currentIndex());
}

void ComboBox::SetText(const QString& value)
{
    if (style_ == Style::Editable) {
        setEditText(value);
        return;
    }
    const int index = findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        throw std::invalid_argument("\"" + value.toStdString() + "\" is not an item of the list.");
    setCurrentIndex(index);
    emit Click();
}

void ComboBox::SetBackColor(OleColor color)
{
    SetRoleColor(this, {QPalette::Base, QPalette::Button}, color);
}

Label::Label(const QString& caption, QWidget* parent) : QLabel(caption, parent), foreColor_(kButtonText)
{
    setFont(DefaultFont());
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::NoFocus);
    // Captions start at the top-left corner the layout places them by.
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetForeColor(kButtonText);
}

void Label::SetForeColor(OleColor color)
{
    foreColor_ = color;
    SetRoleColor(this, {QPalette::WindowText}, color);
}

void Label::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit Click();
}

PictureBox::PictureBox(QWidget* parent) : Label(QString(), parent)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(2);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

}  // namespace platform
