#include "model/texture_registry.h"

#include "platform/current_folder.h"
#include "platform/program_folder.h"

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
    if (loader_ == nullptr || entry.texture) return;
    if (!entry.folder.empty()) platform::ChangeCurrentFolder(entry.folder);
    entry.texture = loader_->LoadTexture(entry.fileName);
    if (entry.texture) return;
    platform::ChangeCurrentFolder(documentFolder_);
    entry.texture = loader_->LoadTexture(entry.fileName);
    if (entry.texture) return;
    platform::EnterProgramFolder();
    platform::ChangeCurrentFolder("Textures");
    entry.texture = loader_->LoadTexture(entry.fileName);
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
}

}  // namespace lumtrak::model
