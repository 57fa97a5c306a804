#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "model/panel.h"

namespace lumtrak::model {

// A point of the cab viewpoints: across, along, height in model units.
using CabPoint = std::array<std::int16_t, 3>;

// The loaded model of one definition with its included parts.
struct StockModel {
    CabPoint cab1{};
    CabPoint cab2{};
    std::int32_t linear = 0;
    std::string name;
    std::string description;
    std::string sound;
    std::string numberText;
    std::int32_t number = 0;
    std::int16_t maxSpeed = 0;  // miles per hour
    std::int32_t weight = 0;    // kilograms
    std::int32_t power = 0;
    std::int32_t tractiveEffort = 0;
    std::int32_t brakeRate = 2;
    std::int32_t component = 0;
    std::string unitText;
    std::int32_t length = 0;                // imperial file units
    std::int32_t wheelbase = 0;             // model units
    std::unique_ptr<Panel> mainList;        // newest first
    std::unique_ptr<Panel> seeThroughList;  // lights and see-through textures, newest first
    std::int32_t groupOpen = 0;
    std::unique_ptr<Panel> groupHead;
    // The last panel of the open group's chain, so that appending stays cheap.
    Panel* groupTail = nullptr;

    StockModel() = default;
    StockModel(const StockModel&) = delete;
    StockModel& operator=(const StockModel&) = delete;
};

class TextureRegistry;

// Hands a new panel to the model: into the open group, else to the front of the
// see-through list (headlights, taillights and textures whose name begins with
// '#') or of the main list.
void AddPanel(StockModel& model, std::unique_ptr<Panel> panel, const TextureRegistry& textures);

// Frees the open group's head with its chain.
void FreeGroupHead(StockModel& model);

}  // namespace lumtrak::model
