#include "model/panel.h"

#include <vector>

namespace lumtrak::model {

Panel::~Panel() {
    if (next || subPanels) {
        FreePanelChain(std::move(next));
        FreePanelChain(std::move(subPanels));
    }
}

namespace {

// Freed panel memory, kept for the next panels up to a bound, per thread. Under
// AddressSanitizer nothing is kept, so that it sees every use after free.
struct PanelMemory {
#if defined(__SANITIZE_ADDRESS__)
    static constexpr std::size_t kMaxKept = 0;
#else
    static constexpr std::size_t kMaxKept = 1 << 16;
#endif
    std::vector<void*> free;
    ~PanelMemory() {
        for (void* memory : free)
            ::operator delete(memory);
    }
};

PanelMemory& Memory() {
    thread_local PanelMemory memory;
    return memory;
}

}  // namespace

void* Panel::operator new(std::size_t size) {
    auto& kept = Memory().free;
    if (size != sizeof(Panel) || kept.empty()) return ::operator new(size);
    void* memory = kept.back();
    kept.pop_back();
    return memory;
}

void Panel::operator delete(void* memory, std::size_t size) noexcept {
    auto& kept = Memory().free;
    if (size != sizeof(Panel) || kept.size() >= PanelMemory::kMaxKept) {
        ::operator delete(memory);
        return;
    }
    try {
        kept.push_back(memory);
    } catch (...) {
        ::operator delete(memory);
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
