#include "text_arena.h"

namespace milden {

char16_t* TextArena::ReserveChunk(std::size_t units, Handle& handle) {
    if (units == 0 || units >= (std::size_t{1} << 31) || chunks_.size() >= kMaxChunks) return nullptr;
    const std::size_t total = HeaderUnits(units) + units;
    if (units > kLongest) {
        chunks_.push_back(std::make_unique_for_overwrite<char16_t[]>(total));
        handle = static_cast<Handle>((chunks_.size() - 1) << 16) + 1;
        lastReserve_ = kChunkUnits;
        return chunks_.back().get();
    }
    chunks_.push_back(std::make_unique_for_overwrite<char16_t[]>(kChunkUnits));
    sharedChunk_ = chunks_.size() - 1;
    used_ = 0;
    return Reserve(units, handle);
}

void TextArena::Clear() {
    std::vector<std::unique_ptr<char16_t[]>>().swap(chunks_);
    used_ = kChunkUnits;
}

}  // namespace milden
