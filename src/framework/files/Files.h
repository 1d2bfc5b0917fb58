// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// Shared advisory locks on lock files, held while the object lives. The last
// holder of a lock file removes it when it lets go, so none are left behind.
class TFileLock {
public:
    TFileLock() = default;
    TFileLock(TFileLock&& other) noexcept : held_(std::move(other.held_)) { other.held_.clear(); }
    TFileLock& operator=(TFileLock&& other) noexcept;
    ~TFileLock();
    bool Held() const { return !held_.empty(); }
    // Takes over a locked lock file's descriptor.
    void Add(int fd, std::string path) { held_.push_back({fd, std::move(path)}); }

private:
    void Release() noexcept;

    struct THeld {
        int fd = -1;
        std::string path;
    };
    std::vector<THeld> held_;
};

enum class TLockResult : std::uint8_t { lrTaken, lrHeldElsewhere, lrNoLock };

// The file operations the program needs, as one object so that a test can
// derive from it and make any single step fail. Paths are UTF-8.
//
// Failures to read or write raise EInOutError with the path in the message;
// the yes/no operations report failure by their result.
class TFileSystem {
public:
    TFileSystem() = default;
    TFileSystem(const TFileSystem&) = delete;
    TFileSystem& operator=(const TFileSystem&) = delete;
    virtual ~TFileSystem() = default;

    // Whether anything stands at path: a file, a directory, a FIFO, ...
    virtual bool FileExists(const std::string& path) const;
    // Reads a regular file whole. Anything else (a FIFO, a device, a
    // directory) is refused at once rather than waited on.
    virtual std::string ReadFile(const std::string& path) const;
    // Writes bytes to a new file beside path and flushes it to the disk;
    // returns the new file's name. The new file has path's permission bits
    // when path exists. On failure nothing is left behind.
    virtual std::string WriteTempFile(const std::string& path, std::string_view bytes) const;
    // Gives the file at path a second, new name beside other (a hard link),
    // for other to take in one rename; returns the new name, or an empty one
    // where the file system has no links.
    virtual std::string LinkTempFile(const std::string& path, const std::string& other) const;
    // Removes the temporary files of path that a process which no longer
    // runs left behind (killed while saving).
    virtual void RemoveStaleTempFiles(const std::string& path) const;
    // Replaces to, if it exists, in one step.
    virtual bool RenameFile(const std::string& from, const std::string& to) const;
    virtual bool DeleteFile(const std::string& path) const;
    // Whether a file can be created in dir (tried, not guessed from modes).
    virtual bool DirectoryWritable(const std::string& dir) const;
    // Creates dir and its missing parents; raises EInOutError naming the
    // folder and the cause when it cannot.
    virtual void ForceDirectories(const std::string& dir) const;
    // Takes, without waiting, the locks that stand for the file at path, and
    // holds them while lock lives: "<file>.lock" beside the file a link
    // points to, which every copy of every user meets, and one in the runtime
    // directory ($XDG_RUNTIME_DIR, else the temporary directory) named after
    // the file's canonical path, which copies of one user meet before the
    // file's folder exists. Every holder holds a shared lock, so a copy that
    // starts later finds all that run. lrHeldElsewhere when another process
    // holds either; lrNoLock when neither lock file can be made (nothing can
    // be known then).
    virtual TLockResult LockFor(const std::string& path, TFileLock& lock) const;
    // The folders a runtime lock may go to, in order, with a trailing '/'.
    virtual std::vector<std::string> RuntimeDirs() const;
    // The user's configuration directory ($XDG_CONFIG_HOME, by default
    // ~/.config), with a trailing separator.
    virtual std::string UserConfigDir() const;
};

// The file path names after following symbolic links, also when the link
// points to nothing (yet); path itself when it is no link.
std::string ResolveLink(const std::string& path);

// Replaces the file at path with bytes so that a complete file stands at path
// at every moment: the new text goes to a flushed temporary file first, which
// then takes the old one's place in one rename. A symbolic link at path stays
// and its target is replaced (when the target's folder is missing the save
// fails: a link never becomes a plain file); the file keeps its permission bits. When backup
// is not empty, path exists and backup is not path itself, the old file
// becomes backup (beside the link's target for a link) before the new one
// takes its place, so that at every moment the old file is path, backup or
// both; a backup that cannot be made is given up silently. Raises
// EInOutError when the new file cannot be put in place, leaving path as it
// was (backup then holds the old file too) and no temporary file behind.
void ReplaceFile(const TFileSystem& files, const std::string& path, const std::string& backup,
                 std::string_view bytes);

// Path helpers: the directory part with its trailing '/', the name part, and
// the path with its extension (from the last '.' of the name) replaced.
std::string ExtractFilePath(const std::string& path);
std::string ExtractFileName(const std::string& path);
std::string ChangeFileExt(const std::string& path, const std::string& ext);

} // namespace orv
