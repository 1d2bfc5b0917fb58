// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/texts/Text.h"

// Every text of the framework a user can read, in one place.
namespace orv::FrameworkTexts {

inline constexpr TText UnexpectedError = ORV_TEXT("Application", "予期しないエラーが発生しました");
inline constexpr TText ResourceNotFound = ORV_TEXT("Resources", "{0} ﾘｿｰｽが見つかりません");
inline constexpr TText InvalidCast = ORV_TEXT("Exceptions", "無効なクラス型キャストです");
inline constexpr TText ImageUnreadable = ORV_TEXT("Bitmap", "画像を読み込めません: {0}");
inline constexpr TText ScrollRangeInvalid =
    ORV_TEXT("Controls", "スクロールバーの範囲が正しくありません（最大値が最小値より小さい）");

// {0} is the file, {1} the system's reason.
inline constexpr TText FileNotCreated = ORV_TEXT("Files", "ファイルを作成できません: {0} ({1})");
inline constexpr TText FileNotOpened = ORV_TEXT("Files", "ファイルを開けません: {0} ({1})");
inline constexpr TText FileNotRead = ORV_TEXT("Files", "ファイルを読めません: {0} ({1})");
inline constexpr TText FileNotWritten = ORV_TEXT("Files", "ファイルに書き込めません: {0} ({1})");
inline constexpr TText FileNotReplaced =
    ORV_TEXT("Files", "ファイルを置き換えられません: {0} ({1})");
inline constexpr TText FolderNotCreated = ORV_TEXT("Files", "フォルダを作成できません: {0} ({1})");
inline constexpr TText NotRegularFile = ORV_TEXT("Files", "通常のファイルではありません: {0}");

} // namespace orv::FrameworkTexts
