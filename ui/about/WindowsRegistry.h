// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The registry's values as its functions pass them, and on Windows the functions themselves, in
// standard C++ types only: WindowsRegistry.cpp, the one file that includes <windows.h>, stays
// free of Qt, so that a cross compiler checks it on any machine.

#include <cstdint>

namespace Registry {

// A key handle as the registry functions pass it; the predefined roots are 32-bit values that
// Windows sign-extends on 64-bit systems.
using Key = std::uintptr_t;

constexpr Key LocalMachine = Key(std::intptr_t(std::int32_t(0x80000002u)));
// Read access only (KEY_READ): enough to read a value, and granted to users who are not
// administrators, unlike all access.
constexpr std::uint32_t ReadAccess = 0x20019;
constexpr std::int32_t Success = 0;
constexpr std::int32_t FileNotFound = 2;
constexpr std::int32_t InvalidHandle = 6;
constexpr std::int32_t MoreData = 234;
constexpr std::uint32_t TypeString = 1;
constexpr std::uint32_t TypeDword = 4;

} // namespace Registry

// The Windows registry's 8-bit-text functions RegOpenKeyExA, RegQueryValueExA and RegCloseKey;
// defined on Windows only. Each returns Registry::Success or the system's error code.
namespace WindowsRegistry {

std::int32_t openKey(
    Registry::Key root, const char *keyName, std::uint32_t access, Registry::Key *key);
// length: the size of data on entry, the number of bytes delivered on return.
std::int32_t queryValue(Registry::Key key, const char *valueName, std::uint32_t *type, char *data,
    std::uint32_t *length);
std::int32_t closeKey(Registry::Key key);

} // namespace WindowsRegistry
