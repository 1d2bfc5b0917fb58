// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings file's load and save steps: where the file lives, the lock
// beside it, reading it (or its backup), and writing it whole.

#include "AutoIni.h"
#include "components/ComponentTexts.h"

#include "framework/app/Application.h"
#include "framework/controls/Forms.h"
#include "framework/texts/Exceptions.h"

namespace orv {

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
