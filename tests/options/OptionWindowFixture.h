#pragma once
// The option editor in a test: program start, frm_option and stand-ins for
// the dialogs it opens defined, a main window stand-in (an MDI area of
// 1280 x 800) shown and active, message boxes recorded.
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <QtTest>
#include <memory>

#include "options/OptionEditorWindow.h"
#include "options/OptionPanel.h"
#include "platform/PickList.h"
#include "platform/TextBox.h"
#include "support/MdiStage.h"
#include "support/ProgramState.h"

namespace OptionWindowFixture {

class DummyDialog : public Form
{
};

inline void defineWindows()
{
    using Windows::Kind;
    Windows::define(QStringLiteral("frm_option"), Kind::Child, [] { return new OptionEditorWindow; });
    Windows::define(QStringLiteral("Form_open_chann"), Kind::Child, [] { return new DummyDialog; });
    Windows::define(QStringLiteral("Form_save_chann"), Kind::TopLevel, [] { return new DummyDialog; });
    Windows::define(QStringLiteral("Form_open_menu"), Kind::TopLevel, [] { return new DummyDialog; });
    Windows::define(QStringLiteral("Form_save_menu"), Kind::TopLevel, [] { return new DummyDialog; });
    Windows::define(QStringLiteral("other"), Kind::Child, [] { return new DummyDialog; });
}

inline OptionEditorWindow *load()
{
    return qobject_cast<OptionEditorWindow *>(Windows::load(QStringLiteral("frm_option")));
}

template <class T> T *control(QWidget *w, const char *name)
{
    return w->findChild<T *>(QLatin1String(name));
}

inline QStringList boxTexts()
{
    QStringList out;
    for (const MsgRecord &m : MsgBoxRecorder::boxes())
        out << m.text;
    return out;
}

// A user's pick with the keyboard: the list takes the focus, then Home, End
// or the cursor keys to the position; every step is a pick. A list already
// on the position is first moved off it, so that the pick is a change.
inline void pickByKeys(PickList *list, int position)
{
    list->setFocus();
    QTRY_VERIFY(list->hasFocus());
    if (list->listIndex() == position)
        QTest::keyClick(list, position > 0 ? Qt::Key_Up : Qt::Key_Down);
    if (position == list->listCount() - 1)
        QTest::keyClick(list, Qt::Key_End);
    else if (position == 0 || list->listIndex() < 0)
        QTest::keyClick(list, Qt::Key_Home);
    for (int guard = 0; list->listIndex() != position && guard < 3000; ++guard)
        QTest::keyClick(list, list->listIndex() < position ? Qt::Key_Down : Qt::Key_Up);
    QCOMPARE(list->listIndex(), position);
}

// The cells of MemoryImage that differ from `before`, as "row:col".
inline QStringList changedCells(const CellGrid<ImageRows, ImageCols> &before)
{
    QStringList out;
    for (int r = 0; r < ImageRows; ++r)
        for (int c = 0; c < 16; ++c)
            if (MemoryImage[r][c] != before[r][c])
                out << QStringLiteral("%1:%2").arg(r).arg(c);
    return out;
}

}
