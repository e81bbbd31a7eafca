#include "lookup/text_arena.h"

#include <algorithm>

namespace milden {

TextArena::Handle TextArena::ReserveChunk(std::size_t units, char16_t*& place) {
    if (units == 0 || units >= (std::size_t{1} << 31) || chunks_.size() >= kMaxChunks) return 0;
    if (units > kLongest) {
        const std::size_t header = HeaderUnits(units);
        chunks_.push_back(std::make_unique_for_overwrite<char16_t[]>(header + units));
        place = chunks_.back().get() + header;
        return static_cast<Handle>((chunks_.size() - 1) << 16) + 1;
    }
    sharedUnits_ = std::max({kFirstChunkUnits, std::min(2 * sharedUnits_, kChunkUnits), units + 1});
    chunks_.push_back(std::make_unique_for_overwrite<char16_t[]>(sharedUnits_));
    sharedChunk_ = chunks_.size() - 1;
    shared_ = chunks_.back().get();
    used_ = 0;
    return Reserve(units, place);
}

TextArena::Handle TextArena::AddLongerCp932(std::string_view bytes) {
    char16_t* place = nullptr;
    const Handle handle = Reserve(bytes.size(), place);  // a byte never decodes to more than one unit
    if (handle == 0) return 0;
    return Commit(handle, place, bytes.size(), DecodeCp932(bytes, place));
}

TextArena::Handle TextArena::AddRecent(std::string_view bytes, std::uint64_t key) {
    if (recent_.empty()) recent_.resize(std::size_t{1} << recentSlotBits_);
    Recent& recent = recent_[SlotOf(key)];
    recent = {key, AddLongerCp932(bytes)};
    return recent.handle;
}

void TextArena::Clear() {
    std::vector<std::unique_ptr<char16_t[]>>().swap(chunks_);
    std::vector<Recent>().swap(recent_);
    shared_ = nullptr;
    sharedUnits_ = used_ = 0;
}

}  // namespace milden
