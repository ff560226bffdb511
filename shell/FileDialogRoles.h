#pragma once
// The eight configurations of the program's file dialog: which file kind each
// window chooses, its captions and refusal messages, and its window name.
#include "platform/Language.h"

#include <QString>

enum class FileDialogRole {
    OpenImage,   // Form_open_chann: loads the ".dat" image itself
    SaveImage,   // Form_save_chann: saves the ".dat" image itself
    OpenAdjust,  // Form_open_adj: hands the path to the alignment editor
    SaveAdjust,  // Form_save_adj
    OpenMenu,    // Form_open_menu: hands the path to the 5-tone editor's poll
    SaveMenu,    // Form_save_menu
    OpenSignal,  // Form_open_sig: the same flags as the ".menu" pair
    SaveSignal,  // Form_save_sig
};

struct FileDialogSetup {
    FileDialogRole role;
    const char *windowName;
    const char *suffix;  // lower case, with its point: ".dat"
    BiText caption;
    BiText nameLabel;
    BiText badName;
    BiText badSuffix;
};

// All eight, in the order of FileDialogRole.
inline constexpr int FileDialogRoleCount = 8;
const FileDialogSetup &fileDialogSetup(FileDialogRole role);

// The list pattern and the initial name text: "*" and the suffix.
QString fileDialogPattern(FileDialogRole role);

// Captions shared by all eight.
inline constexpr BiText DriveLabelText{"Drive:", "驱动器："};
inline constexpr BiText ConfirmText{"Confirm", "确  定"};
inline constexpr BiText CancelText{"Cancel", "取  消"};
