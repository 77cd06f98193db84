#pragma once

#include <windows.h>

namespace win32 {

// What Windows 8 added for live regions, with Microsoft's values: the headers give the event
// only to programs built for Windows 8 and later, and have no LiveSetting property at all. This
// program runs on Windows 7 too, which ignores both.
inline constexpr DWORD kEventObjectLiveRegionChanged = 0x8019;
inline constexpr GUID kLiveSettingProperty = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
inline constexpr LONG kLiveSettingPolite = 1;

}  // namespace win32
