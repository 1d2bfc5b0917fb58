// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>
#include <string>

namespace orv {

class TCatalogue;

// The language the program's texts are shown in. Japanese, the language the
// texts are written in, needs no translation; any other known language loads
// its catalogue from the resources.
class TLanguage {
public:
    static constexpr const char* kSource = "ja";

    TLanguage();
    ~TLanguage();
    TLanguage(const TLanguage&) = delete;
    TLanguage& operator=(const TLanguage&) = delete;

    // Switches the program's texts, and the toolkit's own, to the language
    // with the code given ("ja", "en"). False for a language without a
    // catalogue: the texts are Japanese then.
    bool Load(const std::string& code);
    const std::string& Code() const { return code_; }
    bool IsSource() const { return code_ == kSource; }

private:
    bool LoadCatalogue(const std::string& code);
    void Unload();

    std::string code_ = kSource;
    std::unique_ptr<TCatalogue> catalogue_;
};

} // namespace orv
