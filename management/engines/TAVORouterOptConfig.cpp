#include "management/engines/TAVORouterOptConfig.h"

#include <array>

#include "core/app/TAVOLocalizedString.h"

namespace {

struct ItemRow {
    int id;
    const char* nameKey;
    int score;
    int group;  // -1: in no group
};

constexpr std::array<ItemRow, 12> kItems{{
    {1, "opt wan dns", 15, 1},    {2, "opt lan dns", 15, 1},         {4, "opt dmz", 0, -1},
    {8, "opt ap", 7, 1},          {16, "opt cpu usage", 5, 0},        {32, "opt mem", 6, 0},
    {64, "opt garbage", 4, 0},    {128, "opt channel", 4, 2},         {512, "opt dns speed", 3, 2},
    {1024, "opt hw nat", 0, -1},  {2048, "opt ip table nat", 3, 2},   {4096, "opt frame", 0, -1},
}};

constexpr std::array<const char*, 3> kGroupTitles{"detect performance", "detect safety", "network speed"};
constexpr std::array<std::array<int, 3>, 3> kGroupMembers{{{16, 32, 64}, {1, 2, 8}, {512, 128, 2048}}};

const ItemRow* rowFor(int id) {
    for (const auto& row : kItems)
        if (row.id == id) return &row;
    return nullptr;
}

int idOf(const std::string& text) { return ns::Value(text).intValue(); }

}  // namespace

std::shared_ptr<OptedArrayItem> OptedArrayItem::create(std::string name, bool isGroupName) {
    auto item = std::shared_ptr<OptedArrayItem>(new OptedArrayItem());
    item->name = std::move(name);
    item->isGroupName = isGroupName;
    return item;
}

std::optional<std::string> TAVORouterOptConfig::nameById(int id) {
    const ItemRow* row = rowFor(id);
    if (!row) return std::nullopt;
    return TAVOLocalizedString(row->nameKey);
}

int TAVORouterOptConfig::scoreById(int id) {
    const ItemRow* row = rowFor(id);
    return row ? row->score : 0;
}

std::optional<std::string> TAVORouterOptConfig::kindById(int group) {
    if (group < 0 || group >= static_cast<int>(kGroupTitles.size())) return std::nullopt;
    return TAVOLocalizedString(kGroupTitles[static_cast<std::size_t>(group)]);
}

int TAVORouterOptConfig::groupOfId(int id) {
    const ItemRow* row = rowFor(id);
    return row ? row->group : -1;
}

std::string TAVORouterOptConfig::valueById(int n) {
    if (n < 0 || n > 31) return "";
    return std::to_string(1ULL << n);
}

std::vector<std::string> TAVORouterOptConfig::defaultCheckSetting() {
    std::vector<std::string> ids;
    for (const auto& members : kGroupMembers)
        for (int id : members) ids.push_back(std::to_string(id));
    return ids;
}

ns::Dictionary TAVORouterOptConfig::optedItemGroup(const std::vector<std::string>& ids) {
    ns::Dictionary groups;
    for (std::size_t group = 0; group < kGroupTitles.size(); ++group) {
        ns::Array names;
        for (const auto& text : ids)
            if (groupOfId(idOf(text)) == static_cast<int>(group)) names.push_back(ns::Value(*nameById(idOf(text))));
        if (!names.empty()) groups.set(*kindById(static_cast<int>(group)), ns::Value(names));
    }
    return groups;
}

std::vector<std::shared_ptr<OptedArrayItem>> TAVORouterOptConfig::optedArrayItemArray(
    const std::vector<std::string>& ids) {
    std::vector<std::shared_ptr<OptedArrayItem>> rows;
    for (std::size_t group = 0; group < kGroupTitles.size(); ++group) {
        std::vector<std::shared_ptr<OptedArrayItem>> items;
        for (const auto& text : ids)
            if (groupOfId(idOf(text)) == static_cast<int>(group))
                items.push_back(OptedArrayItem::create(*nameById(idOf(text)), false));
        if (items.empty()) continue;
        rows.push_back(OptedArrayItem::create(*kindById(static_cast<int>(group)), true));
        rows.insert(rows.end(), items.begin(), items.end());
    }
    return rows;
}
