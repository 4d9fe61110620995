#include "core/MemorablePhrases.h"

#include "core/Conversion.h"
#include "core/LookupPass.h"
#include "core/PhraseSuggestions.h"
#include "core/TextEncoding.h"
#include "core/UnicodeLetters.h"

#include <algorithm>
#include <limits>
#include <unordered_map>
#include <unordered_set>

namespace Numra {

namespace {

// Costs in thousandths of a bit.
constexpr std::int64_t CostLimit = 60000;    // a phrase dearer than this says nothing
constexpr std::int64_t ExchangeCost = 15000; // the NANP exchange kept whole
constexpr std::int64_t KeptRunCost = 10000;  // any other kept run, and per digit:
constexpr std::int64_t KeptDigitCost = 4000;
constexpr std::int64_t LoneFunctionCost = 4000; // a function word that pairs with no neighbour
// Published numbers put their words last (1-800-273-TALK); digits at the end read as leftovers.
constexpr std::int64_t TrailingKeptCost = 3000;
// Without ranking data a word costs what its dictionary line says (RecordCost), in bits: an
// ordinary word from the top of the shipped dictionary 12, one of its last lines about 27, a
// name 1.5 more.
constexpr std::int64_t LineWordBase = 12000;
constexpr std::int64_t LineWordScale = 3;

// Inside the search a cost also counts the kept digits in its lowest bits, so that of two equal
// costs the one with fewer kept digits comes first; a phrase has at most 255 digits.
constexpr std::int64_t Scale = 256;
constexpr std::int64_t ScaledLimit = CostLimit * Scale + (Scale - 1);
constexpr std::int64_t Unreachable = std::numeric_limits<std::int64_t>::max() / 4;

// The item numbers of the goal's edges and of kept runs come after every word's.
int keptItem(std::size_t words, int length)
{
    return static_cast<int>(words) + length;
}

int letterCount(std::string_view word)
{
    int letters = 0;
    std::size_t pos = 0;
    while (pos < word.size()) {
        char32_t c;
        if (!DecodeUtf8(word, pos, c))
            ++pos;
        else
            letters += IsUnicodeLetter(c);
    }
    return letters;
}

// Lower-case letters whose fold target has a capital of its own: they are no capital of it.
bool isFoldedLowerCase(char32_t c)
{
    static constexpr char32_t Lower[] = {0xB5,   0x17F,  0x345,  0x3C2, 0x3D0, 0x3D1,
                                         0x3D5,  0x3D6,  0x3F0,  0x3F1, 0x3F5, 0x1E9B,
                                         0x1FBE, 0x2126, 0x212A, 0x212B};
    return std::find(std::begin(Lower), std::end(Lower), c) != std::end(Lower);
}

// The capital of a letter, found backwards through the case folding: the letter that folds to
// it. A letter nothing folds to stays as it is.
char32_t upperCased(char32_t c)
{
    if (c < 0x80)
        return c >= 'a' && c <= 'z' ? c - 32 : c;
    char32_t best = c;
    for (std::size_t r = 0; r < UnicodeTables::FoldRunCount; ++r) {
        const UnicodeTables::FoldRun &run = UnicodeTables::FoldRuns[r];
        const auto from = static_cast<char32_t>(static_cast<std::int32_t>(c) - run.delta);
        if (run.delta != 0 && from >= run.first && from <= run.last &&
            (from - run.first) % run.stride == 0 && !isFoldedLowerCase(from) &&
            (best == c || from < best))
            best = from;
    }
    return best;
}

std::string upperCased(std::string_view word)
{
    std::string upper;
    std::size_t pos = 0;
    while (pos < word.size()) {
        char32_t c;
        if (DecodeUtf8(word, pos, c))
            AppendUtf8(upper, upperCased(c));
        else
            upper.push_back(word[pos++]);
    }
    return upper;
}

// One state of a phrase so far, at its count of free digits covered.
struct State
{
    std::int64_t last = 0; // 0 the start, 1 kept digits, 2 a word that pairs with no next one,
                           // 3 + id the word of that id
    RankingData::WordId id = RankingData::NoWord;
    bool waiting = false;
    bool content = false;
    bool found = false;              // holds a wanted word, or none is wanted
    std::int64_t best = Unreachable; // the cheapest way here
};

constexpr std::int64_t StartItem = 0, KeptItem = 1, PlainWordItem = 2;

std::uint64_t stateKey(const State &state)
{
    return static_cast<std::uint64_t>(state.last) << 3 |
           static_cast<std::uint64_t>(state.waiting) << 2 |
           static_cast<std::uint64_t>(state.content) << 1 | static_cast<std::uint64_t>(state.found);
}

struct Occurrence
{
    int record;
    int end;
    std::int64_t bound; // the least this word can cost here, and what must follow it
};

} // namespace

MemorablePhrases MemorablePhrases::Collect(DictionaryFile &file, std::string_view numberText,
                                           const RankingData *ranking, PhraseOptions options,
                                           const std::function<void()> &onOpened)
{
    MemorablePhrases result;
    result.start(numberText, options);
    if (ranking && ranking->Empty())
        ranking = nullptr;
    PhraseRecordFilter records;
    // Every free digit, the leading part's too: Use needs the dictionary's entries for them.
    const auto outcome = RunConversion(
        file, result.m_layout.FreeDigitText(), Placement::AnyPoint,
        [&](const Record &record, std::int64_t line) {
            if (!records.Takes(record))
                return;
            const Record &kept = result.m_records.emplace_back(record);
            Fit fit;
            result.add(fitOf(kept.number, kept.word, kept.cls, line, ranking, options, fit), fit);
        },
        onOpened);
    result.m_error = outcome.error;
    result.m_examined = outcome.examined;
    if (result.m_error == DictionaryError::None)
        result.buildGraph(ranking, false);
    return result;
}

void MemorablePhrases::start(std::string_view numberText, PhraseOptions options)
{
    m_layout = NumberLayout::Of(numberText);
    m_options = options;
    m_searchFrom = options.wordsInAreaCode ? 0 : m_layout.LeadingFree();
}

MemorablePhrases::FitKind MemorablePhrases::fitOf(std::string_view number, std::string_view word,
                                                  std::string_view cls, std::int64_t line,
                                                  const RankingData *ranking, PhraseOptions options,
                                                  Fit &fit)
{
    const std::string_view shown = Trim(word);
    fit = Fit{number, shown, cls, line};
    // Digits without letters are the dictionary's entries for them; a phrase keeps digits as
    // digits instead.
    if (WordKey(shown).empty())
        return FitKind::DigitEntry;
    if (ranking) {
        fit.id = ranking->Find(shown);
        if (fit.id != RankingData::NoWord) {
            const RankedWord &ranked = ranking->Word(fit.id);
            if (ranked.never || (ranked.offensive && !options.offensive))
                return FitKind::LeftOut;
            fit.cost = ranked.cost;
            fit.function = ranked.function;
            fit.leads = ranked.leads;
            fit.bestGainInto = ranked.bestGainInto;
        } else {
            fit.cost = UnknownWordCost;
        }
    } else {
        fit.cost = static_cast<std::int32_t>(
            LineWordBase + LineWordScale * (RecordCost(line, word, cls) - WordCost));
    }
    fit.content = !fit.function && letterCount(shown) >= 3;
    return FitKind::Word;
}

void MemorablePhrases::add(FitKind kind, const Fit &fit)
{
    if (kind == FitKind::Word) {
        m_words.push_back(fit);
    } else if (kind == FitKind::DigitEntry && fit.number.size() == 1 &&
               m_digitEntries[fit.number[0] - '0'].empty()) {
        m_digitEntries[fit.number[0] - '0'] = fit.word;
    }
}

int MemorablePhrases::textIndex(int position) const
{
    return m_layout.Free()[m_searchFrom + static_cast<std::size_t>(position)];
}

void MemorablePhrases::buildGraph(const RankingData *ranking, bool wanting)
{
    const std::vector<int> &free = m_layout.Free();
    const std::vector<int> &runs = m_layout.Run();
    const int n = static_cast<int>(free.size() - m_searchFrom);
    if (n <= 0)
        return;
    std::vector<int> runEnd(n);
    for (int k = n - 1; k >= 0; --k)
        runEnd[k] = k + 1 < n && runs[m_searchFrom + k] == runs[m_searchFrom + k + 1]
                        ? runEnd[k + 1]
                        : k + 1;
    const int exchange = m_layout.Exchange() - static_cast<int>(m_searchFrom);
    const auto keptCost = [&](int from, int length) {
        const std::int64_t bits =
            from == exchange && length == 3 ? ExchangeCost : KeptRunCost + KeptDigitCost * length;
        return bits * Scale + length;
    };

    // Where each word stands: the conversion's text holds every free digit, a mark between runs.
    const std::string digits = m_layout.FreeDigitText();
    std::vector<int> positionAt(digits.size(), -1);
    for (std::size_t i = 0, f = 0; i < digits.size(); ++i) {
        if (digits[i] != UsedDigitMark)
            positionAt[i] = static_cast<int>(f++) - static_cast<int>(m_searchFrom);
    }
    std::vector<std::vector<Occurrence>> starting(n);
    for (std::size_t r = 0; r < m_words.size(); ++r) {
        const std::string_view number = m_words[r].number;
        for (auto at = digits.find(number); at != std::string::npos;
             at = digits.find(number, at + 1)) {
            if (positionAt[at] >= 0)
                starting[positionAt[at]].push_back(
                    {static_cast<int>(r), positionAt[at] + static_cast<int>(number.size()), 0});
        }
    }

    // The least any way from each count of digits on can cost: pair gains at their best, no
    // penalties. It prunes whatever cannot stay within the limit.
    std::vector<std::int64_t> bound(n + 1, Unreachable);
    bound[n] = 0;
    for (int k = n - 1; k >= 0; --k) {
        for (Occurrence &o : starting[k]) {
            const Fit &fit = m_words[o.record];
            o.bound = std::max<std::int64_t>(0, fit.cost - fit.bestGainInto) * Scale + bound[o.end];
            bound[k] = std::min(bound[k], o.bound);
        }
        for (int end = k + 1; end <= runEnd[k]; ++end)
            bound[k] = std::min(bound[k], keptCost(k, end - k) + bound[end]);
        std::sort(starting[k].begin(), starting[k].end(),
                  [](const Occurrence &a, const Occurrence &b) { return a.bound < b.bound; });
    }

    std::vector<std::vector<State>> states(n + 1);
    std::vector<std::unordered_map<std::uint64_t, int>> index(n + 1);
    struct Step
    {
        int from, fromState, to, toState, item;
        std::int64_t cost;
    };
    std::vector<Step> steps;
    const auto reach = [&](int from, int fromState, int to, State next, int item,
                           std::int64_t cost) {
        const std::int64_t total = states[from][fromState].best + cost;
        if (total + bound[to] > ScaledLimit)
            return;
        const auto [it, added] =
            index[to].try_emplace(stateKey(next), static_cast<int>(states[to].size()));
        if (added)
            states[to].push_back(next);
        State &state = states[to][it->second];
        state.best = std::min(state.best, total);
        steps.push_back({from, fromState, to, it->second, item, cost});
    };
    states[0].push_back({StartItem, RankingData::NoWord, false, false, !wanting, 0});
    for (int k = 0; k < n; ++k) {
        for (int s = 0; s < static_cast<int>(states[k].size()); ++s) {
            const State here = states[k][s];
            if (here.best + bound[k] > ScaledLimit)
                continue;
            const std::int64_t waitingCost = here.waiting ? LoneFunctionCost * Scale : 0;
            if (here.last != KeptItem) {
                for (int end = k + 1; end <= runEnd[k]; ++end)
                    reach(k, s, end,
                          {KeptItem, RankingData::NoWord, false, here.content, here.found,
                           Unreachable},
                          keptItem(m_words.size(), end - k), keptCost(k, end - k) + waitingCost);
            }
            const bool afterWord = here.last >= PlainWordItem;
            for (const Occurrence &o : starting[k]) {
                if (here.best + o.bound > ScaledLimit)
                    break;
                const Fit &fit = m_words[o.record];
                const std::int32_t gain =
                    afterWord && ranking ? ranking->PairGain(here.id, fit.id) : 0;
                std::int64_t cost = std::max<std::int64_t>(0, fit.cost - gain);
                if (here.waiting && gain == 0)
                    cost += LoneFunctionCost;
                const bool waiting = fit.function && gain == 0;
                const bool pairs = fit.leads || waiting;
                State next{pairs ? 3 + fit.id : PlainWordItem,
                           pairs ? fit.id : RankingData::NoWord,
                           waiting,
                           here.content || fit.content,
                           here.found || fit.wanted,
                           Unreachable};
                reach(k, s, o.end, next, o.record, cost * Scale);
            }
        }
    }

    std::vector<int> first(n + 2, 0);
    for (int k = 0; k <= n; ++k)
        first[k + 1] = first[k] + static_cast<int>(states[k].size());
    const int goal = first[n + 1];
    std::vector<std::vector<PathGraph::Edge>> edges(goal + 1);
    for (const Step &step : steps)
        edges[first[step.from] + step.fromState].push_back(
            {first[step.to] + step.toState, step.item, step.cost});
    for (int s = 0; s < static_cast<int>(states[n].size()); ++s) {
        const State &end = states[n][s];
        std::int64_t cost = end.waiting ? LoneFunctionCost * Scale : 0;
        if (end.last == KeptItem)
            cost += TrailingKeptCost * Scale;
        if (end.content && end.found && end.best + cost <= ScaledLimit)
            edges[first[n] + s].push_back({goal, keptItem(m_words.size(), 0), cost});
    }
    m_graph = PathGraph(edges);
    m_nodePosition.assign(goal + 1, n);
    for (int k = 0; k <= n; ++k)
        std::fill(m_nodePosition.begin() + first[k], m_nodePosition.begin() + first[k + 1], k);
}

MemorablePhrase MemorablePhrases::phraseOf(const std::vector<std::uint32_t> &edges,
                                           std::int64_t cost) const
{
    MemorablePhrase phrase;
    phrase.cost = cost / Scale;
    const std::string &text = m_layout.Text();
    for (std::uint32_t index : edges) {
        const PathGraph::Edge &edge = m_graph.EdgeAt(index);
        if (edge.end == m_graph.Goal())
            break;
        const int from = m_nodePosition[m_graph.From(index)];
        const int to = m_nodePosition[edge.end];
        PhraseItem item;
        for (int p = from; p < to; ++p)
            item.digits.push_back(text[textIndex(p)]);
        item.first = textIndex(from) + 1;
        item.last = textIndex(to - 1) + 1;
        if (edge.item < static_cast<int>(m_words.size())) {
            const Fit &fit = m_words[edge.item];
            item.word = fit.word;
            item.cls = fit.cls;
            item.line = fit.line;
        }
        AppendWord(phrase.text, item.word.empty() ? item.digits : item.word);
        phrase.items.push_back(std::move(item));
    }
    phrase.vanity = vanityOf(phrase.items);
    return phrase;
}

std::string MemorablePhrases::vanityOf(const std::vector<PhraseItem> &items) const
{
    const std::string &text = m_layout.Text();
    std::string vanity = m_options.wordsInAreaCode ? std::string() : m_layout.LeadingText();
    bool first = true;
    const auto part = [&](const std::string &p) {
        if (!first)
            vanity.push_back('-');
        vanity.append(p);
        first = false;
    };
    // Covered digits between the items stay, as the number field shows them.
    const auto covered = [&](std::size_t from, std::size_t to) {
        const auto marks =
            std::count(text.begin() + static_cast<std::ptrdiff_t>(from),
                       text.begin() + static_cast<std::ptrdiff_t>(to), UsedDigitMark);
        if (marks > 0)
            part(FieldTextAsUtf8(std::string(static_cast<std::size_t>(marks), UsedDigitMark)));
    };
    std::size_t done = m_options.wordsInAreaCode ? 0 : m_layout.LeadingEnd();
    for (const PhraseItem &item : items) {
        covered(done, static_cast<std::size_t>(item.first - 1));
        part(item.word.empty() ? item.digits : upperCased(item.word));
        done = static_cast<std::size_t>(item.last);
    }
    covered(std::min(done, text.size()), text.size());
    return vanity;
}

void MemorablePhrases::Best(std::size_t n,
                            const std::function<bool(const MemorablePhrase &)> &onPhrase) const
{
    if (m_graph.Goal() <= 0 || m_graph.Best(0) < 0)
        return;
    BestPaths paths(m_graph);
    std::vector<std::uint32_t> edges;
    std::unordered_set<std::string> listed;
    for (std::size_t found = 0; found < n && paths.Next();) {
        if (paths.Cost() > ScaledLimit)
            return;
        paths.Edges(edges);
        const MemorablePhrase phrase = phraseOf(edges, paths.Cost());
        if (!listed.insert(phrase.vanity).second)
            continue;
        ++found;
        if (!onPhrase(phrase))
            return;
    }
}

std::vector<MemorablePhrase> MemorablePhrases::Best(std::size_t n) const
{
    std::vector<MemorablePhrase> best;
    Best(n, [&best](const MemorablePhrase &phrase) {
        best.push_back(phrase);
        return true;
    });
    return best;
}

PhraseForUse MemorablePhrases::ForUse(const MemorablePhrase &phrase) const
{
    const std::string &text = m_layout.Text();
    // The separators inside a word go; where each byte of the number text lands without them.
    std::vector<bool> dropped(text.size(), false);
    for (const PhraseItem &item : phrase.items) {
        if (item.word.empty())
            continue;
        for (int i = item.first; i < item.last; ++i) {
            if (!FirstDigitSet.contains(text[i - 1]))
                dropped[i - 1] = true;
        }
    }
    PhraseForUse use;
    std::vector<int> newIndex(text.size(), 0);
    for (std::size_t i = 0; i < text.size(); ++i) {
        newIndex[i] = static_cast<int>(use.numberText.size());
        if (!dropped[i])
            use.numberText.push_back(text[i]);
    }
    const auto keepDigit = [&](int index) {
        const std::string &entry = m_digitEntries[text[index] - '0'];
        if (!entry.empty() && use.phraseSlots.size() < SlotCount)
            use.phraseSlots.push_back({entry, std::string(1, text[index]), newIndex[index] + 1});
    };
    if (!m_options.wordsInAreaCode) {
        for (std::size_t f = 0; f < m_searchFrom; ++f)
            keepDigit(m_layout.Free()[f]);
    }
    for (const PhraseItem &item : phrase.items) {
        if (!item.word.empty()) {
            if (use.phraseSlots.size() < SlotCount)
                use.phraseSlots.push_back({item.word, item.digits, newIndex[item.first - 1] + 1});
            continue;
        }
        for (int i = item.first; i <= item.last; ++i) {
            if (FirstDigitSet.contains(text[i - 1]))
                keepDigit(i - 1);
        }
    }
    return use;
}

PhraseRanker::PhraseRanker(const DictionaryIndex &index, const RankingData *ranking,
                           PhraseOptions options)
    : m_index(index), m_ranking(ranking && !ranking->Empty() ? ranking : nullptr),
      m_options(options), m_kinds(index.WordCount()), m_fits(index.WordCount())
{
    for (std::uint32_t id = 0; id < index.WordCount(); ++id) {
        const IndexedWord &word = index.Word(id);
        m_kinds[id] = MemorablePhrases::fitOf(word.number, word.word, word.cls, word.line,
                                              m_ranking, options, m_fits[id]);
    }
}

void PhraseRanker::Want(const std::vector<std::uint32_t> &ids)
{
    m_wanting = true;
    for (std::uint32_t id : ids)
        m_fits[id].wanted = true;
}

MemorablePhrases PhraseRanker::Collect(std::string_view numberText) const
{
    MemorablePhrases result;
    result.start(numberText, m_options);
    result.m_examined = m_index.LineCount();
    std::vector<std::uint32_t> ids;
    m_index.Find(result.m_layout.FreeDigitText(), ids);
    bool wantedFits = false;
    for (std::uint32_t id : ids) {
        result.add(m_kinds[id], m_fits[id]);
        wantedFits =
            wantedFits || (m_kinds[id] == MemorablePhrases::FitKind::Word && m_fits[id].wanted);
    }
    // Most numbers of a list hold no wanted word at all, and need no search.
    if (!m_wanting || wantedFits)
        result.buildGraph(m_ranking, m_wanting);
    return result;
}

std::string NoMemorablePhraseText(std::string_view numberText)
{
    return "No memorable phrase for " + FieldTextAsUtf8(numberText);
}

} // namespace Numra
