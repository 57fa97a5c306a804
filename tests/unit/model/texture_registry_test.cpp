#include "model/texture_registry.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

#include "platform/program_folder.h"
#include "support/deadline.h"
#include "support/fifo.h"
#include "support/temp_folder.h"

namespace lumtrak::model {
namespace {

using namespace std::chrono_literals;

// A texture of a file's bytes; the picture takes as many bytes as the file
// holds, or the number after "picture " in it.
struct FakeTexture final : TextureObject {
    explicit FakeTexture(std::string bytes) : content(std::move(bytes)) {}
    std::size_t PictureBytes() const override {
        if (content.starts_with("picture ")) return std::stoul(content.substr(8));
        return content.size();
    }
    std::string content;
};

class FakeLoader : public TextureLoader {
  public:
    Loaded LoadTexture(std::span<const char> fileBytes, std::size_t largestPicture) override {
        auto texture =
            std::make_unique<FakeTexture>(std::string(fileBytes.begin(), fileBytes.end()));
        ++loads;
        const std::size_t bytes = texture->PictureBytes();
        if (bytes > largestPicture) return {nullptr, bytes};
        return {std::move(texture), bytes};
    }
    std::unique_ptr<TextureObject> ShareTexture(const TextureObject& loaded) override {
        ++shares;
        return std::make_unique<FakeTexture>(dynamic_cast<const FakeTexture&>(loaded).content);
    }
    int loads = 0;
    int shares = 0;
};

std::string ContentOf(const TextureRegistry& registry, std::int16_t number) {
    const auto* entry = registry.Find(number);
    if (entry == nullptr || !entry->texture) return "(none)";
    return dynamic_cast<const FakeTexture&>(*entry->texture).content;
}

// A registry with a fake engine, a program folder and a document folder.
class TextureRegistryTest : public ::testing::Test {
  protected:
    TextureRegistryTest() {
        platform::SetProgramFolderOverride(program.Path().string());
        registry.SetLoader(&loader);
        registry.SetDocumentFolder(document.Path().string());
    }
    ~TextureRegistryTest() override { platform::SetProgramFolderOverride(""); }

    std::int16_t Intern(std::string_view name) {
        return registry.InternTexture(name, given.Path().string());
    }

    testing::TempFolder program;
    testing::TempFolder given;
    testing::TempFolder document;
    FakeLoader loader;
    TextureRegistry registry;
};

TEST(TextureRegistry, NumbersNamesFromOneByExactName) {
    TextureRegistry registry;
    EXPECT_EQ(registry.InternTexture("wood.bmp", ""), 1);
    EXPECT_EQ(registry.InternTexture("Wood.bmp", ""), 2);
    EXPECT_EQ(registry.InternTexture("wood.bmp", "elsewhere"), 1);
    EXPECT_EQ(registry.TextureName(2), "Wood.bmp");
    EXPECT_EQ(registry.TextureName(0), "");
    EXPECT_EQ(registry.Find(1)->texture, nullptr);  // no 3D engine yet
    registry.ClearTextures();
    EXPECT_EQ(registry.TextureName(1), "");
}

TEST_F(TextureRegistryTest, LoadsFromTheGivenFolderThenTheDocumentFolderThenTextures) {
    const auto startFolder = std::filesystem::current_path();
    given.Write("a.bmp", "given a");
    given.Write("sub/d.bmp", "given d");
    document.Write("a.bmp", "document a");
    document.Write("b.bmp", "document b");
    program.Write("textures/C.BMP", "textures c");  // both names in another case
    EXPECT_EQ(ContentOf(registry, Intern("a.bmp")), "given a");
    EXPECT_EQ(ContentOf(registry, Intern("b.bmp")), "document b");
    EXPECT_EQ(ContentOf(registry, Intern("c.bmp")), "textures c");
    EXPECT_EQ(ContentOf(registry, Intern("SUB\\d.bmp")), "given d");
    EXPECT_EQ(ContentOf(registry, Intern("e.bmp")), "(none)");
    // A name registered again is not loaded again; an empty folder is passed over.
    Intern("a.bmp");
    EXPECT_EQ(ContentOf(registry, registry.InternTexture("f.bmp", "")), "(none)");
    EXPECT_EQ(loader.loads, 4);
    // Folders are looked into where they are, without entering them.
    EXPECT_EQ(std::filesystem::current_path(), startFolder);
}

TEST_F(TextureRegistryTest, NamesOfOneFileKeepTheirNumbersAndShareOnePicture) {
    given.Write("a.bmp", "picture 100");
    std::filesystem::create_symlink("a.bmp", given.Path() / "link.bmp");
    const std::int16_t first = Intern("a.bmp");
    EXPECT_EQ(Intern("./a.bmp"), first + 1);
    EXPECT_EQ(Intern("././A.BMP"), first + 2);
    EXPECT_EQ(Intern("link.bmp"), first + 3);
    EXPECT_EQ(Intern("a.bmp"), first);
    EXPECT_EQ(loader.loads, 1);
    EXPECT_EQ(loader.shares, 3);
    for (std::int16_t number = first; number <= first + 3; ++number)
        EXPECT_EQ(ContentOf(registry, number), "picture 100");
}

TEST_F(TextureRegistryTest, ChangedTextureFilesLoadAnewAndTheLoadTellsWhichItUsed) {
    const std::string a = given.Write("a.bmp", "picture 100");
    given.Write("b.bmp", "picture 200");
    const std::int16_t first = Intern("a.bmp");
    const std::int16_t shared = Intern("./a.bmp");
    const std::int16_t other = Intern("b.bmp");
    // Settled long ago, unchanged: kept.
    for (const char* name : {"a.bmp", "b.bmp"}) {
        const std::string path = given / name;
        const timespec old[2] = {{1'000'000, 0}, {1'000'000, 0}};
        ::utimensat(AT_FDCWD, path.c_str(), old, 0);
    }
    registry.ForgetChangedTextures();
    registry.StartLoad();
    for (auto number : {first, shared, other})
        registry.LoadTextureObject(*registry.Find(number));
    const int loadsBefore = loader.loads;
    registry.ForgetChangedTextures();
    for (auto number : {first, shared, other})
        registry.LoadTextureObject(*registry.Find(number));
    EXPECT_EQ(loader.loads, loadsBefore);

    given.Write("a.bmp", "picture 300");
    registry.ForgetChangedTextures();
    registry.StartLoad();
    registry.LoadTextureObject(*registry.Find(shared));
    EXPECT_EQ(ContentOf(registry, shared), "picture 300");
    EXPECT_EQ(ContentOf(registry, first), "(none)");  // until it is used again
    EXPECT_EQ(registry.FilesUsedInLoad(),
              std::vector<std::string>{std::filesystem::canonical(a).string()});
    registry.LoadTextureObject(*registry.Find(first));
    EXPECT_EQ(ContentOf(registry, first), "picture 300");
    EXPECT_EQ(ContentOf(registry, other), "picture 200");
}

TEST_F(TextureRegistryTest, PicturesPastTheLimitsAreLeftOutWithANote) {
    const std::size_t largest = TextureRegistry::kLargestPicture;
    given.Write("huge.bmp", "picture " + std::to_string(largest + 1));
    const std::size_t total = TextureRegistry::kLargestTotal;
    for (std::size_t i = 0; i <= total / largest; ++i)
        given.Write("full" + std::to_string(i) + ".bmp", "picture " + std::to_string(largest));
    // A file larger than any texture file is not read at all.
    const std::string sparse = given.Write("sparse.bmp", "");
    ASSERT_EQ(::truncate(sparse.c_str(), TextureRegistry::kLargestFile + 1), 0);

    EXPECT_EQ(ContentOf(registry, Intern("huge.bmp")), "(none)");
    EXPECT_EQ(ContentOf(registry, Intern("sparse.bmp")), "(none)");
    std::int16_t lastLoaded = 0;
    for (std::size_t i = 0; i <= total / largest; ++i)
        lastLoaded = Intern("full" + std::to_string(i) + ".bmp");
    EXPECT_EQ(ContentOf(registry, lastLoaded - 1), "picture " + std::to_string(largest));
    EXPECT_EQ(ContentOf(registry, lastLoaded), "(none)");  // past the registry's total
    // Shown again in the same load, a texture left out is not noted again.
    registry.LoadTextureObject(*registry.Find(lastLoaded));

    const auto notes = registry.TakeNotes();
    ASSERT_EQ(notes.size(), 3u);
    EXPECT_EQ(notes[0], "texture 'huge.bmp' left out: its picture would take more than " +
                            std::to_string(largest) + " bytes");
    EXPECT_EQ(notes[1], "texture 'sparse.bmp' left out: its file is larger than " +
                            std::to_string(TextureRegistry::kLargestFile) + " bytes");
    EXPECT_EQ(notes[2], "texture 'full" + std::to_string(total / largest) +
                            ".bmp' left out: the textures would take more than " +
                            std::to_string(total) + " bytes");
    EXPECT_TRUE(registry.TakeNotes().empty());
}

TEST_F(TextureRegistryTest, EachFolderIsListedOnceInALoadForNamesInAnotherCase) {
    program.Write("Textures/other.bmp", "other");
    registry.StartLoad();
    EXPECT_EQ(ContentOf(registry, Intern("late.bmp")), "(none)");
    // A file that appears in another case during the load is not seen: the
    // folders were listed once for the missing name.
    program.Write("Textures/LATE.BMP", "late");
    EXPECT_EQ(ContentOf(registry, Intern("Late.bmp")), "(none)");
    registry.StartLoad();
    EXPECT_EQ(ContentOf(registry, Intern("LATE.bmp")), "late");
}

TEST_F(TextureRegistryTest, ATextureThatIsAFifoIsPassedOverWithoutWaiting) {
    const testing::Fifo fifo(given, "pipe.bmp");
    document.Write("pipe.bmp", "document pipe");
    std::int16_t number = 0;
    EXPECT_TRUE(testing::FinishesWithin(
        5s, [&] { number = Intern("pipe.bmp"); }, [&] { fifo.ReleaseReaders(); }));
    EXPECT_EQ(ContentOf(registry, number), "document pipe");
}

}  // namespace
}  // namespace lumtrak::model
