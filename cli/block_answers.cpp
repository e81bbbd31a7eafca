#include "cli/block_answers.h"

namespace milden::cli {

std::size_t BlockOf(std::u16string_view fourDigits) {
    std::size_t block = 0;
    for (const char16_t digit : fourDigits) block = block * 10 + static_cast<std::size_t>(digit - u'0');
    return block;
}

std::vector<std::u16string> AnswerEveryBlock(const LookupSession& session) {
    std::vector<std::u16string> answers;
    answers.reserve(kAllRanges.size() * kBlocksPerRange);
    for (const Range range : kAllRanges)
        for (std::size_t block = 0; block < kBlocksPerRange; ++block) answers.push_back(session.Answer(range, FourDigits<std::u16string>(block)));
    return answers;
}

}  // namespace milden::cli
