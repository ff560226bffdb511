#pragma once
// The name of every window of the system, as the window table defines it
// and as menus, buttons and windows load it. A name that the table does not
// define is a programming error: tests check every name here against it.
#include <QLatin1String>
#include <array>

namespace WindowName {
inline constexpr QLatin1String MDImain{"MDImain"};
// shell
inline constexpr QLatin1String Form_open_chann{"Form_open_chann"};
inline constexpr QLatin1String Form_save_chann{"Form_save_chann"};
inline constexpr QLatin1String Form_open_adj{"Form_open_adj"};
inline constexpr QLatin1String Form_save_adj{"Form_save_adj"};
inline constexpr QLatin1String Form_open_menu{"Form_open_menu"};
inline constexpr QLatin1String Form_save_menu{"Form_save_menu"};
inline constexpr QLatin1String Form_open_sig{"Form_open_sig"};
inline constexpr QLatin1String Form_save_sig{"Form_save_sig"};
inline constexpr QLatin1String Form_type{"Form_type"};
inline constexpr QLatin1String frmAbout{"frmAbout"};
inline constexpr QLatin1String Form_setup{"Form_setup"};
// link
inline constexpr QLatin1String Form_Comm_Read{"Form_Comm_Read"};
inline constexpr QLatin1String Form_Comm_Write{"Form_Comm_Write"};
inline constexpr QLatin1String Form_Write_PassWord{"Form_Write_PassWord"};
// editors
inline constexpr QLatin1String frm_chann{"frm_chann"};
inline constexpr QLatin1String frm_FM{"frm_FM"};
inline constexpr QLatin1String frm_option{"frm_option"};
inline constexpr QLatin1String frm_dtmf{"frm_dtmf"};
inline constexpr QLatin1String frm_2tone{"frm_2tone"};
inline constexpr QLatin1String frm_5tone{"frm_5tone"};
inline constexpr QLatin1String frm_Adj_Txp{"frm_Adj_Txp"};

inline constexpr std::array All{
    MDImain,         Form_open_chann, Form_save_chann,     Form_open_adj, Form_save_adj,
    Form_open_menu,  Form_save_menu,  Form_open_sig,       Form_save_sig, Form_type,
    frmAbout,        Form_setup,      Form_Comm_Read,      Form_Comm_Write,
    Form_Write_PassWord, frm_chann,   frm_FM,              frm_option,    frm_dtmf,
    frm_2tone,       frm_5tone,       frm_Adj_Txp};
}
