// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/about/WindowsRegistry.h"

#include <windows.h>

// The values that the rest of the program uses in place of the system's names.
static_assert(Registry::ReadAccess == KEY_READ);
static_assert(Registry::Success == ERROR_SUCCESS);
static_assert(Registry::FileNotFound == ERROR_FILE_NOT_FOUND);
static_assert(Registry::InvalidHandle == ERROR_INVALID_HANDLE);
static_assert(Registry::MoreData == ERROR_MORE_DATA);
static_assert(Registry::TypeString == REG_SZ);
static_assert(Registry::TypeDword == REG_DWORD);
static_assert(sizeof(Registry::Key) == sizeof(HKEY));

namespace WindowsRegistry {

std::int32_t openKey(
    Registry::Key root, const char *keyName, std::uint32_t access, Registry::Key *key)
{
    HKEY opened = nullptr;
    const LONG rc = RegOpenKeyExA(reinterpret_cast<HKEY>(root), keyName, 0, access, &opened);
    *key = reinterpret_cast<Registry::Key>(opened);
    return rc;
}

std::int32_t queryValue(Registry::Key key, const char *valueName, std::uint32_t *type, char *data,
    std::uint32_t *length)
{
    DWORD valueType = 0;
    DWORD size = *length;
    const LONG rc = RegQueryValueExA(reinterpret_cast<HKEY>(key), valueName, nullptr, &valueType,
        reinterpret_cast<BYTE *>(data), &size);
    *type = valueType;
    *length = size;
    return rc;
}

std::int32_t closeKey(Registry::Key key)
{
    return RegCloseKey(reinterpret_cast<HKEY>(key));
}

} // namespace WindowsRegistry
