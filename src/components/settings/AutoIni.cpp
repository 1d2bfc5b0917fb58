// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings-file component: its values as clients read and write them,
// and the clients it loads and saves; the steps themselves are in
// AutoIniSteps.cpp.

#include "AutoIni.h"
#include "components/ComponentTexts.h"

#include "framework/app/Application.h"
#include "framework/controls/Forms.h"
#include "framework/texts/Exceptions.h"

namespace orv {

// --- The component ------------------------------------------------------

TAutoIniFile::TAutoIniFile(TComponent* owner) : TComponent(owner) {}

TAutoIniFile::~TAutoIniFile() {
    SaveStep();
}

void TAutoIniFile::Loaded() {
    if (IsLoaded())
        return;
    holdValueProblems_ = true;
    ResolveFileNames();
    TakeLock();
    ReadChosenFile();
    if (OnIniLoaded)
        OnIniLoaded(this);
    ServeLoadCallbacks();
    TComponent::Loaded();
    // On a form, the values of every client are reported together once it
    // has loaded.
    holdValueProblems_ = dynamic_cast<TForm*>(Owner()) != nullptr;
    ShowValueProblems();
}

void TAutoIniFile::FormLoaded() {
    holdValueProblems_ = false;
    ShowValueProblems();
}

std::string TAutoIniFile::ReadString(const std::string& section, const std::string& key,
                                     const std::string& def) const {
    const std::string* value = sections_.FindValue(section, key);
    return value ? *value : def;
}

void TAutoIniFile::WriteString(const std::string& section, const std::string& key,
                               const std::string& value) {
    sections_.Write(section, key, value);
}

int TAutoIniFile::ReadInteger(const std::string& section, const std::string& key, int def) const {
    const std::string text = ReadString(section, key, {});
    return text.empty() ? def : IniStrToInt(text);
}

int TAutoIniFile::ReadIntegerOrKeep(const std::string& section, const std::string& key,
                                    int current) const {
    return CheckInteger(section, key, current, INT_MIN) ? ReadInteger(section, key, current)
                                                        : current;
}

void TAutoIniFile::RepairInteger(const std::string& section, const std::string& key,
                                 int replacement, int minimum) {
    if (!CheckInteger(section, key, replacement, minimum))
        WriteInteger(section, key, replacement);
}

bool TAutoIniFile::CheckInteger(const std::string& section, const std::string& key, int replacement,
                                int minimum) const {
    try {
        if (ReadInteger(section, key, minimum) >= minimum)
            return true;
    } catch (const EConvertError&) {
        minimum = INT_MIN; // not a number at all
    }
    NoteValueProblem(section, key, replacement, minimum);
    return false;
}

namespace {
// Digits after optional blanks and a sign (or "$" and hex digits): an integer
// that does not fit rather than no integer.
bool LooksLikeInteger(std::string_view text) {
    text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
    const bool hex = !text.empty() && text.front() == '$';
    if (!text.empty() && (hex || text.front() == '+' || text.front() == '-'))
        text.remove_prefix(1);
    return !text.empty() && text.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "0123456789") ==
                                std::string_view::npos;
}
} // namespace

void TAutoIniFile::NoteValueProblem(const std::string& section, const std::string& key,
                                    int replacement, int minimum) const {
    const std::string value = ReadString(section, key, "");
    // Names and value come from the file: shown so that no byte cuts the text.
    const std::string shown[] = {VisibleText(section), VisibleText(key), VisibleText(value),
                                 std::to_string(replacement), std::to_string(minimum)};
    const TText& what = minimum != INT_MIN        ? ComponentTexts::ValueBelowMinimum
                        : LooksLikeInteger(value) ? ComponentTexts::IntegerOutOfRange
                                                  : ComponentTexts::NotAnIntegerUsing;
    valueProblems_.push_back(Format(what, {shown[0], shown[1], shown[2], shown[3], shown[4]}));
    ShowValueProblems();
}

void TAutoIniFile::ShowValueProblems() const {
    if (holdValueProblems_ || valueProblems_.empty() || !TApplication::Exists())
        return;
    // The file read becomes the backup at the first save; any other file
    // read is left as it is.
    const std::string& oldValues = readFileName_ == iniFileName_ ? bakFileName_ : readFileName_;
    std::string text = Format(ComponentTexts::ValuesNotUsable, {iniFileName_}) + "\n";
    for (const std::string& problem : valueProblems_)
        text += "\n" + problem;
    if (!oldValues.empty())
        text += "\n\n" + Format(ComponentTexts::OldValuesKept, {oldValues});
    valueProblems_.clear();
    Application().MessageBox(text, Application().Title(), MB_OK | MB_ICONWARNING);
}

void TAutoIniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
    WriteString(section, key, std::to_string(value));
}

bool TAutoIniFile::ReadBool(const std::string& section, const std::string& key, bool def) const {
    const std::string text = ReadString(section, key, {});
    if (text == "Yes")
        return true;
    if (text == "No")
        return false;
    return def;
}

void TAutoIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
    WriteString(section, key, value ? "Yes" : "No");
}

void TAutoIniFile::ReadSection(const std::string& section, std::vector<std::string>& lines) const {
    lines.clear();
    if (const auto* found = sections_.Find(section))
        for (const auto& entry : found->Entries)
            lines.push_back(entry.Key + "=" + entry.Value);
}

void TAutoIniFile::WriteSection(const std::string& section, const std::vector<std::string>& lines) {
    std::string key;
    std::string value;
    for (const std::string& line : lines) {
        SplitEntry(line, key, value);
        WriteString(section, key, value);
    }
}

void TAutoIniFile::EraseSection(const std::string& section) {
    sections_.Erase(section);
}

void TAutoIniFile::SplitEntry(const std::string& text, std::string& key, std::string& value) {
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos) {
        key.clear();
        value.clear();
        return;
    }
    key = text.substr(0, equals);
    value = text.substr(equals + 1);
}

// --- Clients ------------------------------------------------------------

void TAutoIniFile::RegisterClient(TComponent* client, TClientCallback onLoad,
                                  TClientCallback onSave) {
    if (!firstBlock_) // the save step has begun; there is nothing left to join
        return;
    if (clientCount_ == kClientsPerBlock) {
        lastBlock_->Next = std::make_unique<TClientBlock>();
        lastBlock_ = lastBlock_->Next.get();
        clientCount_ = 0;
    }
    TClientBlock& block = *lastBlock_;
    const int slot = clientCount_++;
    block.Clients[slot] = client;
    block.SaveCallbacks[slot] = std::move(onSave);
    if (!IsLoaded())
        block.LoadCallbacks[slot] = std::move(onLoad);
    else if (onLoad) {
        const bool held = holdValueProblems_;
        holdValueProblems_ = true;
        onLoad(*this);
        holdValueProblems_ = held;
        ShowValueProblems();
    }
}

void TAutoIniFile::UnregisterClient(TComponent* client) {
    if (!client)
        return;
    for (TClientBlock* block = firstBlock_.get(); block; block = block->Next.get())
        for (int i = 0; i < kClientsPerBlock; ++i) {
            if (block->Clients[i] != client)
                continue;
            // Cleared before the call, so a callback that unregisters again
            // is not run twice.
            TClientCallback onSave = std::move(block->SaveCallbacks[i]);
            block->SaveCallbacks[i] = nullptr;
            block->LoadCallbacks[i] = nullptr;
            if (onSave)
                onSave(*this);
            return;
        }
}

void TAutoIniFile::ServeLoadCallbacks() {
    ForEachSlot([this](TClientBlock& block, int i) {
        TClientCallback onLoad = std::move(block.LoadCallbacks[i]);
        block.LoadCallbacks[i] = nullptr;
        if (onLoad)
            onLoad(*this);
    });
}

} // namespace orv
