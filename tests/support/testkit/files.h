#pragma once

// Small file helpers shared by every test: a private temporary folder and whole-file reads
// and writes. Failures throw, so a test never goes on with a file it did not get.

#include <filesystem>
#include <string>
#include <string_view>

namespace testkit {

namespace fs = std::filesystem;

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    explicit TempFolder(std::string_view prefix = "melotheek-test");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const fs::path& path() const { return path_; }
    fs::path file(std::string_view name) const { return path_ / name; }

private:
    fs::path path_;
};

// Replaces `file` with `bytes`, creating missing parent folders.
void writeFile(const fs::path& file, std::string_view bytes);

// The whole content of `file`; throws when it cannot be read.
std::string readFile(const fs::path& file);

// `text` with every LF line end written as CR LF, as servers and DOS files end their lines.
std::string withCrLf(std::string_view text);

} // namespace testkit
