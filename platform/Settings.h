#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>

class QSettings;

namespace Platform {

// A write to the settings store that did not reach it.
class SettingsWriteError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The per-user settings key "\Software\Numra": the registry on Windows, ~/.config/Numra.conf
// elsewhere. Every settings name of the program is declared here; nothing else touches QSettings.
class SettingsStore
{
public:
    static inline const QString Dictionary = QStringLiteral("Dictionary");
    static inline const QString FormTop = QStringLiteral("Form Top");
    static inline const QString FormLeft = QStringLiteral("Form Left");
    static inline const QString FormWidth = QStringLiteral("Form Width");
    static inline const QString FormHeight = QStringLiteral("Form Height");
    static inline const QString SelectedPanelHeight = QStringLiteral("Selected Panel Height");
    static inline const QString WordWidth = QStringLiteral("Word Width");
    static inline const QString NumberWidth = QStringLiteral("Number Width");
    static inline const QString LookupTop = QStringLiteral("Lookup Top");
    static inline const QString LookupLeft = QStringLiteral("Lookup Left");
    static inline const QString AffixTop = QStringLiteral("Affix Top");
    static inline const QString AffixLeft = QStringLiteral("Affix Left");
    static inline const QString AffixWidth = QStringLiteral("Affix Width");
    static inline const QString AffixWordWidth = QStringLiteral("Affix Word Width");
    static inline const QString AffixNumberWidth = QStringLiteral("Affix Number Width");
    static inline const QString NotifyCount = QStringLiteral("NotifyCount");
    // Every integer value, in the order the program writes them at close.
    static inline const QStringList IntegerNames = {
        FormTop,   FormLeft,    FormWidth,      FormHeight,       SelectedPanelHeight,
        WordWidth, NumberWidth, LookupTop,      LookupLeft,       AffixTop,
        AffixLeft, AffixWidth,  AffixWordWidth, AffixNumberWidth, NotifyCount};

    enum class Mode { OpenExisting, Create };

    // OpenExisting: isOpen() is false when the key holds no value at all.
    explicit SettingsStore(Mode mode);
    ~SettingsStore(); // releases the key; does not throw
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    bool isOpen() const { return m_settings != nullptr; }

    // nullopt when the value is missing.
    std::optional<QString> readString(const QString &name) const;
    // nullopt when missing or not wholly a 32-bit integer.
    std::optional<std::int32_t> readInteger(const QString &name) const;

    // Writes are kept until flush(), so that a set of values reaches the store together.
    void writeString(const QString &name, const QString &value);
    void writeInteger(const QString &name, std::int32_t value);
    // Puts the writes into the store, or throws SettingsWriteError.
    void flush();

    // Tests point the store at a file of their own; an empty path restores the real store.
    static void setFileForTesting(const QString &path);
    static QString fileName();

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace Platform
