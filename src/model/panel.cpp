#include "model/panel.h"

#include <vector>

namespace lumtrak::model {

Panel::~Panel() {
    if (next || subPanels) {
        FreePanelChain(std::move(next));
        FreePanelChain(std::move(subPanels));
    }
}

void FreePanelChain(std::unique_ptr<Panel> head) {
    std::vector<std::unique_ptr<Panel>> pending;
    pending.push_back(std::move(head));
    while (!pending.empty()) {
        std::unique_ptr<Panel> panel = std::move(pending.back());
        pending.pop_back();
        if (!panel) continue;
        if (panel->next) pending.push_back(std::move(panel->next));
        if (panel->subPanels) pending.push_back(std::move(panel->subPanels));
        // panel is freed here with no links left, so its destructor does not recurse.
    }
}

}  // namespace lumtrak::model
