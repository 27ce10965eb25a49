// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/about/Registry.h"

#include <QStandardPaths>

#include <cstring>

namespace {

// The one key the stand-in knows, and the handle it gives out for it.
const QByteArray msinfoKey = QByteArrayLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QByteArray msinfoValue = QByteArrayLiteral("PATH");
constexpr Registry::Key msinfoHandle = 1;

#ifdef Q_OS_WIN
// The Windows functions live in WindowsRegistry.cpp, which knows no Qt.
class SystemRegistry : public RegistryAccess
{
public:
    std::int32_t openKey(Registry::Key root, const QByteArray &keyName, std::uint32_t access,
        Registry::Key *key) override
    {
        return WindowsRegistry::openKey(root, keyName.constData(), access, key);
    }

    std::int32_t queryValue(Registry::Key key, const QByteArray &valueName, std::uint32_t *type,
        char *data, std::uint32_t *length) override
    {
        return WindowsRegistry::queryValue(key, valueName.constData(), type, data, length);
    }

    std::int32_t closeKey(Registry::Key key) override { return WindowsRegistry::closeKey(key); }
};
#endif

} // namespace

StandInRegistry::StandInRegistry(QStringList programs)
    : m_programs(std::move(programs))
{ }

QStringList StandInRegistry::defaultPrograms()
{
    return { QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"), QStringLiteral("cpu-x"),
        QStringLiteral("gnome-system-monitor") };
}

std::int32_t StandInRegistry::openKey(
    Registry::Key root, const QByteArray &keyName, std::uint32_t, Registry::Key *key)
{
    // Registry key names ignore case.
    if (root == Registry::LocalMachine && keyName.compare(msinfoKey, Qt::CaseInsensitive) == 0) {
        *key = msinfoHandle;
        return Registry::Success;
    }
    *key = 0;
    return Registry::FileNotFound;
}

std::int32_t StandInRegistry::queryValue(Registry::Key key, const QByteArray &valueName,
    std::uint32_t *type, char *data, std::uint32_t *length)
{
    if (key != msinfoHandle || valueName.compare(msinfoValue, Qt::CaseInsensitive) != 0)
        return Registry::FileNotFound;
    for (const QString &program : m_programs) {
        const QString path = QStandardPaths::findExecutable(program);
        if (path.isEmpty())
            continue;
        // Delivered as Windows delivers a string: with its terminating NUL.
        const QByteArray text = path.toLocal8Bit();
        const std::uint32_t size = std::uint32_t(text.size()) + 1;
        if (size > *length)
            return Registry::MoreData;
        std::memcpy(data, text.constData(), size);
        *type = Registry::TypeString;
        *length = size;
        return Registry::Success;
    }
    return Registry::FileNotFound;
}

std::int32_t StandInRegistry::closeKey(Registry::Key key)
{
    return key == msinfoHandle ? Registry::Success : Registry::InvalidHandle;
}

RegistryAccess &systemRegistry()
{
#ifdef Q_OS_WIN
    static SystemRegistry registry;
#else
    static StandInRegistry registry;
#endif
    return registry;
}

bool GetKeyValue(RegistryAccess &registry, Registry::Key KeyRoot, const QString &KeyName,
    const QString &SubKeyRef, QString &KeyVal)
{
    Registry::Key key = 0;
    bool read = false;
    if (registry.openKey(KeyRoot, KeyName.toLocal8Bit(), Registry::ReadAccess, &key)
        == Registry::Success) {
        QByteArray buffer(1024, '\0');
        std::uint32_t length = std::uint32_t(buffer.size());
        std::uint32_t type = 0;
        if (registry.queryValue(key, SubKeyRef.toLocal8Bit(), &type, buffer.data(), &length)
            == Registry::Success) {
            // Strings usually arrive with their terminator, which is not part of the text.
            const qsizetype size = qMin(qsizetype(length), buffer.size());
            const QByteArray value
                = buffer.left(size > 0 && buffer.at(size - 1) == '\0' ? size - 1 : size);
            if (type == Registry::TypeString) {
                KeyVal = QString::fromLocal8Bit(value);
            } else if (type == Registry::TypeDword) {
                QString hex = QStringLiteral("&h");
                for (qsizetype i = value.size() - 1; i >= 0; --i)
                    hex += QString::number(quint8(value.at(i)), 16).toUpper();
                KeyVal = hex;
            }
            read = true;
        }
    }
    if (!read)
        KeyVal.clear();
    registry.closeKey(key);
    return read;
}
