#include "platform/Settings.h"

#include <QRegularExpression>
#include <QSettings>
#include <QWidget>

#include <algorithm>
#include <limits>

namespace Platform {

namespace {

QString &testFile()
{
    static QString path;
    return path;
}

std::unique_ptr<QSettings> openStore()
{
    if (!testFile().isEmpty())
        return std::make_unique<QSettings>(testFile(), QSettings::IniFormat);
    // On Windows this is HKEY_CURRENT_USER\Software\Numra itself; elsewhere ~/.config/Numra.conf.
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Numra"));
}

} // namespace

SettingsStore::SettingsStore(Mode mode) : m_settings(openStore())
{
    if (mode == Mode::OpenExisting && m_settings->allKeys().isEmpty())
        m_settings.reset();
}

SettingsStore::~SettingsStore() = default;

std::optional<QString> SettingsStore::readString(const QString &name) const
{
    if (!m_settings)
        return std::nullopt;
    const QVariant value = m_settings->value(name);
    if (!value.isValid())
        return std::nullopt;
    return value.toString();
}

std::optional<std::int32_t> SettingsStore::readInteger(const QString &name) const
{
    if (!m_settings)
        return std::nullopt;
    const QVariant value = m_settings->value(name);
    if (!value.isValid())
        return std::nullopt;
    // The registry keeps integers typed; in a text store, only text that is wholly a 32-bit
    // integer counts as one.
    if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::UInt ||
        value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::ULongLong) {
        bool ok = false;
        const qlonglong wide = value.toLongLong(&ok);
        if (!ok || wide < std::numeric_limits<std::int32_t>::min() ||
            wide > std::numeric_limits<std::int32_t>::max())
            return std::nullopt;
        return static_cast<std::int32_t>(wide);
    }
#ifdef Q_OS_WIN
    if (m_settings->format() == QSettings::NativeFormat)
        return std::nullopt; // a registry string is not an integer value
#endif
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    static const QRegularExpression wholeInteger(QStringLiteral("^[+-]?[0-9]+$"));
    const QString text = value.toString();
    if (!wholeInteger.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const int parsed = text.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return parsed;
}

bool SettingsStore::readInOrder(std::initializer_list<SettingsStep> steps) const
{
    for (const SettingsStep &step : steps) {
        const std::optional<std::int32_t> value = readInteger(step.setting);
        if (!value)
            return false;
        step.apply(std::clamp(*value, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    }
    return true;
}

void SettingsStore::writeString(const QString &name, const QString &value)
{
    m_settings->setValue(name, value);
}

void SettingsStore::writeInteger(const QString &name, std::int32_t value)
{
    m_settings->setValue(name, static_cast<int>(value));
}

void SettingsStore::flush()
{
    m_settings->sync();
    if (m_settings->status() != QSettings::NoError)
        throw SettingsWriteError(QObject::tr("Could not write the settings to %1")
                                     .arg(m_settings->fileName())
                                     .toStdString());
}

void SettingsStore::setFileForTesting(const QString &path)
{
    testFile() = path;
}

QString SettingsStore::fileName()
{
    return openStore()->fileName();
}

} // namespace Platform
