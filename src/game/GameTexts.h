#pragma once

#include "framework/Text.h"

// Every text of the game's windows a user can read, in one place. The game
// screen's own words (HIGH SCORE, PAUSE, GAME OVER, ...) are part of its
// picture and are the same in every language, so they are not here.
namespace orv::GameTexts {

inline constexpr TText StartItem = ORV_TEXT("MainMenu", "[開始(&S)]");
inline constexpr TText PauseItem = ORV_TEXT("MainMenu", "[一時停止(&P)]");
inline constexpr TText SpeedItem = ORV_TEXT("MainMenu", "速度(&T)");
inline constexpr TText FastSpeedItem = ORV_TEXT("MainMenu", "速い(&F)");
inline constexpr TText NormalSpeedItem = ORV_TEXT("MainMenu", "普通(&N)");
inline constexpr TText SlowSpeedItem = ORV_TEXT("MainMenu", "遅い(&S)");
inline constexpr TText ConfigItem = ORV_TEXT("MainMenu", "設定(&C)");
inline constexpr TText ClearHiScoreItem = ORV_TEXT("MainMenu", "ハイスコアを消去(&H)");
inline constexpr TText GameConfigItem = ORV_TEXT("MainMenu", "ゲーム設定(&G)...");
inline constexpr TText SysConfigItem = ORV_TEXT("MainMenu", "システム設定(&S)...");
inline constexpr TText InfoItem = ORV_TEXT("MainMenu", "情報(&I)");
inline constexpr TText AboutItem = ORV_TEXT("MainMenu", "このプログラムについて(&A)...");
inline constexpr TText ManualItem = ORV_TEXT("MainMenu", "操作説明書（&M)...");
inline constexpr TText QuitItem = ORV_TEXT("MainMenu", "終了(&Q)");
inline constexpr TText TitleItem = ORV_TEXT("MainMenu", "タイトルに戻る(&T)");
inline constexpr TText TerminateItem = ORV_TEXT("MainMenu", "プログラムを終了(&Q)");

inline constexpr TText ClearHiScoreQuestion = ORV_TEXT("MainForm", "ハイスコアを消去しますか？");
inline constexpr TText ClearHiScoreYesHint = ORV_TEXT("MainForm", "消去します");
inline constexpr TText ClearHiScoreNoHint = ORV_TEXT("MainForm", "消去しません");
inline constexpr TText QuitQuestion = ORV_TEXT("MainForm", "プログラムを終了します");
inline constexpr TText QuitYesHint = ORV_TEXT("MainForm", "終了します");
inline constexpr TText QuitNoHint = ORV_TEXT("MainForm", "終了しません");

// On standard error: {0} the program, {1} the language asked for.
inline constexpr TText UnknownLanguage =
    ORV_TEXT("CommandLine", "{0}: 言語 '{1}' の表示はありません。日本語で表示します");

inline constexpr TText WrongIniFile = ORV_TEXT("MainForm", "INIファイルが違います");
// {0} the manual's file.
inline constexpr TText ManualNotOpened = ORV_TEXT(
    "MainForm", "操作説明書 {0} を開けませんでした。\nテキストエディタなどで直接開いてください。");

} // namespace orv::GameTexts
