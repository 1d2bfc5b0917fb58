#include "AutoIni.h"
#include "components/ComponentTexts.h"

#include "framework/Application.h"
#include "framework/CodePage.h"
#include "framework/Exceptions.h"
#include "framework/Forms.h"

#include <cstdint>

namespace orv {
namespace {

constexpr char kCtrlZ = 0x1A;

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    return true;
}

// Calls fn for every line of text: a CR ends a line and swallows one LF
// right after it; a lone LF is part of the line.
template <typename Fn> void ForEachLine(std::string_view text, Fn fn) {
    while (!text.empty()) {
        const std::size_t cr = text.find('\r');
        fn(text.substr(0, cr));
        if (cr == std::string_view::npos)
            return;
        text.remove_prefix(cr + 1);
        if (!text.empty() && text.front() == '\n')
            text.remove_prefix(1);
    }
}

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int HexValue(char c) {
    if (c <= '9')
        return c - '0';
    return LowerAscii(c) - 'a' + 10;
}

bool ParseHex(std::string_view digits, int& result) {
    if (digits.empty() || digits.size() > 8)
        return false;
    std::uint32_t value = 0;
    for (const char c : digits) {
        if (!IsHexDigit(c))
            return false;
        value = value << 4 | static_cast<std::uint32_t>(HexValue(c));
    }
    result = static_cast<int>(value); // the 32-bit pattern: $FFFFFFFF is -1
    return true;
}

bool ParseDecimal(std::string_view text, int& result) {
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    if (text.empty())
        return false;
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
        if (value > limit)
            return false;
    }
    result = static_cast<int>(negative ? -value : value);
    return true;
}

} // namespace

// --- The memory image ---------------------------------------------------

const TAutoIniSections::TSection* TAutoIniSections::Find(std::string_view name) const {
    for (const TSection& section : sections_)
        if (SameName(section.Name, name))
            return &section;
    return nullptr;
}

const std::string* TAutoIniSections::FindValue(std::string_view section,
                                               std::string_view key) const {
    if (const TSection* found = Find(section))
        for (const TEntry& entry : found->Entries)
            if (SameName(entry.Key, key))
                return &entry.Value;
    return nullptr;
}

TAutoIniSections::TSection& TAutoIniSections::FindOrAdd(std::string_view name) {
    for (TSection& section : sections_)
        if (SameName(section.Name, name))
            return section;
    return sections_.emplace_back(TSection{std::string(name), {}});
}

void TAutoIniSections::Write(std::string_view section, std::string_view key,
                             std::string_view value) {
    auto& entries = FindOrAdd(section).Entries;
    for (TEntry& entry : entries)
        if (SameName(entry.Key, key)) {
            entry.Value = value;
            return;
        }
    entries.push_back({std::string(key), std::string(value)});
}

void TAutoIniSections::Erase(std::string_view name) {
    for (auto it = sections_.begin(); it != sections_.end(); ++it)
        if (SameName(it->Name, name)) {
            sections_.erase(it);
            return;
        }
}

// --- The file format ----------------------------------------------------

int ParseIniFile(std::string_view bytes, TAutoIniSections& image,
                 const std::function<void(int errNo)>& onError) {
    // The structure is found in the raw bytes: Ctrl+Z, CR, LF, ';', '[' and
    // '=' are never the second byte of a CP932 character. Only the pieces are
    // converted. A header loses its last byte, not character, so a name that
    // ends in a damaged byte reads back the same after a save.
    bytes = bytes.substr(0, bytes.find(kCtrlZ));
    TCp932Converter codePage;
    std::string section;
    int recognised = 0;
    ForEachLine(bytes, [&](std::string_view line) {
        if (line.empty())
            return;
        if (line.front() == ';') {
            ++recognised;
            return;
        }
        if (line.front() == '[') {
            ++recognised;
            section = codePage.ToUtf8(line.substr(1, line.size() < 2 ? 0 : line.size() - 2));
            return;
        }
        const std::size_t equals = line.find('=');
        if (section.empty() || equals == 0 || equals == std::string_view::npos) {
            if (onError)
                onError(4);
            return;
        }
        ++recognised;
        image.Write(section, codePage.ToUtf8(line.substr(0, equals)),
                    codePage.ToUtf8(line.substr(equals + 1)));
    });
    return recognised;
}

std::string FormatIniFile(const TAutoIniSections& image, const std::string& comment) {
    std::string text;
    if (!comment.empty())
        text += ";" + comment + "\r\n";
    for (const auto& section : image.Sections()) {
        text += "[" + section.Name + "]\r\n";
        for (const auto& entry : section.Entries) {
            text += entry.Key;
            text += '=';
            text += entry.Value;
            text += "\r\n";
        }
        text += "\r\n";
    }
    return Utf8ToCp932(text);
}

int IniStrToInt(const std::string& text) {
    std::string_view rest = text;
    while (!rest.empty() && rest.front() == ' ')
        rest.remove_prefix(1);
    int value = 0;
    const bool ok = !rest.empty() && rest.front() == '$' ? ParseHex(rest.substr(1), value)
                                                         : ParseDecimal(rest, value);
    if (!ok)
        throw EConvertError(Format(ComponentTexts::NotAnInteger, {text}));
    return value;
}

// --- The component ------------------------------------------------------

TAutoIniFile::TAutoIniFile(TComponent* owner) : TComponent(owner) {}

TAutoIniFile::~TAutoIniFile() {
    SaveStep();
}

void TAutoIniFile::Loaded() {
    if (IsLoaded())
        return;
    ResolveFileNames();
    ReadChosenFile();
    if (OnIniLoaded)
        OnIniLoaded(this);
    ServeLoadCallbacks();
    TComponent::Loaded();
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
    try {
        return ReadInteger(section, key, current);
    } catch (const EConvertError&) {
        Application().MessageBox(
            Format(ComponentTexts::NotAnIntegerKept,
                   {section, key, ReadString(section, key, ""), std::to_string(current)}),
            Application().Title(), MB_OK | MB_ICONWARNING);
        return current;
    }
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
    else if (onLoad)
        onLoad(*this);
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

// An installed program cannot write beside itself; its files then live in
// the user's configuration directory under the same names.
std::string TAutoIniFile::SettingsDir() const {
    const std::string exeDir = Application().ExeDir();
    if (files_->DirectoryWritable(exeDir))
        return exeDir;
    std::string folder;
    for (const char c : Application().Title()) {
        if (c == ' ')
            folder += '-';
        else if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || c == '-' || c == '_')
            folder += c;
        else if (c >= 'A' && c <= 'Z')
            folder += LowerAscii(c);
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
    files_->RemoveStaleTempFiles(iniFileName_);
    files_->RemoveStaleTempFiles(bakFileName_);
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
    if (!problems.empty())
        ShowLoadProblems(problems, used);
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
    // The file's entries go over what was written before the load step.
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

void TAutoIniFile::WriteFile() noexcept {
    if (iniState_ == TIniState::isUnreadable) {
        ShowSaveError(Format(ComponentTexts::NotOverwritten, {iniFileName_}));
        return;
    }
    try {
        files_->ForceDirectories(ExtractFilePath(iniFileName_));
        // A file that held no settings must not take the good backup's place.
        const std::string backup = iniState_ == TIniState::isUnusable ? "" : bakFileName_;
        ReplaceFile(*files_, iniFileName_, backup, FormatIniFile(sections_, comment_));
    } catch (const std::exception& error) {
        ShowSaveError(error.what());
    }
}

void TAutoIniFile::ShowSaveError(const std::string& detail) const noexcept {
    if (!TApplication::Exists())
        return;
    try {
        Application().MessageBox(Format(ComponentTexts::SaveFailed, {iniFileName_, detail}), {},
                                 MB_OK | MB_ICONERROR);
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
