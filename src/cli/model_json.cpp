#include "cli/model_json.h"

namespace lumtrak::cli {
namespace {

void WritePanelList(JsonWriter& json, const model::Panel* first,
                    const model::TextureRegistry& textures);

void WritePanel(JsonWriter& json, const model::Panel& panel,
                const model::TextureRegistry& textures) {
    json.BeginObject();
    json.Key("kind").Int(static_cast<int>(panel.kind));
    json.Key("vertices").BeginArray();
    for (const auto& vertex : panel.vertices) {
        json.BeginArray().Int(vertex.x).Int(vertex.y).Int(vertex.z).EndArray();
    }
    json.EndArray();
    json.Key("colour").Int(panel.colour);
    json.Key("sides").BeginArray();
    for (auto entry : panel.sides.entries)
        json.Int(entry);
    json.EndArray();
    json.Key("period").Int(panel.period);
    json.Key("phase1").Int(panel.phase1);
    json.Key("phase2").Int(panel.phase2);
    json.Key("material").Int(panel.material);
    json.Key("texture").Int(panel.texture);
    json.Key("textureName").String(panel.texture != 0 ? textures.TextureName(panel.texture) : "");
    json.Key("textureColour").Int(panel.textureColour);
    json.Key("modifiers").Int(panel.modifiers);
    json.Key("subPanels");
    WritePanelList(json, panel.subPanels.get(), textures);
    json.EndObject();
}

void WritePanelList(JsonWriter& json, const model::Panel* first,
                    const model::TextureRegistry& textures) {
    json.BeginArray();
    for (const model::Panel* panel = first; panel != nullptr; panel = panel->next.get()) {
        WritePanel(json, *panel, textures);
    }
    json.EndArray();
}

void WriteCab(JsonWriter& json, const model::CabPoint& cab) {
    json.BeginArray().Int(cab[0]).Int(cab[1]).Int(cab[2]).EndArray();
}

}  // namespace

void WriteModelMembers(JsonWriter& json, const model::StockModel& model,
                       const model::TextureRegistry& textures) {
    json.Key("name").String(model.name);
    json.Key("description").String(model.description);
    json.Key("sound").String(model.sound);
    json.Key("unitText").String(model.unitText);
    json.Key("numberText").String(model.numberText);
    json.Key("number").Int(model.number);
    json.Key("maxSpeed").Int(model.maxSpeed);
    json.Key("weight").Int(model.weight);
    json.Key("power").Int(model.power);
    json.Key("tractiveEffort").Int(model.tractiveEffort);
    json.Key("brakeRate").Int(model.brakeRate);
    json.Key("component").Int(model.component);
    json.Key("linear").Int(model.linear);
    json.Key("length").Int(model.length);
    json.Key("wheelbase").Int(model.wheelbase);
    json.Key("groupOpen").Int(model.groupOpen);
    json.Key("cab1");
    WriteCab(json, model.cab1);
    json.Key("cab2");
    WriteCab(json, model.cab2);
    json.Key("mainList");
    WritePanelList(json, model.mainList.get(), textures);
    json.Key("seeThroughList");
    WritePanelList(json, model.seeThroughList.get(), textures);
    json.Key("groupHead");
    if (model.groupHead) {
        WritePanel(json, *model.groupHead, textures);
    } else {
        json.Null();
    }
}

}  // namespace lumtrak::cli
