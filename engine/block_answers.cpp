#include "engine/block_answers.h"

namespace milden {

std::vector<std::u16string> AnswerEveryBlock(const LookupSession& session) {
    std::vector<std::u16string> answers;
    answers.reserve(kAllRanges.size() * kBlocksPerRange);
    for (const Range range : kAllRanges)
        for (std::size_t block = 0; block < kBlocksPerRange; ++block) answers.push_back(session.Answer(range, FourDigits<std::u16string>(block)));
    return answers;
}

}  // namespace milden
