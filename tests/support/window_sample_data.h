// A small data file for the tests of both windows (UTF-8; written to disk in code page 932).
//   090-1000 -> 丁ネット            090-1010 -> 丙テレコムか甲通信
//   080-5123 -> 080丁               070-0000 -> ＰＨＳ乙
#pragma once

namespace milden::test_support {

inline constexpr const char* kWindowSampleData =
    "keitai_tolvas{\r\n甲通信;\r\n乙モバイル;\r\n丙テレコム,丁ネット;\r\n}\r\n"
    "keitai_tolvas080{\r\n080甲;\r\n080乙;\r\n080丙,080丁;\r\n}\r\n"
    "phs_tolvas{\r\nＰＨＳ甲;\r\nＰＨＳ乙;\r\n}\r\n"
    "keitai_tolva_num{\r\nindex=1\r\n21,2000;\r\n}\r\n"
    "hash_keitai_tolva_num{\r\n1234,21\r\n}\r\n"
    "keitai_tolva_num080{\r\nindex=5\r\n#;\r\n#,#,21;\r\n}\r\n"
    "phs_tolva_num{\r\nindex=0\r\n10;\r\n}\r\n";

}  // namespace milden::test_support
