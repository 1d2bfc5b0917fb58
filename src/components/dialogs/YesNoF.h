// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/controls/Forms.h"

namespace orv {

class TButton;
class TLabel;

// The yes/no question: a centred message over a centred pair of buttons.
class TYesNoForm : public TForm {
public:
    explicit TYesNoForm(TComponent* owner);

    // Lays the form out for its current width.
    void FormResize(TObject* sender);

    TLabel* MessageLabel = nullptr;
    TButton* YesButton = nullptr;
    TButton* NoButton = nullptr;
};

} // namespace orv
