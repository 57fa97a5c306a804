#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "platform/file_lookup.h"
#include "platform/folder_lookup.h"

namespace lumtrak::model {

// A texture object made by a 3D engine from a texture file. The model only holds
// it for the engine.
class TextureObject {
  public:
    virtual ~TextureObject() = default;
    // The memory that its picture takes, in bytes.
    virtual std::size_t PictureBytes() const = 0;
};

// What the registry needs of a 3D engine.
class TextureLoader {
  public:
    struct Loaded {
        std::unique_ptr<TextureObject> texture;  // none when the bytes gave none
        std::size_t pictureBytes = 0;            // what the picture takes, or would take
    };

    virtual ~TextureLoader() = default;
    // A texture of the picture that fileBytes (a whole file) hold. None when
    // they hold no picture the engine reads, or one that would take more than
    // largestPicture bytes: that is told by the header, before anything is made.
    virtual Loaded LoadTexture(std::span<const char> fileBytes, std::size_t largestPicture) = 0;
    // A further texture of the picture that loaded shows, sharing its memory; a
    // texture object of its own, so that what is set on one (decal transparency)
    // stays on it.
    virtual std::unique_ptr<TextureObject> ShareTexture(const TextureObject& loaded) = 0;
};

// What the look-up of a texture file found.
enum class TextureLookup {
    NotLooked,   // no 3D engine has asked for textures yet
    Loaded,      // the picture is loaded
    NotFound,    // in none of the folders
    Unreadable,  // found, but no picture that the engine reads
    LeftOut,     // found and read, but left out for its size (noted)
};

// Numbers texture file names, from 1 in order of first registration, for the
// whole run. Once a 3D engine has published its loader, every new name also has
// its texture loaded: from the folder handed in at registration, else the
// document folder, else the program folder's "Textures" (names found in any
// case; an empty folder is passed over). Files are looked up in explicit
// folders: nothing changes the process's current folder.
//
// Names that lead to one file (./a.bmp, a.bmp, A.BMP...) keep numbers of their
// own but share one decoded picture. A picture larger than kLargestPicture
// bytes, or one that would take the registry's pictures past kLargestTotal, is
// left out with a note.
class TextureRegistry {
  public:
    struct Entry {
        std::int16_t number = 0;
        std::unique_ptr<TextureObject> texture;
        std::string fileName;
        std::string folder;
        // The file that the texture was loaded from, as it was then.
        struct Source {
            std::string path;  // real path
            platform::FileIdentity identity;
            bool trusted = false;          // the identity tells a later version
            std::size_t countedBytes = 0;  // what the picture adds to the registry's total
        };
        std::optional<Source> source;
        std::uint64_t usedInLoad = 0;
        TextureLookup lookup = TextureLookup::NotLooked;
    };

    static constexpr std::size_t kLargestPicture = std::size_t{32} << 20;
    static constexpr std::size_t kLargestTotal = std::size_t{256} << 20;
    // No texture file is larger; a larger file is not read at all.
    static constexpr std::int64_t kLargestFile = std::int64_t{64} << 20;

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
    // A texture of the entry's file loaded afresh and kept by nobody else (a
    // picture of its own): from the entry's folder, else "Textures".
    std::unique_ptr<TextureObject> LoadPrivateTexture(const Entry& entry);

    // Starts a load: every folder is listed again for names in another case.
    // Within a load each folder is listed once, however many names are missing.
    void StartLoad();
    // The files of the textures that the load since StartLoad loaded or gave
    // out, private copies included, each once.
    std::vector<std::string> FilesUsedInLoad() const;
    // Lets go of the textures whose file is no longer as it was loaded (or
    // was loaded too soon after its change to tell), so that the next use
    // loads them anew.
    void ForgetChangedTextures();
    // What the loads had to tell since this was last called (textures left out).
    std::vector<std::string> TakeNotes() { return std::exchange(notes_, {}); }

  private:
    // Where a texture is looked for.
    enum class Place { EntryFolder, DocumentFolder, Textures };
    // Whether a texture shares the picture of another name of its file, and
    // counts toward the registry's total.
    enum class Share { Yes, No };
    using FileKey = std::tuple<std::uint64_t, std::uint64_t, std::int64_t, std::int64_t>;

    struct Loaded {
        std::unique_ptr<TextureObject> texture;
        TextureLookup lookup = TextureLookup::NotFound;
    };
    Loaded Load(const Entry& entry, std::span<const Place> places, Share share,
                std::optional<Entry::Source>& source);
    Loaded LoadFrom(const platform::Folder& folder, const Entry& entry, Share share,
                    std::optional<Entry::Source>& source);
    platform::Folder FolderOf(Place place, const Entry& entry);
    void LeaveOut(const Entry& entry, const std::string& why);

    std::int16_t count_ = 0;
    std::vector<Entry> entries_;  // oldest first
    std::unordered_map<std::string, std::size_t> byName_;
    std::unordered_map<std::int16_t, std::size_t> byNumber_;  // the newest entry of a number
    TextureLoader* loader_ = nullptr;
    std::string documentFolder_;

    platform::FolderLookup lookup_;
    // The texture that first showed each file's picture, by the file's identity.
    std::map<FileKey, const TextureObject*> byFile_;
    std::size_t totalBytes_ = 0;
    std::vector<std::string> notes_;
    // The names left out in this load, each noted once.
    std::unordered_set<std::string> leftOut_;
    std::uint64_t load_ = 1;
    std::vector<std::string> privateFiles_;  // of the private copies made in this load
};

}  // namespace lumtrak::model
