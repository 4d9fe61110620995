#include "core/PhraseSuggestions.h"
#include "tests/Reference.h"

#include <QtTest>

#include <fstream>
#include <functional>
#include <random>
#include <set>

using namespace Numra;

namespace {

std::string writeDictionary(const QTemporaryDir &dir, const std::string &bytes)
{
    const std::string path = dir.filePath(QStringLiteral("d.txt")).toStdString();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

QString describe(std::int64_t cost, const std::vector<SuggestedWord> &words)
{
    QString text = QString::number(cost) + ':';
    for (const SuggestedWord &w : words)
        text += QString::asprintf(" %.*s=%.*s@%d", int(w.word.size()), w.word.data(),
                                  int(w.number.size()), w.number.data(), w.position);
    return text;
}

struct Naive
{
    QStringList phrases; // best first
    NoPhrase why;
};

// Every segmentation of the free digits into fitting records, scored and sorted. The free
// digits are read across separators; a covered digit between two ends a run.
Naive naivePhrases(const std::vector<std::string> &lines, const std::string &number)
{
    using namespace Reference;
    const std::string typed = cut(number);
    std::vector<std::size_t> free;
    std::string text; // the free digits, a mark where a covered digit splits them
    for (std::size_t i = 0; i < typed.size(); ++i) {
        if (!isDigit(typed[i]))
            continue;
        if (!free.empty() &&
            typed.substr(free.back(), i - free.back()).find('\x95') != std::string::npos)
            text.push_back('\x95');
        free.push_back(i);
        text.push_back(typed[i]);
    }
    std::vector<std::size_t> at; // where each free digit is in text
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\x95')
            at.push_back(i);
    }
    std::vector<std::pair<Record, std::int64_t>> fits;
    std::set<std::pair<std::string, std::string>> seen;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string line = cut(lines[i]);
        const int comma = naiveFirstPos(",", line);
        Record r;
        if (comma == 0 || naiveFirstPos(line.substr(0, comma - 1), text) == 0 ||
            !naiveSplitRecord(line, r) || r.word.find_first_not_of(" ") == std::string::npos)
            continue;
        // One word to the reader: the same letters, with or without the blank a note left.
        const std::string shown = r.word.substr(0, r.word.find_last_not_of(' ') + 1);
        if (std::all_of(r.number.begin(), r.number.end(), isDigit) && r.word.front() != '-' &&
            r.word.back() != '-' && seen.insert({r.number, shown}).second)
            fits.push_back({r, std::int64_t(i) + 1});
    }
    std::vector<std::tuple<std::int64_t, std::vector<std::int64_t>, QString>> all;
    std::vector<SuggestedWord> words;
    std::vector<bool> covered(free.size()), reached(free.size() + 1);
    reached[0] = true;
    std::function<void(std::size_t, std::int64_t)> extend = [&](std::size_t k, std::int64_t cost) {
        if (all.size() > 20000)
            return; // too many to list: the round is skipped
        if (k == free.size()) {
            std::vector<std::int64_t> lines;
            for (const SuggestedWord &w : words)
                lines.push_back(w.line);
            all.emplace_back(cost, lines, describe(cost, words));
        }
        for (const auto &[r, line] : fits) {
            if (k == free.size() || text.compare(at[k], r.number.size(), r.number) != 0)
                continue;
            reached[k + r.number.size()] = true;
            words.push_back({int(free[k]) + 1, r.number, r.word, r.cls, line});
            extend(k + r.number.size(), cost + RecordCost(line, r.word, r.cls));
            words.pop_back();
        }
    };
    Naive naive;
    if (free.empty()) {
        naive.why = {NoPhraseReason::NoFreeDigit, 0};
        return naive;
    }
    extend(0, 0);
    std::sort(all.begin(), all.end());
    for (const auto &phrase : all)
        naive.phrases.append(std::get<2>(phrase));
    const auto stop =
        free.size() - (std::find(reached.rbegin(), reached.rend(), true) - reached.rbegin());
    for (std::size_t k = 0; k < free.size(); ++k) {
        for (const auto &[r, line] : fits) {
            if (text.compare(at[k], r.number.size(), r.number) == 0)
                std::fill_n(covered.begin() + k, r.number.size(), true);
        }
    }
    const auto gap = std::find(covered.begin(), covered.end(), false) - covered.begin();
    if (all.empty() && gap < std::ptrdiff_t(free.size()))
        naive.why = {NoPhraseReason::UncoveredDigit, int(free[gap]) + 1};
    else if (all.empty())
        naive.why = {NoPhraseReason::DeadEnd, int(free[stop]) + 1};
    return naive;
}

} // namespace

class tst_PhraseSuggestions : public QObject
{
    Q_OBJECT

private slots:
    void agreesWithReference_data();
    void agreesWithReference();
    void recordCost_data();
    void recordCost();
    void realUse_data();
    void realUse();
    void astronomicalCount();
    void missingDictionary_data();
    void missingDictionary();
};

void tst_PhraseSuggestions::agreesWithReference_data()
{
    QTest::addColumn<int>("seed");
    for (int seed = 1; seed <= 30; ++seed)
        QTest::addRow("random dictionary %d", seed) << seed;
}

void tst_PhraseSuggestions::agreesWithReference()
{
    QFETCH(int, seed);
    std::mt19937 random(seed);
    const std::string digits = seed % 4 ? "1234" : "0123456789";
    auto digitString = [&](std::size_t maxLength) {
        std::string s(1 + random() % maxLength, '0');
        for (char &c : s)
            c = digits[random() % digits.size()];
        return s;
    };
    std::vector<std::string> lines;
    for (int i = 0; i < 30; ++i) {
        const std::string number = digitString(i % 3 ? 2 : 5), n = std::to_string(i);
        const char *cls = random() % 3 ? "N" : "A";
        const std::string kinds[] = {number + ",W" + n + "," + cls,
                                     number + "," + number + ",N",
                                     number + ",-S" + n + ",N",
                                     number + ",P" + n + "-,N",
                                     number + ",W" + n + " (note),A",
                                     "12,R" + std::to_string(i % 2) + " (note),N",
                                     "12,R" + std::to_string(i % 2) + ",N",
                                     number + ", ,N",
                                     number + "-" + number + ",D" + n + ",N",
                                     "no record",
                                     lines.empty() ? "" : lines[random() % lines.size()]};
        lines.push_back(kinds[random() % 3 ? 0 : random() % std::size(kinds)]);
    }
    std::string bytes;
    for (const std::string &line : lines)
        bytes += line + "\n";
    QTemporaryDir dir;
    DictionaryFile file(writeDictionary(dir, bytes));
    for (int round = 0; round < 20; ++round) {
        std::string number = round ? digitString(9) : "";
        for (int k = random() % 4; k > 0 && !number.empty(); --k)
            number.insert(random() % number.size(), 1, "\x95 -("[random() % 4]);
        const Naive naive = naivePhrases(lines, number);
        if (naive.phrases.size() > 20000)
            continue;
        const auto context = qScopeGuard([&] {
            if (QTest::currentTestFailed())
                qWarning("number %s\ndictionary:\n%s", number.c_str(), bytes.c_str());
        });
        const auto suggestions = PhraseSuggestions::Collect(file, number);
        const auto bestOf = [&](std::size_t n) {
            QStringList best;
            for (const Suggestion &phrase : suggestions.Best(n))
                best.append(describe(phrase.cost, phrase.words));
            return best;
        };
        const QStringList best = bestOf(naive.phrases.size() + 3);
        QStringList streamed, expectedSet = naive.phrases, handedOut;
        suggestions.ForEach([&](const Suggestion &phrase) {
            streamed.append(describe(phrase.cost, phrase.words));
            return true;
        });
        suggestions.Best(naive.phrases.size() + 3, [&](const Suggestion &phrase) {
            handedOut.append(describe(phrase.cost, phrase.words));
            return handedOut.size() < 2;
        });
        QCOMPARE(best, naive.phrases);
        QCOMPARE(bestOf(3), naive.phrases.mid(0, 3));
        QCOMPARE(handedOut, naive.phrases.mid(0, 2));
        QCOMPARE(suggestions.Count(), std::uint64_t(naive.phrases.size()));
        QCOMPARE(suggestions.ApproximateCount(), double(naive.phrases.size()));
        QCOMPARE(int(suggestions.Why().reason), int(naive.why.reason));
        QCOMPARE(suggestions.Why().position, naive.why.position);
        QCOMPARE(streamed.mid(0, 1), naive.phrases.mid(0, 1));
        streamed.sort();
        expectedSet.sort();
        QCOMPARE(streamed, expectedSet);
    }
}

void tst_PhraseSuggestions::recordCost_data()
{
    QTest::addColumn<QByteArray>("word");
    QTest::addColumn<QByteArray>("cls");
    QTest::addColumn<qint64>("line");
    QTest::addColumn<qint64>("cost");
    const auto row = [](const char *name, const char *word, const char *cls, qint64 line,
                        qint64 cost) {
        QTest::newRow(name) << QByteArray(word) << QByteArray(cls) << line << cost;
    };
    row("a word", "CALL", "N", 0, WordCost);
    row("a name", "Bill", "A", 0, WordCost + NameCost);
    row("a line 2048 down costs a point more", "CALL", "N", 2048, WordCost + 1000);
    row("a digit entry", "2", "N", 0, WordCost + NoLetterCost);
    row("a Cyrillic word has letters", "\xD0\x9C\xD0\x9E\xD0\xA0\xD0\x95", "N", 0, WordCost);
    row("a Greek word has letters", "\xCE\xBB\xCF\x8C\xCE\xB3\xCE\xBF\xCF\x82", "N", 0, WordCost);
    row("a Windows-1252 word has letters", "caf\xE9", "N", 0, WordCost);
    row("a note in brackets is no letter", "2 (two)", "N", 0, WordCost + NoLetterCost);
}

void tst_PhraseSuggestions::recordCost()
{
    QFETCH(QByteArray, word);
    QFETCH(QByteArray, cls);
    QFETCH(qint64, line);
    QFETCH(qint64, cost);
    QCOMPARE(RecordCost(line, word.toStdString(), cls.toStdString()), cost);
}

void tst_PhraseSuggestions::realUse_data()
{
    QTest::addColumn<QByteArray>("dictionary"); // "PAD n" stands for n lines that are no record
    QTest::addColumn<QByteArray>("number");
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("vanity");
    QTest::addColumn<qulonglong>("count");
    QTest::addColumn<int>("reason");
    QTest::addColumn<int>("position");
    const auto row = [](const char *name, const char *dictionary, const char *number,
                        const char *first, const char *vanity, qulonglong count,
                        NoPhraseReason reason = NoPhraseReason::None, int position = 0) {
        QTest::newRow(name) << QByteArray(dictionary) << QByteArray(number) << QByteArray(first)
                            << QByteArray(vanity) << count << int(reason) << position;
    };
    const char *callNow = "669,NOW,N\n2255,CALL,N\n2255,BALL,N\n669,MOW,N\n22,CA,N\n"
                          "55,KK,A\n2255,CALL,A\n2,2,N\n5,5,N\n6,6,N\n9,9,N\n";
    row("2255669: CALL NOW first, the second CALL counts once", callNow, "2255669", "CALL NOW",
        "CALLNOW", 18);
    // The vanity form is UTF-8: the marks show as U+2022, as in the number field.
    row("marks: the free digits are completed", callNow, "\x95\x95\x95\x95 669", "NOW",
        "\u2022\u2022\u2022\u2022 NOW", 3);
    row("1 and 0 take the digit entries",
        "3569377,FLOWERS,N\n3569,FLOW,N\n377,ERS,N\n1,1,N\n8,8,N\n0,0,N\n", "1-800-3569377",
        "1 8 0 0 FLOWERS", "1-800-FLOWERS", 2);
    row("letters win over a digit entry", "2,2,N\n2,A,A\n", "2", "A", "A", 2);
    row("Cyrillic letters win over a digit entry", "2,2,N\n2,\xD0\x90,N\n", "2", "\xD0\x90",
        "\xD0\x90", 2);
    row("two common words beat one obscure long word",
        "2255,CALL,N\n669,NOW,N\nPAD 20000\n2255669,CALLNOW,N\n", "2255669", "CALL NOW", "CALLNOW",
        2);
    row("one common long word beats two", "3569,FLOW,N\n377,ERS,N\nPAD 3000\n3569377,FLOWERS,N\n",
        "3569377", "FLOWERS", "FLOWERS", 2);
    row("a Windows-1252 word is UTF-8 in the phrase and the vanity form", "2233,CAF\xC9,N\n",
        "(2233)", "CAF\xC3\x89", "(CAF\xC3\x89)", 1);
    row("a word and the same word with a note taken out are one: one phrase",
        "2255,CALL,N\n2255,CALL (to ring),N\n669,NOW,N\n", "2255669", "CALL NOW", "CALLNOW", 1);
    row("a word crosses a separator and takes its place",
        "2255,CALL,N\n669,NOW,N\n225,BAL (ball),N\n5669,KNOW,N\n5,J,N\n", "225-5669", "CALL NOW",
        "CALLNOW", 3);
    row("trimmed words, the separator between them kept", "225,BAL (ball),N\n5669,KNOW,N\n",
        "225-5669", "BAL KNOW", "BAL-KNOW", 1);
    row("a covered digit ends a run", "2255,CALL,N\n25,AJ,N\n22,BA,N\n55,KK,N\n",
        "22\x95"
        "55",
        "BA KK", "BA\u2022KK", 1);
    row("affixes are not words: the 6 at 5 stays uncovered",
        "2255,CALL,N\n669,-NOW,N\n669,NOW-,N\n", "2255669", "", "", 0,
        NoPhraseReason::UncoveredDigit, 5);
    row("every digit has a word, but phrases stop at 3", "12,AB,N\n23,BC,N\n", "(123)", "", "", 0,
        NoPhraseReason::DeadEnd, 4);
    row("no free digit", callNow, "\x95\x95-", "", "", 0, NoPhraseReason::NoFreeDigit);
}

void tst_PhraseSuggestions::realUse()
{
    QFETCH(QByteArray, dictionary);
    QFETCH(QByteArray, number);
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, vanity);
    QFETCH(qulonglong, count);
    QFETCH(int, reason);
    QFETCH(int, position);
    std::string bytes;
    for (const QByteArray &line : dictionary.split('\n'))
        bytes += line.startsWith("PAD ") ? std::string(line.mid(4).toInt(), '\n')
                                         : line.toStdString() + "\n";
    QTemporaryDir dir;
    DictionaryFile file(writeDictionary(dir, bytes));
    const auto suggestions = PhraseSuggestions::Collect(file, number.toStdString());
    const auto best = suggestions.Best(1);
    QCOMPARE(suggestions.Count(), count);
    QCOMPARE(int(suggestions.Why().reason), reason);
    QCOMPARE(suggestions.Why().position, position);
    QCOMPARE(best.empty() ? QByteArray() : QByteArray::fromStdString(PhraseText(best[0].words)),
             first);
    QCOMPARE(best.empty()
                 ? QByteArray()
                 : QByteArray::fromStdString(VanityForm(number.toStdString(), best[0].words)),
             vanity);
}

void tst_PhraseSuggestions::astronomicalCount()
{
    QTemporaryDir dir;
    DictionaryFile file(writeDictionary(dir, "2,A,N\n22,BA,N\n"));
    const auto suggestions = PhraseSuggestions::Collect(file, std::string(100, '2'));
    QCOMPARE(suggestions.Count(), std::numeric_limits<std::uint64_t>::max());
    QVERIFY(qAbs(suggestions.ApproximateCount() / 573147844013817084101.0 - 1) < 1e-9);
    const auto best = suggestions.Best(100);
    QCOMPARE(best.size(), 100U);
    QCOMPARE(best.front().words.size(), 50U);
    for (std::size_t i = 1; i < best.size(); ++i)
        QVERIFY(best[i - 1].cost <= best[i].cost);
    int streamed = 0;
    suggestions.ForEach([&](const Suggestion &) { return ++streamed < 1000; });
    QCOMPARE(streamed, 1000);
}

void tst_PhraseSuggestions::missingDictionary_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<int>("error");
    QTest::newRow("missing") << QByteArray("/nonexistent/dictionary.txt")
                             << int(DictionaryError::CouldNotOpen);
    QTest::newRow("unreadable") << QByteArray("/proc/self/mem") << int(DictionaryError::ReadError);
}

void tst_PhraseSuggestions::missingDictionary()
{
    QFETCH(QByteArray, path);
    QFETCH(int, error);
    DictionaryFile file(path.toStdString());
    const auto suggestions = PhraseSuggestions::Collect(file, "2255");
    QCOMPARE(int(suggestions.Error()), error);
    QCOMPARE(suggestions.Count(), 0U);
    QCOMPARE(int(suggestions.Why().reason), int(NoPhraseReason::None));
    QVERIFY(suggestions.Best(1).empty());
}

QTEST_APPLESS_MAIN(tst_PhraseSuggestions)
#include "tst_PhraseSuggestions.moc"
