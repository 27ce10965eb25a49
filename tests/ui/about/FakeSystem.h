// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A registry and a program starter that tests fill in and then read back: which keys were opened,
// queried and closed, which files were tested and which programs started.

#include "ui/about/Registry.h"
#include "ui/about/SysInfo.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QStringList>

#include <cstring>

struct FakeValue
{
    std::uint32_t type = Registry::TypeString;
    QByteArray data;
};

class FakeRegistry : public RegistryAccess
{
public:
    // key name -> value name -> value
    QMap<QByteArray, QMap<QByteArray, FakeValue>> keys;

    QList<Registry::Key> roots;
    QList<QByteArray> opened;
    QList<std::uint32_t> accessMasks;
    QList<QByteArray> queried;
    QList<Registry::Key> closed;

    // Handles start here, one per opening, so that a key closed twice or never shows.
    static constexpr Registry::Key firstHandle = 100;

    std::int32_t openKey(Registry::Key root, const QByteArray &keyName, std::uint32_t access,
        Registry::Key *key) override
    {
        roots << root;
        opened << keyName;
        accessMasks << access;
        if (!keys.contains(keyName)) {
            *key = 0;
            return Registry::FileNotFound;
        }
        *key = firstHandle + Registry::Key(opened.size() - 1);
        return Registry::Success;
    }

    std::int32_t queryValue(Registry::Key key, const QByteArray &valueName, std::uint32_t *type,
        char *data, std::uint32_t *length) override
    {
        queried << valueName;
        const QMap<QByteArray, FakeValue> &values = keys[opened.at(qsizetype(key - firstHandle))];
        if (!values.contains(valueName))
            return Registry::FileNotFound;
        const FakeValue &value = values[valueName];
        if (std::uint32_t(value.data.size()) > *length)
            return Registry::MoreData;
        std::memcpy(data, value.data.constData(), std::size_t(value.data.size()));
        *type = value.type;
        *length = std::uint32_t(value.data.size());
        return Registry::Success;
    }

    std::int32_t closeKey(Registry::Key key) override
    {
        closed << key;
        return Registry::Success;
    }
};

class FakeStarter : public ProgramStarter
{
public:
    QStringList files; // the files that exist
    bool startWorks = true;

    mutable QStringList tested;
    QStringList started;

    bool fileExists(const QString &path) const override
    {
        tested << path;
        return files.contains(path);
    }

    bool start(const QString &path) override
    {
        started << path;
        return startWorks;
    }
};
