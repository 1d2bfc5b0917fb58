// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace orv {

// Puts the toolkit's own texts (its standard buttons, the menus and
// dialogs it builds by itself) into the given language, such as "ja".
// Replaces the language loaded before; a language the toolkit has no
// translation for, or its own English ("en"), leaves them in English.
// Says whether a translation is now in force.
bool LoadToolkitTranslation(const std::string& language);

} // namespace orv
