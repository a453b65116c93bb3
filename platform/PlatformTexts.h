// Texts that the platform shows of its own, in code page 936.
#pragma once

inline constexpr char kDefaultMessageCaption[] = "信息：";
inline constexpr char kFatalErrorCaption[] = "错误";
inline constexpr char kFatalNoForm[] = "程序的窗体描述无法读取，程序将退出。";
inline constexpr char kFatalNoWindow[] = "程序的窗口无法创建，程序将退出。";
inline constexpr char kFatalNoStorage[] = "内存不足，程序将退出。";
inline constexpr char kFatalBadRead[] = "无法读取控件的文本，程序将退出。";
inline constexpr char kFatalEventLoop[] = "消息循环出错，程序将退出。";
