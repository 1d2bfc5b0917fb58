// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "IniImage.h"
#include "framework/app/Component.h"
#include "framework/files/Files.h"

#include <array>
#include <climits>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// A form's settings file, read whole into memory at the form's load step and
// written back, with the previous file kept as a backup, when the component
// is destroyed. Other components join by registering a load and a save
// callback (see FindAutoIniFile).
//
// An installed program (its directory holds kInstalledMarker) and one whose
// directory is not writable keep the files in the user's configuration
// directory instead, in a folder named after the application title
// ("ORBIT RAVEN" -> ~/.config/orbit-raven/); until that folder holds
// settings, the ones beside the program are read as the starting settings.
//
// A file that cannot be read (no permission, not a regular file) or holds no
// settings (empty, garbage) is passed over like a missing one and reported in
// a message box. An unreadable settings file is never written over, and an
// unusable one never replaces a backup that was read; when none was, it is
// kept as the backup (or beside it, when something stands there already).
//
// A settings file that is a symbolic link keeps its backup, its temporary
// files and its lock beside the file the link points to.
//
// A second copy of the program on the same settings file is told, at its
// load step, that the copy which saves last writes its settings over the
// other's; both go on.
class TAutoIniFile : public TComponent {
public:
    // Client callbacks get the INI component itself, typed, so clients need no
    // cast to use it.
    using TClientCallback = std::function<void(TAutoIniFile& sender)>;
    using TErrorEvent = std::function<void(int errNo)>;
    static constexpr int kClientsPerBlock = 16;
    // Installed beside the program by the install rules.
    static constexpr const char* kInstalledMarker = "INSTALLED";

    explicit TAutoIniFile(TComponent* owner);
    // The save step. Never throws: a file that cannot be written is reported
    // in a message box and the previous file and its backup stay as they were.
    ~TAutoIniFile() override;
    // The load step: resolves the file names, reads the file, raises
    // OnIniLoaded and serves the clients registered so far.
    void Loaded() override;

    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& def) const;
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    int ReadInteger(const std::string& section, const std::string& key, int def) const;
    // For start-up: an entry that is not an integer of at least minimum (a
    // missing or empty one is fine) is replaced by replacement in the image,
    // so the file is mended at the end, and noted for one message shown when
    // the owner's form has loaded, naming the file, the entry, the value used
    // instead and where the old value stays.
    void RepairInteger(const std::string& section, const std::string& key, int replacement,
                       int minimum = INT_MIN);
    // ReadInteger for start-up: a text that is no integer is noted as by
    // RepairInteger and current is kept, so the program starts and a valid
    // value is written at the end.
    int ReadIntegerOrKeep(const std::string& section, const std::string& key, int current) const;
    void WriteInteger(const std::string& section, const std::string& key, int value);
    bool ReadBool(const std::string& section, const std::string& key, bool def) const;
    void WriteBool(const std::string& section, const std::string& key, bool value);
    void ReadSection(const std::string& section, std::vector<std::string>& lines) const;
    void WriteSection(const std::string& section, const std::vector<std::string>& lines);
    void EraseSection(const std::string& section);
    static void SplitEntry(const std::string& text, std::string& key, std::string& value);

    // A client registered before the load step is loaded there; one that
    // registers later is loaded at once. Unregistering runs the save callback.
    void RegisterClient(TComponent* client, TClientCallback onLoad, TClientCallback onSave);
    void UnregisterClient(TComponent* client);

    // Writes the file now, byte for byte as the save step at the end would at
    // this moment: ownerStores writes what the owner writes before its
    // components go, the clients store theirs as they would when destroyed
    // (the last registered first), then OnIniSaving. The image is then put
    // back as it was, so the end writes the same as without this save. Only
    // the session's first save makes the backup, so the backup holds the
    // settings the session started with.
    void Save(const std::function<void()>& ownerStores = {});
    // True while Save runs: clients store their settings and stay registered.
    bool IsInterimSave() const { return interim_; }
    // Shows the values CheckInteger noted, in one message.
    void FormLoaded() override;

    TNotifyEvent OnIniLoaded;
    TNotifyEvent OnIniSaving;
    TErrorEvent OnError;

    const std::string& IniName() const { return iniName_; }
    void SetIniName(const std::string& value) { iniName_ = value; }
    const std::string& BakName() const { return bakName_; }
    void SetBakName(const std::string& value) { bakName_ = value; }
    const std::string& OrgName() const { return orgName_; }
    void SetOrgName(const std::string& value) { orgName_ = value; }
    const std::string& Comment() const { return comment_; }
    void SetComment(const std::string& value) { comment_ = value; }
    bool WriteEnabled() const { return writeEnabled_; }
    void SetWriteEnabled(bool value) { writeEnabled_ = value; }

    // Full paths, known from the load step on.
    const std::string& IniFileName() const { return iniFileName_; }
    const std::string& BakFileName() const { return bakFileName_; }
    const std::string& OrgFileName() const { return orgFileName_; }

    const TAutoIniSections& Sections() const { return sections_; }
    // Replaces the file operations; tests make them fail with it.
    void SetFileSystem(std::unique_ptr<TFileSystem> files) { files_ = std::move(files); }

private:
    struct TClientBlock {
        std::unique_ptr<TClientBlock> Next;
        std::array<TComponent*, kClientsPerBlock> Clients{};
        std::array<TClientCallback, kClientsPerBlock> LoadCallbacks;
        std::array<TClientCallback, kClientsPerBlock> SaveCallbacks;
    };

    // How the settings file fared at the load step: it decides what the
    // save step may do with it.
    enum class TIniState : std::uint8_t { isMissing, isRead, isUnusable, isUnreadable };

    void ResolveFileNames();
    void TakeLock();
    void ChooseUnusableKeep(const std::string& used);
    std::string SettingsDir() const;
    void ReadChosenFile();
    TIniState TryRead(const std::string& path, std::vector<std::string>& problems);
    void ShowLoadProblems(const std::vector<std::string>& problems, const std::string& used) const;
    bool CheckInteger(const std::string& section, const std::string& key, int replacement,
                      int minimum) const;
    void ShowValueProblems() const;
    void NoteValueProblem(const std::string& section, const std::string& key, int replacement,
                          int minimum) const;
    void ReportError(int errNo) const;
    void ServeLoadCallbacks();
    void SaveStep() noexcept;
    void WriteFile() noexcept;
    void ShowSaveError(const std::string& detail, bool fileExisted) const noexcept;
    template <typename Fn> void ForEachSlot(Fn fn);

    std::string iniName_;
    std::string bakName_;
    std::string orgName_ = "ORIGINAL";
    std::string comment_;
    bool writeEnabled_ = true;

    std::string iniFileName_;
    std::string bakFileName_;
    std::string orgFileName_;
    // Beside the program, read while the user's folder has no settings yet.
    std::string exeIniFileName_;
    std::string exeBakFileName_;
    TIniState iniState_ = TIniState::isMissing;
    // The file the image came from, empty when none.
    std::string readFileName_;
    // Where an unusable settings file is kept at the first save, when no
    // backup was read; empty when it is replaced.
    std::string unusableKeep_;
    bool savedOnce_ = false;
    bool interim_ = false;
    // Value problems wait for the owner form's end of loading.
    bool holdValueProblems_ = false;
    mutable std::vector<std::string> valueProblems_;
    TAutoIniSections sections_;
    std::unique_ptr<TClientBlock> firstBlock_ = std::make_unique<TClientBlock>();
    TClientBlock* lastBlock_ = firstBlock_.get();
    int clientCount_ = 0;
    std::unique_ptr<TFileSystem> files_ = std::make_unique<TFileSystem>();
    // Held from the load step until the file is written at the end.
    TFileLock lock_;
};

// The settings component for client: the first TAutoIniFile owned by the
// client's form, else the first one owned by the application's main form,
// else null (the client then keeps no settings).
TAutoIniFile* FindAutoIniFile(TComponent* client);

// Used by both the client list and the load and save steps.
template <typename Fn> void TAutoIniFile::ForEachSlot(Fn fn) {
    // The bound is read anew on every step: a callback may register more.
    for (TClientBlock* block = firstBlock_.get(); block; block = block->Next.get())
        for (int i = 0; i < (block == lastBlock_ ? clientCount_ : kClientsPerBlock); ++i)
            fn(*block, i);
}

} // namespace orv
