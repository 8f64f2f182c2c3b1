#pragma once

#include "platform/files/FileStamp.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace rennlupe::platform {

// The file-system steps a safe save is made of, one call each, so that a test
// double can fail any single step. Each step reports success, never throws.
class Files {
public:
    virtual ~Files() = default;

    // The running executable's full path, from the operating system; "" when unknown.
    virtual std::string executablePath() const = 0;
    virtual char separator() const = 0;
    // The user's own folder for program settings; "" when the system names none.
    virtual std::string configurationFolder() const = 0;

    // The whole file, or nothing when it cannot be opened or read.
    virtual std::optional<std::string> read(const std::string& path) const = 0;
    virtual bool exists(const std::string& path) const = 0;
    // The file's modification time and size; nothing when it cannot be looked at.
    virtual std::optional<FileStamp> stampOf(const std::string& path) const = 0;
    // The file a path names once every symbolic link on its last part is followed.
    virtual std::string resolveLinks(const std::string& path) const = 0;
    // A file without any write permission counts as read-only even for the superuser.
    virtual bool isWritableFile(const std::string& path) const = 0;
    virtual bool isWritableFolder(const std::string& folder) const = 0;

    // Creates the folder and every missing parent; true when it is a folder afterwards.
    virtual bool createFolders(const std::string& folder) = 0;

    // A new empty file in the target's folder; its path, or nothing.
    virtual std::optional<std::string> createTemporaryBeside(const std::string& target) = 0;
    // Writes the bytes from the start of an existing file, then cuts it to their length.
    virtual bool overwrite(const std::string& path, std::string_view bytes) = 0;
    virtual bool flush(const std::string& path) = 0;
    virtual bool copyPermissions(const std::string& from, const std::string& to) = 0;
    // Replaces `to` by `from` in one step and makes the folder entry durable.
    virtual bool rename(const std::string& from, const std::string& to) = 0;
    virtual bool remove(const std::string& path) = 0;

protected:
    Files() = default;
    Files(const Files&) = default;
    Files& operator=(const Files&) = default;
};

}  // namespace rennlupe::platform
