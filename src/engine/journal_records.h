// The journal's file: a magic line, then records. A record is its kind (one byte), the length of
// its payload (4 bytes), the payload, the length again and a checksum of all before it (4 bytes),
// so that it can be read from either end; numbers are little-endian. The first record describes
// the run ('R'); each folder is one 'F' (its identity, then its path); 'E' ends a run that wrote
// its journal whole (the time it ended); 'U' marks it undone.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/folder_identities.h"

namespace quire {

struct RunDescription {
    std::string target;      // a full path, made so at the run's start
    std::string pattern;     // empty for names from a list
    bool listed = false;     // names from a list instead of a pattern
    std::int64_t count = 0;  // numbered folders; 0 for a list
    std::int64_t time = 0;   // seconds since 1970 (UTC) when the run started
    char separator = '/';    // of the paths below
    std::uint64_t id = 0;    // tells two runs apart, even of the same second
};

struct JournalEntry {
    std::string path;
    FolderIdentity identity;
};

namespace records {

inline constexpr std::string_view kMagic = "QUIREBATCH JOURNAL 2\n";
// The first version's, whose journals named the target as typed and no end of the run.
inline constexpr std::string_view kFirstMagic = "QUIREBATCH JOURNAL 1\n";
inline constexpr std::size_t kLongestRecord = std::size_t{1024} * 1024;
inline constexpr std::size_t kHead = 1 + 4;  // kind, length
inline constexpr std::size_t kTail = 4 + 4;  // length, checksum
inline constexpr std::size_t kIdentitySize = std::size_t{3} * 8;
inline constexpr char kRun = 'R';
inline constexpr char kFolder = 'F';
inline constexpr char kEnd = 'E';
inline constexpr char kUndone = 'U';

std::uint64_t GetNumber(std::string_view bytes, std::size_t at, int count);

// Starts a record of `kind`, whose length is set when it is closed; gives where it starts.
std::size_t OpenRecord(std::string& out, char kind);
void CloseRecord(std::string& out, std::size_t start);

void AppendRun(std::string& out, const RunDescription& run);
void AppendFolder(std::string& out, std::string_view path, const FolderIdentity& identity);
// `end`: nanoseconds since 1970 when the run made its last folder.
void AppendEnd(std::string& out, std::uint64_t end);

// The payload and kind of the whole record `bytes`, or nothing when its framing or checksum
// fails (a record torn by a kill or garbled).
std::optional<std::pair<char, std::string_view>> ParseRecord(std::string_view bytes);
// The length of the record whose first bytes (at least kHead) are `head`.
std::size_t RecordSize(std::string_view head);

std::optional<RunDescription> ParseRun(std::string_view payload);
std::optional<JournalEntry> ParseFolder(std::string_view payload);

}  // namespace records
}  // namespace quire
