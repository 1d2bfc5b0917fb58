// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/files/Files.h"

#include "framework/texts/Exceptions.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orv {
namespace {

std::string ErrorText(const TText& what, const std::string& path, int error) {
    return Format(what, {path, std::strerror(error)});
}

// A file descriptor that closes itself unless closed on purpose first.
class TFd {
public:
    explicit TFd(int fd) : fd_(fd) {}
    TFd(TFd&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    TFd& operator=(TFd&&) = delete;
    ~TFd() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int Get() const { return fd_; }
    bool Valid() const { return fd_ >= 0; }
    int Release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }
    // Close errors matter for written files: report them.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_ = -1;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::string TempStem(const std::string& path) {
    return path + ".tmp";
}

// Creates a file no one else has, beside path; permissions follow the umask.
std::pair<TFd, std::string> CreateUniqueBeside(const std::string& path) {
    const std::string stem = TempStem(path) + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 1000; ++attempt) {
        std::string name = stem + std::to_string(attempt);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return {TFd(fd), std::move(name)};
        if (errno != EEXIST)
            break;
    }
    throw EInOutError(ErrorText(FrameworkTexts::FileNotCreated, path, errno));
}

// Makes a rename in dir last across a crash.
void SyncDirectory(const std::string& dir) {
    TFd fd(::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Valid())
        ::fsync(fd.Get());
}

// The pid in a temporary file's name after stem ("<pid>-<n>"), or 0.
pid_t TempFileOwner(const std::string& name, const std::string& stem) {
    if (name.compare(0, stem.size(), stem) != 0)
        return 0;
    const std::string rest = name.substr(stem.size());
    const auto dash = rest.find('-');
    const auto digits = [](const std::string& text) {
        return !text.empty() && text.size() <= 9 &&
               text.find_first_not_of("0123456789") == std::string::npos;
    };
    if (dash == std::string::npos || !digits(rest.substr(0, dash)) ||
        !digits(rest.substr(dash + 1)))
        return 0;
    return static_cast<pid_t>(std::stol(rest.substr(0, dash)));
}

// Opens the lock file at name and holds a shared lock on it, after telling
// whether another process holds it (an exclusive lock that cannot be had).
// A lock file its last holder removed while this one waited is not the one
// at name any more: then it starts again.
TLockResult LockFile(const std::string& name, TFileLock& lock) {
    for (int attempt = 0; attempt < 10; ++attempt) {
        // Read access is enough for a lock, so another user's lock file works.
        int raw = ::open(name.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (raw < 0)
            raw = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
        TFd fd(raw);
        if (!fd.Valid())
            return TLockResult::lrNoLock;
        // Whatever the umask, other users must be able to open it to meet
        // here (only its owner can change that).
        ::fchmod(fd.Get(), 0644);
        const bool alone = ::flock(fd.Get(), LOCK_EX | LOCK_NB) == 0;
        if (!alone && errno != EWOULDBLOCK)
            return TLockResult::lrNoLock;
        if (::flock(fd.Get(), LOCK_SH) != 0)
            return TLockResult::lrNoLock;
        struct stat opened {};
        struct stat named {};
        if (::fstat(fd.Get(), &opened) != 0 || ::stat(name.c_str(), &named) != 0 ||
            opened.st_dev != named.st_dev || opened.st_ino != named.st_ino)
            continue;
        lock.Add(fd.Release(), name);
        return alone ? TLockResult::lrTaken : TLockResult::lrHeldElsewhere;
    }
    return TLockResult::lrNoLock;
}

// The name of path's lock file in a runtime folder: path's canonical form
// hashed, the same in every build of the program.
std::string RuntimeLockName(const std::string& dir, const std::string& path) {
    std::error_code error;
    const std::string canonical = std::filesystem::weakly_canonical(path, error).string();
    std::uint64_t hash = 14695981039346656037ULL; // FNV-1a
    for (const char c : error ? path : canonical)
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    char key[17];
    std::snprintf(key, sizeof key, "%016llx", static_cast<unsigned long long>(hash));
    return dir + ExtractFileName(path) + "-" + key + ".lock";
}

mode_t FileMode(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0644;
}

// Puts a second name of target (a copy where links are not possible) over
// backup in one rename; given up silently when it cannot be made.
void KeepAsBackup(const TFileSystem& files, const std::string& target, const std::string& backup) {
    std::string second = files.LinkTempFile(target, backup);
    if (second.empty()) {
        try {
            second = files.WriteTempFile(backup, files.ReadFile(target));
            ::chmod(second.c_str(), FileMode(target));
        } catch (const EInOutError&) {
            return;
        }
    }
    if (!files.RenameFile(second, backup))
        files.DeleteFile(second);
}

bool SameFile(const std::string& a, const std::string& b) {
    if (a == b)
        return true;
    struct stat infoA {};
    struct stat infoB {};
    return ::stat(a.c_str(), &infoA) == 0 && ::stat(b.c_str(), &infoB) == 0 &&
           infoA.st_dev == infoB.st_dev && infoA.st_ino == infoB.st_ino;
}

} // namespace

TFileLock& TFileLock::operator=(TFileLock&& other) noexcept {
    if (this != &other) {
        Release();
        held_ = std::move(other.held_);
        other.held_.clear();
    }
    return *this;
}

TFileLock::~TFileLock() {
    Release();
}

// The last holder (the one that gets the exclusive lock) removes the file
// before it lets go; a copy that opened it meanwhile sees that and opens anew.
void TFileLock::Release() noexcept {
    for (const THeld& held : held_) {
        if (::flock(held.fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(held.path.c_str());
        ::close(held.fd); // closing the last descriptor releases the lock
    }
    held_.clear();
}

bool TFileSystem::FileExists(const std::string& path) const {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

std::string TFileSystem::ReadFile(const std::string& path) const {
    // Non-blocking, so that opening a FIFO does not wait for a writer.
    TFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!fd.Valid())
        throw EInOutError(ErrorText(FrameworkTexts::FileNotOpened, path, errno));
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0)
        throw EInOutError(ErrorText(FrameworkTexts::FileNotRead, path, errno));
    if (!S_ISREG(info.st_mode))
        throw EInOutError(Format(FrameworkTexts::NotRegularFile, {path}));
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd.Get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw EInOutError(ErrorText(FrameworkTexts::FileNotRead, path, errno));
        if (got == 0)
            return bytes;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
}

std::string TFileSystem::WriteTempFile(const std::string& path, std::string_view bytes) const {
    auto [fd, name] = CreateUniqueBeside(path);
    struct stat old {};
    const bool keepMode = ::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    if ((!keepMode || ::fchmod(fd.Get(), old.st_mode & 07777) == 0) && WriteAll(fd.Get(), bytes) &&
        ::fsync(fd.Get()) == 0 && fd.Close())
        return name;
    const int error = errno;
    ::unlink(name.c_str());
    throw EInOutError(ErrorText(FrameworkTexts::FileNotWritten, path, error));
}

std::string TFileSystem::LinkTempFile(const std::string& path, const std::string& other) const {
    const std::string stem = TempStem(other) + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 1000; ++attempt) {
        std::string name = stem + std::to_string(attempt);
        if (::link(path.c_str(), name.c_str()) == 0)
            return name;
        if (errno != EEXIST)
            break;
    }
    return {};
}

void TFileSystem::RemoveStaleTempFiles(const std::string& path) const {
    const std::string stem = TempStem(ExtractFileName(path));
    const std::string dir = ExtractFilePath(path).empty() ? "." : ExtractFilePath(path);
    // Tidying up is no reason to fail: errors end the walk quietly.
    std::error_code error;
    for (std::filesystem::directory_iterator it(dir, error), end; !error && it != end;
         it.increment(error)) {
        const pid_t owner = TempFileOwner(it->path().filename().string(), stem);
        // A pid that is taken again by another process keeps its file: only
        // files of processes that surely are gone are removed.
        if (owner > 0 && owner != ::getpid() && ::kill(owner, 0) != 0 && errno == ESRCH)
            ::unlink(it->path().c_str());
    }
}

bool TFileSystem::RenameFile(const std::string& from, const std::string& to) const {
    if (::rename(from.c_str(), to.c_str()) != 0)
        return false;
    SyncDirectory(ExtractFilePath(to));
    return true;
}

bool TFileSystem::DeleteFile(const std::string& path) const {
    return ::unlink(path.c_str()) == 0;
}

bool TFileSystem::DirectoryWritable(const std::string& dir) const {
    try {
        auto [fd, name] = CreateUniqueBeside((dir.empty() ? std::string("./") : dir) + ".probe");
        ::unlink(name.c_str());
        return true;
    } catch (const EInOutError&) {
        return false;
    }
}

void TFileSystem::ForceDirectories(const std::string& dir) const {
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (std::filesystem::is_directory(dir))
        return;
    throw EInOutError(Format(FrameworkTexts::FolderNotCreated,
                             {dir, error ? error.message() : std::strerror(ENOTDIR)}));
}

TLockResult TFileSystem::LockFor(const std::string& path, TFileLock& lock) const {
    TFileLock taken;
    TLockResult result = LockFile(ResolveLink(path) + ".lock", taken);
    // The first runtime folder that takes a lock file; an unusable
    // $XDG_RUNTIME_DIR falls back to the temporary folder.
    for (const std::string& dir : RuntimeDirs()) {
        const TLockResult runtime = LockFile(RuntimeLockName(dir, path), taken);
        if (runtime == TLockResult::lrNoLock)
            continue;
        if (result != TLockResult::lrHeldElsewhere)
            result = runtime;
        break;
    }
    lock = std::move(taken);
    return result;
}

std::vector<std::string> TFileSystem::RuntimeDirs() const {
    std::vector<std::string> dirs;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && runtime[0] == '/')
        dirs.push_back(std::string(runtime) + "/");
    std::error_code error;
    const std::string temp = std::filesystem::temp_directory_path(error).string();
    dirs.push_back((error || temp.empty() ? std::string("/tmp") : temp) + "/");
    return dirs;
}

std::string TFileSystem::UserConfigDir() const {
    // The XDG rules: only an absolute path counts.
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && config[0] == '/')
        return std::string(config) + "/";
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
        const passwd* user = ::getpwuid(::getuid());
        home = user ? user->pw_dir : "/tmp";
    }
    return std::string(home) + "/.config/";
}

std::string ResolveLink(const std::string& path) {
    namespace fs = std::filesystem;
    fs::path current = path;
    std::error_code error;
    // A bound against links that point in a circle.
    for (int depth = 0; depth < 40 && fs::is_symlink(current, error); ++depth) {
        const fs::path target = fs::read_symlink(current, error);
        if (error)
            break;
        current =
            (target.is_absolute() ? target : current.parent_path() / target).lexically_normal();
    }
    return current.string();
}

void ReplaceFile(const TFileSystem& files, const std::string& path, const std::string& backup,
                 std::string_view bytes) {
    const std::string target = ResolveLink(path);
    const std::string backupTarget = backup.empty() || target == path
                                         ? backup
                                         : ExtractFilePath(target) + ExtractFileName(backup);
    const std::string newFile = files.WriteTempFile(target, bytes);
    // The old file becomes the backup before the new one takes its place: a
    // kill between the two renames then loses nothing. A backup that is the
    // file itself would put the old text back over the new.
    if (!backupTarget.empty() && files.FileExists(target) && !SameFile(target, backupTarget))
        KeepAsBackup(files, target, backupTarget);
    if (!files.RenameFile(newFile, target)) {
        const int error = errno;
        files.DeleteFile(newFile);
        throw EInOutError(ErrorText(FrameworkTexts::FileNotReplaced, path, error));
    }
}

std::string ExtractFilePath(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string ExtractFileName(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ChangeFileExt(const std::string& path, const std::string& ext) {
    const auto slash = path.find_last_of('/');
    const auto dot = path.find_last_of('.');
    const bool hasExt = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExt ? path.substr(0, dot) : path) + ext;
}

} // namespace orv
