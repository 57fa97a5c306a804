#include "model/texture_registry.h"

#include <algorithm>
#include <array>

#include "platform/file_lookup.h"
#include "platform/program_folder.h"
#include "platform/whole_file.h"

namespace lumtrak::model {

TextureRegistry& TextureRegistry::Process() {
    static TextureRegistry registry;
    return registry;
}

std::int16_t TextureRegistry::InternTexture(std::string_view fileName, std::string_view folder) {
    std::string name(fileName);
    if (auto found = byName_.find(name); found != byName_.end()) {
        return entries_[found->second].number;
    }
    count_ = static_cast<std::int16_t>(count_ + 1);  // 16-bit: wraps after 32767
    Entry entry;
    entry.number = count_;
    entry.fileName = name;
    entry.folder = std::string(folder);
    LoadTextureObject(entry);
    byName_.emplace(std::move(name), entries_.size());
    byNumber_[entry.number] = entries_.size();
    entries_.push_back(std::move(entry));
    return count_;
}

void TextureRegistry::LoadTextureObject(Entry& entry) {
    if (loader_ == nullptr) return;
    entry.usedInLoad = load_;
    if (entry.texture) return;
    static constexpr std::array kPlaces{Place::EntryFolder, Place::DocumentFolder, Place::Textures};
    Loaded loaded = Load(entry, kPlaces, Share::Yes, entry.source);
    entry.texture = std::move(loaded.texture);
    entry.lookup = loaded.lookup;
}

std::unique_ptr<TextureObject> TextureRegistry::LoadPrivateTexture(const Entry& entry) {
    if (loader_ == nullptr) return nullptr;
    static constexpr std::array kPlaces{Place::EntryFolder, Place::Textures};
    std::optional<Entry::Source> source;
    auto texture = Load(entry, kPlaces, Share::No, source).texture;
    if (source) privateFiles_.push_back(std::move(source->path));
    return texture;
}

void TextureRegistry::StartLoad() {
    lookup_.Forget();
    leftOut_.clear();
    ++load_;
    privateFiles_.clear();
}

std::vector<std::string> TextureRegistry::FilesUsedInLoad() const {
    std::vector<std::string> files;
    std::unordered_set<std::string> known;
    auto add = [&](const std::string& path) {
        if (!path.empty() && known.insert(path).second) files.push_back(path);
    };
    for (const Entry& entry : entries_) {
        if (entry.usedInLoad == load_ && entry.source) add(entry.source->path);
    }
    for (const std::string& path : privateFiles_)
        add(path);
    return files;
}

void TextureRegistry::ForgetChangedTextures() {
    for (Entry& entry : entries_) {
        if (!entry.texture || !entry.source) continue;
        const Entry::Source& source = *entry.source;
        if (source.trusted && platform::IdentifyFile(source.path) == source.identity) continue;
        std::erase_if(byFile_,
                      [&](const auto& shown) { return shown.second == entry.texture.get(); });
        totalBytes_ -= std::min(totalBytes_, source.countedBytes);
        entry.texture.reset();
        entry.source.reset();
    }
}

TextureRegistry::Loaded TextureRegistry::Load(const Entry& entry, std::span<const Place> places,
                                              Share share, std::optional<Entry::Source>& source) {
    // A place that holds the file but gives no texture tells more than one
    // that does not hold it.
    TextureLookup lookup = TextureLookup::NotFound;
    for (const Place place : places) {
        Loaded loaded = LoadFrom(FolderOf(place, entry), entry, share, source);
        if (loaded.texture) return loaded;
        lookup = std::max(lookup, loaded.lookup);
    }
    return {nullptr, lookup};
}

platform::Folder TextureRegistry::FolderOf(Place place, const Entry& entry) {
    const platform::Folder start = platform::Folder::Start();
    switch (place) {
        case Place::EntryFolder:
            return lookup_.OpenFolder(start, entry.folder);
        case Place::DocumentFolder:
            return lookup_.OpenFolder(start, documentFolder_);
        case Place::Textures:
            return lookup_.OpenFolder(lookup_.OpenFolder(start, platform::ProgramFolder()),
                                      "Textures");
    }
    return {};
}

TextureRegistry::Loaded TextureRegistry::LoadFrom(const platform::Folder& folder,
                                                  const Entry& entry, Share share,
                                                  std::optional<Entry::Source>& source) {
    std::string name = entry.fileName;
    std::replace(name.begin(), name.end(), '\\', '/');
    std::error_code error;
    std::int64_t size = 0;
    const platform::FileDescriptor file = lookup_.OpenFile(folder, name, error, &size);
    if (!file.IsOpen()) return {};

    const std::int64_t readAt = platform::WallClockNanoseconds();
    const auto identity = platform::IdentifyOpenFile(file.Get());
    if (identity) {
        source = Entry::Source{platform::RealPathOf(file.Get()).value_or(name), *identity,
                               platform::IdentityTellsChanges(*identity, readAt), 0};
    }
    std::optional<FileKey> key;
    if (identity) {
        key = FileKey{identity->device, identity->inode, identity->size,
                      identity->modifiedNanoseconds};
    }
    if (share == Share::Yes && key) {
        if (const auto found = byFile_.find(*key); found != byFile_.end()) {
            auto shared = loader_->ShareTexture(*found->second);
            const TextureLookup lookup = shared ? TextureLookup::Loaded : TextureLookup::Unreadable;
            return {std::move(shared), lookup};
        }
    }
    if (size > kLargestFile) {
        LeaveOut(entry, "its file is larger than " + std::to_string(kLargestFile) + " bytes");
        return {nullptr, TextureLookup::LeftOut};
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (!platform::ReadExactly(file.Get(), bytes)) return {nullptr, TextureLookup::Unreadable};

    const bool limitedByTotal =
        share == Share::Yes && kLargestTotal - totalBytes_ < kLargestPicture;
    const std::size_t largest = limitedByTotal ? kLargestTotal - totalBytes_ : kLargestPicture;
    auto loaded = loader_->LoadTexture(bytes, largest);
    if (!loaded.texture) {
        if (loaded.pictureBytes > largest) {
            LeaveOut(entry, limitedByTotal ? "the textures would take more than " +
                                                 std::to_string(kLargestTotal) + " bytes"
                                           : "its picture would take more than " +
                                                 std::to_string(kLargestPicture) + " bytes");
            return {nullptr, TextureLookup::LeftOut};
        }
        return {nullptr, TextureLookup::Unreadable};
    }
    if (share == Share::Yes) {
        totalBytes_ += loaded.texture->PictureBytes();
        if (source) source->countedBytes = loaded.texture->PictureBytes();
        if (key) byFile_.emplace(*key, loaded.texture.get());
    }
    return {std::move(loaded.texture), TextureLookup::Loaded};
}

void TextureRegistry::LeaveOut(const Entry& entry, const std::string& why) {
    if (!leftOut_.insert(entry.fileName).second) return;
    notes_.push_back("texture '" + entry.fileName + "' left out: " + why);
}

const TextureRegistry::Entry* TextureRegistry::Find(std::int16_t number) const {
    auto found = byNumber_.find(number);
    return found == byNumber_.end() ? nullptr : &entries_[found->second];
}

TextureRegistry::Entry* TextureRegistry::Find(std::int16_t number) {
    auto found = byNumber_.find(number);
    return found == byNumber_.end() ? nullptr : &entries_[found->second];
}

const std::string& TextureRegistry::TextureName(std::int16_t number) const {
    static const std::string kNone;
    const Entry* entry = Find(number);
    return entry != nullptr ? entry->fileName : kNone;
}

void TextureRegistry::ClearTextures() {
    entries_.clear();
    byName_.clear();
    byNumber_.clear();
    byFile_.clear();
    totalBytes_ = 0;
}

}  // namespace lumtrak::model
