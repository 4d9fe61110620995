#pragma once

#include "core/MemorablePhrases.h"
#include "core/NumberList.h"

#include <QDialog>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

class RankedNumberModel;

namespace Platform {
class SettingsStore;
}
namespace Ui {
class TRankForm;
}

// Ranks a whole list of numbers (a text or CSV file, one number a line) by the memorable
// phrases they spell, best first. The ranking runs on a thread of its own, so the window stays
// responsive and Cancel stops it; the dictionary and its ranking data are read once a ranking.
class TRankForm : public QDialog
{
    Q_OBJECT

public:
    // The most numbers the list shows: the best of a longer list.
    static constexpr std::size_t ShownNumbers = 10000;

    explicit TRankForm(QWidget *parent = nullptr);
    ~TRankForm() override;

    // Asks for a list and starts ranking it over the dictionary at dictionaryPath (bytes as the
    // core holds paths); the window shows the numbers as they are ranked. False when the user
    // chose no list.
    bool OpenList(const std::string &dictionaryPath);
    bool ranking() const { return m_worker.joinable() && !m_done; }

    void SaveSettings(Platform::SettingsStore &store) const;

signals:
    void userActed();
    // A ranking ended (finished or cancelled), and the list shows its result.
    void rankingEnded();

protected:
    void reject() override;

private:
    struct Snapshot;
    void FormCreate();
    void start();
    void stop();
    void work(std::uint64_t generation, std::string listPath, std::string dictionaryPath,
              std::string wanted);
    void rankList(std::uint64_t generation, const std::string &listPath,
                  const std::string &dictionaryPath, const std::string &wanted);
    void post(std::uint64_t generation, Snapshot snapshot);
    void showSnapshot(std::uint64_t generation, const Snapshot &snapshot);
    void OpenBtnClick();
    void FilterBtnClick();
    void CopyBtnClick();
    void ExportBtnClick();

    std::unique_ptr<Ui::TRankForm> ui;
    RankedNumberModel *m_numbers = nullptr;
    QString m_listPath;
    std::string m_dictionaryPath;
    std::thread m_worker;
    std::atomic<bool> m_cancel = false;
    bool m_done = true; // read and written on the window's thread only
    std::uint64_t m_generation = 0;
};
