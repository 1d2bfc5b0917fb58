// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Commands.h"
#include "PlayerInput.h"
#include "framework/controls/Forms.h"
#include "framework/drawing/ImageList.h"
#include "framework/services/GameControllers.h"

#include <cstddef>
#include <memory>
#include <string>

namespace orv {

class TAboutDialog;
class TAnimateForm;
class TAutoIniFile;
class TYesNoDialog;
class TGame;
class TImageBox;
class TLabel;
class TMainMenu;
class TMenuItem;
class TSystemConfig;
class TTezFrame;
class TWavePlayer;
class TWindowManager;

// The program's only permanent window: the play field in its titled frame,
// the side panel with the title picture and the numbers, the menu bar, and
// the non-visual components. It creates the game and turns menu commands and
// keys into game operations.
class TMainForm : public TForm {
public:
    static constexpr const char* kProgramName = "ORBIT RAVEN";
    static constexpr const char* kVersion = "1.10";

    explicit TMainForm(TComponent* owner);
    ~TMainForm() override;

    void Loaded() override;

    // Handlers of the window, its menu and its settings file.
    void FormKeyDown(TObject* sender, int& key, unsigned shift);
    void FormKeyUp(TObject* sender, int& key, unsigned shift);
    void StartItemClick(TObject* sender);
    void PauseItemClick(TObject* sender);
    void FastSpeedItemClick(TObject* sender);
    void NormalSpeedItemClick(TObject* sender);
    void SlowSpeedItemClick(TObject* sender);
    void ManualItemClick(TObject* sender);
    void TitleItemClick(TObject* sender);
    void AutoIniFileIniLoaded(TObject* sender);
    void AutoIniFileIniSaving(TObject* sender);
    void GameEnded(TObject* sender);

    // The commands that open a dialog.
    void ClearHiScoreItemClick(TObject* sender);
    void GameConfigItemClick(TObject* sender);
    void SysConfigItemClick(TObject* sender);
    void AboutItemClick(TObject* sender);
    void TerminateItemClick(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
    bool ConfirmQuit();

    // The keys of the window and the menu; the menu's shortcuts follow them.
    const TKeyBindings& KeyBindings() const { return keyBindings_; }
    void SetKeyBindings(TKeyBindings bindings);

    // The components, in creation order.
    TLabel* ScoreLabel = nullptr;
    TLabel* HiScoreLabel = nullptr;
    TLabel* HiScoreCaptionLabel = nullptr;
    TLabel* ScoreCaptionLabel = nullptr;
    TLabel* LeftCaptionLabel = nullptr;
    TLabel* LevelCaptionLabel = nullptr;
    TLabel* LevelLabel = nullptr;
    TImageBox* TitleImageBox = nullptr;
    TImageBox* LeftImageBox = nullptr;
    TLabel* Zeo1Label = nullptr;
    TLabel* Zeo2Label = nullptr;
    TImageBox* ImageBox1 = nullptr;
    TTezFrame* GameFrame = nullptr;
    TImageBox* GameImageBox = nullptr;
    TMainMenu* MainMenu1 = nullptr;
    TMenuItem* StartItem = nullptr;
    TMenuItem* PauseItem = nullptr;
    TMenuItem* SpeedItem = nullptr;
    TMenuItem* FastSpeedItem = nullptr;
    TMenuItem* NormalSpeedItem = nullptr;
    TMenuItem* SlowSpeedItem = nullptr;
    TMenuItem* ConfigItem = nullptr;
    TMenuItem* ClearHiScoreItem = nullptr;
    TMenuItem* N1 = nullptr;
    TMenuItem* GameConfigItem = nullptr;
    TMenuItem* SysConfigItem = nullptr;
    TMenuItem* InfoItem = nullptr;
    TMenuItem* AboutItem = nullptr;
    TMenuItem* ManualItem = nullptr;
    TMenuItem* QuitItem = nullptr;
    TMenuItem* TitleItem = nullptr;
    TMenuItem* TerminateItem = nullptr;
    TYesNoDialog* YesNoDialog = nullptr;
    TAboutDialog* AboutDialog = nullptr;
    TAutoIniFile* AutoIniFile = nullptr;
    TAnimateForm* AnimateForm1 = nullptr;
    TImageList UnitImageList;
    TWindowManager* WindowManager = nullptr;
    TWavePlayer* MyExplodeWavePlayer = nullptr;
    TWavePlayer* EnemyExplodeWavePlayer = nullptr;
    TWavePlayer* LaserWavePlayer = nullptr;
    TSystemConfig* SystemConfig1 = nullptr;

protected:
    // Writes the high score and the game's settings and releases the game,
    // before the components (the settings file among them) go.
    void BeforeDestruction() override;

private:
    void CreateLabels();
    void CreateImageBoxes();
    void CreateMenu();
    void CreateDialogs();
    void CreateNonVisual();
    void WireHandlers();
    void FillUnitImageList();
    void SetLabelFonts();
    void CheckSpeedItem(int speed);
    // A game controller drives the game, and the game pauses when the
    // player leaves the program.
    void WatchPlayer();
    void ControllerButton(TControllerButton button, bool down);
    // One of the speed menu's commands: checks its item and runs it.
    void ChooseSpeed(TGameCommand command);
    // A command from a key: the window's own commands as their menu items
    // give them, the others on the game.
    void RunCommand(TGameCommand command);
    // Runs a dialog with the game held: fire off, a running game paused
    // for the dialog and resumed after it.
    template <typename Dialog> auto Guarded(Dialog dialog);
    // What the window writes into the settings file before its components go.
    void StoreGameEntries();
    // Writes the settings file as the program's end would now, so that a
    // session that dies later loses at most the game in progress.
    void SaveNow();

    std::unique_ptr<TGame> game_;
    TKeyBindings keyBindings_ = DefaultKeyBindings();
    // Dialogs open now; the game is theirs until they close.
    int dialogs_ = 0;
    // The high score the settings file holds.
    int storedHiScore_ = 0;
};

} // namespace orv
