// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/controls/Forms.h"

namespace orv {

class TButton;
class TLabel;
class TPaintBox;
class TPanel;
class TPicture;

// The about box: the program's and the maker's pictures in bevelled panels
// beside six centred lines, and one button that closes it.
class TAboutForm : public TForm {
public:
    explicit TAboutForm(TComponent* owner);

    void OKButtonClick(TObject* sender);
    // Keeps references to the two pictures; an empty program picture is
    // filled with the program's icon.
    void SetPictures(TPicture& program, TPicture& maker);
    void ProgramPaintBoxPaint(TObject* sender);
    void MakerPaintBoxPaint(TObject* sender);
    void FormResize(TObject* sender);

    TLabel* Name1Label = nullptr;
    TLabel* Name2Label = nullptr;
    TLabel* Name3Label = nullptr;
    TLabel* VersionLabel = nullptr;
    TLabel* MakerLabel = nullptr;
    TLabel* YearLabel = nullptr;
    TButton* OKButton = nullptr;
    TPanel* ProgramPanel = nullptr;
    TPaintBox* ProgramPaintBox = nullptr;
    TPanel* MakerPanel = nullptr;
    TPaintBox* MakerPaintBox = nullptr;

private:
    TPicture* programPicture_ = nullptr;
    TPicture* makerPicture_ = nullptr;
};

} // namespace orv
