#pragma once

#include "platform/colors.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class QMouseEvent;

namespace platform {

// Each control offers the services its window's handlers use, under the
// names those handlers use.

class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent);
    QString Text() const { return text(); }
    void SetText(const QString& value) { setText(value); }
    void SetFocus() { setFocus(Qt::OtherFocusReason); }
    bool Visible() const { return !isHidden(); }
    void SetVisible(bool visible) { setVisible(visible); }
    void SetBackColor(OleColor color);
};

class CommandButton : public QPushButton {
    Q_OBJECT
public:
    CommandButton(const QString& caption, QWidget* parent);
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool enabled) { setEnabled(enabled); }
    bool Visible() const { return !isHidden(); }
    void SetVisible(bool visible) { setVisible(visible); }
signals:
    void Click();
};

// A drop-down list. A list-only one shows only its items; the other has an
// edit field.
class ComboBox : public QComboBox {
    Q_OBJECT
public:
    enum class Style { ListOnly, Editable };
    ComboBox(Style style, QWidget* parent);

    // The selected item's text; for an editable list, its edit text.
    QString Text() const;
    // For a list-only list: selects the item of that text and raises Click,
    // as a pick by the user does; a text that is no item is refused. For an
    // editable list: replaces the edit text.
    void SetText(const QString& value);

    int ListCount() const { return count(); }
    QString List(int index) const { return itemText(index); }
    void AddItem(const QString& item) { addItem(item); }
    void SetBackColor(OleColor color);

signals:
    // An item was picked, by the user (also the one already selected) or by
    // SetText.
    void Click();

private:
    Style style_;
};

class Label : public QLabel {
    Q_OBJECT
public:
    Label(const QString& caption, QWidget* parent);
    QString Caption() const { return text(); }
    void SetCaption(const QString& caption) { setText(caption); }
    OleColor ForeColor() const { return foreColor_; }
    void SetForeColor(OleColor color);
    bool Visible() const { return !isHidden(); }
    void SetVisible(bool visible) { setVisible(visible); }
signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    OleColor foreColor_;
    bool pressed_ = false;
};

// A picture inside a fixed single-line border of 2 pixels.
class PictureBox : public Label {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent);
    void SetPicture(const QPixmap& picture) { setPixmap(picture); }
};

}  // namespace platform
