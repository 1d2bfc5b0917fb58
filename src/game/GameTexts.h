// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/texts/Text.h"

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

// What the program prints in a terminal, in the terminal's language; {0} is
// always the program's name. Here {1} is the language asked for.
inline constexpr TText UnknownLanguage =
    ORV_TEXT("CommandLine", "{0}: 言語 '{1}' の表示はありません。日本語で表示します");
inline constexpr TText Usage = ORV_TEXT("CommandLine", "使い方: {0} [オプション]...");
inline constexpr TText Summary =
    ORV_TEXT("CommandLine", "自機が止まらない、小さなシューティングゲームです。");
inline constexpr TText HelpOption = ORV_TEXT("CommandLine", "このヘルプを表示して終了する");
inline constexpr TText VersionOption = ORV_TEXT("CommandLine", "バージョンを表示して終了する");
inline constexpr TText LangOption =
    ORV_TEXT("CommandLine", "メニュー・ダイアログ・メッセージを日本語か英語で表示する");
inline constexpr TText TitleBarOption = ORV_TEXT(
    "CommandLine", "タイトルバーをゲームが描く (own) か、デスクトップに任せる (desktop) か");
// {1} the option as it was written.
inline constexpr TText UnknownOption =
    ORV_TEXT("CommandLine", "{0}: '{1}' は認識できないオプションです");
inline constexpr TText InvalidOption = ORV_TEXT("CommandLine", "{0}: 無効なオプション '{1}' です");
inline constexpr TText NoArgumentAllowed =
    ORV_TEXT("CommandLine", "{0}: オプション '{1}' は引数を取りません");
// {2} the values it takes.
inline constexpr TText ArgumentRequired =
    ORV_TEXT("CommandLine", "{0}: オプション '{1}' には引数 ({2}) が必要です");
// {1} the value, {2} the option, {3} the values it takes.
inline constexpr TText InvalidArgument =
    ORV_TEXT("CommandLine", "{0}: '{2}' の引数 '{1}' は無効です ({3})");
// {1} the word.
inline constexpr TText UnexpectedArgument =
    ORV_TEXT("CommandLine", "{0}: 余分な引数 '{1}' があります");
inline constexpr TText NoDisplay =
    ORV_TEXT("CommandLine", "{0}: ディスプレイが見つかりません。このゲームにはグラフィカル"
                            "セッション (X11 または Wayland) が必要です");

// What the desktop calls each sound while it plays (a volume mixer's list).
inline constexpr TText LaserSound = ORV_TEXT("Sounds", "レーザー");
inline constexpr TText EnemyExplosionSound = ORV_TEXT("Sounds", "敵の爆発");
inline constexpr TText ShipExplosionSound = ORV_TEXT("Sounds", "自機の爆発");

// The about box's lines of the maker's own, the same in every language; the
// version line is the prefix and the program's version.
inline constexpr const char* kAboutKind = "- Shooting Game -";
inline constexpr const char* kAboutYear = "(C) 2026 STUDIO ZEO";
inline constexpr const char* kVersionPrefix = "Ver";

inline constexpr TText WrongIniFile = ORV_TEXT("MainForm", "INIファイルが違います");
// {0} the manual's file.
inline constexpr TText ManualNotOpened = ORV_TEXT(
    "MainForm", "操作説明書 {0} を開けませんでした。\nテキストエディタなどで直接開いてください。");

} // namespace orv::GameTexts
