// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/help_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <mutex>
#include <set>

#include "about/help_text.h"

namespace tavrel {
namespace {

// Far above the real text; anything larger is not a help file of ours.
constexpr off_t kMaxHelpFileSize = 1 << 20;

// The private folders this process made and has not removed yet. Only these
// are ever removed, so a working directory left empty is never touched.
std::mutex foldersMutex;
std::set<std::string>& privateFolders()
{
    static std::set<std::string> folders;
    return folders;
}

bool writeAll(int fd, std::string_view data)
{
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// O_EXCL fails on any existing entry, a dangling link included, so nothing
// is truncated and no link is followed.
bool createExclusive(const std::string& path, std::string_view data)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    bool ok = writeAll(fd, data);
    ok = ::close(fd) == 0 && ok;
    if (!ok)
        ::unlink(path.c_str());
    return ok;
}

std::optional<std::string> writeIntoPrivateFolder(std::string_view data)
{
    std::error_code ec;
    const std::filesystem::path tmp = std::filesystem::temp_directory_path(ec);
    if (ec)
        return std::nullopt;
    std::string folder = (tmp / "tavrel-help-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr)
        return std::nullopt;
    const std::string path = folder + '/' + std::string(kHelpFileName);
    if (!createExclusive(path, data)) {
        ::rmdir(folder.c_str());
        return std::nullopt;
    }
    const std::lock_guard lock(foldersMutex);
    privateFolders().insert(folder);
    return path;
}

std::optional<std::string> readRegularFile(const std::string& path)
{
    // O_NONBLOCK keeps a FIFO in its place from stalling the open.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    std::optional<std::string> text;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= kMaxHelpFileSize) {
        std::string buffer(static_cast<std::size_t>(st.st_size), '\0');
        std::size_t got = 0;
        bool failed = false;
        while (got < buffer.size()) {
            const ssize_t n = ::read(fd, buffer.data() + got, buffer.size() - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                failed = true;
                break;
            }
            if (n == 0)
                break;
            got += static_cast<std::size_t>(n);
        }
        if (!failed) {
            buffer.resize(got);
            text = std::move(buffer);
        }
    }
    ::close(fd);
    return text;
}

void removePrivateFolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return;
    const std::string folder = path.substr(0, slash);
    const std::lock_guard lock(foldersMutex);
    if (privateFolders().erase(folder) != 0)
        ::rmdir(folder.c_str());
}

}  // namespace

std::optional<std::string> writeHelpFile(const std::string& workDir)
{
    const std::string text = helpText();
    std::string path = workDir + std::string(kHelpFileName);
    if (createExclusive(path, text))
        return path;
    return writeIntoPrivateFolder(text);
}

std::optional<std::string> takeHelpFile(const std::string& readPath)
{
    if (readPath.empty())
        return std::nullopt;
    std::optional<std::string> text = readRegularFile(readPath);
    ::unlink(readPath.c_str());
    removePrivateFolderOf(readPath);
    return text;
}

}  // namespace tavrel
