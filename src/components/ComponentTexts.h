// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/texts/Text.h"

// Every text of the components a user can read, in one place. Captions with
// "&" mark their access key.
namespace orv::ComponentTexts {

// The yes/no question.
inline constexpr TText Confirm = ORV_TEXT("YesNoDialog", "確認");
inline constexpr TText ExecuteQuestion = ORV_TEXT("YesNoDialog", "実行しますか？");
inline constexpr TText Yes = ORV_TEXT("YesNoDialog", "はい(&Y)");
inline constexpr TText No = ORV_TEXT("YesNoDialog", "いいえ(&N)");
inline constexpr TText YesHint = ORV_TEXT("YesNoDialog", "実行します");
inline constexpr TText NoHint = ORV_TEXT("YesNoDialog", "実行しません");

// The about box.
inline constexpr TText AboutCaption = ORV_TEXT("AboutDialog", "このプログラムについて");
inline constexpr TText AboutHint = ORV_TEXT("AboutDialog", "プログラムに関する情報です");
inline constexpr TText AboutOk = ORV_TEXT("AboutDialog", "確認(&O)");
inline constexpr TText AboutOkHint = ORV_TEXT("AboutDialog", "このウィンドウを閉じます");

// Both settings windows.
inline constexpr TText Set = ORV_TEXT("ConfigForms", "決定(&S)");
inline constexpr TText SetHint = ORV_TEXT("ConfigForms", "今回の設定変更を有効にします。");
inline constexpr TText Cancel = ORV_TEXT("ConfigForms", "取消(&C)");
inline constexpr TText CancelHint = ORV_TEXT("ConfigForms", "今回の変更内容を取り消します。");

// The game settings.
inline constexpr TText GameConfigCaption = ORV_TEXT("GameConfig", "ゲーム設定");
inline constexpr TText SoundTab = ORV_TEXT("GameConfig", "音");
inline constexpr TText EffectSound = ORV_TEXT("GameConfig", "効果音");
inline constexpr TText EffectSoundHint =
    ORV_TEXT("GameConfig", "ゲーム中の効果音について設定します。");
inline constexpr TText EffectSoundOn = ORV_TEXT("GameConfig", "鳴らす");
inline constexpr TText EffectSoundOnHint =
    ORV_TEXT("GameConfig", "チェックすると効果音を鳴らします。");
inline constexpr TText LaserSound = ORV_TEXT("GameConfig", "レーザ発射音を鳴らす");
inline constexpr TText LaserSoundHint =
    ORV_TEXT("GameConfig", "このチェックをはずすと、レーザ発射音のみ鳴らさなくなります。");

// The system settings.
inline constexpr TText SystemConfigCaption = ORV_TEXT("SystemConfig", "システム設定");
inline constexpr TText HelpTab = ORV_TEXT("SystemConfig", "ヘルプ");
inline constexpr TText BalloonHelp = ORV_TEXT("SystemConfig", "バルーンヘルプ");
inline constexpr TText BalloonHelpHint = ORV_TEXT(
    "SystemConfig", "このメッセージのような簡易ヘルプ（バルーンヘルプ）について設定します。");
inline constexpr TText ShowHint = ORV_TEXT("SystemConfig", "表示する");
inline constexpr TText ShowHintHint =
    ORV_TEXT("SystemConfig", "チェックするとバルーンヘルプを表示します。");
inline constexpr TText HintPause = ORV_TEXT("SystemConfig", "表示するまでの時間");
inline constexpr TText HintPauseHint =
    ORV_TEXT("SystemConfig", "バルーンヘルプを表示するまでの待ち時間（ミリ秒）です。");
inline constexpr TText HintHidePause = ORV_TEXT("SystemConfig", "表示時間");
inline constexpr TText HintHidePauseHint =
    ORV_TEXT("SystemConfig", "バルーンヘルプを表示している時間（ミリ秒）です。");
inline constexpr TText MouseTab = ORV_TEXT("SystemConfig", "マウス");
inline constexpr TText JumpCursor = ORV_TEXT("SystemConfig", "マウスカーソルの自動移動");
inline constexpr TText JumpCursorHint = ORV_TEXT(
    "SystemConfig",
    "ウィンドウを開いたり閉じたりした際、マウスカーソルを前回位置やボタン上などに自動移動します。");
inline constexpr TText JumpCursorOn = ORV_TEXT("SystemConfig", "自動移動する");
inline constexpr TText JumpCursorOnHint =
    ORV_TEXT("SystemConfig", "チェックすると自動移動を行います。");
inline constexpr TText CursorMoveStep = ORV_TEXT("SystemConfig", "移動速度");
inline constexpr TText CursorMoveStepHint =
    ORV_TEXT("SystemConfig", "自動移動時のカーソルの移動速度(大きいほど高速)です。");
inline constexpr TText CursorMaxMoves = ORV_TEXT("SystemConfig", "最長移動時間");
inline constexpr TText CursorMaxMovesHint = ORV_TEXT(
    "SystemConfig",
    "自動移動に要する時間の上限.（大きいほど長い）です。これを超える場合は高速移動します。");
inline constexpr TText Defaults = ORV_TEXT("SystemConfig", "初期設定に戻す");
inline constexpr TText DefaultsHint =
    ORV_TEXT("SystemConfig", "この枠内の内容をすべて初期設定に戻します。");

// The settings file.
inline constexpr TText NotAnInteger = ORV_TEXT("SettingsFile", "'{0}' は整数ではありません");
// Values that cannot be used, in one message: {0} the settings file, then one
// line per value, then where the old values stay ({0} that file).
inline constexpr TText ValuesNotUsable =
    ORV_TEXT("SettingsFile", "設定ファイル {0} に使えない値があります。");
// {0} section, {1} key, {2} value, {3} the value used instead, {4} the least
// value allowed.
inline constexpr TText NotAnIntegerUsing =
    ORV_TEXT("SettingsFile", "[{0}] {1}={2} は整数ではありません。{3} を使います。");
inline constexpr TText IntegerOutOfRange =
    ORV_TEXT("SettingsFile", "[{0}] {1}={2} は大きすぎて扱えない整数です。{3} を使います。");
inline constexpr TText ValueBelowMinimum =
    ORV_TEXT("SettingsFile", "[{0}] {1}={2} は {4} 以上でなければなりません。{3} を使います。");
inline constexpr TText OldValuesKept = ORV_TEXT("SettingsFile", "元の値は {0} に残ります。");
inline constexpr TText FileEmpty = ORV_TEXT("SettingsFile", "{0} は空です");
inline constexpr TText FileWithoutSettings =
    ORV_TEXT("SettingsFile", "{0} に設定として読める行がありません");
inline constexpr TText LoadFailed =
    ORV_TEXT("SettingsFile", "設定ファイルを読み込めませんでした。");
inline constexpr TText StartWithDefaults = ORV_TEXT("SettingsFile", "既定の設定で始めます。");
inline constexpr TText StartWithFile = ORV_TEXT("SettingsFile", "{0} の設定で始めます。");
// {0} the unusable settings file, {1} where it is kept.
inline constexpr TText UnusableKept =
    ORV_TEXT("SettingsFile", "{0} は保存するときに {1} として残します。");
inline constexpr TText NotOverwritten =
    ORV_TEXT("SettingsFile", "{0} は読み込めなかったため、上書きしません。");
// {0} the program's title, {1} the settings file.
inline constexpr TText AnotherCopyRunning =
    ORV_TEXT("SettingsFile", "{0} はすでに起動していて、同じ設定ファイルを使っています。\n{1}\n\n"
                             "どちらも設定を保存するため、後から保存したほうの設定が残ります。");
inline constexpr TText CopiesNotChecked =
    ORV_TEXT("SettingsFile",
             "{0} がほかにも起動していて同じ設定ファイルを使っているかどうか、確かめられません。\n"
             "{1}\n\n同じ設定ファイルを使っているときは、後から保存したほうの設定が残ります。");
// {0} the file, {1} why.
inline constexpr TText SaveFailed = ORV_TEXT(
    "SettingsFile",
    "設定ファイル {0} を保存できませんでした。\nこれまでのファイルは変更されていません。\n\n{1}");
inline constexpr TText SaveFailedNoFile =
    ORV_TEXT("SettingsFile", "設定ファイル {0} を保存できませんでした。\n\n{1}");

// The window manager's setters.
inline constexpr TText EntryMaxRange =
    ORV_TEXT("WindowManager", "EntryMaxの値は1以上HashSize以下にしてください");
inline constexpr TText HashSizeRange =
    ORV_TEXT("WindowManager", "HashSizeの値はEntryMax以上にしてください");
// {0} the largest HashSize.
inline constexpr TText HashSizeTooLarge =
    ORV_TEXT("WindowManager", "HashSizeの値は{0}以下にしてください");

// The image box and the wave player.
inline constexpr TText BitmapNumRange = ORV_TEXT("ImageBox", "指定可能範囲は1～{0}です");
inline constexpr TText Error = ORV_TEXT("ImageBox", "エラー");
inline constexpr TText SoundNotOpened = ORV_TEXT("WavePlayer", "ファイルを開けません: {0}");
inline constexpr TText SoundNotRead = ORV_TEXT("WavePlayer", "ファイルを読めません: {0}");

} // namespace orv::ComponentTexts
