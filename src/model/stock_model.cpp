#include "model/stock_model.h"

#include "model/texture_registry.h"

namespace lumtrak::model {
namespace {

bool BelongsToSeeThroughList(const Panel& panel, const TextureRegistry& textures) {
    if (panel.kind == PanelKind::Headlight || panel.kind == PanelKind::Taillight) return true;
    if (panel.texture == 0) return false;
    const std::string& name = textures.TextureName(panel.texture);
    return !name.empty() && name.front() == '#';
}

}  // namespace

void AddPanel(StockModel& model, std::unique_ptr<Panel> panel, const TextureRegistry& textures) {
    if (!panel) return;
    if (model.groupOpen) {
        FreePanelChain(std::move(panel->next));
        FreePanelChain(std::move(panel->subPanels));
        if (!model.groupHead) {
            model.groupHead = std::move(panel);
            model.groupTail = model.groupHead.get();
        } else if (model.groupTail == model.groupHead.get()) {
            model.groupHead->subPanels = std::move(panel);
            model.groupTail = model.groupHead->subPanels.get();
        } else {
            model.groupTail->next = std::move(panel);
            model.groupTail = model.groupTail->next.get();
        }
        return;
    }
    std::unique_ptr<Panel>& list =
        BelongsToSeeThroughList(*panel, textures) ? model.seeThroughList : model.mainList;
    panel->next = std::move(list);
    list = std::move(panel);
}

void FreeGroupHead(StockModel& model) {
    FreePanelChain(std::move(model.groupHead));
    model.groupTail = nullptr;
}

}  // namespace lumtrak::model
