#include "recovery/recovery_folder.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <random>

#include "platform/file_replacement.h"
#include "platform/folder_listing.h"
#include "platform/private_folder.h"
#include "platform/user_folders.h"
#include "platform/whole_file.h"

namespace lumtrak::recovery {
namespace {

constexpr std::size_t kRunLength = 16;
constexpr std::string_view kLockSuffix = ".lock";
constexpr std::string_view kCopySuffix = ".recovery";

std::string NewRun() {
    std::random_device random;
    std::uniform_int_distribution<int> digit(0, 15);
    std::string run(kRunLength, '0');
    for (char& c : run)
        c = "0123456789abcdef"[digit(random)];
    return run;
}

bool IsRun(std::string_view text) {
    return text.size() == kRunLength && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

// What a name of the folder is: a run's lock file, one of its copies, or
// neither (an empty run).
struct NameOfRun {
    std::string run;
    bool copy = false;
};

NameOfRun ParseName(std::string_view name) {
    if (name.size() <= kRunLength || !IsRun(name.substr(0, kRunLength))) return {};
    const std::string run(name.substr(0, kRunLength));
    const std::string_view rest = name.substr(kRunLength);
    if (rest == kLockSuffix) return {run, false};
    if (rest.size() > 1 + kCopySuffix.size() && rest.front() == '.' &&
        rest.ends_with(kCopySuffix)) {
        const std::string_view number = rest.substr(1, rest.size() - 1 - kCopySuffix.size());
        if (std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return {run, true};
    }
    return {};
}

std::error_code RemoveName(const std::string& path) {
    std::error_code error;
    std::filesystem::remove(path, error);
    return error;
}

}  // namespace

std::string DefaultRecoveryFolder() {
    return platform::UserDataFolder() + "lumtrak/recovery";
}

std::unique_ptr<RecoveryFolder> RecoveryFolder::Open(const std::string& folder,
                                                     std::error_code& error) {
    const std::filesystem::path parent = std::filesystem::path(folder).parent_path();
    if (!parent.empty()) std::filesystem::create_directories(parent, error);
    if (error) return nullptr;
    const std::optional<std::string> own = platform::PrivateFolder(folder);
    if (!own) {
        error = std::make_error_code(std::errc::permission_denied);
        return nullptr;
    }
    // A new name until one is free (two alike are as good as impossible).
    for (int attempt = 0; attempt < 8; ++attempt) {
        std::string run = NewRun();
        std::optional<platform::FileLock> lock =
            platform::FileLock::TryLock(*own + "/" + run + std::string(kLockSuffix), error);
        if (lock) {
            return std::unique_ptr<RecoveryFolder>(
                new RecoveryFolder(*own, std::move(run), std::move(*lock)));
        }
        if (!platform::FileLock::HeldElsewhere(error)) return nullptr;
    }
    return nullptr;
}

RecoveryFolder::RecoveryFolder(std::string folder, std::string run, platform::FileLock lock)
    : folder_(std::move(folder)), run_(std::move(run)), lock_(std::move(lock)) {}

RecoveryFolder::~RecoveryFolder() {
    lock_.RemoveFile();
}

std::string RecoveryFolder::PathOf(std::string_view name) const {
    return folder_ + "/" + std::string(name);
}

std::string RecoveryFolder::CopyPath(std::uint64_t number) const {
    return PathOf(run_ + "." + std::to_string(number) + std::string(kCopySuffix));
}

std::error_code RecoveryFolder::WriteCopy(std::uint64_t number, const CopyHeader& header,
                                          std::string_view text) const {
    platform::ReplacementOptions options;
    // Only this user's, and whatever stands at the name is replaced, never
    // written through.
    options.replaceName = true;
    options.mode = 0600;
    platform::FileReplacement file;
    if (const std::error_code error = file.Open(CopyPath(number), options)) return error;
    const EncodedCopy encoded = EncodeCopy(header, text);
    file.Write(encoded.head);
    file.Write(text);
    file.Write(encoded.tail);
    return file.Commit();
}

std::error_code RecoveryFolder::RemoveCopy(std::uint64_t number) const {
    return RemoveName(CopyPath(number));
}

std::vector<LeftCopy> RecoveryFolder::ClaimLeftCopies() {
    std::vector<LeftCopy> left;
    const auto entries = platform::ListFolder(folder_);
    if (!entries) return left;
    std::map<std::string, std::vector<std::string>> copiesOf;
    for (const platform::FolderEntry& entry : *entries) {
        if (entry.kind != platform::FolderEntry::Kind::File) continue;
        const NameOfRun name = ParseName(entry.name);
        if (name.run.empty() || name.run == run_ || claims_.contains(name.run)) continue;
        std::vector<std::string>& copies = copiesOf[name.run];
        if (name.copy) copies.push_back(entry.name);
    }
    for (const auto& [run, copies] : copiesOf) {
        std::error_code error;
        std::optional<platform::FileLock> lock =
            platform::FileLock::TryLock(PathOf(run + std::string(kLockSuffix)), error);
        if (!lock) continue;  // that run goes on
        claims_.emplace(run, std::move(*lock));
        for (const std::string& copy : copies) {
            const std::optional<std::string> bytes = platform::ReadWholeFile(PathOf(copy));
            if (bytes) left.push_back({copy, run, ReadCopy(*bytes)});
        }
    }
    return left;
}

std::error_code RecoveryFolder::Adopt(const LeftCopy& copy, std::uint64_t number) {
    std::error_code error;
    std::filesystem::rename(PathOf(copy.fileName), CopyPath(number), error);
    return error;
}

std::error_code RecoveryFolder::Discard(const LeftCopy& copy) {
    return RemoveName(PathOf(copy.fileName));
}

void RecoveryFolder::ReleaseClaims() {
    const std::vector<platform::FolderEntry> entries =
        platform::ListFolder(folder_).value_or(std::vector<platform::FolderEntry>{});
    for (auto& [run, lock] : claims_) {
        bool copiesLeft = false;
        for (const platform::FolderEntry& entry : entries) {
            // What a write cut short left: its temporary file.
            if (entry.name.starts_with("." + run + ".")) RemoveName(PathOf(entry.name));
            const NameOfRun name = ParseName(entry.name);
            copiesLeft = copiesLeft || (name.run == run && name.copy);
        }
        if (!copiesLeft) lock.RemoveFile();
    }
    claims_.clear();
}

}  // namespace lumtrak::recovery
