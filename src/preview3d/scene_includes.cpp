// Finding and building the definitions that a part includes.
#include <string>

#include "model/characters.h"
#include "preview3d/scene_builder.h"

namespace lumtrak::preview3d {
namespace {

// Builds the definition at start of source as a child of parent, unless it is
// already being built further up the include chain or includes nest too deep.
void BuildChild(ScenePart& parent, std::string name, bool mirrored, const Inclusion& at,
                SceneSource& source, model::Cursor start, SceneEnvironment& environment) {
    model::DefinitionIdentity identity{source.Key(), source.DefinitionStart(start)};
    if (environment.chain.size() > SceneEnvironment::kMaxIncludeDepth) return;
    for (const auto& building : environment.chain) {
        if (building == identity) return;
    }

    auto child = std::make_unique<ScenePart>(parent.engine, std::move(name));
    // An included part has its mesh builder, and so its frame, even without faces.
    child->meshBuilder = parent.engine.CreateMeshBuilder();
    child->labelText = parent.labelText;
    child->offset = {at.x, at.z, at.y};
    child->mirrored = mirrored;
    child->root = parent.root;

    environment.chain.push_back(std::move(identity));
    BuildPart(*child, source, start, source.Text().End(), environment);
    environment.chain.pop_back();

    if (at.motionParameter != 0 || at.motionKind != 0) {
        child->motionParameter = at.motionParameter;
        child->motionKind = at.motionKind;
        parent.engine.SetAnimatedRoot(parent.root);
        if (at.motionKind == 2 || at.motionKind == 3) child->extras = at.extras;
    }
    parent.children.push_back(std::move(child));
}

}  // namespace

void IncludePart(ScenePart& parent, std::string_view name, const Inclusion& at, SceneSource& source,
                 SceneEnvironment& environment) {
    if (name.empty() || environment.budget.spent) return;
    if (++environment.budget.includes > environment.limits.includes) {
        environment.SpendBudget();
        return;
    }
    std::string wanted = model::ToLowerAscii(std::string(name));
    bool mirrored = false;
    if (wanted.front() == '!') {
        wanted.erase(0, 1);
        mirrored = true;
    }

    // The same text first, where a name line's trailing blanks do not count.
    if (const auto found = source.Names(true).Find(wanted)) {
        BuildChild(parent, std::move(wanted), mirrored, at, source, *found, environment);
        return;
    }
    // Then the file that the "Stock Index" names, where they do.
    const auto path = environment.files->IndexPathFor(wanted, environment.messages);
    if (!path) return;
    bool tooLarge = false;
    SceneSource* file = environment.files->Open(*path, environment.limits.includedBytes,
                                                environment.messages, tooLarge);
    if (tooLarge) environment.SpendBudget();
    if (file == nullptr) return;
    if (const auto found = file->Names(false).Find(wanted)) {
        BuildChild(parent, std::move(wanted), mirrored, at, *file, *found, environment);
    }
}

}  // namespace lumtrak::preview3d
