// Many short strings in one store: no heap block per string, and nothing is copied as the
// store grows.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "cp932.h"

namespace milden {

class TextArena {
public:
    // Names a stored string; 0 names the empty string.
    using Handle = std::uint32_t;

    // Stores text and returns its handle; 0 for empty text, and for any text once the store
    // holds 65,535 chunks (several times what a 64 MiB file can fill).
    Handle Add(std::u16string_view text) {
        Handle handle = 0;
        char16_t* place = Reserve(text.size(), handle);
        if (place == nullptr) return 0;
        std::copy(text.begin(), text.end(), place + HeaderUnits(text.size()));
        Commit(place, text.size(), text.size());
        return handle;
    }
    // The same for code page 932 bytes, decoded straight into the store.
    Handle AddCp932(std::string_view bytes) {
        Handle handle = 0;
        char16_t* place = Reserve(bytes.size(), handle);  // a byte never decodes to more than one unit
        if (place == nullptr) return 0;
        Commit(place, bytes.size(), DecodeCp932(bytes, place + HeaderUnits(bytes.size())));
        return handle;
    }

    // The string; valid until Clear().
    std::u16string_view Get(Handle handle) const {
        if (handle == 0) return {};
        const Handle at = handle - 1;
        const char16_t* place = chunks_[at >> 16].get() + (at & 0xFFFF);
        if (place[0] < kLongFlag) return {place + 1, place[0]};
        return {place + 2, static_cast<std::size_t>(place[0] & ~kLongFlag) << 16 | place[1]};
    }

    // Frees everything; every handle but 0 becomes invalid.
    void Clear();

private:
    // Strings of up to kLongest units share chunks of kChunkUnits; a longer string gets a chunk
    // of its own, so no chunk wastes more than kLongest units. Each string is stored as its
    // length (one unit, or two with the top bit set for a string that could reach kLongFlag
    // units) followed by its units. A handle is 1 + the chunk's index * 2^16 + the offset.
    static constexpr std::size_t kChunkUnits = std::size_t{1} << 16;
    static constexpr std::size_t kLongest = 4096;
    static constexpr std::size_t kLongFlag = 0x8000;
    static constexpr std::size_t kMaxChunks = 0xFFFF;

    static constexpr std::size_t HeaderUnits(std::size_t maxLength) { return maxLength < kLongFlag ? 1 : 2; }

    // Room for a string of 1 to 2^31 - 1 units; null for any other length or a full store.
    char16_t* Reserve(std::size_t units, Handle& handle) {
        const std::size_t total = HeaderUnits(units) + units;
        if (units == 0 || units > kLongest || used_ + total > kChunkUnits) return ReserveChunk(units, handle);
        handle = static_cast<Handle>(sharedChunk_ << 16 | used_) + 1;
        lastReserve_ = used_;
        used_ += total;
        return chunks_[sharedChunk_].get() + lastReserve_;
    }
    char16_t* ReserveChunk(std::size_t units, Handle& handle);
    // Writes the header for length at place and gives back what the string did not use.
    void Commit(char16_t* place, std::size_t reservedUnits, std::size_t length) {
        if (HeaderUnits(reservedUnits) == 1) {
            place[0] = static_cast<char16_t>(length);
        } else {
            place[0] = static_cast<char16_t>(kLongFlag | length >> 16);
            place[1] = static_cast<char16_t>(length & 0xFFFF);
        }
        if (lastReserve_ < kChunkUnits) used_ -= reservedUnits - length;
    }

    std::vector<std::unique_ptr<char16_t[]>> chunks_;
    std::size_t sharedChunk_ = 0;     // the chunk short strings go to
    std::size_t used_ = kChunkUnits;  // units used in it; full before the first string
    std::size_t lastReserve_ = 0;     // where the last string starts in it; kChunkUnits for one of its own
};

}  // namespace milden
