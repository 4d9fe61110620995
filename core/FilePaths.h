#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

// Paths where they reach the operating system. The core holds a path as bytes: on Windows UTF-8,
// elsewhere the bytes the system uses, whatever their encoding.
namespace Numra {

std::filesystem::path PathFromBytes(std::string_view bytes);
std::string PathToBytes(const std::filesystem::path &path);

// Opens a regular file (after following links) for binary reading; null for anything else, so
// that a FIFO, a device or a directory is never read as if it were a file. error then says why:
// the system's reason, or that the path names no regular file.
std::FILE *OpenRegularFile(const std::filesystem::path &path, std::error_code &error);

// Reads up to size bytes at offset without moving the file's position, so that two threads may
// read one open file at once. The count read is short at the end of the file or where an error
// stopped the reading, which sets failed.
std::size_t ReadFileAt(std::FILE *file, unsigned long long offset, char *buffer, std::size_t size,
                       bool &failed);

// The arguments after the program's name, as bytes: on Windows UTF-8 from the wide command line
// (the code page's bytes cannot hold every file name), elsewhere as given, so that a file name
// that is not UTF-8 still names its file.
std::vector<std::string> ProgramArguments(int argc, char *argv[]);

// The directory of the running executable; empty when the system does not say.
std::filesystem::path ProgramDirectory();

// Where a data file that ships with the program lies: beside the executable in the build tree,
// or in ../share/numra beside it once installed. Falls back to the first place.
std::filesystem::path DataFilePath(const std::filesystem::path &programDirectory,
                                   std::string_view fileName);

} // namespace Numra
