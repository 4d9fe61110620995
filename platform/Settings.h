#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <initializer_list>
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

// A stored value: its name and what the program uses where the value is not stored. The
// defaults of window geometry are the windows' design values.
struct StringSetting
{
    QString name;
    QString defaultValue;
};

struct IntegerSetting
{
    QString name;
    std::int32_t defaultValue;
};

// One value that a window reads, and what it does with it.
struct SettingsStep
{
    const IntegerSetting &setting;
    std::function<void(int)> apply;
};

// The per-user settings key "\Software\Numra": the registry on Windows, ~/.config/Numra.conf
// elsewhere. Every settings name of the program is declared here; nothing else touches QSettings.
class SettingsStore
{
public:
    // Present but empty when the key holds no "Dictionary"; "No Dictionary Open" while none was
    // open.
    static inline const StringSetting Dictionary{QStringLiteral("Dictionary"), QString()};
    static inline const IntegerSetting FormTop{QStringLiteral("Form Top"), 55};
    static inline const IntegerSetting FormLeft{QStringLiteral("Form Left"), 357};
    static inline const IntegerSetting FormWidth{QStringLiteral("Form Width"), 483};
    static inline const IntegerSetting FormHeight{QStringLiteral("Form Height"), 496};
    static inline const IntegerSetting SelectedPanelHeight{QStringLiteral("Selected Panel Height"),
                                                           106};
    static inline const IntegerSetting WordWidth{QStringLiteral("Word Width"), 151};
    static inline const IntegerSetting NumberWidth{QStringLiteral("Number Width"), 168};
    static inline const IntegerSetting LookupTop{QStringLiteral("Lookup Top"), 423};
    static inline const IntegerSetting LookupLeft{QStringLiteral("Lookup Left"), 159};
    static inline const IntegerSetting AffixTop{QStringLiteral("Affix Top"), 240};
    static inline const IntegerSetting AffixLeft{QStringLiteral("Affix Left"), 330};
    static inline const IntegerSetting AffixWidth{QStringLiteral("Affix Width"), 435};
    static inline const IntegerSetting AffixWordWidth{QStringLiteral("Affix Word Width"), 175};
    static inline const IntegerSetting AffixNumberWidth{QStringLiteral("Affix Number Width"), 135};
    static inline const IntegerSetting SuggestTop{QStringLiteral("Suggest Top"), 150};
    static inline const IntegerSetting SuggestLeft{QStringLiteral("Suggest Left"), 380};
    static inline const IntegerSetting SuggestWidth{QStringLiteral("Suggest Width"), 480};
    static inline const IntegerSetting SuggestHeight{QStringLiteral("Suggest Height"), 340};
    static inline const IntegerSetting SuggestPhraseWidth{QStringLiteral("Suggest Phrase Width"),
                                                          200};
    static inline const IntegerSetting SuggestVanityWidth{QStringLiteral("Suggest Vanity Width"),
                                                          200};
    // The suggestion window's two options: 1 when checked.
    static inline const IntegerSetting SuggestAreaCodeWords{
        QStringLiteral("Suggest Area Code Words"), 0};
    static inline const IntegerSetting SuggestOffensiveWords{
        QStringLiteral("Suggest Offensive Words"), 0};
    static inline const IntegerSetting RankTop{QStringLiteral("Rank Top"), 120};
    static inline const IntegerSetting RankLeft{QStringLiteral("Rank Left"), 200};
    static inline const IntegerSetting RankWidth{QStringLiteral("Rank Width"), 640};
    static inline const IntegerSetting RankHeight{QStringLiteral("Rank Height"), 440};
    static inline const IntegerSetting RankNumberWidth{QStringLiteral("Rank Number Width"), 150};
    static inline const IntegerSetting RankVanityWidth{QStringLiteral("Rank Vanity Width"), 150};
    static inline const IntegerSetting RankPhraseWidth{QStringLiteral("Rank Phrase Width"), 200};
    // The release-notification countdown.
    static inline const IntegerSetting NotifyCount{QStringLiteral("NotifyCount"), 5};
    // Every integer value, in the order the program writes them at close.
    static inline const QStringList IntegerNames = {FormTop.name,
                                                    FormLeft.name,
                                                    FormWidth.name,
                                                    FormHeight.name,
                                                    SelectedPanelHeight.name,
                                                    WordWidth.name,
                                                    NumberWidth.name,
                                                    LookupTop.name,
                                                    LookupLeft.name,
                                                    AffixTop.name,
                                                    AffixLeft.name,
                                                    AffixWidth.name,
                                                    AffixWordWidth.name,
                                                    AffixNumberWidth.name,
                                                    SuggestTop.name,
                                                    SuggestLeft.name,
                                                    SuggestWidth.name,
                                                    SuggestHeight.name,
                                                    SuggestPhraseWidth.name,
                                                    SuggestVanityWidth.name,
                                                    SuggestAreaCodeWords.name,
                                                    SuggestOffensiveWords.name,
                                                    RankTop.name,
                                                    RankLeft.name,
                                                    RankWidth.name,
                                                    RankHeight.name,
                                                    RankNumberWidth.name,
                                                    RankVanityWidth.name,
                                                    RankPhraseWidth.name,
                                                    NotifyCount.name};

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
    // The stored text, or the setting's default where it is missing.
    QString readString(const StringSetting &setting) const
    {
        return readString(setting.name).value_or(setting.defaultValue);
    }
    // Still nullopt when missing: the one caller tells a missing count from a stored one.
    std::optional<std::int32_t> readInteger(const IntegerSetting &setting) const
    {
        return readInteger(setting.name);
    }

    // Reads the values in this order and applies each as soon as it is read, up to the first
    // that is missing or unreadable: false then, and the rest are not read. Every value is
    // brought within +-QWIDGETSIZE_MAX first, which any window position or size can take and
    // where sums of two coordinates cannot overflow.
    bool readInOrder(std::initializer_list<SettingsStep> steps) const;

    // Writes are kept until flush(), so that a set of values reaches the store together.
    void writeString(const QString &name, const QString &value);
    void writeInteger(const QString &name, std::int32_t value);
    void writeString(const StringSetting &setting, const QString &value)
    {
        writeString(setting.name, value);
    }
    void writeInteger(const IntegerSetting &setting, std::int32_t value)
    {
        writeInteger(setting.name, value);
    }
    // Puts the writes into the store, or throws SettingsWriteError.
    void flush();

    // Tests point the store at a file of their own; an empty path restores the real store.
    static void setFileForTesting(const QString &path);
    static QString fileName();

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace Platform
