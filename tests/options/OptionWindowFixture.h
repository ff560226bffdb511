#pragma once
// The option editor in a test: program start, frm_option and stand-ins for
// the dialogs it opens defined, a main window stand-in (an MDI area of
// 1280 x 800) shown and active, message boxes recorded; its editing area
// alone on a host window; helpers that pick as a user does.
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>
#include <memory>

#include "options/OptionEditorWindow.h"
#include "options/OptionPanel.h"
#include "platform/PickList.h"
#include "platform/TextBox.h"
#include "support/BoxTexts.h"
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

// The editing area alone, built as the window builds it, in the language
// set now, on a host window (not shown yet) that lies within the test
// screen (1280 x 800), where a click finds what it hits.
struct PanelHost {
    QWidget *host = nullptr;
    OptionPanel *panel = nullptr;
};

inline PanelHost loadPanel()
{
    PanelHost l;
    l.host = new QWidget;
    l.host->setGeometry(0, 0, 790, 760);
    l.panel = new OptionPanel(l.host);
    l.panel->resize(l.host->size());
    l.panel->setCaptions();
    l.panel->FillOptionLists();
    l.panel->ShowOptions();
    return l;
}

// A user's pick with the keyboard: the list takes the focus, then Home, End
// or the cursor keys to the position; every step is a pick. A list already
// on the position is first moved off it, so that the pick is a change.
// False, with a warning, when the list takes no focus or does not reach the
// position.
[[nodiscard]] inline bool pickByKeys(PickList *list, int position)
{
    if (!list) {
        qWarning("no list to pick in");
        return false;
    }
    list->setFocus();
    if (!QTest::qWaitFor([list] { return list->hasFocus(); })) {
        qWarning("%s takes no focus", qPrintable(list->objectName()));
        return false;
    }
    if (list->listIndex() == position)
        QTest::keyClick(list, position > 0 ? Qt::Key_Up : Qt::Key_Down);
    if (position == list->listCount() - 1)
        QTest::keyClick(list, Qt::Key_End);
    else if (position == 0 || list->listIndex() < 0)
        QTest::keyClick(list, Qt::Key_Home);
    for (int guard = 0; list->listIndex() != position && guard < 3000; ++guard)
        QTest::keyClick(list, list->listIndex() < position ? Qt::Key_Down : Qt::Key_Up);
    if (list->listIndex() != position) {
        qWarning("%s stands at %d, not %d", qPrintable(list->objectName()), list->listIndex(), position);
        return false;
    }
    return true;
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
