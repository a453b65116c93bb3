// The fixed texts of the login check, in code page 936.
#pragma once

inline constexpr char kEmptyText[] = "";
inline constexpr char kAccountName[] = "qmot";
inline constexpr char kPassword[] = "740286";

inline constexpr char kMessageBoxEmpty[] = "请输入账号和密码";
inline constexpr char kMessageAccepted[] = "恭喜你，你破解成功了！";
inline constexpr char kMessageRefused[] = "登录失败，再来！";
