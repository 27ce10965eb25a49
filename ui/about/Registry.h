// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Reading a value of the system registry as text. The registry itself sits behind RegistryAccess,
// so that GetKeyValue's rules run the same on every platform and tests can hand in their own.

#include "ui/about/WindowsRegistry.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>

// The three registry operations in their 8-bit-text forms; each returns Registry::Success or an
// error code.
class RegistryAccess
{
public:
    virtual ~RegistryAccess() = default;

    virtual std::int32_t openKey(
        Registry::Key root, const QByteArray &keyName, std::uint32_t access, Registry::Key *key)
        = 0;
    // length: the size of data on entry, the number of bytes delivered on return.
    virtual std::int32_t queryValue(Registry::Key key, const QByteArray &valueName,
        std::uint32_t *type, char *data, std::uint32_t *length)
        = 0;
    virtual std::int32_t closeKey(Registry::Key key) = 0;
};

// Where there is no Windows registry, the About window's first lookup is answered with the first
// system information program found on the PATH, and every other lookup finds nothing.
class StandInRegistry : public RegistryAccess
{
public:
    explicit StandInRegistry(QStringList programs = defaultPrograms());

    static QStringList defaultPrograms();

    std::int32_t openKey(Registry::Key root, const QByteArray &keyName, std::uint32_t access,
        Registry::Key *key) override;
    std::int32_t queryValue(Registry::Key key, const QByteArray &valueName, std::uint32_t *type,
        char *data, std::uint32_t *length) override;
    std::int32_t closeKey(Registry::Key key) override;

private:
    QStringList m_programs;
};

// The registry of this system: the Windows registry on Windows, the stand-in elsewhere.
RegistryAccess &systemRegistry();

// Reads the value SubKeyRef of the key KeyName below KeyRoot into KeyVal. A string value gives its
// text, a 32-bit value gives "&h" and the hex codes of its bytes from the last to the first; any
// other type leaves KeyVal as it was. On failure KeyVal is empty and the result false.
bool GetKeyValue(RegistryAccess &registry, Registry::Key KeyRoot, const QString &KeyName,
    const QString &SubKeyRef, QString &KeyVal);
