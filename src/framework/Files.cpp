#include "Files.h"

#include "Exceptions.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orv {
namespace {

std::string ErrorText(const std::string& what, const std::string& path, int error) {
    return what + ": " + path + " (" + std::strerror(error) + ")";
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

// Creates a file no one else has, beside path; permissions follow the umask.
std::pair<TFd, std::string> CreateUniqueBeside(const std::string& path) {
    const std::string stem = path + ".tmp" + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 1000; ++attempt) {
        std::string name = stem + std::to_string(attempt);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return {TFd(fd), std::move(name)};
        if (errno != EEXIST)
            break;
    }
    throw EInOutError(ErrorText("ファイルを作成できません", path, errno));
}

// Makes a rename in dir last across a crash.
void SyncDirectory(const std::string& dir) {
    TFd fd(::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Valid())
        ::fsync(fd.Get());
}

} // namespace

bool TFileSystem::FileExists(const std::string& path) const {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

std::string TFileSystem::ReadFile(const std::string& path) const {
    TFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.Valid())
        throw EInOutError(ErrorText("ファイルを開けません", path, errno));
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd.Get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw EInOutError(ErrorText("ファイルを読めません", path, errno));
        if (got == 0)
            return bytes;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
}

std::string TFileSystem::WriteTempFile(const std::string& path, std::string_view bytes) const {
    auto [fd, name] = CreateUniqueBeside(path);
    if (WriteAll(fd.Get(), bytes) && ::fsync(fd.Get()) == 0 && fd.Close())
        return name;
    const int error = errno;
    ::unlink(name.c_str());
    throw EInOutError(ErrorText("ファイルに書き込めません", path, error));
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

bool TFileSystem::ForceDirectories(const std::string& dir) const {
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    return std::filesystem::is_directory(dir, error);
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

void ReplaceFile(const TFileSystem& files, const std::string& path, const std::string& backup,
                 std::string_view bytes) {
    const std::string newFile = files.WriteTempFile(path, bytes);
    // The backup is a copy rather than the old file renamed, so path never
    // goes missing between the two renames.
    std::string oldCopy;
    if (!backup.empty() && files.FileExists(path)) {
        try {
            oldCopy = files.WriteTempFile(backup, files.ReadFile(path));
        } catch (const EInOutError&) {
            oldCopy.clear();
        }
    }
    if (!files.RenameFile(newFile, path)) {
        const int error = errno;
        files.DeleteFile(newFile);
        if (!oldCopy.empty())
            files.DeleteFile(oldCopy);
        throw EInOutError(ErrorText("ファイルを置き換えられません", path, error));
    }
    if (!oldCopy.empty() && !files.RenameFile(oldCopy, backup))
        files.DeleteFile(oldCopy);
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
