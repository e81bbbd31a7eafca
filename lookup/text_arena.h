// Many short strings in one store: no heap block per string, and nothing is copied as the
// store grows.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "lookup/cp932.h"

namespace milden {

class TextArena {
public:
    // Names a stored string; 0 names the empty string.
    using Handle = std::uint32_t;

    // Remembers 2^recentSlotBits short values stored lately (see AddCp932).
    explicit TextArena(int recentSlotBits = 6) : recentSlotBits_(recentSlotBits) {}

    // Stores code page 932 bytes, decoded straight into the store, and returns their handle; 0
    // for no bytes, and for any once the store holds 65,535 chunks (several times what a 64 MiB
    // file can fill). A value of a few bytes that was stored lately is not stored again: cell
    // codes, exception codes and short names repeat, and a file of nothing else then costs a
    // handle per value.
    Handle AddCp932(std::string_view bytes) {
        if (bytes.size() > kRecentBytes) return AddLongerCp932(bytes);
        std::uint64_t key = bytes.size();  // the length, then the bytes: one key per value
        for (const char c : bytes) key = key << 8 | static_cast<unsigned char>(c);
        if (recent_.empty()) return AddRecent(bytes, key);
        const Recent& recent = recent_[SlotOf(key)];
        return recent.key == key && recent.handle != 0 ? recent.handle : AddRecent(bytes, key);
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
    // Strings of up to kLongest units share chunks, the first of kFirstChunkUnits, each next one
    // twice as large up to kChunkUnits (a small file takes little memory, a large one few
    // chunks); a longer string gets a chunk of its own, so no chunk wastes more than kLongest
    // units. Each string is stored as its length (one unit, or two with the top bit set for a
    // string that could reach kLongFlag units) followed by its units. A handle is
    // 1 + the chunk's index * 2^16 + the offset.
    static constexpr std::size_t kFirstChunkUnits = 1024;
    static constexpr std::size_t kChunkUnits = std::size_t{1} << 16;
    static constexpr std::size_t kLongest = 4096;
    static constexpr std::size_t kLongFlag = 0x8000;
    static constexpr std::size_t kMaxChunks = 0xFFFF;

    static constexpr std::size_t HeaderUnits(std::size_t maxLength) { return maxLength < kLongFlag ? 1 : 2; }

    static constexpr std::size_t kRecentBytes = 7;
    // Multiplying mixes every byte into the top bits: values of digits differ in few bits.
    std::size_t SlotOf(std::uint64_t key) const {
        return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15u) >> (64 - recentSlotBits_));
    }

    Handle AddLongerCp932(std::string_view bytes);
    // Stores a short value met for the first time lately, and remembers it under key.
    Handle AddRecent(std::string_view bytes, std::uint64_t key);

    // Room for a string of up to units units, after its header: its handle and where its units
    // go; handle 0 for no room (an empty string, or one of 2^31 units or more, or a full store).
    Handle Reserve(std::size_t units, char16_t*& place) {
        if (units - 1 < kLongest && used_ + units + 1 <= sharedUnits_) {
            place = shared_ + used_ + 1;
            return static_cast<Handle>(sharedChunk_ << 16 | used_) + 1;
        }
        return ReserveChunk(units, place);
    }
    Handle ReserveChunk(std::size_t units, char16_t*& place);
    // Writes the header of the string just reserved, now that its length is known, and gives
    // back what it did not use of a shared chunk.
    Handle Commit(Handle handle, char16_t* place, std::size_t reservedUnits, std::size_t length) {
        if (HeaderUnits(reservedUnits) == 1) {
            place[-1] = static_cast<char16_t>(length);
        } else {
            place[-2] = static_cast<char16_t>(kLongFlag | length >> 16);
            place[-1] = static_cast<char16_t>(length & 0xFFFF);
        }
        if (reservedUnits <= kLongest) used_ += 1 + length;  // it went to the shared chunk
        return handle;
    }

    struct Recent {
        std::uint64_t key = 0;
        Handle handle = 0;
    };
    int recentSlotBits_;
    std::vector<Recent> recent_;  // short values stored lately, by a hash of their bytes; made on first use
    std::vector<std::unique_ptr<char16_t[]>> chunks_;
    std::size_t sharedChunk_ = 0;     // the chunk short strings go to
    char16_t* shared_ = nullptr;      // its units
    std::size_t sharedUnits_ = 0;     // its size
    std::size_t used_ = 0;            // units used in it
};

}  // namespace milden
