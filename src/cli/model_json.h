#pragma once

#include "cli/json_writer.h"
#include "model/stock_model.h"
#include "model/texture_registry.h"

namespace lumtrak::cli {

// The members of a StockModel as the "model" command prints them (without the
// enclosing braces, so that the caller can add its own members).
void WriteModelMembers(JsonWriter& json, const model::StockModel& model,
                       const model::TextureRegistry& textures);

}  // namespace lumtrak::cli
