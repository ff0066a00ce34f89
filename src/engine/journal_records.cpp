#include "engine/journal_records.h"

namespace quire::records {
namespace {

// FNV-1a: a torn or garbled record fails it but for one chance in four billion.
std::uint32_t Checksum(std::string_view bytes) {
    std::uint32_t hash = 2166136261U;
    for (const char byte : bytes) {
        hash = (hash ^ static_cast<unsigned char>(byte)) * 16777619U;
    }
    return hash;
}

void SetNumber(char* at, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) at[i] = static_cast<char>((value >> (8 * i)) & 0xFFU);
}

void PutNumber(std::string& out, std::uint64_t value, int bytes) {
    char encoded[8];
    SetNumber(encoded, value, bytes);
    out.append(encoded, static_cast<std::size_t>(bytes));
}

void PutText(std::string& out, std::string_view text) {
    PutNumber(out, text.size(), 4);
    out.append(text);
}

}  // namespace

std::uint64_t GetNumber(std::string_view bytes, std::size_t at, int count) {
    std::uint64_t value = 0;
    for (int i = 0; i < count; ++i) {
        value |= std::uint64_t{static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)])}
                 << (8 * i);
    }
    return value;
}

std::size_t OpenRecord(std::string& out, char kind) {
    const std::size_t start = out.size();
    out += kind;
    out.append(4, '\0');
    return start;
}

void CloseRecord(std::string& out, std::size_t start) {
    const std::size_t length = out.size() - start - kHead;
    SetNumber(&out[start + 1], length, 4);
    PutNumber(out, length, 4);
    PutNumber(out, Checksum(std::string_view(out).substr(start)), 4);
}

void AppendRun(std::string& out, const RunDescription& run) {
    const std::size_t start = OpenRecord(out, kRun);
    PutNumber(out, static_cast<std::uint64_t>(run.time), 8);
    PutNumber(out, static_cast<std::uint64_t>(run.count), 8);
    PutNumber(out, run.id, 8);
    out += run.listed ? '\1' : '\0';
    out += run.separator;
    PutText(out, run.target);
    PutText(out, run.pattern);
    CloseRecord(out, start);
}

void AppendFolder(std::string& out, std::string_view path, const FolderIdentity& identity) {
    const std::size_t start = OpenRecord(out, kFolder);
    PutNumber(out, identity.volume, 8);
    PutNumber(out, identity.file, 8);
    PutNumber(out, identity.born, 8);
    out.append(path);
    CloseRecord(out, start);
}

void AppendEnd(std::string& out, std::uint64_t end) {
    const std::size_t start = OpenRecord(out, kEnd);
    PutNumber(out, end, 8);
    CloseRecord(out, start);
}

std::size_t RecordSize(std::string_view head) { return kHead + GetNumber(head, 1, 4) + kTail; }

std::optional<std::pair<char, std::string_view>> ParseRecord(std::string_view bytes) {
    if (bytes.size() < kHead + kTail) return std::nullopt;
    const std::size_t length = bytes.size() - kHead - kTail;
    if (GetNumber(bytes, 1, 4) != length || GetNumber(bytes, kHead + length, 4) != length ||
        GetNumber(bytes, bytes.size() - 4, 4) != Checksum(bytes.substr(0, bytes.size() - 4))) {
        return std::nullopt;
    }
    return std::pair{bytes[0], bytes.substr(kHead, length)};
}

std::optional<RunDescription> ParseRun(std::string_view payload) {
    constexpr std::size_t kFixed = 8 + 8 + 8 + 1 + 1;
    if (payload.size() < kFixed + 4) return std::nullopt;
    RunDescription run;
    run.time = static_cast<std::int64_t>(GetNumber(payload, 0, 8));
    run.count = static_cast<std::int64_t>(GetNumber(payload, 8, 8));
    run.id = GetNumber(payload, 16, 8);
    run.listed = payload[24] != '\0';
    run.separator = payload[25];
    std::size_t at = kFixed;
    for (std::string* text : {&run.target, &run.pattern}) {
        if (payload.size() - at < 4) return std::nullopt;
        const std::uint64_t length = GetNumber(payload, at, 4);
        at += 4;
        if (payload.size() - at < length) return std::nullopt;
        text->assign(payload.substr(at, length));
        at += length;
    }
    if (at != payload.size()) return std::nullopt;
    return run;
}

std::optional<JournalEntry> ParseFolder(std::string_view payload) {
    if (payload.size() <= kIdentitySize) return std::nullopt;
    return JournalEntry{
        std::string(payload.substr(kIdentitySize)),
        {GetNumber(payload, 0, 8), GetNumber(payload, 8, 8), GetNumber(payload, 16, 8)}};
}

}  // namespace quire::records
