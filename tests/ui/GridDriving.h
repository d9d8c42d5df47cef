#pragma once

#include "platform/Grids.h"
#include "platform/StdCtrls.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>

// Helpers that drive the main window's grids and editors as a user would.

// Data row whose symbol cell is symbol; -1 when the grid has none.
inline int RowOfSymbol(const TStringGrid *grid, const AnsiString &symbol)
{
    for (int r = 1; r < grid->RowCount(); ++r)
        if (grid->Cells(0, r) == symbol)
            return r;
    return -1;
}

// One key press and its release, sent to the editor's line edit.
inline void PressKey(TEdit *edit, int key, const QString &text = QString())
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(edit->LineEdit(), &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(edit->LineEdit(), &release);
}

inline int KeyOfChar(QChar c)
{
    if (c.isDigit())
        return Qt::Key_0 + c.digitValue();
    if (c.isLetter() && c.toUpper().unicode() < 128)
        return Qt::Key_A + (c.toUpper().unicode() - 'A');
    switch (c.unicode()) {
    case '.':
        return Qt::Key_Period;
    case '-':
        return Qt::Key_Minus;
    case '+':
        return Qt::Key_Plus;
    case ' ':
        return Qt::Key_Space;
    default:
        return Qt::Key_unknown;
    }
}

// Types text key by key; after each key, check(i) is called with the text typed so far.
template <class Check> void TypeText(TEdit *edit, const QString &text, Check check)
{
    for (int i = 0; i < text.size(); ++i) {
        PressKey(edit, KeyOfChar(text[i]), QString(text[i]));
        check(text.left(i + 1));
    }
}

inline void TypeText(TEdit *edit, const QString &text)
{
    TypeText(edit, text, [](const QString &) {});
}

// Opens the list as a desktop does, its view taking the keyboard focus, and presses the keys there:
// the shortcut check first, then the press while the list is open.
inline void KeysInOpenedList(QComboBox *list, std::initializer_list<int> keys)
{
    list->showPopup();
    QFocusEvent in(QEvent::FocusIn, Qt::PopupFocusReason);
    QApplication::sendEvent(list->view(), &in);
    for (int key : keys) {
        QKeyEvent check(QEvent::ShortcutOverride, key, Qt::NoModifier),
            press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(list->view(), &check);
        if (list->view()->isVisible())
            QApplication::sendEvent(list->view(), &press);
    }
}
