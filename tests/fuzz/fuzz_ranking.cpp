// The ranking file on arbitrary bytes: read or refused with a reason, never a crash, and what is
// read agrees with its own lines.

#include "core/RankingData.h"
#include "tests/fuzz/FuzzSupport.h"

using namespace Numra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size > Fuzz::MaxInput)
        return 0;
    const std::string_view input = Fuzz::bytes(data, size);
    const RankingData ranking = RankingData::Parse(std::string(input));
    if (ranking.Error() != RankingError::None) {
        FUZZ_CHECK(ranking.Empty() && ranking.PairCount() == 0 && !ranking.Reason().empty());
        FUZZ_CHECK(ranking.Find("A") == RankingData::NoWord);
        return 0;
    }
    FUZZ_CHECK(input.starts_with("numra-rank 1"));
    std::size_t leading = 0;
    for (std::size_t id = 0; id < ranking.WordCount(); ++id) {
        const RankedWord &word = ranking.Word(static_cast<RankingData::WordId>(id));
        FUZZ_CHECK(ranking.Find(word.key) == static_cast<RankingData::WordId>(id));
        FUZZ_CHECK(word.cost >= 0 && word.cost <= 1000000 && word.bestGainInto >= 0);
        leading += word.leads;
        // A pair of a word with itself or its neighbour in the table: whatever the gain, it is
        // that of a pair the file named, and nothing else answers for a missing word.
        const auto next = static_cast<RankingData::WordId>((id + 1) % ranking.WordCount());
        FUZZ_CHECK(ranking.PairGain(static_cast<RankingData::WordId>(id), next) >= 0);
        FUZZ_CHECK(ranking.PairGain(static_cast<RankingData::WordId>(id), RankingData::NoWord) ==
                   0);
    }
    FUZZ_CHECK((ranking.PairCount() == 0) == (leading == 0));
    return 0;
}
