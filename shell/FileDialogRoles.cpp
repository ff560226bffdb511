#include "shell/FileDialogRoles.h"

#include <array>

namespace {
constexpr BiText OpenName{"Open File:", "打开文件名："};
constexpr BiText SaveName{"Save File:", "保存文件名："};
constexpr BiText KeepSuffix{"Advice don't modify file suffix name of system default ！",
                            "建议不要修改系统默认的文件后缀名！"};
constexpr BiText KeepSuffixDot{"Advice don't modify file suffix name of system default.",
                               "建议不要修改系统默认的文件后缀名！"};

constexpr std::array<FileDialogSetup, FileDialogRoleCount> Setups{{
    {FileDialogRole::OpenImage, "Form_open_chann", ".dat",
     {"Open File", "打开文件"}, OpenName,
     {"Open the file name is nullity ", "打开文件名无效 "},
     {"Nullity file suffix name.", "无效的文件后缀名！"}},
    {FileDialogRole::SaveImage, "Form_save_chann", ".dat",
     {"Save File", "保存文件"}, SaveName,
     {"Store the file name is nullity. ", "保存文件所需要的文件名无效 "},
     KeepSuffix},
    {FileDialogRole::OpenAdjust, "Form_open_adj", ".adj",
     {"Open Adjust File", "打开调整参数文件"}, OpenName,
     {"Open the file name of channel parameter is nullity ", "打开信道参数文件名无效 "},
     {"Nullity file suffix name of adjust parameter.", "无效的调整参数文件后缀名！"}},
    {FileDialogRole::SaveAdjust, "Form_save_adj", ".adj",
     {"Save Adjust File", "保存调整参数文件"}, SaveName,
     {"Store the file name of adjust parameter need is nullity. ",
      "保存调整参数所需要的文件名无效 "},
     KeepSuffix},
    {FileDialogRole::OpenMenu, "Form_open_menu", ".menu",
     {"Open Optional File", "打开可选参数文件"}, OpenName,
     {"Open the file name of system parameter is nullity. ", "打开系统参数文件名无效 "},
     {"Nullity file suffix name of system parameter.", "无效的系统参数文件后缀名！"}},
    {FileDialogRole::SaveMenu, "Form_save_menu", ".menu",
     {"Save Optional File ", "保存可选参数文件"}, SaveName,
     {"Store the file name of system parameter need is nullity.",
      "保存系统参数所需要的文件名无效 "},
     KeepSuffixDot},
    {FileDialogRole::OpenSignal, "Form_open_sig", ".sig",
     {"Open Signal File", "打开信令参数文件"}, OpenName,
     {"Open the file name of Signal parameter is nullity. ", "打开信令参数文件名无效 "},
     {"Nullity file suffix name of Signal parameter.", "无效的信令参数文件后缀名！"}},
    {FileDialogRole::SaveSignal, "Form_save_sig", ".sig",
     {"Save Signal File ", "保存信令参数文件"}, SaveName,
     {"Store the file name of Signal parameter need is nullity.",
      "保存信令参数所需要的文件名无效 "},
     KeepSuffixDot},
}};
}

const FileDialogSetup &fileDialogSetup(FileDialogRole role)
{
    return Setups[static_cast<std::size_t>(role)];
}

QString fileDialogPattern(FileDialogRole role)
{
    return QLatin1Char('*') + QLatin1String(fileDialogSetup(role).suffix);
}
