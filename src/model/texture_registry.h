#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace lumtrak::model {

// A texture object made by a 3D engine from a texture file. The model only holds
// it for the engine.
class TextureObject {
  public:
    virtual ~TextureObject() = default;
};

// What the registry needs of a 3D engine: a texture loaded from a file name in
// the current folder, or nothing when the file cannot be read there.
class TextureLoader {
  public:
    virtual ~TextureLoader() = default;
    virtual std::unique_ptr<TextureObject> LoadTexture(const std::string& fileName) = 0;
};

// Numbers texture file names, from 1 in order of first registration, for the
// whole run. Once a 3D engine has published its loader, every new name also has
// its texture loaded: from the folder handed in at registration, else the
// document folder, else the program folder's "Textures".
class TextureRegistry {
  public:
    struct Entry {
        std::int16_t number = 0;
        std::unique_ptr<TextureObject> texture;
        std::string fileName;
        std::string folder;
    };

    // The registry of the running program.
    static TextureRegistry& Process();

    std::int16_t InternTexture(std::string_view fileName, std::string_view folder);
    // The file name registered under number, or an empty text.
    const std::string& TextureName(std::int16_t number) const;
    const Entry* Find(std::int16_t number) const;
    Entry* Find(std::int16_t number);
    void ClearTextures();

    std::int16_t Count() const { return count_; }

    // Set by the 3D preview; none until one exists.
    void SetLoader(TextureLoader* loader) { loader_ = loader; }
    TextureLoader* Loader() const { return loader_; }
    void SetDocumentFolder(std::string folder) { documentFolder_ = std::move(folder); }
    const std::string& DocumentFolder() const { return documentFolder_; }

    // Loads the entry's texture if it has none, trying the three folders in turn.
    void LoadTextureObject(Entry& entry);

  private:
    std::int16_t count_ = 0;
    std::vector<Entry> entries_;  // oldest first
    std::unordered_map<std::string, std::size_t> byName_;
    std::unordered_map<std::int16_t, std::size_t> byNumber_;  // the newest entry of a number
    TextureLoader* loader_ = nullptr;
    std::string documentFolder_;
};

}  // namespace lumtrak::model
