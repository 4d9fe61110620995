#include "core/Conversion.h"

#include "core/NumberIndex.h"

#include <algorithm>

namespace Numra {

bool FitsPlacement(Placement placement, int keyPos, std::string_view number,
                   std::string_view numberText, int leftAnchor, int rightAnchor)
{
    switch (placement) {
    case Placement::AnyPoint:
        return true;
    case Placement::Left:
        return keyPos == leftAnchor;
    case Placement::Right: {
        const int last = LastPos(number, numberText);
        return last > 0 && last + static_cast<int>(number.size()) - 1 == rightAnchor;
    }
    }
    return false;
}

namespace {

// The lines of a block without CRs whose first byte is marked InSet and second InSecondSet, in
// order.
template <typename OnLine> void forEachLineStartingInSet(const LineBlock &block, OnLine &&onLine)
{
    const ByteMarks &marks = *block.Marks;
    std::uint64_t carry = std::uint64_t{1} << (block.Start % 64); // the block's first line
    for (std::size_t word = block.Start / 64; word * 64 < block.Size; ++word) {
        const std::uint64_t breaks = marks.Breaks[word];
        const std::uint64_t next =
            (word + 1) * 64 < block.Size ? marks.InSecondSet[word + 1] << 63 : 0;
        std::uint64_t starts =
            ((breaks << 1) | carry) & marks.InSet[word] & ((marks.InSecondSet[word] >> 1) | next);
        carry = breaks >> 63;
        for (; starts != 0; starts &= starts - 1) {
            const std::size_t at = word * 64 + static_cast<std::size_t>(std::countr_zero(starts));
            if (at >= block.Size)
                return;
            if (at < block.Start)
                continue;
            const std::size_t end = NextMark(marks.Breaks, at, block.Size);
            onLine(std::string_view(block.Text + at, std::min(end - at, ShortStringMax)));
        }
    }
}

} // namespace

ConversionOutcome RunConversion(DictionaryFile &file, std::string_view numberText,
                                Placement placement,
                                const std::function<void(const Record &)> &sink,
                                const std::function<void()> &onOpened)
{
    return RunConversion(
        file, numberText, placement, [&](const Record &record, std::int64_t) { sink(record); },
        onOpened);
}

ConversionOutcome RunConversion(DictionaryFile &file, std::string_view numberText,
                                Placement placement,
                                const std::function<void(const Record &, std::int64_t)> &sink,
                                const std::function<void()> &onOpened)
{
    numberText = numberText.substr(0, std::min(numberText.size(), ShortStringMax));
    const NumberIndex index(numberText);
    const int leftAnchor = FirstDigitPos(numberText);
    const int rightAnchor = LastDigitPos(numberText);

    // Whether a line holds a record that fits; most lines end at the cheap tests on the raw
    // key, before any split.
    const auto fits = [&](std::string_view line, Record &record) {
        if (!index.MayHoldKey(line))
            return false;
        const int keyPos = index.LineKeyPos(line);
        return keyPos != 0 && SplitRecord(line, record) &&
               FitsPlacement(placement, keyPos, record.number, numberText, leftAnchor, rightAnchor);
    };
    // Runs on either thread: it reads nothing but the number's index and its own record.
    const LinePicker pick = [&](const LineBlock &block, PickedLines &picked) {
        Record record;
        // After a CR LF pair a line starts two bytes past its mark; such blocks go line by line.
        if (block.Marks->HasCr) {
            PickEachLine(block, picked, [&](std::string_view line) { return fits(line, record); });
            return;
        }
        picked.LineCount = CountLines(block);
        forEachLineStartingInSet(block, [&](std::string_view line) {
            if (fits(line, record))
                picked.Add(block, line);
        });
    };
    ConversionOutcome outcome;
    Record record;
    outcome.error = ReadDictionaryPicked(
        file, pick,
        [&](const LineBlock &block, const PickedLines &picked) {
            // Each line before a picked one ended at a break; the picked lines come in order, so
            // the breaks are counted on from the last.
            std::size_t countedTo = block.Start;
            std::int64_t linesBefore = 0;
            for (const PickedLine &line : picked.Lines) {
                linesBefore +=
                    static_cast<std::int64_t>(CountMarks(block.Marks->Breaks, countedTo, line.At));
                countedTo = line.At;
                SplitShownRecord(picked.Line(block, line), record);
                ++outcome.accepted;
                sink(record, outcome.examined + linesBefore + 1);
            }
            outcome.examined += static_cast<std::int64_t>(picked.LineCount);
        },
        MarkSetBytes{&index.FirstBytes(), &index.SecondBytes()}, onOpened);
    return outcome;
}

} // namespace Numra
