#pragma once
// Fixed Japanese texts that live in members, as CP932 bytes (the source files
// are UTF-8, the members are not).

#include <string_view>

namespace fw {

inline constexpr std::string_view kDefaultTitleSjis =  // タイトル
    "\x83\x5E\x83\x43\x83\x67\x83\x8B";
inline constexpr std::string_view kNewPageTitleSjis =  // 新規ページ
    "\x90\x56\x8B\x4B\x83\x79\x81\x5B\x83\x57";
inline constexpr std::string_view kNewSubChannelTitleSjis =  // 新規チャンネル
    "\x90\x56\x8B\x4B\x83\x60\x83\x83\x83\x93\x83\x6C\x83\x8B";

}  // namespace fw
