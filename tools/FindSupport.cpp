#include "tools/FindSupport.h"

#include "core/StatusText.h"
#include "core/TextEncoding.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace NumraFind {

int DictionaryError(Numra::DictionaryError error, const Numra::DictionaryFile &file)
{
    if (error == Numra::DictionaryError::CouldNotOpen)
        std::fprintf(stderr, "Can Not Open %s: %s\n", file.Path().c_str(),
                     file.OpenError().message().c_str());
    else
        std::fprintf(stderr, "Error Reading Dictionary %s\n", file.Path().c_str());
    return Trouble;
}

namespace {

// Why a write failed before the flush: a text longer than the buffer is written at once, and the
// flush after it has nothing left to fail on.
int writeError = 0;

} // namespace

void Write(std::string_view text)
{
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() && writeError == 0)
        writeError = errno;
}

bool OutputWritten()
{
    errno = 0;
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return true;
    const int error = errno ? errno : writeError;
    std::fprintf(stderr, "numra-find: could not write the output%s%s\n", error ? ": " : "",
                 error ? std::strerror(error) : "");
    return false;
}

double SecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::string SecondsText(double seconds)
{
    const std::string text = Numra::FormatSeconds(seconds, Numra::LocaleDecimalSeparator());
    return text.empty() ? "0" : text;
}

void PrintRankingStatus(const Numra::RankingData &ranking, const std::string &path, double seconds)
{
    if (ranking.Error() != Numra::RankingError::None) {
        std::fprintf(stderr, "ranking data not read: %s: %s\n", path.c_str(),
                     ranking.Reason().c_str());
        return;
    }
    std::fprintf(stderr, "ranking data: %zu words, %zu pairs read in %s secs\n",
                 ranking.WordCount(), ranking.PairCount(), SecondsText(seconds).c_str());
}

} // namespace NumraFind
