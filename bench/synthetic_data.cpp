#include "bench/synthetic_data.h"

#include "lookup/format.h"

#include <array>
#include <stdexcept>
#include <string_view>

namespace milden::bench {
namespace {

constexpr std::array<std::string_view, 8> kNames = {
    "ノルド通信", "株式会社ヴェスタ・モバイル", "ソラ電話", "ミナト無線ネットワーク",
    "アオイ通信（旧名）", "ハヤテ・テレコム", "キタ電気通信", "ツバメ移動体通信"};


// Cell codes of every kind the lookup reads: one pair, two pairs, the marks, a quoted cell with
// a comma, a comment item, a cell with a ";" remark and an empty cell.
std::string Cell(int index, int row, int column, const RangeFormat& range) {
    switch ((index + row * 3 + column) % 9) {
    case 0: return TwoDigits(row * 7 + column);
    case 1: return TwoDigits(column) + TwoDigits(row);
    case 2: return std::string(range.exceptionMark);
    case 3: return "\"2" + std::to_string(column % 10) + ",引用\"";
    case 4: return "#注記";
    case 5: return "1" + std::to_string(row % 10) + " ;備考";
    case 6: return "";
    default: return TwoDigits(index * 10 + column);
    }
}

void AppendPrefixTable(std::string& out, const RangeFormat& range) {
    out += range.prefixTableKey;
    out += "\r\n";
    for (int index = 0; index < range.indexCount; ++index) {
        out += "index=" + std::to_string(index) + "[第" + std::to_string(index) + "ブロック\r\n";
        for (int row = 0; row < kRowsPerBlock; ++row) {
            // Every third row runs on far past its ten cells, as hand-edited files do.
            const int cells = row % 3 == 0 ? 40 : kCellsPerRow;
            for (int column = 0; column < cells; ++column) {
                out += Cell(index, row, column, range);
                out += column + 1 < cells ? "," : ";\r\n";
            }
        }
        out += "]\r\n";
    }
    out += "}\r\n";
}

void AppendExceptionList(std::string& out, const RangeFormat& range) {
    out += range.exceptionListKey;
    out += "\r\n# 例外: 番号と名前の組\r\n";
    for (int i = 0; i < 600; ++i) {
        out += TwoDigits(i / 4) + TwoDigits(i * 7) + "," + TwoDigits(i) + (i % 5 == 0 ? TwoDigits(i + 3) : "");
        out += i % 10 == 0 ? " ;変更予定\r\n" : "\r\n";
    }
    out += "}\r\n";
}

void AppendOperatorList(std::string& out, const RangeFormat& range) {
    out += range.operatorListKey;
    out += "\r\n";
    for (std::size_t group = 0; group < kOperatorGroups; ++group) {
        out += "# グループ" + std::to_string(group) + "\r\n";
        for (std::size_t item = 0; item < kNamesPerOperatorGroup; ++item) {
            const std::string_view name = kNames[(group + item) % kNames.size()];
            if (item % 5 == 3) {  // a fifth of the names quoted, a comma inside
                out += "\"" + std::string(name) + ",支店\"";
            } else {
                out += name;
            }
            out += item + 1 < kNamesPerOperatorGroup ? "," : ";\r\n";
        }
    }
    out += "}\r\n";
}

// All nine sections once, in the order of the bundled file, with comments between them.
std::string Block() {
    std::string utf8 = "# ミルデン ベンチマーク用データ\r\n#コメント行,カンマの後も項目\r\n";
    for (const RangeFormat& range : kRangeFormats) {
        AppendOperatorList(utf8, range);
        AppendPrefixTable(utf8, range);
        AppendExceptionList(utf8, range);
        utf8 += "# 区切り\r\n";
    }
    return EncodeCp932(utf8);
}

}  // namespace

std::string MakeSyntheticDataFile(std::size_t targetBytes) {
    const std::string block = Block();
    std::string file;
    file.reserve(targetBytes + block.size());
    while (file.size() < targetBytes) file += block;
    return file;
}

std::string MakeBundledLikeDataFile() {
    std::string utf8 = "# ミルデン データ\r\n";
    for (const RangeFormat& range : kRangeFormats) {
        AppendOperatorList(utf8, range);
        utf8 += range.prefixTableKey;
        utf8 += "\r\n";
        for (int index = 0; index < range.indexCount; ++index) {
            utf8 += "index=" + std::to_string(index) + "\r\n";
            for (int row = 0; row < kRowsPerBlock; ++row) {
                for (int column = 0; column < kCellsPerRow; ++column) {
                    utf8 += TwoDigits((index + row + column) % 8 * 10 + column % 4);
                    utf8 += column + 1 < kCellsPerRow ? "," : ";\r\n";
                }
            }
        }
        utf8 += "}\r\n";
        utf8 += range.exceptionListKey;
        utf8 += "\r\n";
        for (int i = 0; i < 40; ++i) utf8 += TwoDigits(i) + TwoDigits(i * 3) + "," + TwoDigits(i % 8 * 10) + "\r\n";
        utf8 += "}\r\n";
    }
    return EncodeCp932(utf8);
}

}  // namespace milden::bench
