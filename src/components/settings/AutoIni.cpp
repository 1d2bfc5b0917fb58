// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

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

template <typename Fn> void TAutoIniFile::ForEachSlot(Fn fn) {
    // The bound is read anew on every step: a callback may register more.
    for (TClientBlock* block = firstBlock_.get(); block; block = block->Next.get())
        for (int i = 0; i < (block == lastBlock_ ? clientCount_ : kClientsPerBlock); ++i)
            fn(*block, i);
}

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

// --- Load and save steps ------------------------------------------------

// An installed program never writes its own folder, even where it could
// (root): one user's settings would become everyone's. Its files, and those
// of a program that cannot write beside itself, live in the user's
// configuration directory under the same names.
std::string TAutoIniFile::SettingsDir() const {
    const std::string exeDir = Application().ExeDir();
    if (!files_->FileExists(exeDir + kInstalledMarker) && files_->DirectoryWritable(exeDir))
        return exeDir;
    std::string folder;
    for (const char c : Application().Title()) {
        if (c == ' ')
            folder += '-';
        else if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || c == '-' || c == '_')
            folder += c;
        else if (c >= 'A' && c <= 'Z')
            folder += static_cast<char>(c - 'A' + 'a');
    }
    if (folder.empty())
        folder = ChangeFileExt(ExtractFileName(Application().ExeName()), "");
    return files_->UserConfigDir() + folder + "/";
}

void TAutoIniFile::ResolveFileNames() {
    const auto names = [this](const std::string& dir, std::string& ini, std::string& bak) {
        ini = dir + (iniName_.empty()
                         ? ChangeFileExt(ExtractFileName(Application().ExeName()), ".INI")
                         : iniName_ + ".INI");
        bak = bakName_.empty() ? ChangeFileExt(ini, ".~NI") : dir + bakName_ + ".INI";
    };
    const std::string exeDir = Application().ExeDir();
    const std::string dir = SettingsDir();
    names(dir, iniFileName_, bakFileName_);
    if (dir != exeDir)
        names(exeDir, exeIniFileName_, exeBakFileName_);
    // The original settings come with the program.
    orgFileName_ = exeDir + orgName_ + ".INI";
    // A link's file is saved beside its target: its backup and the
    // leftovers of a killed save are there too.
    const std::string target = ResolveLink(iniFileName_);
    if (target != iniFileName_)
        bakFileName_ = ExtractFilePath(target) + ExtractFileName(bakFileName_);
    files_->RemoveStaleTempFiles(target);
    files_->RemoveStaleTempFiles(bakFileName_);
}

// Each copy keeps its settings in memory and writes them all whenever it
// saves, so of two copies on one file the one that saves last wins: the
// player is told, and told too when no lock could say.
void TAutoIniFile::TakeLock() {
    const TLockResult result = files_->LockFor(iniFileName_, lock_);
    if (result == TLockResult::lrTaken || !TApplication::Exists())
        return;
    Application().MessageBox(Format(result == TLockResult::lrHeldElsewhere
                                        ? ComponentTexts::AnotherCopyRunning
                                        : ComponentTexts::CopiesNotChecked,
                                    {Application().Title(), iniFileName_}),
                             {}, MB_OK | MB_ICONWARNING);
}

// Settings file, backup, then the original settings (after the files beside
// the program when the settings live elsewhere); errors 1, 2 and 3 say that a
// step found nothing to read.
void TAutoIniFile::ReadChosenFile() {
    const std::vector<std::vector<const std::string*>> steps = {
        {&iniFileName_},
        {&bakFileName_},
        exeIniFileName_.empty()
            ? std::vector<const std::string*>{&orgFileName_}
            : std::vector<const std::string*>{&exeIniFileName_, &exeBakFileName_, &orgFileName_}};
    std::vector<std::string> problems;
    std::string used;
    for (std::size_t step = 0; step < steps.size() && used.empty(); ++step) {
        for (const std::string* name : steps[step]) {
            const TIniState state = TryRead(*name, problems);
            if (name == &iniFileName_)
                iniState_ = state;
            if (state == TIniState::isRead) {
                used = *name;
                break;
            }
        }
        if (used.empty())
            ReportError(static_cast<int>(step) + 1);
    }
    readFileName_ = used;
    ChooseUnusableKeep(used);
    if (!problems.empty())
        ShowLoadProblems(problems, used);
}

// An unusable file is the player's own (an editor's other encoding, say):
// without a backup read, it is all there is of the old settings, so it is
// kept as the backup, or beside it under a name that says what it is.
void TAutoIniFile::ChooseUnusableKeep(const std::string& used) {
    if (iniState_ != TIniState::isUnusable || used == bakFileName_)
        return;
    if (!files_->FileExists(bakFileName_)) {
        unusableKeep_ = bakFileName_;
        return;
    }
    const std::string stem =
        ExtractFilePath(bakFileName_) + ExtractFileName(iniFileName_) + ".unusable";
    for (int n = 1; n < 1000 && unusableKeep_.empty(); ++n) {
        const std::string name = n == 1 ? stem : stem + std::to_string(n);
        if (!files_->FileExists(name))
            unusableKeep_ = name;
    }
}

// Reads path into the image when it holds settings; otherwise notes why not
// in problems (a missing file is no problem).
TAutoIniFile::TIniState TAutoIniFile::TryRead(const std::string& path,
                                              std::vector<std::string>& problems) {
    if (!files_->FileExists(path))
        return TIniState::isMissing;
    std::string bytes;
    try {
        bytes = files_->ReadFile(path);
    } catch (const EInOutError& error) {
        problems.push_back(error.what());
        return TIniState::isUnreadable;
    }
    TAutoIniSections image;
    std::vector<int> dropped;
    if (ParseIniFile(bytes, image, [&](int errNo) { dropped.push_back(errNo); }) == 0) {
        problems.push_back(
            Format(bytes.empty() ? ComponentTexts::FileEmpty : ComponentTexts::FileWithoutSettings,
                   {path}));
        return TIniState::isUnusable;
    }
    for (const int errNo : dropped)
        ReportError(errNo);
    // The file's entries go over what was written before the load step;
    // when nothing was, the image is the file's as it stands.
    if (sections_.Sections().empty()) {
        sections_ = std::move(image);
        return TIniState::isRead;
    }
    for (const auto& section : image.Sections())
        for (const auto& entry : section.Entries)
            sections_.Write(section.Name, entry.Key, entry.Value);
    return TIniState::isRead;
}

void TAutoIniFile::ShowLoadProblems(const std::vector<std::string>& problems,
                                    const std::string& used) const {
    if (!TApplication::Exists())
        return;
    std::string text = Tr(ComponentTexts::LoadFailed) + "\n";
    for (const std::string& problem : problems)
        text += "\n" + problem;
    if (!unusableKeep_.empty())
        text += "\n" + Format(ComponentTexts::UnusableKept, {iniFileName_, unusableKeep_});
    text += "\n\n" + (used.empty() ? Tr(ComponentTexts::StartWithDefaults)
                                   : Format(ComponentTexts::StartWithFile, {used}));
    Application().MessageBox(text, {}, MB_OK | MB_ICONWARNING);
}

void TAutoIniFile::ReportError(int errNo) const {
    if (OnError)
        OnError(errNo);
}

void TAutoIniFile::SaveStep() noexcept {
    if (OnIniSaving)
        RunShowingFailure([this] { OnIniSaving(this); });
    ForEachSlot([this](TClientBlock& block, int i) {
        TClientCallback onSave = std::move(block.SaveCallbacks[i]);
        block.SaveCallbacks[i] = nullptr;
        if (onSave)
            RunShowingFailure([&] { onSave(*this); });
    });
    lastBlock_ = nullptr;
    firstBlock_.reset();
    // Without a load step there are no file names, and writing would replace
    // a file that was never read with an image that lacks its content.
    if (writeEnabled_ && IsLoaded())
        WriteFile();
}

void TAutoIniFile::Save(const std::function<void()>& ownerStores) {
    if (!IsLoaded() || !firstBlock_ || !writeEnabled_)
        return;
    // Whatever happens, the image is the one before this save again.
    struct TRestore {
        TAutoIniFile& ini;
        TAutoIniSections image;
        ~TRestore() {
            ini.sections_ = std::move(image);
            ini.interim_ = false;
        }
    } restore{*this, sections_};
    interim_ = true;
    if (ownerStores)
        ownerStores();
    std::vector<TClientCallback> saves;
    ForEachSlot([&saves](TClientBlock& block, int i) {
        if (block.SaveCallbacks[i])
            saves.push_back(block.SaveCallbacks[i]);
    });
    for (auto save = saves.rbegin(); save != saves.rend(); ++save)
        (*save)(*this);
    if (OnIniSaving)
        OnIniSaving(this);
    WriteFile();
}

void TAutoIniFile::WriteFile() noexcept {
    const bool existed = files_->FileExists(iniFileName_);
    if (iniState_ == TIniState::isUnreadable) {
        ShowSaveError(Format(ComponentTexts::NotOverwritten, {iniFileName_}), existed);
        return;
    }
    try {
        files_->ForceDirectories(ExtractFilePath(iniFileName_));
        // Only the first save keeps the file the session started from. A file
        // that held no settings must not take a good backup's place.
        const std::string backup = savedOnce_                           ? std::string()
                                   : iniState_ == TIniState::isUnusable ? unusableKeep_
                                                                        : bakFileName_;
        ReplaceFile(*files_, iniFileName_, backup, FormatIniFile(sections_, comment_));
        savedOnce_ = true;
    } catch (const std::exception& error) {
        ShowSaveError(error.what(), existed);
    }
}

void TAutoIniFile::ShowSaveError(const std::string& detail, bool fileExisted) const noexcept {
    if (!TApplication::Exists())
        return;
    try {
        Application().MessageBox(
            Format(fileExisted ? ComponentTexts::SaveFailed : ComponentTexts::SaveFailedNoFile,
                   {iniFileName_, detail}),
            {}, MB_OK | MB_ICONERROR);
    } catch (...) {
        // The program is ending; there is no one left to tell.
    }
}

// --- Finding the component ----------------------------------------------

namespace {
TAutoIniFile* FirstAutoIniFileOf(const TComponent* form) {
    if (form)
        for (TComponent* component : form->Components())
            if (auto* ini = dynamic_cast<TAutoIniFile*>(component))
                return ini;
    return nullptr;
}
} // namespace

TAutoIniFile* FindAutoIniFile(TComponent* client) {
    if (client)
        if (auto* ini = FirstAutoIniFileOf(dynamic_cast<TForm*>(client->Owner())))
            return ini;
    if (!TApplication::Exists())
        return nullptr;
    return FirstAutoIniFileOf(Application().MainForm());
}

} // namespace orv
