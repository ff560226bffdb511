#pragma once
// Every message box of the system goes through MsgBox. In the program it is a
// modal QMessageBox whose buttons speak the language in use; a test installs
// a recorder that notes each box and answers it at once, so the test can
// assert the exact text and title.
#include <QString>
#include <QList>
#include <functional>

#include "platform/Language.h"

class QMessageBox;

enum class MsgIcon { None, Information, Exclamation, Critical, Question };
enum class MsgButtons { OkOnly, OkCancel, YesNo, YesNoCancel };
enum class MsgResult { Ok, Cancel, Yes, No };

struct MsgRecord {
    QString text;
    QString title;
    MsgIcon icon;
    MsgButtons buttons;
};

MsgResult MsgBox(const QString &text, MsgIcon icon, const QString &title,
                 MsgButtons buttons = MsgButtons::OkOnly);

// The captions of the standard buttons, picked by LanguageFlag when a box is
// built (Qt's own captions are English whatever the language).
inline constexpr BiText OkButtonText{"OK", "确定"};
inline constexpr BiText CancelButtonText{"Cancel", "取消"};
inline constexpr BiText YesButtonText{"&Yes", "是(&Y)"};
inline constexpr BiText NoButtonText{"&No", "否(&N)"};

// Fills box as MsgBox shows it: text, title, icon, the buttons with their
// captions in the language in use, and the default button (Ok, or Yes for a
// question). A test that shows a box for real builds it here too.
void PrepareMsgBox(QMessageBox &box, const MsgRecord &record);
// The answer of a box closed with the button code exec() returned.
MsgResult MsgBoxAnswer(int button);

// Test hook: while installed, MsgBox records the box, calls the answerer (if
// any) and returns its answer (Ok or Yes when none) without showing anything.
namespace MsgBoxRecorder {
void install(std::function<MsgResult(const MsgRecord &)> answer = {});
void uninstall();
bool installed();
const QList<MsgRecord> &boxes();
void clear();
}
